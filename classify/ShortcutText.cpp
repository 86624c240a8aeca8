#include "ShortcutText.h"

#include "../framework/Mbcs.h"
#include "../framework/PathText.h"

namespace {

const int kTitleLimit = 255;

}  // namespace

CString LinkTitleOf(const CString& entryName)
{
    CString title = TitleOfFileName(entryName);
    return title.Left(mbcs::FitOnBoundary(title.GetString(), title.GetLength(), kTitleLimit));
}

CString WorkingDirectoryOf(const CString& target)
{
    int backslash = target.ReverseFind('\\');
    return backslash < 0 ? CString() : target.Left(backslash);
}
