#include "FileFind.h"

#include "PathText.h"

CFileFind::CFileFind() : m_hFind(INVALID_HANDLE_VALUE), m_next(), m_current(), m_bNextFound(false) {}

CFileFind::~CFileFind()
{
    Close();
}

BOOL CFileFind::FindFile(const char* name)
{
    Close();
    m_hFind = ::FindFirstFileA(name, &m_next);
    m_bNextFound = m_hFind != INVALID_HANDLE_VALUE;
    return m_bNextFound;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bNextFound)
        return FALSE;
    m_current = m_next;
    m_bNextFound = ::FindNextFileA(m_hFind, &m_next) != FALSE;
    return m_bNextFound;
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_bNextFound = false;
}

CString CFileFind::GetFileName() const
{
    return CString(m_current.cFileName);
}

CString CFileFind::GetFileTitle() const
{
    return TitleOfFileName(GetFileName());
}

BOOL CFileFind::IsDirectory() const
{
    return (m_current.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
