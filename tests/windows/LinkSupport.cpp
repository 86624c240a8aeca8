#include "tests/windows/LinkSupport.h"

#include <cstring>

PaintColours ColoursOf(HWND dialog, HWND label)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SetBkMode(dc, OPAQUE);
    PaintColours colours;
    colours.brush = reinterpret_cast<HBRUSH>(
        ::SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    colours.text = ::GetTextColor(dc);
    colours.backgroundMode = ::GetBkMode(dc);
    ::DeleteDC(dc);
    return colours;
}

namespace {

BOOL CALLBACK CollectToolTip(HWND window, LPARAM lParam)
{
    char className[64] = "";
    ::GetClassNameA(window, className, sizeof className);
    if (::lstrcmpiA(className, TOOLTIPS_CLASSA) == 0)
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> ThreadToolTips()
{
    std::vector<HWND> found;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectToolTip, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<ToolEntry> ToolsOf(HWND tooltip)
{
    std::vector<ToolEntry> tools;
    int count = static_cast<int>(::SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char text[1024] = "";
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.lpszText = text;
        if (!::SendMessageA(tooltip, TTM_ENUMTOOLSA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)))
            continue;
        tools.push_back(ToolEntry{info.uFlags, info.hwnd, info.uId, info.rect, text});
    }
    return tools;
}

HWND ToolTipOf(HWND label)
{
    for (HWND tooltip : ThreadToolTips()) {
        for (const ToolEntry& tool : ToolsOf(tooltip)) {
            if (tool.window == label)
                return tooltip;
        }
    }
    return nullptr;
}

LOGFONTA FontOf(HWND control)
{
    LOGFONTA font = {};
    HFONT handle = reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0));
    if (handle != nullptr)
        ::GetObjectA(handle, sizeof font, &font);
    return font;
}

std::string WindowTextOf(HWND window)
{
    char text[1024] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

SIZE TextExtentOf(HWND control)
{
    std::string text = WindowTextOf(control);
    HDC dc = ::GetDC(control);
    HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return extent;
}

RECT RectInParent(HWND control)
{
    RECT rect;
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy)
{
    // Position and size each, as the dialog manager converts them.
    RECT units = {x, y, cx, cy};
    ::MapDialogRect(dialog, &units);
    RECT rect = {units.left, units.top, units.left + units.right, units.top + units.bottom};
    return rect;
}

HCURSOR CursorShownBy(HWND window)
{
    ::SetCursor(nullptr);
    ::SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
}

namespace {

std::vector<unsigned char> BitsOf(HBITMAP bitmap)
{
    std::vector<unsigned char> bits;
    BITMAP info = {};
    if (bitmap == nullptr || !::GetObjectA(bitmap, sizeof info, &info))
        return bits;
    bits.resize(static_cast<size_t>(info.bmWidthBytes) * static_cast<size_t>(info.bmHeight));
    ::GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
    return bits;
}

struct CursorPicture {
    bool valid = false;
    DWORD hotX = 0, hotY = 0;
    std::vector<unsigned char> mask, colour;
};

CursorPicture PictureOf(HCURSOR cursor)
{
    CursorPicture picture;
    ICONINFO info = {};
    if (cursor == nullptr || !::GetIconInfo(cursor, &info))
        return picture;
    picture.valid = true;
    picture.hotX = info.xHotspot;
    picture.hotY = info.yHotspot;
    picture.mask = BitsOf(info.hbmMask);
    picture.colour = BitsOf(info.hbmColor);
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    return picture;
}

}  // namespace

bool LooksLikeSystemHand(HCURSOR cursor)
{
    CursorPicture shown = PictureOf(cursor);
    CursorPicture hand = PictureOf(::LoadCursorA(nullptr, IDC_HAND));
    return shown.valid && hand.valid && shown.hotX == hand.hotX && shown.hotY == hand.hotY &&
           shown.mask == hand.mask && shown.colour == hand.colour;
}

bool IsLiveCursor(HCURSOR cursor)
{
    ICONINFO info = {};
    if (cursor == nullptr || !::GetIconInfo(cursor, &info))
        return false;
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    return true;
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void PrintTo(const RECT& rect, std::ostream* os)
{
    *os << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}
