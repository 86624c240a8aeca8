#include "Driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

ScratchDir::ScratchDir()
{
    static unsigned counter = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "Z:\\tmp\\fenlow-e2e-%lu-%u", ::GetCurrentProcessId(), ++counter);
        if (::CreateDirectoryA(name, nullptr)) {
            m_path = name;
            return;
        }
    }
}

ScratchDir::~ScratchDir()
{
    RemoveAll(m_path);
}

std::string UnixPath(const std::string& windowsPath)
{
    std::string path = windowsPath.substr(2);  // Z: is the Unix root
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

void WriteText(const std::string& path, const std::string& text)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, file) << path;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

std::string ReadText(const std::string& path)
{
    std::string text;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return text;
    char chunk[4096];
    size_t read;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, read);
    std::fclose(file);
    return text;
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveAll(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::string& name : Entries(path))
            RemoveAll(path + "\\" + name);
        ::RemoveDirectoryA(path.c_str());
    } else {
        ::DeleteFileA(path.c_str());
    }
}

std::wstring TextOf(HWND window)
{
    // GetWindowText does not ask another process's controls for their text.
    wchar_t text[1024] = L"";
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
    return text;
}

std::wstring ItemTextOf(HWND window, int id)
{
    wchar_t text[1024] = L"";
    ::GetDlgItemTextW(window, id, text, 1024);
    return text;
}

namespace {

std::string ExecutablePath()
{
    std::string path = "Z:" FENLOW_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

struct WindowSearch {
    DWORD processId;
    std::wstring caption;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindows(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && ::IsWindowVisible(window) &&
        (search->caption.empty() || TextOf(window) == search->caption))
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

Fenlow::Fenlow(const std::string& startDir) : m_process(), m_main(nullptr)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string exe = ExecutablePath();
    std::string commandLine = "\"" + exe + "\"";
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, startDir.c_str(), &startup,
                          &m_process)) {
        ADD_FAILURE() << "could not start " << exe;
        return;
    }
    m_main = WaitForWindow(L"Fenlow by Orvane", 20000);
    EXPECT_NE(nullptr, m_main) << "the main window did not appear";
}

Fenlow::~Fenlow()
{
    if (m_process.hProcess == nullptr)
        return;
    if (Running()) {
        // Leave without auto save's reports standing in the way.
        if (m_main != nullptr)
            ::PostMessageA(m_main, WM_COMMAND, IDCANCEL, 0);
        if (::WaitForSingleObject(m_process.hProcess, 5000) != WAIT_OBJECT_0)
            ::TerminateProcess(m_process.hProcess, 99);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

bool Fenlow::Running() const
{
    return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool Fenlow::WaitForExit(DWORD* exitCode, int milliseconds)
{
    if (::WaitForSingleObject(m_process.hProcess, static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0)
        return false;
    ::GetExitCodeProcess(m_process.hProcess, exitCode);
    return true;
}

std::vector<HWND> Fenlow::Windows(const std::wstring& caption) const
{
    WindowSearch search{m_process.dwProcessId, caption, {}};
    ::EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Fenlow::WaitForWindow(const std::wstring& caption, int milliseconds) const
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            std::vector<HWND> windows = Windows(caption);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        milliseconds);
    return found;
}

Box Fenlow::WaitForBox(int milliseconds) const
{
    Box box;
    WaitFor(
        [&] {
            for (HWND window : Windows(L"")) {
                char className[16] = "";
                ::GetClassNameA(window, className, sizeof className);
                if (lstrcmpA(className, "#32770") == 0 && ::GetDlgItem(window, 0xFFFF) != nullptr) {
                    box.window = window;
                    box.caption = TextOf(window);
                    box.text = ItemTextOf(window, 0xFFFF);
                    return true;
                }
            }
            return false;
        },
        milliseconds);
    return box;
}

void Fenlow::Click(HWND dialog, int id) const
{
    HWND button = ::GetDlgItem(dialog, id);
    ASSERT_NE(nullptr, button) << "no control " << id;
    ASSERT_TRUE(::IsWindowEnabled(button)) << "control " << id << " is disabled";
    ::PostMessageA(button, BM_CLICK, 0, 0);
}

HWND Fenlow::OpenClass(int number) const
{
    std::vector<HWND> before = Windows(L"file classification");
    Click(m_main, 1006 + number);
    HWND opened = nullptr;
    WaitFor([&] {
        for (HWND window : Windows(L"file classification"))
            if (std::find(before.begin(), before.end(), window) == before.end())
                opened = window;
        return opened != nullptr;
    });
    // The button is disabled last, once the window shows its fields.
    WaitFor([&] { return !::IsWindowEnabled(::GetDlgItem(m_main, 1006 + number)); });
    return opened;
}

void Fenlow::PressKey(HWND control, WORD key) const
{
    ::PostMessageA(control, WM_KEYDOWN, key, 1);
    ::PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

POINT CentreOf(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    return centre;
}

bool RunUnix(std::string command, int milliseconds)
{
    ScratchDir marker;
    std::string done = marker / "done";
    command = "/bin/sh -c \"" + command + " && touch " + UnixPath(done) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // Wine starts a Unix program directly; its end shows as the marker file.
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return WaitFor([&] { return Exists(done); }, milliseconds);
}

bool DragFiles(const std::vector<std::string>& files, POINT target, bool shift)
{
    std::string command = "/usr/bin/python3 " FENLOW_DRAG_SOURCE " " + std::to_string(target.x) + " " +
                          std::to_string(target.y) + (shift ? " --shift" : "");
    for (const std::string& file : files)
        command += " " + UnixPath(file);
    return RunUnix(command, 30000);
}

std::string Describe(HWND window)
{
    if (window == nullptr || !::IsWindow(window))
        return "(no window)";
    std::wstring description = L"[" + TextOf(window) + L"]";
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        description += L" {" + std::to_wstring(::GetDlgCtrlID(child)) + L": " + TextOf(child) +
                       (::IsWindowEnabled(child) ? L"" : L" (disabled)") + L"}";
    char text[4096] = "";
    ::WideCharToMultiByte(CP_UTF8, 0, description.c_str(), -1, text, sizeof text, nullptr, nullptr);
    return text;
}
