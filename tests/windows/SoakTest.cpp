// Long use: drops of thousands of files, and a thousand openings of every
// window, after which the process holds what it held before. Run under the
// "soak" label.

#include "res/resource.h"
#include "tests/windows/Shortcuts.h"
#include "tests/windows/Support.h"

#include <psapi.h>

#include <algorithm>
#include <iostream>

namespace {

const int kFiles = 10000;
// Each shortcut goes through the shell's link object and its save, far
// slower under Wine than a copy or a move: links soak with fewer files.
const int kLinkFiles = 1000;
const int kCycles = 1000;

std::string FileName(int index) { return "file" + std::to_string(index) + ".txt"; }
std::string FileBytes(int index) { return "bytes of " + std::to_string(index); }

class SoakDropTest : public ProgramTest, public testing::WithParamInterface<DWORD> {
protected:
    TempDir m_temp;
    std::string m_sources = m_temp / "src";
    std::string m_classFolder = m_temp / "classes";
    std::string m_destination = m_classFolder + "\\docs";
};

TEST_P(SoakDropTest, ThousandsOfFilesInOneDrop)
{
    const DWORD type = GetParam();
    const int files = type == 0 ? kLinkFiles : kFiles;
    ::CreateDirectoryA(m_sources.c_str(), nullptr);
    ::CreateDirectoryA(m_classFolder.c_str(), nullptr);
    std::vector<std::string> paths;
    for (int i = 0; i < files; ++i) {
        paths.push_back(m_sources + "\\" + FileName(i));
        WriteFileBytes(paths.back(), FileBytes(i));
    }
    SetSetting("ClassType", type);
    Main().ShowClassWindow(1, SW_SHOW);
    Main().ClassWindow(1).SetFolderAndUpdate(m_classFolder.c_str());
    SetItemText(ClassWindow(1), IDC_CLASS_NAME, "docs");
    MessageBoxWatcher watcher;

    ::SendMessageA(ClassWindow(1), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);

    EXPECT_TRUE(watcher.Boxes().empty());
    std::vector<std::string> placed = FolderEntries(m_destination);
    ASSERT_EQ(static_cast<size_t>(files), placed.size());
    int wrong = 0;
    for (int i = 0; i < files; ++i) {
        std::string name = FileName(i);
        if (type == 0) {
            name = name.substr(0, name.size() - 4) + ".lnk";
            // Reading every shortcut back through the shell is slow; every
            // hundredth shows they point where they should.
            if (i % 100 == 0 && ReadShortcut(m_destination + "\\" + name).path != paths[static_cast<size_t>(i)])
                ++wrong;
        } else if (ReadFileBytes(m_destination + "\\" + name) != FileBytes(i)) {
            ++wrong;
        }
        if (!std::binary_search(placed.begin(), placed.end(), name))
            ++wrong;
    }
    EXPECT_EQ(0, wrong);
    std::vector<std::string> left = FolderEntries(m_sources);
    if (type == 2) {
        EXPECT_TRUE(left.empty()) << left.size();
    } else {
        ASSERT_EQ(static_cast<size_t>(files), left.size());
        for (int i = 0; i < files; i += 97)
            EXPECT_EQ(FileBytes(i), ReadFileBytes(paths[static_cast<size_t>(i)]));
    }
}

std::string TypeName(const testing::TestParamInfo<DWORD>& info)
{
    const char* names[] = {"Link", "Copy", "Move"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Types, SoakDropTest, testing::Values(0u, 1u, 2u), TypeName);

// What the process holds. Under Wine GetGuiResources gives zeros (window and
// GDI objects live inside the process there, where its memory sees them),
// the handle count is not kept, so the open handles are counted one by one,
// and the private bytes are not kept either, so the committed page-file
// bytes stand in for them.
struct Held {
    DWORD user;
    DWORD gdi;
    DWORD handles;
    SIZE_T privateBytes;
};

DWORD CountOpenHandles()
{
    DWORD count = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
            ++count;
    }
    return count;
}

Held Measure()
{
    HANDLE process = ::GetCurrentProcess();
    Held held{};
    held.user = ::GetGuiResources(process, GR_USEROBJECTS);
    held.gdi = ::GetGuiResources(process, GR_GDIOBJECTS);
    if (!::GetProcessHandleCount(process, &held.handles) || held.handles == 0)
        held.handles = CountOpenHandles();
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    ::K32GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    held.privateBytes = counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
    return held;
}

void ExpectFlat(const Held& before, const Held& after, const char* what)
{
    std::cout << what << ": USER " << before.user << " -> " << after.user << ", GDI " << before.gdi << " -> "
              << after.gdi << ", handles " << before.handles << " -> " << after.handles << ", private bytes "
              << before.privateBytes << " -> " << after.privateBytes << "\n";
    EXPECT_EQ(before.user, after.user) << what;
    EXPECT_EQ(before.gdi, after.gdi) << what;
    // A handle or a few may come and go with the system's own caches; one
    // lost per opening would be a thousand.
    EXPECT_LE(after.handles, before.handles + 16) << what;
    EXPECT_NE(0u, after.handles) << what;
    EXPECT_NE(0u, after.privateBytes) << what;
    // A kilobyte lost per opening would be a megabyte.
    EXPECT_LE(after.privateBytes, before.privateBytes + 512 * 1024) << what;
}

const wchar_t kVersionCaption[] = L"Fenlowのﾊﾞｰｼﾞｮﾝ情報";
int g_closed = 0;

BOOL CALLBACK CloseModal(HWND window, LPARAM)
{
    wchar_t caption[64] = L"";
    ::GetWindowTextW(window, caption, 64);
    if (::IsWindowVisible(window) && (::lstrcmpW(caption, L"Option") == 0 || ::lstrcmpW(caption, kVersionCaption) == 0)) {
        ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        ++g_closed;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK CloseModalTick(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), CloseModal, 0);
}

class SoakWindowTest : public ProgramTest {
protected:
    // Opens and closes every class window once.
    void ClassWindowsCycle()
    {
        Command(MainWindow(), ID_OPEN_ALL);
        Command(MainWindow(), ID_CLOSE_ALL);
        for (int number = 1; number <= 8; ++number) {
            Command(MainWindow(), IDC_CLASS_BUTTON1 + number - 1);
            Command(ClassWindow(number), IDCANCEL);
        }
        PumpPending();
    }

    // Runs one modal window from the main window until the timer cancels it.
    void ModalCycle(int command)
    {
        int closed = g_closed;
        UINT_PTR timer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, CloseModalTick);
        Command(MainWindow(), command);
        ::KillTimer(nullptr, timer);
        ASSERT_EQ(closed + 1, g_closed);
        PumpPending();
    }
};

TEST_F(SoakWindowTest, ClassWindowsOpenAndCloseAThousandTimes)
{
    for (int i = 0; i < 20; ++i)
        ClassWindowsCycle();
    Held before = Measure();
    for (int i = 0; i < kCycles; ++i)
        ClassWindowsCycle();
    ExpectFlat(before, Measure(), "class windows");
    for (int number = 1; number <= 8; ++number)
        EXPECT_TRUE(::IsWindowEnabled(MainItem(IDC_CLASS_BUTTON1 + number - 1))) << number;
}

TEST_F(SoakWindowTest, OptionDialogOpensAndClosesAThousandTimes)
{
    for (int i = 0; i < 20; ++i)
        ModalCycle(IDC_OPTION);
    Held before = Measure();
    for (int i = 0; i < kCycles && !HasFatalFailure(); ++i)
        ModalCycle(IDC_OPTION);
    ExpectFlat(before, Measure(), "option dialog");
    EXPECT_TRUE(::IsWindowEnabled(MainWindow()));
}

TEST_F(SoakWindowTest, VersionBoxOpensAndClosesAThousandTimes)
{
    for (int i = 0; i < 20; ++i)
        ModalCycle(ID_VERSION_INFO);
    Held before = Measure();
    for (int i = 0; i < kCycles && !HasFatalFailure(); ++i)
        ModalCycle(ID_VERSION_INFO);
    ExpectFlat(before, Measure(), "version box");
    EXPECT_TRUE(::IsWindowEnabled(MainWindow()));
}

}  // namespace
