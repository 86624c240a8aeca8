#pragma once
// CToolTipCtrl: a tooltip window with the tools its owner adds. The object
// follows its window, so it knows when an owner's destruction took it.

#include "Wnd.h"

class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl() {}
    ~CToolTipCtrl() override;

    // A pop-up tooltip for pParentWnd (owned by its top-level window).
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool of pWnd: with an id of its own over lpRectTool, or, with id 0,
    // the whole window pWnd, which the tooltip then subclasses itself.
    BOOL AddTool(CWnd* pWnd, const char* lpszText, const RECT* lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void UpdateTipText(const char* lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    // Hands a mouse message of a tool's window to the tooltip.
    void RelayEvent(MSG* pMsg);
};
