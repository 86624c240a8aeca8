#pragma once
// What the user reads when a link could not be opened. Plain C++.

#include "../framework/AfxString.h"

// The whole message for a launch result of ShellExecute or WinExec (32 or
// below), with its "Unable to open hyperlink:" heading.
CString OpenErrorMessage(int code);
