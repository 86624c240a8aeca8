#pragma once
// Reads a dialog template resource (plain or extended) into plain values,
// so tests compare it with the tables the program's windows are built on.

#include "framework/Win32.h"

#include <string>
#include <vector>

struct DialogItem {
    std::wstring className;  // "Button", "Edit", "Static", ... (atoms named)
    int id;
    std::wstring text;       // "#132" for a resource ordinal
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
};

struct DialogResource {
    bool extended;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    std::wstring caption;
    WORD pointSize;
    WORD weight;
    BYTE italic;
    BYTE charset;
    std::wstring face;
    std::vector<DialogItem> items;
};

bool ReadDialogResource(UINT id, DialogResource* dialog);
