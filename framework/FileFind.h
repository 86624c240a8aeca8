#pragma once
// CFileFind: find-first queries. FindFile starts a search; each FindNextFile
// makes the next entry current and tells whether another one follows.

#include "AfxString.h"
#include "Win32.h"

class CFileFind {
public:
    CFileFind();
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    BOOL FindFile(const char* name = "*.*");
    BOOL FindNextFile();
    void Close();

    // Of the current entry, as the file system reports it.
    CString GetFileName() const;
    CString GetFileTitle() const;
    BOOL IsDirectory() const;

private:
    HANDLE m_hFind;
    WIN32_FIND_DATAA m_next;
    WIN32_FIND_DATAA m_current;
    bool m_bNextFound;
};
