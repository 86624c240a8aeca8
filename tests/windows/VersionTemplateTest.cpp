#include "res/resource.h"
#include "tests/windows/Support.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Reads an extended dialog template field by field, as the dialog manager
// does, so every byte that matters is compared.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size), m_offset(0) {}

    template <typename T>
    T Next()
    {
        T value{};
        if (m_offset + sizeof value > m_size) {
            m_overrun = true;
            return value;
        }
        std::memcpy(&value, m_data + m_offset, sizeof value);
        m_offset += sizeof value;
        return value;
    }
    std::wstring String()
    {
        std::wstring text;
        for (wchar_t ch = Next<wchar_t>(); ch != L'\0' && !m_overrun; ch = Next<wchar_t>())
            text += ch;
        return text;
    }
    // A name or an ordinal: an ordinal reads as "#<number>".
    std::wstring NameOrOrdinal()
    {
        WORD first = Next<WORD>();
        if (first == 0xFFFF)
            return L"#" + std::to_wstring(Next<WORD>());
        if (first == 0)
            return std::wstring();
        m_offset -= sizeof first;
        return String();
    }
    void AlignToDword() { m_offset = (m_offset + 3) & ~static_cast<size_t>(3); }
    size_t Offset() const { return m_offset; }
    bool Overrun() const { return m_overrun; }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_offset;
    bool m_overrun = false;
};

struct ItemRow {
    // The class as its ordinal (what the Windows resource compiler writes)
    // or as its name (what windres writes); the dialog manager takes either.
    const wchar_t* windowClass;
    const wchar_t* className;
    int id;
    const wchar_t* text;  // "#128" is icon resource 128
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
};

const ItemRow kItems[] = {
    {L"#130", L"Static", -1, L"#128", 2, 3, 20, 20, 0x50000003, 0x00020000},
    {L"#130", L"Static", -1, L"Fenlow ver1.0", 32, 11, 46, 8, 0x50020080, 0},
    {L"#130", L"Static", -1, L"Presented by", 3, 35, 39, 8, 0x50020000, 0},
    {L"#128", L"Button", 1, L"OK", 87, 8, 28, 14, 0x50030001, 0},
    {L"#130", L"Static", -1, L"", 2, 29, 113, 1, 0x50001005, 0},
    {L"#130", L"Static", 1018, L"Morik", 43, 35, 21, 8, 0x50020000, 0},
    {L"#130", L"Static", -1, L"/", 65, 35, 8, 8, 0x50020000, 0},
    {L"#130", L"Static", 1019, L"Orvane", 73, 35, 43, 8, 0x50020000, 0},
};

TEST(VersionTemplate, MatchesItsTableByteForByte)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceExA(instance, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(IDD_VERSION),
                                       MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    ASSERT_NE(nullptr, resource) << "a Japanese dialog resource 100";
    const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(instance, resource)));
    size_t size = ::SizeofResource(instance, resource);
    TemplateReader reader(data, size);

    EXPECT_EQ(1, reader.Next<WORD>()) << "extended template";
    EXPECT_EQ(0xFFFF, reader.Next<WORD>());
    EXPECT_EQ(0u, reader.Next<DWORD>()) << "help id";
    EXPECT_EQ(0u, reader.Next<DWORD>()) << "extended style";
    EXPECT_EQ(0x80C800C0u, reader.Next<DWORD>()) << "style";
    WORD count = reader.Next<WORD>();
    ASSERT_EQ(8, count);
    EXPECT_EQ(0, reader.Next<short>());
    EXPECT_EQ(0, reader.Next<short>());
    EXPECT_EQ(117, reader.Next<short>());
    EXPECT_EQ(47, reader.Next<short>());
    EXPECT_EQ(L"", reader.NameOrOrdinal()) << "menu";
    EXPECT_EQ(L"", reader.NameOrOrdinal()) << "window class";
    EXPECT_EQ(L"Fenlowのﾊﾞｰｼﾞｮﾝ情報", reader.String());
    EXPECT_EQ(9, reader.Next<WORD>()) << "point size";
    EXPECT_EQ(0, reader.Next<WORD>()) << "weight";
    EXPECT_EQ(0, reader.Next<BYTE>()) << "italic";
    EXPECT_EQ(1, reader.Next<BYTE>()) << "character set";
    EXPECT_EQ(L"ＭＳ Ｐゴシック", reader.String());

    for (const ItemRow& row : kItems) {
        SCOPED_TRACE(testing::Message() << "control " << (&row - kItems) + 1);
        reader.AlignToDword();
        EXPECT_EQ(0u, reader.Next<DWORD>()) << "help id";
        EXPECT_EQ(row.exStyle, reader.Next<DWORD>()) << "extended style";
        EXPECT_EQ(row.style, reader.Next<DWORD>()) << "style";
        EXPECT_EQ(row.x, reader.Next<short>());
        EXPECT_EQ(row.y, reader.Next<short>());
        EXPECT_EQ(row.cx, reader.Next<short>());
        EXPECT_EQ(row.cy, reader.Next<short>());
        EXPECT_EQ(row.id, static_cast<int>(reader.Next<DWORD>()));
        std::wstring windowClass = reader.NameOrOrdinal();
        EXPECT_TRUE(windowClass == row.windowClass || ::lstrcmpiW(windowClass.c_str(), row.className) == 0)
            << "class " << testing::PrintToString(windowClass);
        EXPECT_EQ(row.text, reader.NameOrOrdinal());
        EXPECT_EQ(0, reader.Next<WORD>()) << "creation data";
    }
    EXPECT_FALSE(reader.Overrun());
    EXPECT_LE(size - reader.Offset(), 3u) << "nothing after the last control";
}

}  // namespace
