#include "LinkLabel.h"

#include "LinkCommand.h"
#include "LinkGeometry.h"
#include "OpenErrorText.h"

#include <shellapi.h>

#include <cstring>

namespace {

const UINT_PTR kToolId = 1;
const int kHelpViewerHandCursor = 106;
const UINT kRepaintNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

}  // namespace

CLinkLabel::CLinkLabel()
    : m_crLinkColour(RGB(0, 0, 238)),
      m_crVisitedColour(RGB(85, 26, 139)),
      m_crHoverColour(::GetSysColor(COLOR_HIGHLIGHT)),
      m_bOverControl(FALSE),
      m_bVisited(FALSE),
      m_bUnderline(TRUE),
      m_bAdjustToFit(TRUE),
      m_hLinkCursor(nullptr)
{
}

CLinkLabel::~CLinkLabel()
{
    m_Font.DeleteObject();
    // The cursor is our own copy: it goes with the label, or every opening
    // of a dialog with links would leave one behind.
    if (m_hLinkCursor != nullptr) {
        if (::GetCursor() == m_hLinkCursor)
            ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        ::DestroyCursor(m_hLinkCursor);
    }
}

BEGIN_MESSAGE_MAP(CLinkLabel, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnLabelClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

void CLinkLabel::SetLinkURL(CString strURL)
{
    m_strURL = strURL;
    if (HasWindow()) {
        FitToText();
        m_ToolTip.UpdateTipText(m_strURL, this, kToolId);
    }
}

void CLinkLabel::EnableUnderline(BOOL bUnderline)
{
    m_bUnderline = bUnderline;
    if (!HasWindow())
        return;
    LOGFONTA logFont;
    GetControlLogFont(&logFont);
    logFont.lfUnderline = static_cast<BYTE>(m_bUnderline != FALSE);
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&logFont);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_Font)), TRUE);
    Invalidate(TRUE);
}

void CLinkLabel::MarkVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    if (HasWindow())
        Invalidate(TRUE);
}

BOOL CLinkLabel::PreTranslateMessage(MSG* pMsg)
{
    // The tool does not subclass the label: this is how its mouse
    // messages reach the tooltip.
    m_ToolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

void CLinkLabel::PreSubclassWindow()
{
    ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) | SS_NOTIFY);

    if (m_strURL.IsEmpty())
        m_strURL = GetWindowText();
    if (GetWindowText().IsEmpty())
        SetWindowText(m_strURL);

    LOGFONTA logFont;
    GetControlLogFont(&logFont);
    logFont.lfUnderline = static_cast<BYTE>(m_bUnderline != FALSE);
    m_Font.CreateFontIndirect(&logFont);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_Font)), TRUE);

    FitToText();
    LoadHandCursor();

    CRect client;
    GetClientRect(&client);
    m_ToolTip.Create(this);
    m_ToolTip.AddTool(this, m_strURL, &client, kToolId);

    CStatic::PreSubclassWindow();
}

void CLinkLabel::GetControlLogFont(LOGFONTA* logFont)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (font != nullptr && ::GetObjectA(font, sizeof *logFont, logFont) == sizeof *logFont)
        return;
    // A control left with the system font: start from what dialogs show.
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof *logFont, logFont);
}

void CLinkLabel::FitToText()
{
    if (!HasWindow() || !m_bAdjustToFit)
        return;

    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    POINT topLeft = {window.left, window.top};
    POINT bottomRight = {window.right, window.bottom};
    HWND parent = (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(m_hWnd) : nullptr;
    if (parent != nullptr) {
        ::ScreenToClient(parent, &topLeft);
        ::ScreenToClient(parent, &bottomRight);
    }

    CString text = GetWindowText();
    SIZE extent = {0, 0};
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ previous = m_Font.m_hObject != nullptr ? ::SelectObject(dc, m_Font) : nullptr;
    ::GetTextExtentPoint32A(dc, text, text.GetLength(), &extent);
    if (previous != nullptr)
        ::SelectObject(dc, previous);
    ::ReleaseDC(m_hWnd, dc);

    LinkRect rect = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    unsigned long style = static_cast<unsigned long>(::GetWindowLongA(m_hWnd, GWL_STYLE));
    LinkRect fitted = FitRectToText(rect, extent.cx, extent.cy, style);
    ::SetWindowPos(m_hWnd, nullptr, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
                   SWP_NOZORDER);
}

void CLinkLabel::LoadHandCursor()
{
    if (m_hLinkCursor != nullptr)
        return;

    char directory[MAX_PATH] = "";
    UINT length = ::GetWindowsDirectoryA(directory, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        CString path = CString(directory) + "\\winhlp32.exe";
        // Only its resources are wanted: nothing of the program is run.
        HMODULE viewer = ::LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (viewer != nullptr) {
            HCURSOR hand = ::LoadCursorA(viewer, MAKEINTRESOURCEA(kHelpViewerHandCursor));
            if (hand != nullptr)
                m_hLinkCursor = ::CopyIcon(hand);
            ::FreeLibrary(viewer);
        }
    }
    // Current help viewers carry no such cursor; the system has one.
    if (m_hLinkCursor == nullptr) {
        HCURSOR hand = ::LoadCursorA(nullptr, IDC_HAND);
        if (hand != nullptr)
            m_hLinkCursor = ::CopyIcon(hand);
    }
}

void CLinkLabel::OnLabelClicked()
{
    int result = OpenLink(m_strURL, SW_SHOW);
    m_bVisited = result > 32;
    if (m_bVisited) {
        MarkVisited(TRUE);
    } else {
        ::MessageBeep(MB_ICONEXCLAMATION);
        ShowOpenError(result);
    }
}

HBRUSH CLinkLabel::CtlColor(CDC* pDC, UINT)
{
    if (m_bOverControl)
        pDC->SetTextColor(m_crHoverColour);
    else if (m_bVisited)
        pDC->SetTextColor(m_crVisitedColour);
    else
        pDC->SetTextColor(m_crLinkColour);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CLinkLabel::OnSetCursor(HWND, UINT, UINT)
{
    if (m_hLinkCursor == nullptr)
        return FALSE;
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

void CLinkLabel::OnMouseMove(UINT, CPoint point)
{
    Default();
    if (!m_bOverControl) {
        m_bOverControl = TRUE;
        ::RedrawWindow(m_hWnd, nullptr, nullptr, kRepaintNow);
        ::SetCapture(m_hWnd);
        return;
    }
    CRect client;
    GetClientRect(&client);
    if (::PtInRect(&client, point))
        return;
    m_bOverControl = FALSE;
    ::ReleaseCapture();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, kRepaintNow);
}

// A message box, a menu or another program can take the mouse while the
// pointer is over the label; without the capture no move would ever tell
// the label that the pointer has left, and it would stay highlighted.
void CLinkLabel::OnCaptureChanged(HWND hWndNew)
{
    if (!m_bOverControl || hWndNew == m_hWnd)
        return;
    m_bOverControl = FALSE;
    ::RedrawWindow(m_hWnd, nullptr, nullptr, kRepaintNow);
}

int CLinkLabel::OpenLink(const char* lpszURL, int nShowCmd)
{
    HINSTANCE shell = ::ShellExecuteA(nullptr, "open", lpszURL, nullptr, nullptr, nShowCmd);
    int result = static_cast<int>(reinterpret_cast<INT_PTR>(shell));
    if (reinterpret_cast<UINT_PTR>(shell) > 32)
        return result;

    // The shell could not: run the browser registered for .htm files.
    CString fileClass;
    if (ReadDefaultValue(HKEY_CLASSES_ROOT, ".htm", fileClass) != ERROR_SUCCESS)
        return result;
    CString command;
    if (ReadDefaultValue(HKEY_CLASSES_ROOT, fileClass + "\\shell\\open\\command", command) != ERROR_SUCCESS)
        return result;
    // Built to its full length: a long URL is passed on whole, never cut.
    CString commandLine = BuildFallbackCommand(command, lpszURL);
    return static_cast<int>(::WinExec(commandLine, static_cast<UINT>(nShowCmd)));
}

LONG CLinkLabel::ReadDefaultValue(HKEY hRoot, const char* lpszSubKey, CString& strValue)
{
    HKEY key = nullptr;
    LONG status = ::RegOpenKeyExA(hRoot, lpszSubKey, 0, KEY_QUERY_VALUE, &key);
    if (status != ERROR_SUCCESS)
        return status;
    char data[MAX_PATH] = "";
    LONG size = sizeof data;
    status = ::RegQueryValueA(key, nullptr, data, &size);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return status;
    // A value that fills the buffer without its terminating zero is too
    // long, and an empty one names nothing to run.
    if (size <= 0 || size > static_cast<LONG>(sizeof data) ||
        std::memchr(data, '\0', static_cast<size_t>(size)) == nullptr)
        return ERROR_MORE_DATA;
    if (data[0] == '\0')
        return ERROR_FILE_NOT_FOUND;
    strValue = data;
    return ERROR_SUCCESS;
}

void CLinkLabel::ShowOpenError(int nResult)
{
    AfxMessageBox(OpenErrorMessage(nResult), MB_ICONEXCLAMATION);
}
