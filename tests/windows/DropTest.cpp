#include "res/resource.h"
#include "tests/windows/Shortcuts.h"
#include "tests/windows/Support.h"

namespace {

// Class window 1, shown as its button shows it, with sources under
// <temp>\src and the class folder <temp>\classes.
class DropTest : public SortingTest {
protected:
    void SetUp() override
    {
        SortingTest::SetUp();
        WriteFileBytes(m_sources + "\\plain.txt", "plain");
        Main().ShowClassWindow(1, SW_SHOW);
        PumpPending();
    }

    void Enter(const std::string& name, const std::string& folder)
    {
        Main().ClassWindow(1).SetFolderAndUpdate(folder.c_str());
        SetItemText(ClassWindow(1), IDC_CLASS_NAME, name);
    }

    void Drop(const std::vector<std::string>& paths)
    {
        ::SendMessageA(ClassWindow(1), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    }

    std::string m_destination = m_classFolder + "\\docs";
};

TEST_F(DropTest, RefusesAMissingNameOrFolder)
{
    struct {
        const char* what;
        const char* name;
        std::string folder;
        const wchar_t* message;
        int focus;
    } cases[] = {
        {"name of spaces and tabs", " \t  \t", m_classFolder, L"error : enter class name", IDC_CLASS_NAME},
        {"empty folder", "docs", "", L"error : enter class path", IDC_CLASS_FOLDER},
        {"folder of spaces", "docs", "  \t ", L"error : enter class path", IDC_CLASS_FOLDER},
        {"both empty", "", "", L"error : enter class name", IDC_CLASS_NAME},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Enter(c.name, c.folder);
        ::SetFocus(::GetDlgItem(ClassWindow(1), IDC_BROWSE));
        ::SetForegroundWindow(MainWindow());
        ASSERT_EQ(MainWindow(), ::GetForegroundWindow());
        MessageBoxWatcher watcher;

        Drop({m_sources + "\\plain.txt"});

        ASSERT_EQ(1u, watcher.Boxes().size());
        const ShownBox& box = watcher.Boxes()[0];
        EXPECT_EQ(L"Fenlow", box.caption);
        EXPECT_EQ(c.message, box.text);
        EXPECT_EQ(BoxIcon::Exclamation, box.icon);
        EXPECT_EQ(ClassWindow(1), box.owner);
        EXPECT_EQ(::GetDlgItem(ClassWindow(1), c.focus), ::GetFocus());
        EXPECT_EQ(ClassWindow(1), ::GetForegroundWindow());
        EXPECT_TRUE(FolderEntries(m_classFolder).empty());
        EXPECT_EQ(std::vector<std::string>{"plain.txt"}, FolderEntries(m_sources));
    }
}

TEST_F(DropTest, TrimsTheStoredNameAndFolderButNotTheFields)
{
    std::string folderTyped = "  " + m_classFolder + " \t";
    Enter("  docs\t ", folderTyped);
    ::SetForegroundWindow(MainWindow());
    ASSERT_EQ(MainWindow(), ::GetForegroundWindow());
    MessageBoxWatcher watcher;

    Drop({m_sources + "\\plain.txt"});

    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ(ClassWindow(1), ::GetForegroundWindow());
    EXPECT_EQ(std::vector<std::string>{"docs"}, FolderEntries(m_classFolder));
    EXPECT_EQ(m_sources + "\\plain.txt", ReadShortcut(m_destination + "\\plain.lnk").path);
    EXPECT_EQ("  docs\t ", ItemText(ClassWindow(1), IDC_CLASS_NAME));
    EXPECT_EQ(folderTyped, ItemText(ClassWindow(1), IDC_CLASS_FOLDER));
    EXPECT_STREQ("docs", Main().ClassWindow(1).GetName().GetString());
    EXPECT_STREQ(m_classFolder.c_str(), Main().ClassWindow(1).GetFolder().GetString());
}

TEST_F(DropTest, IdeographicSpacesAreKept)
{
    REQUIRE_CODE_PAGE_932();
    const std::string ideographicSpace = "\x81\x40";
    const std::string kept = ideographicSpace + "docs" + ideographicSpace;
    Enter(" " + kept + "\t", m_classFolder);

    Drop({m_sources + "\\plain.txt"});

    EXPECT_EQ(std::vector<std::string>{kept}, FolderEntries(m_classFolder));
    EXPECT_EQ(std::vector<std::string>{"plain.lnk"}, FolderEntries(m_classFolder + "\\" + kept));
}

TEST_F(DropTest, ShiftReplacesAShortcutByItsTarget)
{
    std::string links = m_sources + "\\links";
    ::CreateDirectoryA(links.c_str(), nullptr);
    WriteFileBytes(m_sources + "\\target.txt", "target");
    ASSERT_TRUE(WriteShortcut(links + "\\target.lnk", m_sources + "\\target.txt"));
    ASSERT_TRUE(WriteShortcut(links + "\\CAPS.LNK", m_sources + "\\target.txt"));
    ASSERT_TRUE(WriteShortcut(links + "\\wild.lnk", m_sources + "\\*.txt"));
    WriteFileBytes(links + "\\broken.lnk", "no shortcut inside");
    SetSetting("ClassType", 1);  // copies show what was placed
    Enter("docs", m_classFolder);

    struct {
        const char* what;
        bool shift;
        const char* dropped;
        const char* placed;
    } cases[] = {
        {"shortcut with Shift", true, "target.lnk", "target.txt"},
        {"ending in capitals", true, "CAPS.LNK", "CAPS.LNK"},
        {"shortcut without Shift", false, "target.lnk", "target.lnk"},
        {"unreadable shortcut", true, "broken.lnk", nullptr},
        {"target holding a wildcard", true, "wild.lnk", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveTree(m_destination);
        SetShiftKey(c.shift);
        MessageBoxWatcher watcher;

        Drop({links + "\\" + c.dropped});

        SetShiftKey(false);
        EXPECT_TRUE(watcher.Boxes().empty());
        ASSERT_TRUE(IsFolder(m_destination));
        std::vector<std::string> expected;
        if (c.placed != nullptr)
            expected.push_back(c.placed);
        EXPECT_EQ(expected, FolderEntries(m_destination));
    }
    EXPECT_EQ("target", ReadFileBytes(m_sources + "\\target.txt"));
}

TEST_F(DropTest, AFailingPathDoesNotStopTheNext)
{
    ::CreateDirectoryA((m_sources + "\\first").c_str(), nullptr);
    ::CreateDirectoryA((m_sources + "\\second").c_str(), nullptr);
    WriteFileBytes(m_sources + "\\first\\same.txt", "first");
    WriteFileBytes(m_sources + "\\second\\same.txt", "second");
    SetSetting("ClassType", 1);
    Enter("docs", m_classFolder);
    MessageBoxWatcher watcher;

    // The second copy meets the first one's name and fails.
    Drop({m_sources + "\\first\\same.txt", m_sources + "\\second\\same.txt", m_sources + "\\plain.txt"});

    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_EQ((std::vector<std::string>{"plain.txt", "same.txt"}), FolderEntries(m_destination));
    EXPECT_EQ("first", ReadFileBytes(m_destination + "\\same.txt"));
    EXPECT_EQ("second", ReadFileBytes(m_sources + "\\second\\same.txt"));
}

TEST_F(DropTest, ClassTypeIsReadForEveryDrop)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        WriteFileBytes(m_sources + "\\" + name, name);
    Enter("docs", m_classFolder);

    SetSetting("ClassType", 0);
    Drop({m_sources + "\\a.txt"});
    SetSetting("ClassType", 1);
    Drop({m_sources + "\\b.txt"});
    SetSetting("ClassType", 2);
    Drop({m_sources + "\\c.txt"});

    EXPECT_EQ((std::vector<std::string>{"a.lnk", "b.txt", "c.txt"}), FolderEntries(m_destination));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt", "plain.txt"}), FolderEntries(m_sources));
}

TEST_F(DropTest, MissingClassFolderFailsQuietly)
{
    std::string missing = m_temp / "missing";
    Enter("docs", missing);
    for (int type = 0; type <= 2; ++type) {
        SCOPED_TRACE(type);
        SetSetting("ClassType", static_cast<DWORD>(type));
        MessageBoxWatcher watcher;

        Drop({m_sources + "\\plain.txt"});

        EXPECT_TRUE(watcher.Boxes().empty());
        EXPECT_FALSE(PathExists(missing));
        EXPECT_EQ("plain", ReadFileBytes(m_sources + "\\plain.txt"));
    }
}

}  // namespace
