#include "tests/windows/DialogResource.h"

#include <cstring>

namespace {

class Reader {
public:
    explicit Reader(const BYTE* data) : m_data(data), m_offset(0) {}
    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return Take<short>(); }
    BYTE Byte() { return Take<BYTE>(); }
    void AlignDword() { m_offset = (m_offset + 3) & ~3u; }
    // A string, or an ordinal written as "#n".
    std::wstring SzOrOrdinal()
    {
        WORD first;
        std::memcpy(&first, m_data + m_offset, 2);
        if (first == 0xFFFF) {
            m_offset += 2;
            return L"#" + std::to_wstring(Word());
        }
        return Sz();
    }
    std::wstring Sz()
    {
        std::wstring text;
        for (WORD ch = Word(); ch != 0; ch = Word())
            text += static_cast<wchar_t>(ch);
        return text;
    }

private:
    template <typename T>
    T Take()
    {
        T value;
        std::memcpy(&value, m_data + m_offset, sizeof value);
        m_offset += sizeof value;
        return value;
    }
    const BYTE* m_data;
    unsigned m_offset;
};

std::wstring NamedClass(const std::wstring& name)
{
    static const wchar_t* const atoms[] = {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar", L"ComboBox"};
    for (int atom = 0x80; atom <= 0x85; ++atom)
        if (name == L"#" + std::to_wstring(atom))
            return atoms[atom - 0x80];
    return name;
}

}  // namespace

bool ReadDialogResource(UINT id, DialogResource* dialog)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    if (resource == nullptr)
        return false;
    Reader in(static_cast<const BYTE*>(::LockResource(::LoadResource(instance, resource))));
    WORD version = in.Word();
    WORD signature = in.Word();
    dialog->extended = version == 1 && signature == 0xFFFF;
    int count;
    if (dialog->extended) {
        in.Dword();  // help id
        dialog->exStyle = in.Dword();
        dialog->style = in.Dword();
    } else {
        dialog->style = static_cast<DWORD>(version) | (static_cast<DWORD>(signature) << 16);
        dialog->exStyle = in.Dword();
    }
    count = in.Word();
    dialog->x = in.Short();
    dialog->y = in.Short();
    dialog->cx = in.Short();
    dialog->cy = in.Short();
    in.SzOrOrdinal();  // menu
    in.SzOrOrdinal();  // class
    dialog->caption = in.Sz();
    dialog->pointSize = dialog->weight = 0;
    dialog->italic = dialog->charset = 0;
    if (dialog->style & DS_SETFONT) {
        dialog->pointSize = in.Word();
        if (dialog->extended) {
            dialog->weight = in.Word();
            dialog->italic = in.Byte();
            dialog->charset = in.Byte();
        }
        dialog->face = in.Sz();
    }
    for (int i = 0; i < count; ++i) {
        in.AlignDword();
        DialogItem item;
        if (dialog->extended) {
            in.Dword();  // help id
            item.exStyle = in.Dword();
            item.style = in.Dword();
        } else {
            item.style = in.Dword();
            item.exStyle = in.Dword();
        }
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = dialog->extended ? static_cast<int>(in.Dword()) : static_cast<short>(in.Word());
        item.className = NamedClass(in.SzOrOrdinal());
        item.text = in.SzOrOrdinal();
        WORD extra = in.Word();
        for (WORD skipped = 0; skipped < extra; ++skipped)
            in.Byte();
        dialog->items.push_back(item);
    }
    return true;
}
