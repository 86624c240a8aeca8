#pragma once
// The application's message box: captioned with the application name; a box
// that asks for no icon shows the exclamation icon on the usual buttons.

#include "Win32.h"

int AfxMessageBox(const char* text, UINT nType = MB_OK, UINT nIDHelp = 0);
// For texts kept in UTF-16 so they stay legible whatever the ANSI code page.
int AfxMessageBoxW(const wchar_t* text, UINT nType = MB_OK);
// A string resource as UTF-16; an absent one gives the empty text.
void AfxLoadStringW(UINT nID, wchar_t* buffer, int capacity);
