#include "PathChecks.h"

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
