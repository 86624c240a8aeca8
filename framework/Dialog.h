#pragma once
// CDialog: modeless (Create) and modal (DoModal) dialogs from the program's
// templates, with data exchange told when to run (UpdateData).

#include "DataExchange.h"
#include "Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless: owned by the parent, or by the application's main window
    // when no parent was given.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modal, in the program's own loop so PreTranslateMessage keeps running;
    // the owner is disabled while the dialog is open.
    INT_PTR DoModal();
    void EndDialog(int nResult);

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT GetTemplateId() const { return m_nIDTemplate; }

    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}

    LRESULT DefWindowProcNow(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    HWND OwnerWindow() const;
    void CenterOverOwnerWhenUnplaced();
    static bool ReturnsValueDirectly(UINT message);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bModal;
    bool m_bEndModal;
    bool m_bSkipNextDialogProc;
    int m_nModalResult;
};
