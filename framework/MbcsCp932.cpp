#include "Mbcs.h"

namespace mbcs {

// Shift-JIS lead bytes, as code page 932 defines them.
bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace mbcs
