#pragma once
// Declarative message maps. Each map is a chain of tests that calls the
// handlers with their real signatures: a handler with the wrong signature
// does not compile, and no member-function pointer is ever cast.

#include "Gdi.h"
#include "Win32.h"

// Notifications a control sends to its parent arrive at the control first,
// as the same message offset by this base (never posted or sent as such).
#define WM_REFLECT_BASE (WM_APP + 0x1C00)

#define DECLARE_MESSAGE_MAP() \
protected:                    \
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    BOOL theClass::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) { \
        typedef baseClass TheBaseClass;

#define END_MESSAGE_MAP()                                              \
    return TheBaseClass::OnWndMsg(message, wParam, lParam, pResult); \
    }

#define FENLOW_IS_COMMAND(id) \
    (message == WM_COMMAND && LOWORD(wParam) == (id) && (HIWORD(wParam) == 0 || (HIWORD(wParam) == 1 && lParam == 0)))

#define ON_COMMAND(id, memberFxn)   \
    if (FENLOW_IS_COMMAND(id)) {    \
        memberFxn();                \
        *pResult = 0;               \
        return TRUE;                \
    }

#define ON_CONTROL_REFLECT(code, memberFxn)                                             \
    if (message == WM_REFLECT_BASE + WM_COMMAND && HIWORD(wParam) == (code)) {        \
        memberFxn();                                                                    \
        *pResult = 0;                                                                   \
        return TRUE;                                                                    \
    }

#define ON_WM_CTLCOLOR_REFLECT()                                                                     \
    if (message >= WM_REFLECT_BASE + WM_CTLCOLORMSGBOX && message <= WM_REFLECT_BASE + WM_CTLCOLORSTATIC) { \
        CDC dc(reinterpret_cast<HDC>(wParam));                                                        \
        *pResult = reinterpret_cast<LRESULT>(CtlColor(&dc, message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX)); \
        return TRUE;                                                                                   \
    }

#define ON_WM_SYSCOMMAND()                                  \
    if (message == WM_SYSCOMMAND) {                         \
        OnSysCommand(static_cast<UINT>(wParam), lParam);    \
        *pResult = 0;                                       \
        return TRUE;                                        \
    }

#define ON_WM_PAINT()           \
    if (message == WM_PAINT) {  \
        OnPaint();              \
        *pResult = 0;           \
        return TRUE;            \
    }

#define ON_WM_QUERYDRAGICON()                                               \
    if (message == WM_QUERYDRAGICON) {                                      \
        *pResult = reinterpret_cast<LRESULT>(OnQueryDragIcon());            \
        return TRUE;                                                        \
    }

#define ON_WM_DROPFILES()                                   \
    if (message == WM_DROPFILES) {                          \
        OnDropFiles(reinterpret_cast<HDROP>(wParam));       \
        *pResult = 0;                                       \
        return TRUE;                                        \
    }

#define ON_WM_CONTEXTMENU()                                                                          \
    if (message == WM_CONTEXTMENU) {                                                                 \
        OnContextMenu(reinterpret_cast<HWND>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); \
        *pResult = 0;                                                                                \
        return TRUE;                                                                                 \
    }

#define ON_WM_SETCURSOR()                                                                           \
    if (message == WM_SETCURSOR) {                                                                  \
        *pResult = OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));    \
        return TRUE;                                                                                \
    }

#define ON_WM_MOUSEMOVE()                                                                          \
    if (message == WM_MOUSEMOVE) {                                                                 \
        OnMouseMove(static_cast<UINT>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); \
        *pResult = 0;                                                                              \
        return TRUE;                                                                               \
    }

#define ON_WM_CAPTURECHANGED()                                      \
    if (message == WM_CAPTURECHANGED) {                             \
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));           \
        *pResult = 0;                                               \
        return TRUE;                                                \
    }

// The root of every map chain: a command target answers nothing by itself.
class CCmdTarget {
public:
    virtual ~CCmdTarget() {}

    // Routes one message through the map chain; TRUE when a handler took it.
    BOOL Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
    {
        return OnWndMsg(message, wParam, lParam, pResult);
    }

protected:
    virtual BOOL OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
};
