#pragma once
// The about box: program name and version, and the author and maker links.

#include "../framework/afxwin.h"
#include "LinkLabel.h"

class CVersionDlg : public CDialog {
public:
    CVersionDlg();
    ~CVersionDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

    CLinkLabel m_ctlAuthorLink;
    CLinkLabel m_ctlMakerLink;
};
