#include "MessageBox.h"

#include "WinApp.h"
#include "Wnd.h"

namespace {

UINT WithDefaultIcon(UINT nType)
{
    if ((nType & MB_ICONMASK) != 0)
        return nType;
    switch (nType & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_YESNO:
        return nType | MB_ICONEXCLAMATION;
    default:
        return nType;
    }
}

// The main window's last active pop-up: a class window that has just taken
// a drop, a modal dialog, or the main window itself.
HWND MessageBoxOwner()
{
    CWnd* main = AfxGetMainWnd();
    if (main == nullptr || main->m_hWnd == nullptr)
        return nullptr;
    return ::GetLastActivePopup(main->m_hWnd);
}

}  // namespace

int AfxMessageBox(const char* text, UINT nType, UINT)
{
    return ::MessageBoxA(MessageBoxOwner(), text, AfxGetApp()->m_strAppName, WithDefaultIcon(nType));
}

int AfxMessageBoxW(const wchar_t* text, UINT nType)
{
    const CString& name = AfxGetApp()->m_strAppName;
    wchar_t caption[MAX_PATH] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, name, -1, caption, MAX_PATH);
    return ::MessageBoxW(MessageBoxOwner(), text, caption, WithDefaultIcon(nType));
}

void AfxLoadStringW(UINT nID, wchar_t* buffer, int capacity)
{
    if (::LoadStringW(AfxGetInstanceHandle(), nID, buffer, capacity) <= 0)
        buffer[0] = L'\0';
}
