#include "VersionDlg.h"

#include "../res/resource.h"

CVersionDlg::CVersionDlg() : CDialog(IDD_VERSION) {}

CVersionDlg::~CVersionDlg() {}

BEGIN_MESSAGE_MAP(CVersionDlg, CDialog)
END_MESSAGE_MAP()

void CVersionDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_AUTHOR_LINK, m_ctlAuthorLink);
    DDX_Control(pDX, IDC_MAKER_LINK, m_ctlMakerLink);
}

BOOL CVersionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_ctlMakerLink.SetLinkURL("http://www.orvane.example/");
    m_ctlMakerLink.EnableUnderline(FALSE);

    m_ctlAuthorLink.SetLinkURL("mailto:morik@orvane.example");
    m_ctlAuthorLink.EnableUnderline(FALSE);

    return TRUE;
}
