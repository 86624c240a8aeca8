#include "framework/File.h"
#include "tests/windows/Support.h"

namespace {

struct CauseCase {
    LONG osError;
    int cause;
};

class FileErrorCauseTest : public testing::TestWithParam<CauseCase> {};

TEST_P(FileErrorCauseTest, SystemErrorGivesItsCause)
{
    EXPECT_EQ(GetParam().cause, CFileException::OsErrorToException(GetParam().osError));
}

INSTANTIATE_TEST_SUITE_P(
    Errors, FileErrorCauseTest,
    testing::Values(CauseCase{ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
                    CauseCase{ERROR_PATH_NOT_FOUND, CFileException::badPath},
                    CauseCase{ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
                    CauseCase{ERROR_ACCESS_DENIED, CFileException::accessDenied},
                    CauseCase{ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
                    CauseCase{ERROR_LOCK_VIOLATION, CFileException::lockViolation},
                    CauseCase{ERROR_DISK_FULL, CFileException::diskFull},
                    CauseCase{ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
                    CauseCase{ERROR_HANDLE_EOF, CFileException::endOfFile},
                    CauseCase{ERROR_NOT_ENOUGH_MEMORY, CFileException::genericException},
                    CauseCase{12345, CFileException::genericException}));

class FileErrorReportTest : public ProgramTest {
protected:
    ShownBox Report(const CFileException& error)
    {
        MessageBoxWatcher watcher;
        error.ReportError(MB_ICONSTOP);
        EXPECT_EQ(1u, watcher.Boxes().size());
        return watcher.Boxes().empty() ? ShownBox() : watcher.Boxes()[0];
    }
};

TEST_F(FileErrorReportTest, ErrorWithoutANameIsUntitled)
{
    ShownBox box = Report(CFileException(CFileException::genericException));
    EXPECT_EQ(L"Fenlow", box.caption);
    EXPECT_EQ(BoxIcon::Stop, box.icon);
    EXPECT_EQ(L"無題のﾌｧｲﾙ へのｱｸｾｽ中に不明なｴﾗｰが発生しました。", box.text);
}

TEST_F(FileErrorReportTest, NameIsShownFromTheAnsiCodePage)
{
    REQUIRE_CODE_PAGE_932();
    ShownBox box = Report(CFileException(CFileException::diskFull, ERROR_DISK_FULL, "C:\\\x95\x5C\\tova.cls"));
    EXPECT_EQ(L"C:\\表\\tova.cls へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。", box.text);
}

TEST(File, OpenErrorCarriesCauseSystemErrorAndThePath)
{
    TempDir dir;
    std::string path = dir / "absent";
    try {
        CFile file(path.c_str(), CFile::modeRead | CFile::shareExclusive);
        ADD_FAILURE() << "opened";
    } catch (const CFileException& error) {
        EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, error.m_lOsError);
        EXPECT_STREQ(path.c_str(), error.m_strFileName.GetString());
    }
}

}  // namespace
