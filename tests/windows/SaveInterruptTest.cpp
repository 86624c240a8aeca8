// A save cut off at each of its steps, reproduced as the disk would be left:
// the class file is then the old one or the new one, never a mix, and the
// next save leaves no temporary file behind.

#include "res/resource.h"
#include "tests/windows/Support.h"

namespace {

class SaveInterruptTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        m_old = SavedWithName("Old");
        m_new = SavedWithName("New");
        ASSERT_EQ(2628u, m_old.size());
        ASSERT_NE(m_old, m_new);
        ::DeleteFileA(ClassFile().c_str());
    }

    std::string ClassFile() { return m_startDir / "tova.cls"; }
    std::string Temporary() { return m_startDir / "tova.cls.tmp"; }

    // The bytes a save writes with class window 1 named so.
    std::string SavedWithName(const char* name)
    {
        Main().ClassWindow(1).SetName(name);
        Command(MainWindow(), IDC_SAVE);
        return ReadFileBytes(ClassFile());
    }

    std::string m_old;
    std::string m_new;
};

struct Interrupted {
    const char* what;
    bool classFileOld;       // else the new one, or none
    bool classFileNew;
    const char* temporary;   // "new", "half", "empty" or none
};

TEST_F(SaveInterruptTest, EveryStepLeavesOneWholeFile)
{
    Interrupted rows[] = {
        {"before the temporary file is made", true, false, nullptr},
        {"temporary file empty", true, false, "empty"},
        {"temporary file half written", true, false, "half"},
        {"temporary file written, not yet in place", true, false, "new"},
        {"first save: temporary file written, no class file yet", false, false, "new"},
        {"after the replace", false, true, nullptr},
    };
    for (const Interrupted& row : rows) {
        SCOPED_TRACE(row.what);
        ::DeleteFileA(ClassFile().c_str());
        ::DeleteFileA(Temporary().c_str());
        if (row.classFileOld)
            WriteFileBytes(ClassFile(), m_old);
        if (row.classFileNew)
            WriteFileBytes(ClassFile(), m_new);
        if (row.temporary != nullptr) {
            std::string what = row.temporary;
            WriteFileBytes(Temporary(), what == "new" ? m_new : what == "half" ? m_new.substr(0, 1314) : "");
        }

        // Loading then takes the whole old file, or the whole new one; the
        // temporary file is never read.
        Main().ClassWindow(1).SetName("Shown");
        MessageBoxWatcher watcher;
        Command(MainWindow(), IDC_LOAD);
        std::string current = ReadFileBytes(ClassFile());
        if (row.classFileOld || row.classFileNew) {
            EXPECT_TRUE(watcher.Boxes().empty());
            EXPECT_TRUE(current == m_old || current == m_new);
            EXPECT_STREQ(row.classFileOld ? "Old" : "New", Main().ClassWindow(1).GetName());
        } else {
            ASSERT_EQ(1u, watcher.Boxes().size());
            EXPECT_EQ(Wide(ClassFile()) + L" が見つかりませんでした。", watcher.Boxes()[0].text);
            EXPECT_STREQ("Shown", Main().ClassWindow(1).GetName());
        }

        // The next save puts the whole new layout in place and nothing else.
        Main().ClassWindow(1).SetName("New");
        Command(MainWindow(), IDC_SAVE);
        EXPECT_EQ(m_new, ReadFileBytes(ClassFile()));
        EXPECT_EQ(std::vector<std::string>{"tova.cls"}, FolderEntries(m_startDir.Path()));
        Command(MainWindow(), ID_CLOSE_ALL);
    }
}

// A save that stopped while something still holds its temporary file: the
// next save is refused with the class file named, the old file stays whole,
// and once the holder lets go the save after goes through cleanly.
TEST_F(SaveInterruptTest, HeldTemporaryFileKeepsTheOldFile)
{
    WriteFileBytes(ClassFile(), m_old);
    WriteFileBytes(Temporary(), m_new.substr(0, 100));
    HANDLE held = ::CreateFileA(Temporary().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    Main().ClassWindow(1).SetName("New");
    {
        MessageBoxWatcher watcher;
        Command(MainWindow(), IDC_SAVE);
        ASSERT_EQ(1u, watcher.Boxes().size());
        EXPECT_EQ(Wide(ClassFile()) + L" へのｱｸｾｽ中に共有違反が発生しました。", watcher.Boxes()[0].text);
        EXPECT_EQ(BoxIcon::Stop, watcher.Boxes()[0].icon);
    }
    EXPECT_EQ(m_old, ReadFileBytes(ClassFile()));
    ::CloseHandle(held);

    MessageBoxWatcher watcher;
    Command(MainWindow(), IDC_SAVE);
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(m_new, ReadFileBytes(ClassFile()));
    EXPECT_EQ(std::vector<std::string>{"tova.cls"}, FolderEntries(m_startDir.Path()));
}

// Someone reading the class file while the new one replaces it: the
// replace is refused, the reader keeps the old file whole, and no
// temporary file stays.
TEST_F(SaveInterruptTest, ReaderDuringTheReplaceKeepsTheOldFile)
{
    WriteFileBytes(ClassFile(), m_old);
    HANDLE reader = ::CreateFileA(ClassFile().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    Main().ClassWindow(1).SetName("New");
    MessageBoxWatcher watcher;
    Command(MainWindow(), IDC_SAVE);
    ::CloseHandle(reader);
    std::string after = ReadFileBytes(ClassFile());
    EXPECT_TRUE(after == m_old || after == m_new);
    EXPECT_EQ(std::vector<std::string>{"tova.cls"}, FolderEntries(m_startDir.Path()));
    EXPECT_EQ(after == m_old ? 1u : 0u, watcher.Boxes().size());
}

}  // namespace
