#include "DataExchange.h"

#include "Wnd.h"

namespace {

bool IsRadioButton(HWND control)
{
    return (::SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

}  // namespace

HWND CDataExchange::Control(int nIDC) const
{
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->Control(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int length = ::GetWindowTextLengthA(control);
        CString text;
        ::GetWindowTextA(control, text.GetBuffer(length), length + 1);
        text.ReleaseBuffer();
        value = text;
    } else {
        ::SetWindowTextA(control, value);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->Control(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        if (value < 0 || value > 2)
            value = 0;
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND first = pDX->Control(nIDC);
    if (first == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND control = first; control != nullptr; control = ::GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && (::GetWindowLongA(control, GWL_STYLE) & WS_GROUP))
            break;
        if (!IsRadioButton(control))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.SubclassWindow(pDX->Control(nIDC));
}
