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

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()

private:
    CString m_strName;
    CString m_strFolder;
    int m_nNumber;
};
