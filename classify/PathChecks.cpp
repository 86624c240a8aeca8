#include "PathChecks.h"

#include "../framework/Mbcs.h"

bool EndsWithLinkExtension(const CString& path)
{
    // No trail byte of a double-byte character is ever a ".", so the bytes
    // can be compared as they are.
    return path.Right(4) == ".lnk";
}

bool HasWildcard(const CString& path)
{
    return path.Find('*') >= 0 || path.Find('?') >= 0;
}

bool AttributesAnswerLikeFindFirst(const CString& path)
{
    const char* text = path;
    if (*text == '\0' || HasWildcard(path))
        return false;
    // UNC and device paths: a share's root is never found by a find-first
    // query, but it has attributes.
    if ((text[0] == '\\' || text[0] == '/') && (text[1] == '\\' || text[1] == '/'))
        return false;
    const char* last = text;
    for (const char* p = text; *p != '\0'; p = mbcs::Next(p))
        last = p;
    if (last[1] != '\0')
        return true;  // ends in a double-byte character
    switch (*last) {
    case '\\':
    case '/':
    case ':':
    case '.':
    case ' ':
        return false;
    default:
        return true;
    }
}
