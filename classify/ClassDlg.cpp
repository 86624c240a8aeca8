#include "ClassDlg.h"

#include "../app/MainDlg.h"
#include "../res/resource.h"

CClassDlg::CClassDlg(CWnd* pParent) : CDialog(IDD_CLASS, pParent), m_nNumber(0) {}

BEGIN_MESSAGE_MAP(CClassDlg, CDialog)
    ON_WM_DROPFILES()
    ON_COMMAND(IDC_BROWSE, OnBrowse)
END_MESSAGE_MAP()

void CClassDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_CLASS_NAME, m_strName);
    DDX_Text(pDX, IDC_CLASS_FOLDER, m_strFolder);
}

void CClassDlg::SetFolderAndUpdate(CString strFolder)
{
    m_strFolder = strFolder;
    UpdateData(FALSE);
}

void CClassDlg::OnBrowse()
{
    UpdateData(TRUE);  // keeps a name being typed
    m_strFolder = CMainDlg::BrowseForFolder(m_hWnd);
    UpdateData(FALSE);
}

void CClassDlg::OnCancel()
{
    CMainDlg* mainDlg = static_cast<CMainDlg*>(AfxGetMainWnd());
    if (mainDlg != nullptr)
        mainDlg->EnableClassButton(m_nNumber, TRUE);
    UpdateData(TRUE);
    ShowWindow(SW_HIDE);
}
