#include "MainDlg.h"

#include "../about/VersionDlg.h"
#include "../res/resource.h"
#include "../store/OptionDlg.h"

#include <shellapi.h>

CMainDlg::CMainDlg() : CDialog(IDD_MAIN), m_hIcon(nullptr)
{
    m_hIcon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    char directory[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, directory);
    m_strStartDir = directory;
}

CMainDlg::~CMainDlg() {}

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_DROPFILES()
    ON_COMMAND(1007, OnClassButton1)
    ON_COMMAND(1008, OnClassButton2)
    ON_COMMAND(1009, OnClassButton3)
    ON_COMMAND(1010, OnClassButton4)
    ON_COMMAND(1011, OnClassButton5)
    ON_COMMAND(1012, OnClassButton6)
    ON_COMMAND(1013, OnClassButton7)
    ON_COMMAND(1014, OnClassButton8)
    ON_COMMAND(IDC_BROWSE, OnBrowseBaseFolder)
    ON_COMMAND(IDC_SAVE, SaveClassFile)
    ON_COMMAND(ID_SAVE, SaveClassFile)
    ON_COMMAND(IDC_LOAD, LoadClassFile)
    ON_COMMAND(ID_LOAD, LoadClassFile)
    ON_COMMAND(IDC_OPTION, OnOption)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_CLOSE_ALL, OnCloseAll)
    ON_COMMAND(ID_OPEN_ALL, OnOpenAll)
    ON_COMMAND(ID_README, OnReadme)
    ON_COMMAND(ID_VERSION_INFO, OnVersionInfo)
END_MESSAGE_MAP()

void CMainDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_PICTURE, m_ctlPicture);
    DDX_Text(pDX, IDC_BASE_FOLDER, m_strBaseFolder);
}

void CMainDlg::PostNcDestroy()
{
    delete this;
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (systemMenu != nullptr) {
        char text[256] = "";
        if (::LoadStringA(AfxGetInstanceHandle(), IDS_VERSION_MENU, text, sizeof text) > 0) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
        }
    }
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    CreateClassWindows();
    return TRUE;
}

BOOL CMainDlg::CreateClassWindows()
{
    for (int number = 1; number <= kClassCount; ++number) {
        ClassWindow(number).Create(IDD_CLASS);
        ClassWindow(number).SetNumber(number);
    }
    return TRUE;
}

BOOL CMainDlg::EnableClassButton(int nNumber, BOOL bEnable)
{
    if (nNumber < 1 || nNumber > kClassCount)
        return FALSE;
    ::EnableWindow(GetDlgItem(IDC_CLASS_BUTTON_BASE + nNumber), bEnable);
    return TRUE;
}

void CMainDlg::ShowClassWindow(int nNumber, int nCmdShow)
{
    UpdateData(TRUE);
    ClassWindow(nNumber).ShowWindow(nCmdShow);
    ClassWindow(nNumber).SetFolderAndUpdate(m_strBaseFolder);
    EnableClassButton(nNumber, FALSE);
}

void CMainDlg::OnOpenAll()
{
    for (int number = 1; number <= kClassCount; ++number)
        ShowClassWindow(number, SW_SHOW);
}

void CMainDlg::OnCloseAll()
{
    for (int number = 1; number <= kClassCount; ++number)
        ShowClassWindow(number, SW_HIDE);
}

// Enter would end this modeless dialog, hiding the whole program with no
// way back; it does nothing here.
void CMainDlg::OnOK() {}

void CMainDlg::OnCancel()
{
    if (AfxGetApp()->GetProfileInt("Option", "AutoSave", 0) != 0)
        SaveClassFile();  // a file error leaves here, and the window stays
    DestroyWindow();
}

void CMainDlg::OnDropFiles(HDROP hDropInfo)
{
    char path[MAX_PATH] = "";
    ::DragQueryFileA(hDropInfo, 0, path, MAX_PATH);
    CString dropped(path);
    CString baseFolder = dropped;
    if (dropped.Find('.') >= 0) {
        CFileFind finder;
        if (finder.FindFile(dropped)) {
            finder.FindNextFile();
            // The found name, as the file system spells it, and its backslash.
            baseFolder = dropped.Left(dropped.GetLength() - finder.GetFileName().GetLength() - 1);
        }
    }
    m_strBaseFolder = baseFolder;
    UpdateData(FALSE);
    ::DragFinish(hDropInfo);
}

void CMainDlg::OnBrowseBaseFolder()
{
    UpdateData(TRUE);
    m_strBaseFolder = BrowseForFolder(m_hWnd);
    UpdateData(FALSE);
}

void CMainDlg::OnOption()
{
    COptionDlg dialog;
    dialog.DoModal();
}

void CMainDlg::OnContextMenu(HWND, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT_MENU))
        return;
    ::TrackPopupMenu(menu.GetSubMenu(0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
}

void CMainDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
        OnVersionInfo();
    else
        Default();
}

void CMainDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(&client);
    int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
}

void CMainDlg::OnVersionInfo()
{
    CVersionDlg dlg;
    dlg.DoModal();
}

HCURSOR CMainDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CMainDlg::OnReadme()
{
    CString readme = m_strStartDir + "\\readme.txt";
    ::ShellExecuteA(m_hWnd, "open", readme, nullptr, nullptr, SW_SHOWNORMAL);
}
