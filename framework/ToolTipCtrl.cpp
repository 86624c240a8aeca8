#include "ToolTipCtrl.h"

namespace {

// The size every comctl32 from 4.70 on accepts: the full structure of the
// XP headers has a field that comctl32 5, the version without a manifest,
// does not know, and it refuses the whole call.
const UINT kToolInfoSize = TTTOOLINFOA_V2_SIZE;

void FillToolInfo(TTTOOLINFOA* info, CWnd* pWnd, UINT_PTR nIDTool, const char* text)
{
    *info = TTTOOLINFOA();
    info->cbSize = kToolInfoSize;
    if (nIDTool == 0) {
        info->uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info->hwnd = ::GetParent(pWnd->m_hWnd);
        info->uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    } else {
        info->hwnd = pWnd->m_hWnd;
        info->uId = nIDTool;
    }
    info->lpszText = const_cast<char*>(text);
}

}  // namespace

CToolTipCtrl::~CToolTipCtrl()
{
    // Gone already when its owner window took it along.
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&init);
    HWND parent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    HWND hWnd = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (hWnd == nullptr)
        return FALSE;
    if (!SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const char* lpszText, const RECT* lpRectTool, UINT_PTR nIDTool)
{
    TTTOOLINFOA info;
    FillToolInfo(&info, pWnd, nIDTool, lpszText);
    if (lpRectTool != nullptr)
        info.rect = *lpRectTool;
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::UpdateTipText(const char* lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOA info;
    FillToolInfo(&info, pWnd, nIDTool, lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG* pMsg)
{
    if (m_hWnd != nullptr)
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}
