#pragma once
// CFile: a Win32 file handle whose failures are thrown as CFileException.

#include "AfxString.h"
#include "FileException.h"

class CFile {
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000
    };

    CFile();
    // Opens or throws, naming the path as given.
    CFile(const char* pszFileName, UINT nOpenFlags);
    // Closes without reporting: a destructor may run while an error unwinds.
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE on failure, with the error in *pError when given.
    BOOL Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // The bytes read, fewer only at the end of the file. An error carries no
    // file name.
    UINT Read(void* buffer, UINT nCount);
    // All of it or an error naming the file's full path; a short write counts
    // as a full disk.
    void Write(const void* buffer, UINT nCount);
    void Flush();
    void Close();
    // Closes and forgets errors.
    void Abort();

    const CString& GetFilePath() const { return m_strFilePath; }

    HANDLE m_hFile;

private:
    CString m_strFilePath;
};
