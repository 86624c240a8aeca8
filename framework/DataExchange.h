#pragma once
// Dialog data exchange: copies between a dialog's controls and its members,
// in the direction the caller of UpdateData asks for.

#include "AfxString.h"
#include "Win32.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}
    HWND Control(int nIDC) const;

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: from the controls into the members
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// To the control, a value outside 0 to 2 is first replaced by 0 in the member.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The group runs from nIDC to the next control with WS_GROUP; only radio
// buttons count. From the controls: -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Attaches the object to the control the first time.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control);
