#include "File.h"

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE) {}

CFile::CFile(const char* pszFileName, UINT nOpenFlags) : m_hFile(INVALID_HANDLE_VALUE)
{
    CFileException error;
    if (!Open(pszFileName, nOpenFlags, &error))
        throw error;
}

CFile::~CFile()
{
    Abort();
}

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();

    DWORD access = 0;
    switch (nOpenFlags & 3) {
    case modeRead:
        access = GENERIC_READ;
        break;
    case modeWrite:
        access = GENERIC_WRITE;
        break;
    default:
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite:
        share = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        share = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        share = 0;
        break;
    }
    DWORD disposition = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        disposition = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    // Write errors name the full path, as the system resolves it now.
    char fullPath[MAX_PATH] = "";
    char* filePart = nullptr;
    DWORD length = ::GetFullPathNameA(pszFileName, MAX_PATH, fullPath, &filePart);
    m_strFilePath = length > 0 && length < MAX_PATH ? fullPath : pszFileName;

    HANDLE file = ::CreateFileA(pszFileName, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        LONG osError = static_cast<LONG>(::GetLastError());
        if (pError != nullptr)
            *pError = CFileException(CFileException::OsErrorToException(osError), osError, pszFileName);
        return FALSE;
    }
    m_hFile = file;
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT nCount)
{
    DWORD read = 0;
    if (nCount > 0 && !::ReadFile(m_hFile, buffer, nCount, &read, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()));
    return read;
}

void CFile::Write(const void* buffer, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD written = 0;
    if (!::WriteFile(m_hFile, buffer, nCount, &written, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFilePath);
    if (written < nCount)
        throw CFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFilePath);
}

void CFile::Flush()
{
    if (m_hFile != INVALID_HANDLE_VALUE && !::FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFilePath);
}

void CFile::Close()
{
    HANDLE file = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    if (file != INVALID_HANDLE_VALUE && !::CloseHandle(file))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()));
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}
