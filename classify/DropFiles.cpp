#include "ClassDlg.h"
#include "PathChecks.h"

#include "../res/resource.h"

void CClassDlg::OnDropFiles(HDROP hDropInfo)
{
    ::SetForegroundWindow(m_hWnd);
    UpdateData(TRUE);
    // The fields keep showing what was typed; only the stored values are trimmed.
    m_strName.TrimLeft();
    m_strName.TrimRight();
    m_strFolder.TrimLeft();
    m_strFolder.TrimRight();

    if (m_strName.IsEmpty()) {
        AfxMessageBox("error : enter class name");
        ::SetFocus(GetDlgItem(IDC_CLASS_NAME));
    } else if (m_strFolder.IsEmpty()) {
        AfxMessageBox("error : enter class path");
        ::SetFocus(GetDlgItem(IDC_CLASS_FOLDER));
    } else {
        UINT nCount = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
        for (UINT nIndex = 0; nIndex < nCount; ++nIndex) {
            // A path too long for the buffer would come back cut short, and
            // could then name another file: it is skipped instead.
            if (::DragQueryFileA(hDropInfo, nIndex, nullptr, 0) >= MAX_PATH)
                continue;
            char path[MAX_PATH] = "";
            ::DragQueryFileA(hDropInfo, nIndex, path, MAX_PATH);
            CString strPath(path);
            // The key state that came with the drop, asked for each path.
            if ((::GetKeyState(VK_SHIFT) & 0x100) != 0 && EndsWithLinkExtension(strPath))
                strPath = ResolveShortcut(strPath);
            Classify(strPath, m_strName, m_strFolder);
        }
    }
    ::DragFinish(hDropInfo);
}
