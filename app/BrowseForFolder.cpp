#include "MainDlg.h"

#include <shlobj.h>

CString CMainDlg::BrowseForFolder(HWND hOwner)
{
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator)))
        return CString();
    LPITEMIDLIST root = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(hOwner, CSIDL_DRIVES, &root))) {
        allocator->Release();
        return CString();
    }

    char buffer[MAX_PATH] = "";
    BROWSEINFOA browse = {};
    browse.hwndOwner = hOwner;
    browse.pidlRoot = root;
    browse.pszDisplayName = buffer;
    browse.lpszTitle = "";
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&browse);

    CString folder;
    // An item with no file-system path (a virtual folder) gives no folder,
    // rather than its display name.
    if (chosen != nullptr && ::SHGetPathFromIDListA(chosen, buffer))
        folder = buffer;
    if (chosen != nullptr)
        allocator->Free(chosen);
    allocator->Free(root);
    allocator->Release();
    return folder;
}
