#pragma once
// The "Option" dialog: the class type (Link, Copy, Move) and auto save, read
// from the settings store when it opens and written back on OK.

#include "../framework/afxwin.h"

class COptionDlg : public CDialog {
public:
    explicit COptionDlg(CWnd* pParent = nullptr);

    int m_bAutoSave;
    int m_nClassType;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
