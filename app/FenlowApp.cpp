#include "FenlowApp.h"

#include "../res/resource.h"
#include "MainDlg.h"

BEGIN_MESSAGE_MAP(CFenlowApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

BOOL CFenlowApp::InitInstance()
{
    AfxEnableControlContainer();
    // The name must be set before the registry key: the key takes a copy of
    // it as the profile name, whatever the executable is called.
    m_strAppName = "Fenlow";
    SetRegistryKey("Orvane");

    CMainDlg* mainDlg = new CMainDlg;
    m_pMainWnd = mainDlg;
    mainDlg->Create(IDD_MAIN);
    mainDlg->ShowWindow(SW_SHOW);
    return TRUE;
}
