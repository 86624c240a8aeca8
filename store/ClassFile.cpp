#include "../app/MainDlg.h"
#include "ClassFileCodec.h"

namespace {

CString ClassFilePath(const CString& startDir)
{
    return startDir + "\\tova.cls";
}

}  // namespace

// The layout goes to a temporary file beside the class file, which then
// replaces the class file in one step: a failing save leaves the previous
// file as it was. Every report names the class file.
void CMainDlg::SaveClassFile()
{
    UpdateData(TRUE);
    CString path = ClassFilePath(m_strStartDir);
    CString temporaryPath = path + ".tmp";

    ClassFileLayout layout;
    layout.strBaseFolder = m_strBaseFolder;
    for (int number = 1; number <= kClassFileRecords; ++number) {
        ClassFileRecord& record = layout.records[number - 1];
        record.nNumber = ClassWindow(number).GetNumber();
        record.strName = ClassWindow(number).GetName();
        record.strFolder = ClassWindow(number).GetFolder();
    }
    unsigned char bytes[kClassFileSize];
    EncodeClassFile(layout, bytes);

    // The class file itself must be ours to write: another program holding
    // it open, or a folder in its place, is reported before anything moves.
    HANDLE existing = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (existing != INVALID_HANDLE_VALUE) {
        ::CloseHandle(existing);
    } else {
        DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND)
            CFileException::ThrowOsError(static_cast<LONG>(error), path);
    }

    try {
        CFile file(temporaryPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        file.Write(bytes, kClassFileSize);
        file.Flush();
        file.Close();
        if (!::MoveFileExA(temporaryPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()));
    } catch (const CFileException& error) {
        ::DeleteFileA(temporaryPath);
        throw CFileException(error.m_cause, error.m_lOsError, path);
    }
}

// All or nothing: the whole file is read before anything is applied.
void CMainDlg::LoadClassFile()
{
    CString path = ClassFilePath(m_strStartDir);
    unsigned char bytes[kClassFileSize];
    {
        CFile file(path, CFile::modeRead | CFile::shareExclusive);
        UINT total = 0;
        while (total < kClassFileSize) {
            UINT read = file.Read(bytes + total, kClassFileSize - total);
            if (read == 0)
                break;
            total += read;
        }
        if (total < kClassFileSize)
            throw CFileException(CFileException::endOfFile, ERROR_HANDLE_EOF, path);
        file.Close();
    }

    ClassFileLayout layout;
    DecodeClassFile(bytes, &layout);
    m_strBaseFolder = layout.strBaseFolder;
    for (int number = 1; number <= kClassFileRecords; ++number) {
        const ClassFileRecord& record = layout.records[number - 1];
        CClassDlg& window = ClassWindow(number);
        window.SetNumber(record.nNumber);
        window.SetName(record.strName);
        window.SetFolder(record.strFolder);
        if (!record.strName.IsEmpty()) {
            window.ShowWindow(SW_SHOW);
            window.UpdateData(FALSE);
        }
    }
    UpdateData(FALSE);
}
