#include "tests/windows/Shortcuts.h"
#include "tests/windows/Support.h"

namespace {

// The class name "docs"; "%S" in a case stands for the source folder.
class ClassifyTest : public SortingTest {
protected:
    std::string Source(const std::string& text)
    {
        std::string result = text;
        size_t at = result.find("%S");
        if (at != std::string::npos)
            result.replace(at, 2, m_sources);
        return result;
    }

    int Classify(const std::string& source, const std::string& name = "docs")
    {
        return CClassDlg::Classify(source.c_str(), name.c_str(), m_classFolder.c_str());
    }

    std::string m_destination = m_classFolder + "\\docs";
};

struct SourceCase {
    const char* what;
    const char* source;
    // What appears in the destination folder for Link, Copy and Move;
    // null for nothing (and a result of 0).
    const char* placed[3];
};

const SourceCase kSourceCases[] = {
    {"plain file", "%S\\plain.txt", {"plain.lnk", "plain.txt", "plain.txt"}},
    {"two dots", "%S\\report.final.doc", {"report.final.lnk", "report.final.doc", "report.final.doc"}},
    {"no dot", "%S\\readme", {"readme.lnk", "readme", "readme"}},
    {"only a leading dot", "%S\\.hidden", {".lnk", ".hidden", ".hidden"}},
    {"dropped in other letter case", "%S\\PLAIN.TXT", {"plain.lnk", "plain.txt", "plain.txt"}},
    {"folder", "%S\\album.2024", {"album.lnk", nullptr, "album.2024"}},
    {"missing path", "%S\\missing.txt", {nullptr, nullptr, nullptr}},
    {"empty path", "", {nullptr, nullptr, nullptr}},
    {"drive root", "C:\\", {nullptr, nullptr, nullptr}},
};

TEST_F(ClassifyTest, PlacesEachKindOfSourceByClassType)
{
    for (const SourceCase& c : kSourceCases) {
        for (int type = 0; type <= 3; ++type) {
            SCOPED_TRACE(std::string(c.what) + ", class type " + std::to_string(type));
            RemoveTree(m_sources);
            RemoveTree(m_classFolder);
            ::CreateDirectoryA(m_sources.c_str(), nullptr);
            ::CreateDirectoryA(m_classFolder.c_str(), nullptr);
            for (const char* name : {"plain.txt", "report.final.doc", "readme", ".hidden"})
                WriteFileBytes(m_sources + "\\" + name, name);
            ::CreateDirectoryA((m_sources + "\\album.2024").c_str(), nullptr);
            WriteFileBytes(m_sources + "\\album.2024\\photo.jpg", "photo");
            SetSetting("ClassType", static_cast<DWORD>(type));
            std::string source = Source(c.source);

            const char* placed = type <= 2 ? c.placed[type] : nullptr;
            EXPECT_EQ(placed != nullptr ? 1 : 0, Classify(source));

            ASSERT_TRUE(IsFolder(m_destination));
            std::vector<std::string> expected;
            if (placed != nullptr)
                expected.push_back(placed);
            EXPECT_EQ(expected, FolderEntries(m_destination));
            if (placed == nullptr)
                continue;
            std::string target = m_destination + "\\" + placed;
            if (type == 0) {
                EXPECT_EQ(source, ReadShortcut(target).path);  // the path as dropped
            } else if (type == 1) {
                EXPECT_EQ(ReadFileBytes(source), ReadFileBytes(target));
            } else if (std::string(c.what) == "folder") {
                EXPECT_FALSE(PathExists(source));
                EXPECT_EQ("photo", ReadFileBytes(target + "\\photo.jpg"));
            } else {
                EXPECT_FALSE(PathExists(source));
                EXPECT_EQ(placed, ReadFileBytes(target));
            }
        }
    }
}

TEST_F(ClassifyTest, DoubleByteNamesLinkWithTheirWholeCharacters)
{
    REQUIRE_CODE_PAGE_932();
    // "表" is 0x95 0x5C: its trail byte must not split the folder or the name.
    const std::string hyo = "\x95\x5C";
    std::string folder = m_sources + "\\" + hyo;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    WriteFileBytes(folder + "\\" + hyo + ".txt", "text");
    WriteFileBytes(folder + "\\" + hyo, "no dot");

    EXPECT_EQ(1, Classify(folder + "\\" + hyo + ".txt", hyo));
    EXPECT_EQ(1, Classify(folder + "\\" + hyo, hyo + "2"));

    ShortcutData first = ReadShortcut(m_classFolder + "\\" + hyo + "\\" + hyo + ".lnk");
    EXPECT_EQ(folder + "\\" + hyo + ".txt", first.path);
    EXPECT_EQ(folder, first.workingDirectory);
    ShortcutData second = ReadShortcut(m_classFolder + "\\" + hyo + "2\\" + hyo + ".lnk");
    EXPECT_EQ(folder + "\\" + hyo, second.path);
    EXPECT_EQ(folder, second.workingDirectory);
}

TEST_F(ClassifyTest, MissingClassFolderPlacesNothing)
{
    WriteFileBytes(m_sources + "\\plain.txt", "plain");
    RemoveTree(m_classFolder);
    for (int type = 0; type <= 2; ++type) {
        SCOPED_TRACE(type);
        SetSetting("ClassType", static_cast<DWORD>(type));
        EXPECT_EQ(0, Classify(m_sources + "\\plain.txt"));
        EXPECT_FALSE(PathExists(m_classFolder));  // one level deep only
        EXPECT_EQ("plain", ReadFileBytes(m_sources + "\\plain.txt"));
    }
}

TEST_F(ClassifyTest, FileInPlaceOfTheDestinationFolderStopsEveryType)
{
    WriteFileBytes(m_sources + "\\plain.txt", "plain");
    WriteFileBytes(m_destination, "occupied");
    EXPECT_TRUE(CClassDlg::EnsureFolder(m_destination.c_str(), TRUE));
    for (int type = 0; type <= 2; ++type) {
        SCOPED_TRACE(type);
        SetSetting("ClassType", static_cast<DWORD>(type));
        EXPECT_EQ(0, Classify(m_sources + "\\plain.txt"));
        EXPECT_EQ("occupied", ReadFileBytes(m_destination));
        EXPECT_EQ("plain", ReadFileBytes(m_sources + "\\plain.txt"));
    }
}

TEST_F(ClassifyTest, CopyAndMoveNeverReplaceAnExistingFile)
{
    WriteFileBytes(m_sources + "\\plain.txt", "new");
    ::CreateDirectoryA(m_destination.c_str(), nullptr);
    WriteFileBytes(m_destination + "\\plain.txt", "old");
    for (int type : {1, 2}) {
        SCOPED_TRACE(type);
        SetSetting("ClassType", static_cast<DWORD>(type));
        EXPECT_EQ(0, Classify(m_sources + "\\plain.txt"));
        EXPECT_EQ("old", ReadFileBytes(m_destination + "\\plain.txt"));
        EXPECT_EQ("new", ReadFileBytes(m_sources + "\\plain.txt"));
    }
}

TEST_F(ClassifyTest, TitlesThatCollideKeepTheFirstShortcut)
{
    WriteFileBytes(m_sources + "\\notes.txt", "text");
    WriteFileBytes(m_sources + "\\notes.doc", "document");
    EXPECT_EQ(1, Classify(m_sources + "\\notes.txt"));
    EXPECT_EQ(0, Classify(m_sources + "\\notes.doc"));
    EXPECT_EQ(std::vector<std::string>{"notes.lnk"}, FolderEntries(m_destination));
    EXPECT_EQ(m_sources + "\\notes.txt", ReadShortcut(m_destination + "\\notes.lnk").path);
}

TEST_F(ClassifyTest, WildcardsNameNoEntry)
{
    WriteFileBytes(m_sources + "\\plain.txt", "plain");
    for (int type = 0; type <= 2; ++type) {
        SCOPED_TRACE(type);
        SetSetting("ClassType", static_cast<DWORD>(type));
        EXPECT_EQ(0, Classify(m_sources + "\\*.txt"));
        EXPECT_EQ(0, Classify(m_sources + "\\pla?n.txt"));
        EXPECT_TRUE(FolderEntries(m_destination).empty());
        EXPECT_TRUE(PathExists(m_sources + "\\plain.txt"));
    }
    // A class name with a wildcard names no existing folder either, and
    // none can be made.
    EXPECT_FALSE(CClassDlg::EnsureFolder((m_sources + "\\*").c_str(), FALSE));
    EXPECT_EQ(0, Classify(m_sources + "\\plain.txt", "*"));
    EXPECT_EQ(std::vector<std::string>{"docs"}, FolderEntries(m_classFolder));
}

TEST_F(ClassifyTest, EnsureFolderLooksUpTheExactPathAndMakesOneLevel)
{
    WriteFileBytes(m_temp / "file", "file");
    struct {
        const char* what;
        std::string path;
        BOOL create;
        BOOL result;
        bool folderAfter;
    } cases[] = {
        {"existing folder", m_classFolder, FALSE, TRUE, true},
        {"existing file", m_temp / "file", FALSE, TRUE, false},
        {"missing, not made", m_temp / "new", FALSE, FALSE, false},
        {"missing, made", m_temp / "made", TRUE, TRUE, true},
        {"missing parent", m_temp / "absent\\child", TRUE, FALSE, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.result, CClassDlg::EnsureFolder(c.path.c_str(), c.create));
        EXPECT_EQ(c.folderAfter, IsFolder(c.path));
    }
    EXPECT_FALSE(PathExists(m_temp / "absent"));
}

// Wherever the folder check takes its cheaper road, it still answers as a
// find-first query on the exact path: roots and trailing separators are not
// found, a file counts, and so on. (Paths with wildcards are refused
// before either query; WildcardsNameNoEntry has them.)
TEST_F(ClassifyTest, EnsureFolderAnswersAsAFindFirstQuery)
{
    WriteFileBytes(m_temp / "file", "file");
    const std::string paths[] = {
        m_classFolder,
        m_classFolder + "\\",
        m_classFolder + "\\\\",
        m_classFolder + "/",
        m_classFolder + "\\.",
        m_classFolder + "\\..",
        m_classFolder + "\\..\\classes",
        m_classFolder + ".",
        m_classFolder + " ",
        m_temp / "CLASSES",
        m_temp / "file",
        m_temp / "file\\",
        m_temp / "file\\inside",
        m_temp / "missing",
        m_temp / "missing\\",
        m_temp / "missing\\child",
        "C:\\",
        "C:",
        "C:\\.",
        "\\\\.\\C:",
        "",
    };
    for (const std::string& path : paths) {
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA(path.c_str(), &data);
        bool found = find != INVALID_HANDLE_VALUE;
        if (found)
            ::FindClose(find);
        EXPECT_EQ(found, CClassDlg::EnsureFolder(path.c_str(), FALSE) != FALSE) << path;
    }
}

TEST_F(ClassifyTest, EnsureFolderAsksAnEntryItCannotReadTheFindFirstWay)
{
    // Held open without sharing, a file's attributes may not be readable on
    // Windows; its entry is still found.
    std::string held = m_temp / "held";
    HANDLE file = ::CreateFileA(held.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    EXPECT_TRUE(CClassDlg::EnsureFolder(held.c_str(), TRUE));
    ::CloseHandle(file);
    EXPECT_FALSE(IsFolder(held));
}

}  // namespace
