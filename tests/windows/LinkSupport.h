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

// The icons of the message boxes activated on this thread while it lives,
// read as each box comes up. Wine keeps a box's icon in control 0x440,
// Windows in 0x14, so both are looked at; use beside a MessageBoxWatcher.
class MessageBoxIcons {
public:
    MessageBoxIcons();
    ~MessageBoxIcons();
    MessageBoxIcons(const MessageBoxIcons&) = delete;
    MessageBoxIcons& operator=(const MessageBoxIcons&) = delete;
    const std::vector<BoxIcon>& Icons() const { return m_icons; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
    std::vector<BoxIcon> m_icons;
    static MessageBoxIcons* s_pActive;
};
