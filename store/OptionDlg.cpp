#include "OptionDlg.h"

#include "../res/resource.h"

COptionDlg::COptionDlg(CWnd* pParent) : CDialog(IDD_OPTION, pParent), m_bAutoSave(0), m_nClassType(0) {}

void COptionDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_AUTO_SAVE, m_bAutoSave);
    DDX_Radio(pDX, IDC_TYPE_LINK, m_nClassType);
}

BOOL COptionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nClassType = static_cast<int>(AfxGetApp()->GetProfileInt("Option", "ClassType", 0));
    m_bAutoSave = static_cast<int>(AfxGetApp()->GetProfileInt("Option", "AutoSave", 0));
    UpdateData(FALSE);
    return TRUE;
}

// Both values are written every time, changed or not; -1 means no class
// type was chosen.
void COptionDlg::OnOK()
{
    UpdateData(TRUE);
    AfxGetApp()->WriteProfileInt("Option", "ClassType", m_nClassType);
    AfxGetApp()->WriteProfileInt("Option", "AutoSave", m_bAutoSave);
    CDialog::OnOK();
}
