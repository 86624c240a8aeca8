// Input the program did not write, through the running program: class files
// of any shape, settings of the wrong type or range, a start directory with
// double-byte names, a missing readme. Each row checks what the user sees
// and that nothing else on disk moved.

#include "res/resource.h"
#include "tests/windows/Support.h"

#include <cstring>

namespace {

const int kRecordOffsets[8] = {260, 556, 852, 1148, 1444, 1740, 2036, 2332};
const char kOptionKey[] = "Software\\Orvane\\Fenlow\\Option";

std::string StartupBytes()
{
    std::string bytes(2628, '\0');
    for (int number = 1; number <= 8; ++number)
        bytes[static_cast<size_t>(kRecordOffsets[number - 1])] = static_cast<char>(number);
    return bytes;
}

void PutNumber(std::string& bytes, int record, int number)
{
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<size_t>(kRecordOffsets[record - 1] + i)] =
            static_cast<char>(static_cast<unsigned>(number) >> (8 * i));
}

void PutText(std::string& bytes, size_t offset, const std::string& text) { bytes.replace(offset, text.size(), text); }

void StoreRaw(const char* name, DWORD type, const std::string& data)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(HKEY_CURRENT_USER, kOptionKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    ::RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    ::RegCloseKey(key);
}

class BadClassFileTest : public ProgramTest {
protected:
    std::string ClassFile() { return m_startDir / "tova.cls"; }
    bool Visible(int number) { return ::IsWindowVisible(ClassWindow(number)) != FALSE; }
};

// Whatever the bytes, every name and folder taken in fits its field and
// ends on a character boundary, nothing is reported, and saving gives a
// well-formed file that loads back to the same values.
TEST_F(BadClassFileTest, AnyFullLengthBytesLoadIntoFittingFields)
{
    std::string unterminated(2628, 'A');
    std::string doubleByte(2628, '\x95');  // lead bytes all through
    std::string random(2628, '\0');
    unsigned seed = 12345;
    for (char& byte : random) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"fields without terminators", unterminated},
        {"lead bytes without terminators", doubleByte},
        {"random bytes", random},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileBytes(ClassFile(), c.bytes);
        MessageBoxWatcher watcher;
        Command(MainWindow(), IDC_LOAD);
        EXPECT_TRUE(watcher.Boxes().empty());
        EXPECT_LE(Main().m_strBaseFolder.GetLength(), 259);
        for (int number = 1; number <= 8; ++number) {
            CClassDlg& window = Main().ClassWindow(number);
            EXPECT_LE(window.GetName().GetLength(), 31) << number;
            EXPECT_LE(window.GetFolder().GetLength(), 259) << number;
            EXPECT_EQ(static_cast<size_t>(window.GetName().GetLength()), std::strlen(window.GetName()));
        }
        EXPECT_EQ(std::vector<std::string>{"tova.cls"}, FolderEntries(m_startDir.Path()));

        // The base folder comes back from its field, where the window text
        // has replaced pairs that are no double-byte character; saved once,
        // the file then stays as it is through load and save.
        Command(MainWindow(), IDC_SAVE);
        std::string saved = ReadFileBytes(ClassFile());
        ASSERT_EQ(2628u, saved.size());
        EXPECT_EQ('\0', saved[259]);
        Command(MainWindow(), IDC_LOAD);
        Command(MainWindow(), IDC_SAVE);
        EXPECT_EQ(saved, ReadFileBytes(ClassFile()));
        EXPECT_TRUE(watcher.Boxes().empty());
        Command(MainWindow(), ID_CLOSE_ALL);
    }
}

TEST_F(BadClassFileTest, OneByteIsAnEndOfFileReport)
{
    WriteFileBytes(ClassFile(), "\x01");
    MessageBoxWatcher watcher;
    Command(MainWindow(), IDC_LOAD);
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(Wide(ClassFile()) + L" の末尾以降にｱｸｾｽしようとしました。", watcher.Boxes()[0].text);
    EXPECT_EQ(BoxIcon::Stop, watcher.Boxes()[0].icon);
    EXPECT_EQ("\x01", ReadFileBytes(ClassFile()));
    for (int number = 1; number <= 8; ++number)
        EXPECT_FALSE(Visible(number)) << number;
}

// A record's number is kept as it came; closing that window never touches
// a button that is not there, and the other buttons stay as they were.
TEST_F(BadClassFileTest, RecordNumbersOutsideOneToEightAreKept)
{
    const int numbers[] = {0, -1, 9, 0x7FFFFFFF, static_cast<int>(0x80000000u)};
    for (int number : numbers) {
        SCOPED_TRACE(number);
        std::string bytes = StartupBytes();
        PutNumber(bytes, 4, number);
        PutText(bytes, static_cast<size_t>(kRecordOffsets[3] + 4), "Four");
        WriteFileBytes(ClassFile(), bytes);
        MessageBoxWatcher watcher;
        Command(MainWindow(), IDC_LOAD);
        EXPECT_TRUE(watcher.Boxes().empty());
        EXPECT_EQ(number, Main().ClassWindow(4).GetNumber());
        ASSERT_TRUE(Visible(4));

        Command(ClassWindow(4), IDCANCEL);
        EXPECT_FALSE(Visible(4));
        for (int button = 1; button <= 8; ++button)
            EXPECT_TRUE(::IsWindowEnabled(MainItem(IDC_CLASS_BUTTON1 + button - 1))) << button;
        Command(MainWindow(), IDC_SAVE);
        EXPECT_EQ(bytes, ReadFileBytes(ClassFile()));
        EXPECT_EQ(std::vector<std::string>{"tova.cls"}, FolderEntries(m_startDir.Path()));
    }
}

struct ForeignSetting {
    const char* what;
    DWORD type;
    std::string bytes;
};

const ForeignSetting kForeignSettings[] = {
    {"REG_SZ", REG_SZ, std::string("2\0", 2)},
    {"REG_BINARY of 2 bytes", REG_BINARY, std::string("\x02\x00", 2)},
    {"REG_BINARY of 8 bytes", REG_BINARY, std::string("\x02\0\0\0\0\0\0\0", 8)},
    {"REG_QWORD", REG_QWORD, std::string("\x02\0\0\0\0\0\0\0", 8)},
};

// Class window 1 with a source folder and a class folder of its own.
class BadSettingTest : public SortingTest {
protected:
    void SetUp() override
    {
        SortingTest::SetUp();
        Main().ShowClassWindow(1, SW_SHOW);
        Main().ClassWindow(1).SetFolderAndUpdate(m_classFolder.c_str());
        SetItemText(ClassWindow(1), IDC_CLASS_NAME, "docs");
    }

    void Drop(const std::string& path)
    {
        ::SendMessageA(ClassWindow(1), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({path})), 0);
    }

};

// A "ClassType" of another type reads as absent: Link.
TEST_F(BadSettingTest, ForeignClassTypeDropsAsLink)
{
    for (const ForeignSetting& setting : kForeignSettings) {
        SCOPED_TRACE(setting.what);
        RemoveTree(m_classFolder + "\\docs");
        WriteFileBytes(m_sources + "\\a.txt", "a");
        StoreRaw("ClassType", setting.type, setting.bytes);
        MessageBoxWatcher watcher;
        Drop(m_sources + "\\a.txt");
        EXPECT_TRUE(watcher.Boxes().empty());
        EXPECT_EQ(std::vector<std::string>{"a.lnk"}, FolderEntries(m_classFolder + "\\docs"));
        EXPECT_EQ(std::vector<std::string>{"a.txt"}, FolderEntries(m_sources));
        EXPECT_EQ("a", ReadFileBytes(m_sources + "\\a.txt"));
    }
}

// A "ClassType" outside 0..2 places nothing and touches no source; the
// destination folder is still made, as before any class type is looked at.
TEST_F(BadSettingTest, ClassTypeOutOfRangePlacesNothing)
{
    for (DWORD value : {3u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        SCOPED_TRACE(value);
        WriteFileBytes(m_sources + "\\a.txt", "a");
        SetSetting("ClassType", value);
        MessageBoxWatcher watcher;
        Drop(m_sources + "\\a.txt");
        EXPECT_TRUE(watcher.Boxes().empty());
        EXPECT_EQ(std::vector<std::string>{"docs"}, FolderEntries(m_classFolder));
        EXPECT_TRUE(FolderEntries(m_classFolder + "\\docs").empty());
        EXPECT_EQ("a", ReadFileBytes(m_sources + "\\a.txt"));
    }
}

class ForeignAutoSaveTest : public ProgramTest, public testing::WithParamInterface<ForeignSetting> {};

// An "AutoSave" of another type reads as off: leaving writes no file.
TEST_P(ForeignAutoSaveTest, LeavesWithoutSaving)
{
    StoreRaw("AutoSave", GetParam().type, GetParam().bytes);
    Command(MainWindow(), IDCANCEL);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_TRUE(FolderEntries(m_startDir.Path()).empty());
}

INSTANTIATE_TEST_SUITE_P(Types, ForeignAutoSaveTest, testing::ValuesIn(kForeignSettings),
                         [](const testing::TestParamInfo<ForeignSetting>& info) { return std::to_string(info.index); });

// What the "Option" dialog showed when it came up; OK is then pressed.
struct OptionShown {
    bool found = false;
    int radio = -1;  // 0 Link, 1 Copy, 2 Move
    bool autoSave = false;
};

OptionShown g_optionShown;

BOOL CALLBACK FindOption(HWND window, LPARAM found)
{
    char caption[32] = "";
    ::GetWindowTextA(window, caption, sizeof caption);
    if (lstrcmpA(caption, "Option") == 0 && ::IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK PressOkInOption(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindOption, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr)
        return;
    ::KillTimer(nullptr, id);
    g_optionShown.found = true;
    const int radios[3] = {IDC_TYPE_LINK, IDC_TYPE_COPY, IDC_TYPE_MOVE};
    for (int i = 0; i < 3; ++i) {
        if (::IsDlgButtonChecked(dialog, radios[i]) == BST_CHECKED)
            g_optionShown.radio = i;
    }
    g_optionShown.autoSave = ::IsDlgButtonChecked(dialog, IDC_AUTO_SAVE) == BST_CHECKED;
    ::SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
}

// Values of another type show as absent (Link, no auto-save), and OK puts
// proper four-byte values in their place.
TEST_F(BadClassFileTest, ForeignSettingsInTheOptionDialog)
{
    for (const ForeignSetting& setting : kForeignSettings) {
        SCOPED_TRACE(setting.what);
        StoreRaw("ClassType", setting.type, setting.bytes);
        StoreRaw("AutoSave", setting.type, setting.bytes);
        g_optionShown = OptionShown();
        UINT_PTR timer = ::SetTimer(nullptr, 0, 10, PressOkInOption);
        Command(MainWindow(), IDC_OPTION);
        ::KillTimer(nullptr, timer);
        ASSERT_TRUE(g_optionShown.found);
        EXPECT_EQ(0, g_optionShown.radio);
        EXPECT_FALSE(g_optionShown.autoSave);
        DWORD value = 99;
        ASSERT_TRUE(GetSetting("ClassType", &value));
        EXPECT_EQ(0u, value);
        ASSERT_TRUE(GetSetting("AutoSave", &value));
        EXPECT_EQ(0u, value);
    }
}

// Any non-zero DWORD is on, however large.
TEST_F(BadClassFileTest, AutoSaveOutOfRangeCountsAsOn)
{
    SetSetting("AutoSave", 0xFFFFFFFFu);
    Command(MainWindow(), IDCANCEL);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_EQ(2628u, ReadFileBytes(ClassFile()).size());
}

// The start directory sits under a folder whose names hold trail bytes
// that look like a backslash and a bar.
class DoubleByteStartTest : public ProgramTest {
protected:
    void SetUp() override
    {
        REQUIRE_CODE_PAGE_932();
        m_dir = m_outer / "\x95\x5C";  // 表
        ::CreateDirectoryA(m_dir.c_str(), nullptr);
        m_dir += "\\\x83\x7C\x83\x5C";  // ポソ
        ASSERT_TRUE(::CreateDirectoryA(m_dir.c_str(), nullptr));
        char previous[MAX_PATH];
        ::GetCurrentDirectoryA(MAX_PATH, previous);
        ASSERT_TRUE(::SetCurrentDirectoryA(m_dir.c_str()));
        DeleteSettings();
        SetShiftKey(false);
        ASSERT_TRUE(theApp.InitInstance());
        ::SetCurrentDirectoryA(previous);
        m_previousDir = previous;
        PumpPending();
    }

    TempDir m_outer;
    std::string m_dir;
};

TEST_F(DoubleByteStartTest, SaveAndLoadUseTheClassFileThere)
{
    ASSERT_STREQ(m_dir.c_str(), Main().m_strStartDir);
    Command(MainWindow(), IDC_CLASS_BUTTON1);
    SetItemText(ClassWindow(1), IDC_CLASS_NAME, "\x95\x5C");
    Command(ClassWindow(1), IDCANCEL);
    Command(MainWindow(), IDC_SAVE);
    EXPECT_EQ(std::vector<std::string>{"tova.cls"}, FolderEntries(m_dir));
    EXPECT_EQ(std::vector<std::string>{"\x95\x5C"}, FolderEntries(m_outer.Path()));
    EXPECT_EQ(std::vector<std::string>{"\x83\x7C\x83\x5C"}, FolderEntries(m_outer / "\x95\x5C"));

    Main().ClassWindow(1).SetName("");
    MessageBoxWatcher watcher;
    Command(MainWindow(), IDC_LOAD);
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_STREQ("\x95\x5C", Main().ClassWindow(1).GetName());

    // Missing, it is reported under its double-byte path.
    ::DeleteFileA((m_dir + "\\tova.cls").c_str());
    Command(MainWindow(), IDC_LOAD);
    ASSERT_EQ(1u, watcher.Boxes().size());
    EXPECT_EQ(Wide(m_dir + "\\tova.cls") + L" が見つかりませんでした。", watcher.Boxes()[0].text);
}

// No readme in the start directory: the program says nothing and goes on.
TEST_F(ProgramTest, MissingReadmeIsNotReported)
{
    MessageBoxWatcher watcher;
    Command(MainWindow(), ID_README);
    PumpPending();
    EXPECT_TRUE(watcher.Boxes().empty());
    EXPECT_TRUE(FolderEntries(m_startDir.Path()).empty());
    EXPECT_TRUE(::IsWindowVisible(MainWindow()));
}

}  // namespace
