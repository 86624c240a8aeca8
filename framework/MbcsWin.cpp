#include "Mbcs.h"

#include <windows.h>

namespace mbcs {

bool IsLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace mbcs
