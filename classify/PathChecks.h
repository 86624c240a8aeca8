#pragma once
// Tests on dropped and resolved paths. Plain C++.

#include "../framework/AfxString.h"

// The path ends in ".lnk" exactly, byte for byte: ".LNK" is a file of its own.
bool EndsWithLinkExtension(const CString& path);

// A find-first query would expand these; an exact look-up must not.
bool HasWildcard(const CString& path);
