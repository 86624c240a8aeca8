#include "Mbcs.h"

namespace mbcs {

int FitOnBoundary(const char* text, int length, int limit)
{
    int end = length < limit ? length : limit;
    int fitted = 0;
    while (fitted < end) {
        int step = IsLeadByte(static_cast<unsigned char>(text[fitted])) ? 2 : 1;
        if (fitted + step > end)
            break;
        fitted += step;
    }
    return fitted;
}

}  // namespace mbcs
