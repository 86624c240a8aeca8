#pragma once
// What a new shortcut is named and where its target starts. Plain C++.

#include "../framework/AfxString.h"

// The shortcut for an entry is named by the entry's title, kept to 255 bytes
// without splitting a double-byte character.
CString LinkTitleOf(const CString& entryName);

// The target's folder: the text before its last backslash ("C:" for a file
// in a drive's root), empty when there is none.
CString WorkingDirectoryOf(const CString& target);
