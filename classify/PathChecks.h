#pragma once
// Tests on dropped and resolved paths. Plain C++.

#include "../framework/AfxString.h"

// The path ends in ".lnk" exactly, byte for byte: ".LNK" is a file of its own.
bool EndsWithLinkExtension(const CString& path);

// A find-first query would expand these; an exact look-up must not.
bool HasWildcard(const CString& path);

// An attribute query on this path answers "does an entry of this exact name
// exist" as a find-first query does: no wildcard, no root or share, nothing
// the find-first query treats apart (a trailing separator, ".", "..", a
// bare drive, a trailing space).
bool AttributesAnswerLikeFindFirst(const CString& path);
