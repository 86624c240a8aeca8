#include "WinApp.h"

#include "FrameworkStrings.h"
#include "MessageBox.h"
#include "Wnd.h"

CWinApp* CWinApp::s_pApp = nullptr;

CWinApp::CWinApp() : m_hInstance(nullptr), m_pMainWnd(nullptr), m_nLastActiveDialogId(0), m_pWndInit(nullptr), m_nExitCode(0)
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

int CWinApp::Run()
{
    MSG msg = {};
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        PumpMessage(&msg);
    m_nExitCode = msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
    return ExitInstance();
}

void CWinApp::PumpMessage(MSG* pMsg)
{
    if (!PreTranslateMessage(pMsg)) {
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
    }
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 && m_pMainWnd != nullptr &&
        ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0) {
        ::SendMessageA(m_pMainWnd->m_hWnd, WM_COMMAND, ID_HELP, 0);
        return TRUE;
    }
    // From the target up to its top-level window: a control sees its own
    // messages before the dialog that holds it.
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr;) {
        CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
            break;
        hWnd = ::GetParent(hWnd);
    }
    return FALSE;
}

void CWinApp::RunModalLoop(const bool* pEnd)
{
    MSG msg;
    while (!*pEnd) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got == -1)
            return;
        PumpMessage(&msg);
    }
}

void CWinApp::SetRegistryKey(const char* key)
{
    m_strRegistryKey = key;
    m_strProfileName = m_strAppName;
}

namespace {

// Opens, creating where missing, the whole key path in one call.
HKEY OpenSectionKey(const CWinApp& app, const char* section)
{
    if (app.m_strRegistryKey.IsEmpty())
        return nullptr;
    CString path = CString("Software\\") + app.m_strRegistryKey + "\\" + app.m_strProfileName + "\\" + section;
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int nDefault)
{
    HKEY key = OpenSectionKey(*this, section);
    if (key == nullptr)
        return static_cast<UINT>(nDefault);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG status = ::RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
    // Only a 4-byte integer is a setting; any other type or size is absent.
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return static_cast<UINT>(nDefault);
    return value;
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value)
{
    HKEY key = OpenSectionKey(*this, section);
    if (key == nullptr)
        return FALSE;
    DWORD data = static_cast<DWORD>(value);
    LONG status = ::RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    HWND owner = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    if (!::WinHelpA(owner, m_strHelpFilePath, nCmd, dwData)) {
        wchar_t text[256];
        AfxLoadStringW(AFX_IDP_FAILED_TO_LAUNCH_HELP, text, 256);
        AfxMessageBoxW(text);
    }
}

void CWinApp::OnHelp()
{
    WinHelp(0x20000 + m_nLastActiveDialogId);
}

void AfxWinInit(HINSTANCE hInstance)
{
    CWinApp* app = AfxGetApp();
    app->m_hInstance = hInstance;
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(hInstance, path, MAX_PATH);
    CString module(path, static_cast<int>(length));
    int dot = module.ReverseFind('.');
    int slash = module.ReverseFind('\\');
    CString stem = dot > slash ? module.Left(dot) : module;
    app->m_strHelpFilePath = stem + ".HLP";
    app->m_strAppName = stem.Mid(slash + 1);
}

int AfxWinMain(HINSTANCE hInstance)
{
    AfxWinInit(hInstance);
    if (!AfxGetApp()->InitInstance())
        return AfxGetApp()->ExitInstance();
    return AfxGetApp()->Run();
}

void AfxEnableControlContainer()
{
    // No dialog of this program holds an ActiveX control: nothing to host.
}
