#pragma once
// CLinkLabel: a static text of a dialog that acts as a hyperlink. It is
// attached to its control with DDX_Control and sets itself up there.

#include "../framework/afxwin.h"

class CLinkLabel : public CStatic {
public:
    CLinkLabel();
    ~CLinkLabel() override;

    void SetLinkURL(CString strURL);
    void EnableUnderline(BOOL bUnderline);
    void MarkVisited(BOOL bVisited);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;

    void OnLabelClicked();
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnCaptureChanged(HWND hWndNew);

    void FitToText();
    void LoadHandCursor();
    int OpenLink(const char* lpszURL, int nShowCmd);
    LONG ReadDefaultValue(HKEY hRoot, const char* lpszSubKey, CString& strValue);
    void ShowOpenError(int nResult);

    DECLARE_MESSAGE_MAP()

private:
    // The LOGFONT of the control's font, or of the default GUI font when the
    // control has none.
    void GetControlLogFont(LOGFONTA* logFont);
    BOOL HasWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }

    COLORREF m_crLinkColour;
    COLORREF m_crVisitedColour;
    COLORREF m_crHoverColour;
    BOOL m_bOverControl;
    BOOL m_bVisited;
    BOOL m_bUnderline;
    BOOL m_bAdjustToFit;
    CString m_strURL;
    CFont m_Font;
    HCURSOR m_hLinkCursor;
    CToolTipCtrl m_ToolTip;
};
