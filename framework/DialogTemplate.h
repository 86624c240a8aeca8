#pragma once
// The header fields of a dialog template resource, plain or extended.

#include "Win32.h"

struct DialogTemplateHeader {
    DWORD style;
    DWORD exStyle;
    int itemCount;
    short x, y, cx, cy;
    bool extended;
};

bool ReadDialogTemplateHeader(HINSTANCE instance, UINT nIDTemplate, DialogTemplateHeader* header);
