#pragma once
// CFileException: a file error with its cause, the system's error number and
// the file it concerns. Its report is the platform's Japanese file-error text.

#include "AfxString.h"
#include "Exception.h"

class CFileException : public CException {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    // An empty file name stands for a file without one ("untitled").
    explicit CFileException(int cause = none, LONG lOsError = -1, const char* pszFileName = nullptr);

    // Stop icon (or whatever nType asks for), OK button, caption the
    // application name; the text is string 61856 + cause with "%1" replaced.
    int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) const override;

    // The text ReportError shows, as UTF-16.
    void GetErrorMessage(wchar_t* buffer, int capacity) const;

    static int OsErrorToException(LONG lOsError);
    [[noreturn]] static void ThrowOsError(LONG lOsError, const char* pszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};
