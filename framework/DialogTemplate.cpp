#include "DialogTemplate.h"

#include <cstring>

namespace {

template <typename T>
T At(const BYTE* data, int offset)
{
    T value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

}  // namespace

bool ReadDialogTemplateHeader(HINSTANCE instance, UINT nIDTemplate, DialogTemplateHeader* header)
{
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(nIDTemplate), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = resource != nullptr ? ::LoadResource(instance, resource) : nullptr;
    const BYTE* data = loaded != nullptr ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    if (data == nullptr || ::SizeofResource(instance, resource) < 26)
        return false;
    header->extended = At<WORD>(data, 0) == 1 && At<WORD>(data, 2) == 0xFFFF;
    int base = header->extended ? 8 : 0;
    header->exStyle = At<DWORD>(data, header->extended ? 8 : 4);
    header->style = At<DWORD>(data, header->extended ? 12 : 0);
    header->itemCount = At<WORD>(data, base + 8);
    header->x = At<short>(data, base + 10);
    header->y = At<short>(data, base + 12);
    header->cx = At<short>(data, base + 14);
    header->cy = At<short>(data, base + 16);
    return true;
}
