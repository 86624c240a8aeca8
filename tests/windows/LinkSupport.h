#pragma once
// Reading link labels back from their windows: the colours a paint would
// use, their tooltips and tools, fonts, extents and cursors.

#include "framework/Win32.h"
#include "tests/windows/Support.h"

#include <ostream>
#include <string>
#include <vector>

// What the label sets on a device context when its parent asks for the
// static control colours (the reflected WM_CTLCOLORSTATIC).
struct PaintColours {
    COLORREF text;
    int backgroundMode;
    HBRUSH brush;
};
PaintColours ColoursOf(HWND dialog, HWND label);

struct ToolEntry {
    UINT flags;
    HWND window;
    UINT_PTR id;
    RECT rect;
    std::string text;
};

// Tooltip windows of this thread.
std::vector<HWND> ThreadToolTips();
// The tooltip that holds a tool of the label, or null.
HWND ToolTipOf(HWND label);
std::vector<ToolEntry> ToolsOf(HWND tooltip);

LOGFONTA FontOf(HWND control);
// The control's text measured in its own font.
SIZE TextExtentOf(HWND control);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control);
// A template rectangle in dialog units, as the dialog lays it out.
RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy);

// The cursor the window shows when the pointer is over it.
HCURSOR CursorShownBy(HWND window);
// Same hot spot and same pictures as the system's hand.
bool LooksLikeSystemHand(HCURSOR cursor);
bool IsLiveCursor(HCURSOR cursor);

std::string WindowTextOf(HWND window);
bool operator==(const RECT& a, const RECT& b);
void PrintTo(const RECT& rect, std::ostream* os);

