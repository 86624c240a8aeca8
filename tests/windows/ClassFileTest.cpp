#include "res/resource.h"
#include "tests/windows/Support.h"

#include <cstring>

namespace {

const int kRecordOffsets[8] = {260, 556, 852, 1148, 1444, 1740, 2036, 2332};

// A class file as Fenlow writes it right after start-up.
std::string StartupBytes()
{
    std::string bytes(2628, '\0');
    for (int number = 1; number <= 8; ++number)
        bytes[kRecordOffsets[number - 1]] = static_cast<char>(number);
    return bytes;
}

void PutText(std::string& bytes, int offset, const std::string& text)
{
    bytes.replace(static_cast<size_t>(offset), text.size(), text);
}

void PutBase(std::string& bytes, const std::string& base) { PutText(bytes, 0, base); }

void PutRecord(std::string& bytes, int record, int number, const std::string& name, const std::string& folder)
{
    int offset = kRecordOffsets[record - 1];
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<size_t>(offset + i)] = static_cast<char>(static_cast<unsigned>(number) >> (8 * i));
    PutText(bytes, offset + 4, name);
    PutText(bytes, offset + 36, folder);
}

std::string NameField(const std::string& bytes, int record)
{
    return bytes.substr(static_cast<size_t>(kRecordOffsets[record - 1] + 4), 32);
}

std::string FolderField(const std::string& bytes, int record)
{
    return bytes.substr(static_cast<size_t>(kRecordOffsets[record - 1] + 36), 260);
}

std::string Padded(const std::string& text, size_t size)
{
    return text + std::string(size - text.size(), '\0');
}

class ClassFileTest : public ProgramTest {
protected:
    std::string ClassFile() { return m_startDir / "tova.cls"; }

    // The base folder as a drop on the main window sets it.
    void DropBaseFolder(const std::string& folder)
    {
        ::CreateDirectoryA(folder.c_str(), nullptr);
        ::SendMessageA(MainWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({folder})), 0);
    }

    std::string BaseFolderShown() { return ItemText(MainWindow(), IDC_BASE_FOLDER); }

    bool Visible(int number) { return ::IsWindowVisible(ClassWindow(number)) != FALSE; }

    // Owned by the main window unless a class window was active last.
    void ExpectOneFileErrorBox(const MessageBoxWatcher& watcher, const std::wstring& text, HWND owner = nullptr)
    {
        ASSERT_EQ(1u, watcher.Boxes().size());
        const ShownBox& box = watcher.Boxes()[0];
        EXPECT_EQ(L"Fenlow", box.caption);
        EXPECT_EQ(BoxIcon::Stop, box.icon);
        EXPECT_EQ(text, box.text);
        EXPECT_EQ(owner != nullptr ? owner : MainWindow(), box.owner);
    }

    std::wstring NamedText(const wchar_t* rest) { return Wide(ClassFile()) + rest; }
};

TEST_F(ClassFileTest, SaveRightAfterStartupWritesNumbersAndEmptyFields)
{
    EXPECT_EQ(ClassFile(), std::string(Main().m_strStartDir) + "\\tova.cls");
    for (int command : {IDC_SAVE, ID_SAVE}) {
        MessageBoxWatcher watcher;
        Command(MainWindow(), command);
        EXPECT_TRUE(watcher.Boxes().empty());
        EXPECT_EQ(StartupBytes(), ReadFileBytes(ClassFile())) << command;
        // Nothing else is left beside it.
        EXPECT_EQ(std::vector<std::string>{"tova.cls"}, FolderEntries(m_startDir.Path()));
        ::DeleteFileA(ClassFile().c_str());
    }
}

TEST_F(ClassFileTest, LoadingTheStartupFileShowsNothingAndEmptiesStoredValues)
{
    WriteFileBytes(ClassFile(), StartupBytes());
    DropBaseFolder(m_startDir / "base");
    Command(MainWindow(), IDC_CLASS_BUTTON1 + 1);  // window 2 open, with the base folder
    Command(MainWindow(), IDC_LOAD);
    EXPECT_EQ("", BaseFolderShown());
    EXPECT_TRUE(Visible(2));
    EXPECT_EQ(m_startDir / "base", ItemText(ClassWindow(2), IDC_CLASS_FOLDER));
    for (int number = 1; number <= 8; ++number) {
        EXPECT_EQ(number == 2, Visible(number)) << number;
        EXPECT_EQ(number, Main().ClassWindow(number).GetNumber());
        EXPECT_STREQ("", Main().ClassWindow(number).GetName().GetString());
        EXPECT_STREQ("", Main().ClassWindow(number).GetFolder().GetString());
    }
}

TEST_F(ClassFileTest, SavedLayoutComesBackOnLoad)
{
    DropBaseFolder(m_startDir / "first");
    Command(MainWindow(), IDC_CLASS_BUTTON1 + 1);
    SetItemText(ClassWindow(2), IDC_CLASS_NAME, "Alpha");
    Command(ClassWindow(2), IDCANCEL);  // closing takes the fields in
    Command(MainWindow(), ID_SAVE);

    DropBaseFolder(m_startDir / "second");
    Command(MainWindow(), IDC_CLASS_BUTTON1 + 1);
    SetItemText(ClassWindow(2), IDC_CLASS_NAME, "Beta");
    Command(ClassWindow(2), IDCANCEL);

    Command(MainWindow(), ID_LOAD);
    EXPECT_EQ(m_startDir / "first", BaseFolderShown());
    EXPECT_TRUE(Visible(2));
    EXPECT_EQ("Alpha", ItemText(ClassWindow(2), IDC_CLASS_NAME));
    EXPECT_EQ(m_startDir / "first", ItemText(ClassWindow(2), IDC_CLASS_FOLDER));
    EXPECT_TRUE(::IsWindowEnabled(MainItem(IDC_CLASS_BUTTON1 + 1)));
}

TEST_F(ClassFileTest, OnlyANamedRecordShowsItsWindow)
{
    std::string bytes = StartupBytes();
    PutBase(bytes, "C:\\Base");
    PutRecord(bytes, 3, 3, "Three", "D:\\Sorted");
    PutRecord(bytes, 4, 4, "", "D:\\Unnamed");
    WriteFileBytes(ClassFile(), bytes);

    MessageBoxWatcher watcher;
    Command(MainWindow(), IDC_LOAD);
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ("C:\\Base", BaseFolderShown());
    for (int number = 1; number <= 8; ++number)
        EXPECT_EQ(number == 3, Visible(number)) << number;
    EXPECT_EQ("Three", ItemText(ClassWindow(3), IDC_CLASS_NAME));
    EXPECT_EQ("D:\\Sorted", ItemText(ClassWindow(3), IDC_CLASS_FOLDER));
    EXPECT_TRUE(::IsWindowEnabled(MainItem(1009)));
    EXPECT_STREQ("D:\\Unnamed", Main().ClassWindow(4).GetFolder().GetString());
    EXPECT_EQ("", ItemText(ClassWindow(4), IDC_CLASS_FOLDER));
}

TEST_F(ClassFileTest, OpenWindowWithAnEmptyRecordKeepsItsText)
{
    DropBaseFolder(m_startDir / "base");
    Command(MainWindow(), IDC_CLASS_BUTTON1 + 1);
    SetItemText(ClassWindow(2), IDC_CLASS_NAME, "typed");

    std::string bytes = StartupBytes();
    PutRecord(bytes, 2, 2, "", "D:\\Loaded");
    WriteFileBytes(ClassFile(), bytes);
    Command(MainWindow(), IDC_LOAD);

    EXPECT_TRUE(Visible(2));
    EXPECT_EQ("typed", ItemText(ClassWindow(2), IDC_CLASS_NAME));
    EXPECT_EQ(m_startDir / "base", ItemText(ClassWindow(2), IDC_CLASS_FOLDER));
    EXPECT_STREQ("", Main().ClassWindow(2).GetName().GetString());
    EXPECT_STREQ("D:\\Loaded", Main().ClassWindow(2).GetFolder().GetString());
}

TEST_F(ClassFileTest, NumberOutsideOneToEightIsKept)
{
    Command(MainWindow(), IDC_CLASS_BUTTON1 + 4);  // window 5 open, button 5 disabled
    ASSERT_FALSE(::IsWindowEnabled(MainItem(IDC_CLASS_BUTTON1 + 4)));
    std::string bytes = StartupBytes();
    PutRecord(bytes, 5, 9, "Five", "D:\\Five");
    WriteFileBytes(ClassFile(), bytes);
    Command(MainWindow(), IDC_LOAD);
    EXPECT_EQ(9, Main().ClassWindow(5).GetNumber());

    Command(ClassWindow(5), IDCANCEL);
    EXPECT_FALSE(Visible(5));
    for (int number = 1; number <= 8; ++number)
        EXPECT_EQ(number != 5, ::IsWindowEnabled(MainItem(IDC_CLASS_BUTTON1 + number - 1)) != FALSE) << number;

    // Saved again, the number goes back as it came.
    Command(MainWindow(), IDC_SAVE);
    EXPECT_EQ(bytes, ReadFileBytes(ClassFile()));
}

TEST_F(ClassFileTest, MissingFileIsReportedWithItsFullPathAndChangesNothing)
{
    DropBaseFolder(m_startDir / "base");
    MessageBoxWatcher watcher;
    Command(MainWindow(), IDC_LOAD);
    ExpectOneFileErrorBox(watcher, NamedText(L" が見つかりませんでした。"));
    EXPECT_EQ(m_startDir / "base", BaseFolderShown());
    EXPECT_FALSE(PathExists(ClassFile()));
    // The program goes on.
    ASSERT_NE(nullptr, AfxGetMainWnd());
    Command(MainWindow(), IDC_SAVE);
    EXPECT_EQ(2628u, ReadFileBytes(ClassFile()).size());
}

class ShortClassFileTest : public ClassFileTest, public testing::WithParamInterface<size_t> {};

TEST_P(ShortClassFileTest, EndOfFileReportAndNothingApplied)
{
    std::string bytes = StartupBytes();
    PutBase(bytes, "C:\\Loaded");
    PutRecord(bytes, 1, 1, "One", "D:\\One");
    WriteFileBytes(ClassFile(), bytes.substr(0, GetParam()));
    DropBaseFolder(m_startDir / "base");

    MessageBoxWatcher watcher;
    Command(MainWindow(), IDC_LOAD);
    ExpectOneFileErrorBox(watcher, NamedText(L" の末尾以降にｱｸｾｽしようとしました。"));
    EXPECT_EQ(m_startDir / "base", BaseFolderShown());
    EXPECT_STREQ(Main().m_strBaseFolder, (m_startDir / "base").c_str());
    EXPECT_FALSE(Visible(1));
    EXPECT_STREQ("", Main().ClassWindow(1).GetName().GetString());
}

INSTANTIATE_TEST_SUITE_P(Lengths, ShortClassFileTest, testing::Values(0u, 600u, 2627u));

TEST_F(ClassFileTest, BytesBeyondTheLayoutAreIgnored)
{
    std::string bytes = StartupBytes();
    PutRecord(bytes, 8, 8, "Eight", "D:\\Eight");
    WriteFileBytes(ClassFile(), bytes + "trailing bytes");
    MessageBoxWatcher watcher;
    Command(MainWindow(), IDC_LOAD);
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_TRUE(Visible(8));
    EXPECT_EQ("Eight", ItemText(ClassWindow(8), IDC_CLASS_NAME));
}

class HeldClassFileTest : public ClassFileTest, public testing::WithParamInterface<int> {};

// Another program holds the class file open without sharing.
TEST_P(HeldClassFileTest, SharingViolationIsReportedAndTheFileStays)
{
    std::string old = StartupBytes();
    PutRecord(old, 3, 3, "Three", "D:\\Three");
    WriteFileBytes(ClassFile(), old);
    HANDLE held = ::CreateFileA(ClassFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);

    MessageBoxWatcher watcher;
    Command(MainWindow(), GetParam());
    ::CloseHandle(held);
    ExpectOneFileErrorBox(watcher, NamedText(L" へのｱｸｾｽ中に共有違反が発生しました。"));
    EXPECT_EQ(old, ReadFileBytes(ClassFile()));
    EXPECT_EQ(std::vector<std::string>{"tova.cls"}, FolderEntries(m_startDir.Path()));
    EXPECT_FALSE(Visible(3));
}

INSTANTIATE_TEST_SUITE_P(Commands, HeldClassFileTest, testing::Values(IDC_SAVE, IDC_LOAD),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == IDC_SAVE ? "Save" : "Load");
                         });

struct BlockedCase {
    const char* what;
    const char* folder;  // stands where a file has to be written
    bool oldFile;
};

class BlockedSaveTest : public ClassFileTest, public testing::WithParamInterface<BlockedCase> {};

// Root passes permission bits, but not a folder standing where a file must go.
TEST_P(BlockedSaveTest, AccessDeniedIsReportedAndTheOldFileStays)
{
    std::string old = StartupBytes();
    PutRecord(old, 1, 1, "Old", "D:\\Old");
    if (GetParam().oldFile)
        WriteFileBytes(ClassFile(), old);
    ASSERT_TRUE(::CreateDirectoryA((m_startDir / GetParam().folder).c_str(), nullptr));
    std::vector<std::string> before = FolderEntries(m_startDir.Path());

    MessageBoxWatcher watcher;
    Command(MainWindow(), IDC_SAVE);
    ExpectOneFileErrorBox(watcher, NamedText(L" へのｱｸｾｽは拒否されました。"));
    EXPECT_EQ(before, FolderEntries(m_startDir.Path()));
    if (GetParam().oldFile)
        EXPECT_EQ(old, ReadFileBytes(ClassFile()));
    else
        EXPECT_TRUE(IsFolder(ClassFile()));
}

INSTANTIATE_TEST_SUITE_P(Places, BlockedSaveTest,
                         testing::Values(BlockedCase{"FolderAsClassFile", "tova.cls", false},
                                         BlockedCase{"FolderAsTemporaryFile", "tova.cls.tmp", true}),
                         [](const testing::TestParamInfo<BlockedCase>& info) { return std::string(info.param.what); });

struct AutoSaveCase {
    const char* what;
    bool stored;
    DWORD value;
    bool saves;
};

class AutoSaveTest : public ClassFileTest, public testing::WithParamInterface<AutoSaveCase> {};

TEST_P(AutoSaveTest, LeavingSavesOnlyWhenOn)
{
    std::string old = StartupBytes();
    PutRecord(old, 6, 6, "Old", "D:\\Old");
    WriteFileBytes(ClassFile(), old);
    if (GetParam().stored)
        SetSetting("AutoSave", GetParam().value);
    DropBaseFolder(m_startDir / "base");

    Command(MainWindow(), IDCANCEL);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    std::string expected = StartupBytes();
    PutBase(expected, m_startDir / "base");
    EXPECT_EQ(GetParam().saves ? expected : old, ReadFileBytes(ClassFile()));
}

INSTANTIATE_TEST_SUITE_P(Settings, AutoSaveTest,
                         testing::Values(AutoSaveCase{"Absent", false, 0, false}, AutoSaveCase{"Off", true, 0, false},
                                         AutoSaveCase{"On", true, 1, true}, AutoSaveCase{"Seven", true, 7, true}),
                         [](const testing::TestParamInfo<AutoSaveCase>& info) { return std::string(info.param.what); });

TEST_F(ClassFileTest, AutoSaveOffNeverMakesAFile)
{
    SetSetting("AutoSave", 0);
    Command(MainWindow(), IDCANCEL);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_TRUE(FolderEntries(m_startDir.Path()).empty());
}

TEST_F(ClassFileTest, FailingAutoSaveKeepsTheProgramOpen)
{
    SetSetting("AutoSave", 1);
    ASSERT_TRUE(::CreateDirectoryA(ClassFile().c_str(), nullptr));
    Command(MainWindow(), IDC_CLASS_BUTTON1);
    {
        MessageBoxWatcher watcher;
        Command(MainWindow(), IDCANCEL);
        ExpectOneFileErrorBox(watcher, NamedText(L" へのｱｸｾｽは拒否されました。"), ClassWindow(1));
    }
    ASSERT_NE(nullptr, AfxGetMainWnd());
    EXPECT_TRUE(::IsWindowVisible(MainWindow()));
    EXPECT_TRUE(Visible(1));

    // With the cause gone, leaving saves and ends.
    ::RemoveDirectoryA(ClassFile().c_str());
    Command(MainWindow(), IDCANCEL);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_EQ(2628u, ReadFileBytes(ClassFile()).size());
}

TEST_F(ClassFileTest, TextTypedButNotTakenInIsNotSaved)
{
    DropBaseFolder(m_startDir / "base");
    Command(MainWindow(), IDC_CLASS_BUTTON1);
    SetItemText(ClassWindow(1), IDC_CLASS_NAME, "typed");
    Command(MainWindow(), IDC_SAVE);
    std::string bytes = ReadFileBytes(ClassFile());
    EXPECT_EQ(std::string(32, '\0'), NameField(bytes, 1));
    EXPECT_EQ(Padded(m_startDir / "base", 260), FolderField(bytes, 1));

    Command(ClassWindow(1), IDCANCEL);
    Command(MainWindow(), IDC_SAVE);
    EXPECT_EQ(Padded("typed", 32), NameField(ReadFileBytes(ClassFile()), 1));
}

TEST_F(ClassFileTest, OverlongNameIsCutOnACharacterBoundary)
{
    REQUIRE_CODE_PAGE_932();
    Command(MainWindow(), IDC_CLASS_BUTTON1);
    std::string name = std::string(30, 'a') + "\x95\x5C" + "more";  // 表 across the 31-byte limit
    SetItemText(ClassWindow(1), IDC_CLASS_NAME, name);
    Command(ClassWindow(1), IDCANCEL);
    ASSERT_STREQ(name.c_str(), Main().ClassWindow(1).GetName().GetString());
    Command(MainWindow(), IDC_SAVE);
    EXPECT_EQ(Padded(std::string(30, 'a'), 32), NameField(ReadFileBytes(ClassFile()), 1));
}

}  // namespace
