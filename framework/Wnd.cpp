#include "Wnd.h"

#include "Dialog.h"
#include "WinApp.h"

namespace {

const UINT_PTR kSubclassId = 1;

bool CarriesChildHandle(UINT message, LPARAM lParam)
{
    if (lParam == 0)
        return false;
    return message == WM_COMMAND || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

}  // namespace

CWnd::CWnd() : m_hWnd(nullptr), m_currentMsg(), m_nMessageDepth(0), m_bWindowGone(false), m_bSubclassed(false) {}

CWnd::~CWnd()
{
    // An object that dies before its window (a dialog member destroyed with
    // its owner object) must not be reached through the window again.
    if (m_hWnd != nullptr && m_bSubclassed)
        ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
}

CWnd* CWnd::FromChildHandle(HWND hWnd)
{
    DWORD_PTR refData = 0;
    if (::GetWindowSubclass(hWnd, SubclassProc, kSubclassId, &refData))
        return reinterpret_cast<CWnd*>(refData);
    return nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* control = FromChildHandle(hWnd))
        return control;
    if (reinterpret_cast<DLGPROC>(::GetWindowLongPtrA(hWnd, DWLP_DLGPROC)) == CDialog::DialogProc)
        return reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    return nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr)
        return FALSE;
    m_hWnd = hWnd;
    PreSubclassWindow();
    if (!::SetWindowSubclass(hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        m_hWnd = nullptr;
        return FALSE;
    }
    m_bSubclassed = true;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

CString CWnd::GetWindowText() const
{
    CString text;
    int length = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer();
    return text;
}

LRESULT CWnd::Default()
{
    return DefWindowProcNow(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

LRESULT CWnd::DefWindowProcNow(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    *pResult = 0;
    if (CarriesChildHandle(message, lParam)) {
        CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        if (child != nullptr && child != this && child->Route(WM_REFLECT_BASE + message, wParam, lParam, pResult))
            return TRUE;
    }
    if (Route(message, wParam, lParam, pResult))
        return TRUE;
    if (message == WM_COMMAND && AfxGetApp() != nullptr)
        return AfxGetApp()->Route(message, wParam, lParam, pResult);
    return FALSE;
}

CWnd::MessageScope::MessageScope(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam)
    : m_pWnd(pWnd), m_previous(pWnd->m_currentMsg)
{
    ++m_pWnd->m_nMessageDepth;
    m_pWnd->m_currentMsg.hwnd = m_pWnd->m_hWnd;
    m_pWnd->m_currentMsg.message = message;
    m_pWnd->m_currentMsg.wParam = wParam;
    m_pWnd->m_currentMsg.lParam = lParam;
}

CWnd::MessageScope::~MessageScope()
{
    m_pWnd->m_currentMsg = m_previous;
    if (--m_pWnd->m_nMessageDepth == 0 && m_pWnd->m_bWindowGone) {
        m_pWnd->m_bWindowGone = false;
        m_pWnd->PostNcDestroy();  // may delete the object: nothing after this
    }
}

void CWnd::OnWindowGone()
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    m_hWnd = nullptr;
    m_bWindowGone = true;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData)
{
    CWnd* wnd = reinterpret_cast<CWnd*>(refData);
    LRESULT result = 0;
    {
        MessageScope scope(wnd, message, wParam, lParam);
        BOOL handled = FALSE;
        if (!CallGuarded([&] { handled = wnd->Dispatch(message, wParam, lParam, &result); }))
            handled = TRUE;  // reported: the message counts as done
        if (message == WM_NCDESTROY) {
            ::RemoveWindowSubclass(hWnd, SubclassProc, kSubclassId);
            wnd->m_bSubclassed = false;
            result = ::DefSubclassProc(hWnd, message, wParam, lParam);
            wnd->OnWindowGone();
        } else if (!handled) {
            result = ::DefSubclassProc(hWnd, message, wParam, lParam);
        }
    }
    return result;
}
