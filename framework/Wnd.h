#pragma once
// CWnd: a C++ object bound to one window from the window's first message to
// WM_NCDESTROY. Dialogs keep the object in DWLP_USER; controls attached to an
// existing window keep it in their subclass reference data.

#include "AfxString.h"
#include "MessageMap.h"

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object bound to a window of this program, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    HWND GetSafeHwnd() const { return this == nullptr ? nullptr : m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Attaches the object to an existing window (a control of a dialog).
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    // Called by the message loop for the target window and each parent up to
    // the top-level window; TRUE means the message was handled.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL DestroyWindow();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    CString GetWindowText() const;
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }

    HWND m_hWnd;

protected:
    // Attach hooks. PreSubclassWindow runs once the object knows its window,
    // before its window procedure is taken over; PostNcDestroy runs once the
    // window is gone and the outermost of its messages has returned.
    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}

    // The platform's own handling of the message being dispatched now.
    LRESULT Default();
    virtual LRESULT DefWindowProcNow(UINT message, WPARAM wParam, LPARAM lParam);

    // One message through reflection, the map chain and command routing.
    // Returns FALSE when nobody took it and the platform should.
    BOOL Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Brackets every message the object receives; see MessageScope.
    class MessageScope {
    public:
        MessageScope(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);
        ~MessageScope();
        MessageScope(const MessageScope&) = delete;
        MessageScope& operator=(const MessageScope&) = delete;

    private:
        CWnd* m_pWnd;
        MSG m_previous;
    };
    // Marks the window gone; the object is finished when the outermost
    // message returns.
    void OnWindowGone();

    MSG m_currentMsg;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static CWnd* FromChildHandle(HWND hWnd);

    int m_nMessageDepth;
    bool m_bWindowGone;
    bool m_bSubclassed;

    friend class CDialog;
};

// Guards a window-procedure boundary: no C++ exception may cross into the
// system. A framework exception becomes its own report; anything else ends
// the process rather than unwinding through foreign frames.
template <typename Body>
bool CallGuarded(Body body);
#include "CallGuarded.inl"
