#pragma once
// CWinApp: the one application object. It starts the program, runs the
// message loop, keeps the settings store and answers the help command.

#include "AfxString.h"
#include "MessageMap.h"

class CWnd;

// Help command sent to the main window by F1.
#define ID_HELP 0xE146

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return m_nExitCode; }
    virtual int Run();

    // One message from the loop: the PreTranslateMessage walk, then dispatch.
    void PumpMessage(MSG* pMsg);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Runs the loop until *pEnd becomes true or the quit message arrives
    // (which is posted again for the outer loop).
    void RunModalLoop(const bool* pEnd);

    // Settings under HKEY_CURRENT_USER\Software\<registry key>\<profile>\<section>.
    void SetRegistryKey(const char* key);
    UINT GetProfileInt(const char* section, const char* entry, int nDefault);
    BOOL WriteProfileInt(const char* section, const char* entry, int value);

    // Windows Help on the help file at the given context.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    void OnHelp();

    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd;
    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
    CString m_strHelpFilePath;
    UINT m_nLastActiveDialogId;
    CWnd* m_pWndInit;  // the object that the next window created binds to
    int m_nExitCode;   // from the quit message

    static CWinApp* s_pApp;
};

// Start-up before InitInstance: instance, help path, the first application
// name (the executable's file name without its extension).
void AfxWinInit(HINSTANCE hInstance);
int AfxWinMain(HINSTANCE hInstance);

inline CWinApp* AfxGetApp() { return CWinApp::s_pApp; }
inline CWnd* AfxGetMainWnd() { return CWinApp::s_pApp != nullptr ? CWinApp::s_pApp->m_pMainWnd : nullptr; }
inline HINSTANCE AfxGetInstanceHandle() { return CWinApp::s_pApp->m_hInstance; }

void AfxEnableControlContainer();
