#pragma once
// The application object: names the program, roots its settings and opens
// the main window.

#include "../framework/afxwin.h"

class CFenlowApp : public CWinApp {
public:
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
