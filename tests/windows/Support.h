#pragma once
// What the Windows tests share: the running program in process, a scratch
// folder, drop lists, and message boxes read back from their real windows.

#include "app/MainDlg.h"
#include "res/resource.h"
#include "tests/windows/TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Runs every message already queued for this thread.
void PumpPending();

// A fresh folder under %TEMP%, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
// Names in a folder, sorted, without "." and "..".
std::vector<std::string> FolderEntries(const std::string& folder);
void RemoveTree(const std::string& path);

// An ANSI drop list as the shell hands it over; the receiver frees it.
HDROP MakeDrop(const std::vector<std::string>& paths);

// Sets or clears Shift in this thread's key state, as a drop would see it.
void SetShiftKey(bool down);

void DeleteSettings();
void SetSetting(const char* name, DWORD value);
// The stored value, if it is a REG_DWORD.
bool GetSetting(const char* name, DWORD* value);

// Skips double-byte tests where the code page is not 932 (they would pass
// without testing anything).
#define REQUIRE_CODE_PAGE_932() \
    ASSERT_EQ(932u, ::GetACP()) << "run under LANG=ja_JP.UTF-8 with the locale generated"

enum class BoxIcon { None, Exclamation, Stop, Information, Question };

struct ShownBox {
    std::wstring caption;
    std::wstring text;
    BoxIcon icon;
    HWND owner;
};

// Records every message box shown on this thread while it lives and presses
// its default button (OK) as soon as it is up.
class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    const std::vector<ShownBox>& Boxes() const { return m_boxes; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK ReadAndClose(HWND, UINT, UINT_PTR, DWORD);
    HHOOK m_hook;
    std::vector<ShownBox> m_boxes;
    static MessageBoxWatcher* s_pActive;
};

std::wstring Wide(const std::string& ansi);

// The program started as at its launch, in a scratch start directory with
// no settings; torn down without going through OnCancel.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CMainDlg& Main() { return *static_cast<CMainDlg*>(AfxGetMainWnd()); }
    HWND MainWindow() { return AfxGetMainWnd()->m_hWnd; }
    HWND ClassWindow(int number) { return Main().ClassWindow(number).m_hWnd; }
    HWND MainItem(int id) { return ::GetDlgItem(MainWindow(), id); }
    void Command(HWND window, int id) { ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    std::string ItemText(HWND window, int id);
    void SetItemText(HWND window, int id, const std::string& text) { ::SetDlgItemTextA(window, id, text.c_str()); }

    TempDir m_startDir;
    std::string m_previousDir;
};

// The program with a scratch source folder (<temp>\src) and a class folder
// (<temp>\classes) to sort into.
class SortingTest : public ProgramTest {
protected:
    void SetUp() override;

    TempDir m_temp;
    std::string m_sources = m_temp / "src";
    std::string m_classFolder = m_temp / "classes";
};
