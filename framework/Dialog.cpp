#include "Dialog.h"

#include "DialogTemplate.h"
#include "WinApp.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate),
      m_pParentWnd(pParentWnd),
      m_bModal(false),
      m_bEndModal(false),
      m_bSkipNextDialogProc(false),
      m_nModalResult(-1)
{
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    if (message == WM_INITDIALOG) {
        *pResult = OnInitDialog();
        CenterOverOwnerWhenUnplaced();
        return TRUE;
    }
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && AfxGetApp() != nullptr)
        AfxGetApp()->m_nLastActiveDialogId = m_nIDTemplate;  // noted only; activation goes on
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

HWND CDialog::OwnerWindow() const
{
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr && AfxGetMainWnd() != nullptr && AfxGetMainWnd() != this)
        owner = AfxGetMainWnd()->m_hWnd;
    // A pop-up cannot be owned by a child window.
    while (owner != nullptr && (::GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    return owner;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    CWinApp* app = AfxGetApp();
    app->m_pWndInit = this;
    HWND hWnd = ::CreateDialogParamA(app->m_hInstance, MAKEINTRESOURCEA(nIDTemplate), OwnerWindow(), DialogProc, 0);
    app->m_pWndInit = nullptr;
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    CWinApp* app = AfxGetApp();
    HWND owner = OwnerWindow();
    bool ownerDisabled = owner != nullptr && ::IsWindowEnabled(owner);
    if (ownerDisabled)
        ::EnableWindow(owner, FALSE);

    m_bModal = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    app->m_pWndInit = this;
    HWND hWnd = ::CreateDialogParamA(app->m_hInstance, MAKEINTRESOURCEA(m_nIDTemplate), owner, DialogProc, 0);
    app->m_pWndInit = nullptr;
    if (hWnd != nullptr) {
        if (!m_bEndModal)
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
        app->RunModalLoop(&m_bEndModal);
    }

    // Enable the owner before this window goes, so activation returns to it.
    if (ownerDisabled)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd != nullptr) {
        if (owner != nullptr && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(owner);
        ::DestroyWindow(m_hWnd);
    }
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModal) {
        m_nModalResult = nResult;
        m_bEndModal = true;
    } else {
        // A modeless dialog is not destroyed by ending it: it only hides.
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}

void CDialog::CenterOverOwnerWhenUnplaced()
{
    DialogTemplateHeader header;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner == nullptr || !ReadDialogTemplateHeader(AfxGetApp()->m_hInstance, m_nIDTemplate, &header))
        return;
    if (header.x != 0 || header.y != 0 || (header.style & DS_CENTER) != 0)
        return;
    RECT ownerRect, rect, work;
    ::GetWindowRect(owner, &ownerRect);
    ::GetWindowRect(m_hWnd, &rect);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int x = (ownerRect.left + ownerRect.right - width) / 2;
    int y = (ownerRect.top + ownerRect.bottom - height) / 2;
    if (x + width > work.right)
        x = work.right - width;
    if (y + height > work.bottom)
        y = work.bottom - height;
    if (x < work.left)
        x = work.left;
    if (y < work.top)
        y = work.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CDialog::DefWindowProcNow(UINT message, WPARAM wParam, LPARAM lParam)
{
    // DefDlgProc calls the dialog procedure first; that one call is skipped
    // so the default handling runs now, inside the handler that asked for it.
    m_bSkipNextDialogProc = true;
    LRESULT result = ::DefDlgProcA(m_hWnd, message, wParam, lParam);
    m_bSkipNextDialogProc = false;
    return result;
}

bool CDialog::ReturnsValueDirectly(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (dialog == nullptr) {
        // The first message binds the object waiting in the creation slot.
        CWinApp* app = AfxGetApp();
        if (app == nullptr || app->m_pWndInit == nullptr)
            return FALSE;
        dialog = static_cast<CDialog*>(app->m_pWndInit);
        app->m_pWndInit = nullptr;
        dialog->m_hWnd = hWnd;
        ::SetWindowLongPtrA(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    }
    if (dialog->m_bSkipNextDialogProc) {
        dialog->m_bSkipNextDialogProc = false;
        return FALSE;
    }

    LRESULT result = 0;
    BOOL handled = FALSE;
    {
        MessageScope scope(dialog, message, wParam, lParam);
        if (!CallGuarded([&] { handled = dialog->Dispatch(message, wParam, lParam, &result); }))
            handled = TRUE;  // reported: the message counts as done
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
            if (dialog->m_bModal)
                dialog->m_bEndModal = true;
            dialog->OnWindowGone();
            handled = FALSE;
        }
    }  // the object may be gone from here on
    if (!handled)
        return FALSE;
    if (ReturnsValueDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
