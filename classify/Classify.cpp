#include "ClassDlg.h"
#include "PathChecks.h"
#include "ShortcutText.h"

namespace {

enum ClassType { kLink = 0, kCopy = 1, kMove = 2 };

}  // namespace

int CClassDlg::Classify(CString strSource, CString strName, CString strFolder)
{
    // Read for every file, so a change in the options applies at once.
    int nClassType = static_cast<int>(AfxGetApp()->GetProfileInt("Option", "ClassType", kLink));
    CString destination = strFolder + "\\" + strName;
    EnsureFolder(destination, TRUE);

    // A path with wildcards can only come from a crafted shortcut; it names
    // no one entry.
    if (HasWildcard(strSource))
        return 0;
    CFileFind finder;
    if (!finder.FindFile(strSource))
        return 0;
    finder.FindNextFile();

    switch (nClassType) {
    case kLink:
        // Points at the source as dropped, not at the entry's own spelling.
        return CreateShortcut(destination + "\\" + LinkTitleOf(finder.GetFileName()) + ".lnk", strSource);
    case kCopy:
        return ::CopyFileA(strSource, destination + "\\" + finder.GetFileName(), TRUE) ? 1 : 0;
    case kMove:
        return ::MoveFileA(strSource, destination + "\\" + finder.GetFileName()) ? 1 : 0;
    default:
        return 0;
    }
}

BOOL CClassDlg::EnsureFolder(CString strFolder, BOOL bCreate)
{
    // A file of that name counts as well. The attribute query costs a
    // twentieth of a find-first query under Wine and answers alike where
    // AttributesAnswerLikeFindFirst holds; an entry it cannot read (held
    // open without sharing, say) is still asked the find-first way.
    if (AttributesAnswerLikeFindFirst(strFolder)) {
        if (::GetFileAttributesA(strFolder) != INVALID_FILE_ATTRIBUTES)
            return TRUE;
        DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return bCreate && ::CreateDirectoryA(strFolder, nullptr);
    }
    if (!HasWildcard(strFolder)) {
        CFileFind finder;
        if (finder.FindFile(strFolder))
            return TRUE;
    }
    return bCreate && ::CreateDirectoryA(strFolder, nullptr);
}
