#pragma once
// Double-byte character rules of the ANSI code page. Plain C++: the Windows
// build asks the system; native builds use a code page 932 table, so scans
// can be tested on Linux over the same bytes a Japanese Windows sees.

namespace mbcs {

bool IsLeadByte(unsigned char byte);

// The next character after p; a lead byte with no trail byte before the end
// counts as one byte, so a cut string never makes a scan run past its end.
inline const char* Next(const char* p)
{
    if (*p == '\0')
        return p;
    if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0')
        return p + 2;
    return p + 1;
}

// Length in bytes of the longest prefix of text, at most limit bytes, that
// ends on a character boundary; a lead byte without its trail byte is left out.
int FitOnBoundary(const char* text, int length, int limit);

}  // namespace mbcs
