#pragma once
// The command line that opens a URL with the program registered for .htm
// files, when the shell itself could not open it. Plain C++.

#include "../framework/AfxString.h"

// The registered command up to its "%1" placeholder (the quoted one first,
// else a bare one; the whole command when it has neither), then one space
// and the URL as it is, unquoted.
CString BuildFallbackCommand(const char* registeredCommand, const char* url);
