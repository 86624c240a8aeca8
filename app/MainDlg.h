#pragma once
// The main window: class buttons, base folder, context and system menus.

#include "../classify/ClassDlg.h"
#include "../framework/afxwin.h"

const int kClassCount = 8;

class CMainDlg : public CDialog {
public:
    CMainDlg();
    ~CMainDlg() override;

    // Enables or disables class button n (1 to 8); FALSE for any other n.
    BOOL EnableClassButton(int nNumber, BOOL bEnable);
    void ShowClassWindow(int nNumber, int nCmdShow);
    BOOL CreateClassWindows();

    // The folder browser rooted at My Computer; the empty text when the
    // user cancels or the browser cannot start.
    static CString BrowseForFolder(HWND hOwner);

    void SaveClassFile();
    void LoadClassFile();

    CClassDlg& ClassWindow(int nNumber) { return m_dlgClass[nNumber - 1]; }

    CStatic m_ctlPicture;
    CString m_strBaseFolder;
    HICON m_hIcon;
    CString m_strStartDir;
    CClassDlg m_dlgClass[kClassCount];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDropFiles(HDROP hDropInfo);
    void OnContextMenu(HWND hWnd, CPoint point);
    void OnClassButton1() { ShowClassWindow(1, SW_SHOW); }
    void OnClassButton2() { ShowClassWindow(2, SW_SHOW); }
    void OnClassButton3() { ShowClassWindow(3, SW_SHOW); }
    void OnClassButton4() { ShowClassWindow(4, SW_SHOW); }
    void OnClassButton5() { ShowClassWindow(5, SW_SHOW); }
    void OnClassButton6() { ShowClassWindow(6, SW_SHOW); }
    void OnClassButton7() { ShowClassWindow(7, SW_SHOW); }
    void OnClassButton8() { ShowClassWindow(8, SW_SHOW); }
    void OnBrowseBaseFolder();
    void OnOption();
    void OnVersionInfo();
    void OnOpenAll();
    void OnCloseAll();
    void OnReadme();

    DECLARE_MESSAGE_MAP()
};
