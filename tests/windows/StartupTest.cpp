#include "tests/windows/Support.h"

#include <shlwapi.h>

namespace {

TEST_F(ProgramTest, MainWindowOwnsEightHiddenNumberedClassWindows)
{
    char caption[64] = "";
    ::GetWindowTextA(MainWindow(), caption, sizeof caption);
    EXPECT_STREQ("Fenlow by Orvane", caption);
    EXPECT_TRUE(::IsWindowVisible(MainWindow()));
    EXPECT_EQ(theApp.m_strAppName, "Fenlow");

    for (int number = 1; number <= kClassCount; ++number) {
        SCOPED_TRACE(number);
        HWND window = ClassWindow(number);
        ASSERT_TRUE(::IsWindow(window));
        EXPECT_FALSE(::IsWindowVisible(window));
        EXPECT_EQ(MainWindow(), ::GetWindow(window, GW_OWNER));
        EXPECT_EQ(number, Main().ClassWindow(number).GetNumber());
        ::GetWindowTextA(window, caption, sizeof caption);
        EXPECT_STREQ("file classification", caption);
        EXPECT_TRUE(::IsWindowEnabled(MainItem(IDC_CLASS_BUTTON_BASE + number)));
    }
}

TEST_F(ProgramTest, StartDirectoryIsTheCurrentDirectoryAtStartUp)
{
    EXPECT_EQ(Main().m_strStartDir, m_startDir.Path().c_str());
    EXPECT_EQ(Main().m_strBaseFolder, "");
    EXPECT_EQ("", ItemText(MainWindow(), IDC_BASE_FOLDER));
}

TEST_F(ProgramTest, SystemMenuCarriesTheVersionItem)
{
    HMENU menu = ::GetSystemMenu(MainWindow(), FALSE);
    int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(16u, ::GetMenuItemID(menu, count - 1));
    wchar_t text[64] = L"";
    ::GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"Fenlow のﾊﾞｰｼﾞｮﾝ情報(&A)...", text);
    MENUITEMINFOA separator = {};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(menu, count - 2, TRUE, &separator);
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
}

TEST_F(ProgramTest, WindowIconIsIcon128)
{
    EXPECT_NE(nullptr, Main().m_hIcon);
    EXPECT_EQ(reinterpret_cast<LRESULT>(Main().m_hIcon), ::SendMessageA(MainWindow(), WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(Main().m_hIcon), ::SendMessageA(MainWindow(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(Main().m_hIcon), ::SendMessageA(MainWindow(), WM_QUERYDRAGICON, 0, 0));
}

// Every way of leaving ends in OnCancel: the main window and its class
// windows are destroyed and the quit message carries exit code 0.
class LeaveTest : public ProgramTest, public testing::WithParamInterface<int> {};

TEST_P(LeaveTest, DestroysEverythingAndPostsQuitWithZero)
{
    HWND main = MainWindow();
    HWND classWindow = ClassWindow(3);
    switch (GetParam()) {
    case 0:  // Esc, and "E&xit" of the context menu
        Command(main, IDCANCEL);
        break;
    case 1:  // the close box and Alt+F4
        ::SendMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case 2:
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        break;
    }
    MSG msg = {};
    bool quit = false;
    for (int round = 0; round < 100 && !quit; ++round) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                break;
            }
            theApp.PumpMessage(&msg);
        }
        if (!quit)
            ::Sleep(5);
    }
    ASSERT_TRUE(quit);
    EXPECT_EQ(0u, msg.wParam);
    EXPECT_FALSE(::IsWindow(main));
    EXPECT_FALSE(::IsWindow(classWindow));
    EXPECT_EQ(nullptr, AfxGetMainWnd());
}

INSTANTIATE_TEST_SUITE_P(Ways, LeaveTest, testing::Values(0, 1, 2));

// The real executable, started as a separate process.
struct RunningProgram {
    PROCESS_INFORMATION process = {};
    HWND main = nullptr;
};

BOOL CALLBACK FindMainOf(HWND window, LPARAM param)
{
    auto* program = reinterpret_cast<RunningProgram*>(param);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char caption[64] = "";
    ::GetWindowTextA(window, caption, sizeof caption);
    if (processId == program->process.dwProcessId && lstrcmpA(caption, "Fenlow by Orvane") == 0) {
        program->main = window;
        return FALSE;
    }
    return TRUE;
}

std::string ExecutablePath()
{
    std::string path = "Z:" FENLOW_EXE;
    for (char& ch : path)
        if (ch == '/')
            ch = '\\';
    return path;
}

void StartAndLeave(const std::string& exe, const std::string& startDir, DWORD* exitCode)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    RunningProgram program;
    std::string commandLine = "\"" + exe + "\"";
    ASSERT_TRUE(::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, startDir.c_str(),
                                 &startup, &program.process));
    for (int round = 0; round < 400 && program.main == nullptr; ++round) {
        ::Sleep(25);
        ::EnumWindows(FindMainOf, reinterpret_cast<LPARAM>(&program));
    }
    EXPECT_NE(nullptr, program.main);
    if (program.main != nullptr)
        ::PostMessageA(program.main, WM_COMMAND, IDCANCEL, 0);
    if (::WaitForSingleObject(program.process.hProcess, 20000) != WAIT_OBJECT_0)
        ::TerminateProcess(program.process.hProcess, 99);
    ::GetExitCodeProcess(program.process.hProcess, exitCode);
    ::CloseHandle(program.process.hThread);
    ::CloseHandle(program.process.hProcess);
}

bool KeyExists(const char* path)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

TEST(Executable, ExitsWithZeroAfterLeaving)
{
    TempDir startDir;
    DWORD exitCode = 1234;
    StartAndLeave(ExecutablePath(), startDir.Path(), &exitCode);
    EXPECT_EQ(0u, exitCode);
    EXPECT_FALSE(PathExists(startDir / "tova.cls"));  // auto save is off by default
}

TEST(Executable, SettingsLocationDoesNotFollowTheFileName)
{
    DeleteSettings();
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane\\Sorter");
    TempDir startDir;
    std::string copy = startDir / "Sorter.exe";
    ASSERT_TRUE(::CopyFileA(ExecutablePath().c_str(), copy.c_str(), FALSE));
    DWORD exitCode = 1234;
    StartAndLeave(copy, startDir.Path(), &exitCode);
    EXPECT_EQ(0u, exitCode);
    // Leaving read "AutoSave", which creates the key path under the program's own name.
    EXPECT_TRUE(KeyExists("Software\\Orvane\\Fenlow\\Option"));
    EXPECT_FALSE(KeyExists("Software\\Orvane\\Sorter"));
    DeleteSettings();
}

}  // namespace
