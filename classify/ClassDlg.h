#pragma once
// A class window: a class name and a class folder, and files dropped on it
// placed into <folder>\<name>.

#include "../framework/afxwin.h"

class CClassDlg : public CDialog {
public:
    explicit CClassDlg(CWnd* pParent = nullptr);

    void SetNumber(int nNumber) { m_nNumber = nNumber; }
    int GetNumber() const { return m_nNumber; }
    void SetName(CString strName) { m_strName = strName; }
    CString GetName() const { return m_strName; }
    void SetFolder(CString strFolder) { m_strFolder = strFolder; }
    CString GetFolder() const { return m_strFolder; }
    // Stores the folder, then shows both stored values in the fields.
    void SetFolderAndUpdate(CString strFolder);

    // Places one file or folder into <strFolder>\<strName> by the class type
    // setting (link, copy or move); nonzero when it was placed.
    static int Classify(CString strSource, CString strName, CString strFolder);
    // Nonzero when an entry of that exact path exists or, with bCreate, was
    // made (one level deep).
    static BOOL EnsureFolder(CString strFolder, BOOL bCreate);
    // Writes a shortcut to strTarget at strLinkPath, never over an existing
    // file; nonzero when it was written.
    static int CreateShortcut(CString strLinkPath, CString strTarget);
    // The target path stored in a shortcut file; empty when it can't be read.
    static CString ResolveShortcut(const char* pszLinkPath);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void OnBrowse();
    void OnDropFiles(HDROP hDropInfo);

    DECLARE_MESSAGE_MAP()

private:
    CString m_strName;
    CString m_strFolder;
    int m_nNumber;
};
