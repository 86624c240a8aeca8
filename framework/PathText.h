#pragma once
// Text rules over file names and paths, stepping over double-byte
// characters. Plain C++.

#include "AfxString.h"

// The name without its last extension: the text before the last ".";
// the whole name when it has none; empty for a name whose only "." leads.
CString TitleOfFileName(const CString& name);
