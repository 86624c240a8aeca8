#include "FileException.h"

#include "FrameworkStrings.h"
#include "MessageBox.h"

CFileException::CFileException(int cause, LONG lOsError, const char* pszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(pszFileName != nullptr ? pszFileName : "")
{
}

int CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
    case ERROR_SHARING_BUFFER_EXCEEDED:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
        return badSeek;
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_WRONG_DISK:
    case ERROR_IO_DEVICE:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED:
        return lockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(LONG lOsError, const char* pszFileName)
{
    throw CFileException(OsErrorToException(lOsError), lOsError, pszFileName);
}

void CFileException::GetErrorMessage(wchar_t* buffer, int capacity) const
{
    if (capacity <= 0)
        return;
    buffer[0] = L'\0';
    int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
    wchar_t format[512] = L"";
    AfxLoadStringW(AFX_IDP_FILE_NONE + cause, format, 512);

    // The name is held in the ANSI code page; shown as UTF-16 it stays legible
    // whatever code page the system runs.
    wchar_t name[MAX_PATH * 2] = L"";
    if (m_strFileName.IsEmpty())
        AfxLoadStringW(AFX_IDS_UNTITLED, name, MAX_PATH * 2);
    else if (::MultiByteToWideChar(CP_ACP, 0, m_strFileName, -1, name, MAX_PATH * 2) == 0)
        name[0] = L'\0';

    int out = 0;
    for (const wchar_t* p = format; *p != L'\0' && out < capacity - 1;) {
        if (p[0] == L'%' && p[1] == L'1') {
            for (const wchar_t* q = name; *q != L'\0' && out < capacity - 1; ++q)
                buffer[out++] = *q;
            p += 2;
        } else {
            buffer[out++] = *p++;
        }
    }
    buffer[out] = L'\0';
}

int CFileException::ReportError(UINT nType, UINT) const
{
    wchar_t text[1024];
    GetErrorMessage(text, 1024);
    return AfxMessageBoxW(text, nType);
}
