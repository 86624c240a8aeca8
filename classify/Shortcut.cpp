#include "ClassDlg.h"
#include "ShortcutText.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

// COM for the length of one operation; only a successful start is balanced.
class ComScope {
public:
    ComScope() : m_bStarted(SUCCEEDED(::CoInitialize(nullptr))) {}
    ~ComScope()
    {
        if (m_bStarted)
            ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool m_bStarted;
};

template <typename Interface>
class ComRef {
public:
    ComRef() : m_p(nullptr) {}
    ~ComRef()
    {
        if (m_p != nullptr)
            m_p->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* operator->() const { return m_p; }
    Interface* Get() const { return m_p; }
    void** Out() { return reinterpret_cast<void**>(&m_p); }

private:
    Interface* m_p;
};

// A path the shell link object takes as UTF-16; false when it does not fit.
bool ToWidePath(const char* path, wchar_t (&wide)[MAX_PATH])
{
    return ::MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) != 0;
}

}  // namespace

int CClassDlg::CreateShortcut(CString strLinkPath, CString strTarget)
{
    CString workingDirectory = WorkingDirectoryOf(strTarget);
    wchar_t widePath[MAX_PATH];
    if (!ToWidePath(strLinkPath, widePath))
        return 0;
    // Like a copy, a shortcut never replaces what is already there.
    if (::GetFileAttributesA(strLinkPath) != INVALID_FILE_ATTRIBUTES)
        return 0;

    ComScope com;
    ComRef<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out())))
        return 0;
    link->SetArguments(nullptr);
    link->SetDescription(nullptr);
    link->SetWorkingDirectory(workingDirectory);
    link->SetIconLocation(strTarget, 0);
    if (FAILED(link->SetPath(strTarget)))
        return 0;
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out())))
        return 0;
    return SUCCEEDED(file->Save(widePath, TRUE)) ? 1 : 0;
}

CString CClassDlg::ResolveShortcut(const char* pszLinkPath)
{
    ComScope com;
    ComRef<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out())))
        return CString();
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out())))
        return CString();
    wchar_t widePath[MAX_PATH];
    if (!ToWidePath(pszLinkPath, widePath))
        return CString();
    if (FAILED(file->Load(widePath, STGM_READ)))
        return CString();
    char target[MAX_PATH] = "";
    WIN32_FIND_DATAA targetData;
    if (link->GetPath(target, MAX_PATH, &targetData, SLGP_UNCPRIORITY) != S_OK)
        return CString();
    target[MAX_PATH - 1] = '\0';
    return CString(target);
}
