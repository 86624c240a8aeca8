#pragma once
// The test program's application object: Fenlow's own, with Windows Help
// recorded instead of started.

#include "app/FenlowApp.h"

class CTestApp : public CFenlowApp {
public:
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override
    {
        m_nHelpCalls++;
        m_helpData = dwData;
        m_nHelpCommand = nCmd;
    }

    int m_nHelpCalls = 0;
    DWORD_PTR m_helpData = 0;
    UINT m_nHelpCommand = 0;
};

extern CTestApp theApp;
