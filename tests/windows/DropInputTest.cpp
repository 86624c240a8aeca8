// Dropped paths and shortcut files the program did not make, through class
// window 1: each row says what lands in the destination, and nothing outside
// the destination may change. None of it is reported to the user.

#include "res/resource.h"
#include "tests/windows/Shortcuts.h"
#include "tests/windows/Support.h"

#include <map>

namespace {

// Every file and folder under root, with each file's bytes.
std::map<std::string, std::string> Snapshot(const std::string& root)
{
    std::map<std::string, std::string> tree;
    for (const std::string& name : FolderEntries(root)) {
        std::string path = root + "\\" + name;
        if (IsFolder(path)) {
            tree[path] = "<folder>";
            for (const auto& entry : Snapshot(path))
                tree.insert(entry);
        } else {
            tree[path] = ReadFileBytes(path);
        }
    }
    return tree;
}

std::map<std::string, std::string> Outside(std::map<std::string, std::string> tree, const std::string& destination)
{
    for (auto it = tree.begin(); it != tree.end();) {
        bool inside = it->first == destination || it->first.compare(0, destination.size() + 1, destination + "\\") == 0;
        it = inside ? tree.erase(it) : std::next(it);
    }
    return tree;
}

std::string RandomBytes(size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    return bytes;
}

class DropInputTest : public SortingTest {
protected:
    void SetUp() override
    {
        SortingTest::SetUp();
        WriteFileBytes(m_sources + "\\plain.txt", "plain");
        Main().ShowClassWindow(1, SW_SHOW);
        PumpPending();
    }

    void Enter(const std::string& name)
    {
        Main().ClassWindow(1).SetFolderAndUpdate(m_classFolder.c_str());
        SetItemText(ClassWindow(1), IDC_CLASS_NAME, name);
    }

    void Drop(const std::vector<std::string>& paths)
    {
        ::SendMessageA(ClassWindow(1), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    }

    // Folders under the sources until a file named name.txt there makes a
    // path of exactly length bytes.
    std::string PathOfLength(size_t length, const std::string& name)
    {
        std::string folder = m_sources;
        while (folder.size() + 1 + name.size() + 4 < length) {
            size_t room = length - (folder.size() + 1 + name.size() + 4) - 1;
            size_t part = room > 100 ? 100 : room;
            if (part == 0)
                break;
            folder += "\\" + std::string(part, 'd');
            ::CreateDirectoryA(folder.c_str(), nullptr);
        }
        std::string path = folder + "\\" + name + ".txt";
        path.insert(folder.size() + 1, length - path.size(), 'n');
        return path;
    }

};

struct PathRow {
    const char* what;
    DWORD classType;
    std::string className;
    std::string dropped;
    std::vector<std::string> placed;  // in the destination afterwards
};

TEST_F(DropInputTest, DroppedPaths)
{
    REQUIRE_CODE_PAGE_932();
    std::string path259 = PathOfLength(259, "f");
    ASSERT_EQ(259u, path259.size());
    WriteFileBytes(path259, "259");
    ASSERT_EQ("259", ReadFileBytes(path259));
    std::string name259 = path259.substr(path259.rfind('\\') + 1);
    WriteFileBytes(m_sources + "\\\x95\x5C.txt", "hyou");     // 表: trail byte 0x5C
    WriteFileBytes(m_sources + "\\\x83\x7C.txt", "po");       // ポ: trail byte 0x7C
    ::CreateDirectoryA((m_sources + "\\\x95\x5C").c_str(), nullptr);
    WriteFileBytes(m_sources + "\\\x95\x5C\\in.txt", "in");

    const std::vector<std::string> none;
    PathRow rows[] = {
        {"path of 259 bytes", 1, "docs", path259, {name259}},
        // The shell can hand over a longer path than the buffer takes; cut
        // to 259 bytes it would name the file above, which must stay.
        {"path of 260 bytes, moved", 2, "docs", path259 + "x", none},
        {"path of 263 bytes, moved", 2, "docs", path259 + ".bak", none},
        {"trail byte 0x5C", 1, "docs", m_sources + "\\\x95\x5C.txt", {"\x95\x5C.txt"}},
        {"trail byte 0x5C, link", 0, "docs", m_sources + "\\\x95\x5C.txt", {"\x95\x5C.lnk"}},
        {"trail byte 0x7C", 1, "docs", m_sources + "\\\x83\x7C.txt", {"\x83\x7C.txt"}},
        {"folder ending in trail byte 0x5C", 1, "docs", m_sources + "\\\x95\x5C\\in.txt", {"in.txt"}},
        {"double-byte class name", 1, "\x95\x5C\x83\x7C", m_sources + "\\plain.txt", {"plain.txt"}},
        {"trailing spaces", 1, "docs", m_sources + "\\plain.txt  ", {"plain.txt"}},
        {"trailing dots", 1, "docs", m_sources + "\\plain.txt..", {"plain.txt"}},
        {"drive root", 1, "docs", "C:\\", none},
        {"UNC path to no server", 1, "docs", "\\\\no-such-server\\share\\plain.txt", none},
        {"class name CON", 1, "CON", m_sources + "\\plain.txt", none},
        {"class name NUL", 1, "NUL", m_sources + "\\plain.txt", none},
        {"class name holding backslashes", 1, "a\\b", m_sources + "\\plain.txt", none},
    };
    for (const PathRow& row : rows) {
        SCOPED_TRACE(row.what);
        std::string destination = m_classFolder + "\\" + row.className;
        RemoveTree(destination);
        SetSetting("ClassType", row.classType);
        Enter(row.className);
        auto before = Outside(Snapshot(m_temp.Path()), destination);
        MessageBoxWatcher watcher;

        Drop({row.dropped});

        EXPECT_TRUE(watcher.Boxes().empty());
        EXPECT_EQ(before, Outside(Snapshot(m_temp.Path()), destination));
        if (row.placed.empty())
            EXPECT_TRUE(FolderEntries(destination).empty());
        else
            EXPECT_EQ(row.placed, FolderEntries(destination));
        // Nothing else appears in the class folder.
        std::vector<std::string> classes = FolderEntries(m_classFolder);
        EXPECT_TRUE(classes.empty() || classes == std::vector<std::string>{row.className}) << classes.size();
        RemoveTree(destination);
    }
    EXPECT_EQ("259", ReadFileBytes(path259));
}

// A cut path is skipped, and the paths after it still go.
TEST_F(DropInputTest, OverlongPathDoesNotStopTheNext)
{
    std::string path259 = PathOfLength(259, "f");
    WriteFileBytes(path259, "259");
    SetSetting("ClassType", 2);
    Enter("docs");
    Drop({path259 + "x", m_sources + "\\plain.txt"});
    EXPECT_EQ(std::vector<std::string>{"plain.txt"}, FolderEntries(m_classFolder + "\\docs"));
    EXPECT_EQ("259", ReadFileBytes(path259));
}

struct ShortcutRow {
    const char* what;
    DWORD classType;
    const char* link;
    std::vector<std::string> placed;
};

// Dropped with Shift, a shortcut counts by its target; one that cannot be
// read, or whose target is gone, places nothing and stays as it was.
TEST_F(DropInputTest, ShortcutFilesWithShift)
{
    std::string links = m_sources + "\\links";
    ::CreateDirectoryA(links.c_str(), nullptr);
    ::CreateDirectoryA((m_sources + "\\folder").c_str(), nullptr);
    WriteFileBytes(m_sources + "\\folder\\inside.txt", "inside");
    ASSERT_TRUE(WriteShortcut(links + "\\good.lnk", m_sources + "\\plain.txt"));
    ASSERT_TRUE(WriteShortcut(links + "\\missing.lnk", m_sources + "\\gone.txt"));
    ASSERT_TRUE(WriteShortcut(links + "\\folder.lnk", m_sources + "\\folder"));
    std::string good = ReadFileBytes(links + "\\good.lnk");
    ASSERT_GT(good.size(), 80u);
    WriteFileBytes(links + "\\empty.lnk", "");
    WriteFileBytes(links + "\\header.lnk", good.substr(0, 76));  // the header alone
    WriteFileBytes(links + "\\truncated.lnk", good.substr(0, good.size() / 2));
    WriteFileBytes(links + "\\random.lnk", RandomBytes(600, 7));
    WriteFileBytes(links + "\\random-header.lnk", good.substr(0, 20) + RandomBytes(600, 11));

    const std::vector<std::string> none;
    ShortcutRow rows[] = {
        {"valid shortcut", 1, "good.lnk", {"plain.txt"}},
        {"empty file", 1, "empty.lnk", none},
        {"header only", 1, "header.lnk", none},
        {"truncated", 1, "truncated.lnk", none},
        {"random bytes", 1, "random.lnk", none},
        {"shortcut header then random bytes", 1, "random-header.lnk", none},
        {"missing target", 1, "missing.lnk", none},
        {"missing target, link", 0, "missing.lnk", none},
        {"folder target, copy", 1, "folder.lnk", none},
        {"folder target, link", 0, "folder.lnk", {"folder.lnk"}},
        {"folder target, move", 2, "folder.lnk", {"folder"}},
    };
    std::string destination = m_classFolder + "\\docs";
    for (const ShortcutRow& row : rows) {
        SCOPED_TRACE(row.what);
        RemoveTree(destination);
        SetSetting("ClassType", row.classType);
        Enter("docs");
        auto before = Snapshot(m_temp.Path());
        MessageBoxWatcher watcher;

        SetShiftKey(true);
        Drop({links + "\\" + row.link});
        SetShiftKey(false);

        EXPECT_TRUE(watcher.Boxes().empty());
        if (row.placed.empty())
            EXPECT_TRUE(FolderEntries(destination).empty());
        else
            EXPECT_EQ(row.placed, FolderEntries(destination));
        auto after = Outside(Snapshot(m_temp.Path()), destination);
        auto expected = Outside(before, destination);
        if (row.classType == 2 && !row.placed.empty())  // the folder itself moved
            expected = Outside(expected, m_sources + "\\" + row.placed[0]);
        EXPECT_EQ(expected, after);
        if (row.classType == 2 && !row.placed.empty()) {
            ::MoveFileA((destination + "\\folder").c_str(), (m_sources + "\\folder").c_str());
        }
        if (!row.placed.empty() && row.classType == 0) {
            EXPECT_EQ(m_sources + "\\folder", ReadShortcut(destination + "\\folder.lnk").path);
        }
    }
    EXPECT_EQ("inside", ReadFileBytes(m_sources + "\\folder\\inside.txt"));
}

}  // namespace
