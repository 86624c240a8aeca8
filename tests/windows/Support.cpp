#include "tests/windows/Support.h"

#include <algorithm>
#include <cstring>

#include <shlobj.h>
#include <shlwapi.h>

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        theApp.PumpMessage(&msg);
    }
}

TempDir::TempDir()
{
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        char name[MAX_PATH];
        wsprintfA(name, "%sfenlow-%lu-%u", base, ::GetCurrentProcessId(), ++counter);
        if (::CreateDirectoryA(name, nullptr)) {
            m_path = name;
            break;
        }
    }
}

TempDir::~TempDir()
{
    RemoveTree(m_path);
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (::ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    ::CloseHandle(file);
    return bytes;
}

bool PathExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (std::strcmp(data.cFileName, ".") != 0 && std::strcmp(data.cFileName, "..") != 0)
            names.push_back(data.cFileName);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::string& path)
{
    if (IsFolder(path)) {
        for (const std::string& name : FolderEntries(path))
            RemoveTree(path + "\\" + name);
        ::RemoveDirectoryA(path.c_str());
    } else {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
    }
}

HDROP MakeDrop(const std::vector<std::string>& paths)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths)
        size += path.size() + 1;
    HGLOBAL memory = ::GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    char* text = reinterpret_cast<char*>(drop + 1);
    for (const std::string& path : paths) {
        std::memcpy(text, path.c_str(), path.size() + 1);
        text += path.size() + 1;
    }
    *text = '\0';
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

void SetShiftKey(bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    keys[VK_LSHIFT] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

namespace {

const char kSettingsKey[] = "Software\\Orvane\\Fenlow\\Option";

}  // namespace

void DeleteSettings()
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane");
}

void SetSetting(const char* name, DWORD value)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                               &key, nullptr));
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(key);
}

bool GetSetting(const char* name, DWORD* value)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD size = sizeof *value;
    LONG status = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_DWORD;
}

std::wstring Wide(const std::string& ansi)
{
    int length = ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length > 0 ? length - 1 : 0));
    return wide;
}

MessageBoxWatcher* MessageBoxWatcher::s_pActive = nullptr;

MessageBoxWatcher::MessageBoxWatcher()
    : m_hook(::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId()))
{
    s_pActive = this;
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    ::UnhookWindowsHookEx(m_hook);
    s_pActive = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && s_pActive != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[32] = "";
        ::GetClassNameA(window, className, sizeof className);
        // A message box is a system dialog with its text in static 0xFFFF.
        if (std::strcmp(className, "#32770") == 0 && ::GetDlgItem(window, 0xFFFF) != nullptr &&
            CWnd::FromHandlePermanent(window) == nullptr)
            ::SetTimer(window, 0xB0C5, 1, ReadAndClose);
    }
    return ::CallNextHookEx(s_pActive != nullptr ? s_pActive->m_hook : nullptr, code, wParam, lParam);
}

void CALLBACK MessageBoxWatcher::ReadAndClose(HWND box, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(box, id);
    ShownBox shown;
    wchar_t text[1024] = L"";
    ::GetWindowTextW(box, text, 1024);
    shown.caption = text;
    ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
    shown.text = text;
    shown.owner = ::GetWindow(box, GW_OWNER);
    // The icon static has id 20 on Windows and another id under Wine: find it by style.
    HICON icon = nullptr;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char childClass[16] = "";
        ::GetClassNameA(child, childClass, sizeof childClass);
        if (lstrcmpiA(childClass, "Static") == 0 && (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            ::IsWindowVisible(child))
            icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
    }
    shown.icon = BoxIcon::None;
    if (icon != nullptr) {
        if (icon == ::LoadIconW(nullptr, MAKEINTRESOURCEW(32515)))
            shown.icon = BoxIcon::Exclamation;
        else if (icon == ::LoadIconW(nullptr, MAKEINTRESOURCEW(32513)))
            shown.icon = BoxIcon::Stop;
        else if (icon == ::LoadIconW(nullptr, MAKEINTRESOURCEW(32516)))
            shown.icon = BoxIcon::Information;
        else if (icon == ::LoadIconW(nullptr, MAKEINTRESOURCEW(32514)))
            shown.icon = BoxIcon::Question;
    }
    if (s_pActive != nullptr)
        s_pActive->m_boxes.push_back(shown);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void ProgramTest::SetUp()
{
    char previous[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    m_previousDir = previous;
    ::SetCurrentDirectoryA(m_startDir.Path().c_str());
    DeleteSettings();
    SetShiftKey(false);
    ASSERT_TRUE(theApp.InitInstance());
    ASSERT_NE(nullptr, AfxGetMainWnd());
    PumpPending();
}

void ProgramTest::TearDown()
{
    if (AfxGetMainWnd() != nullptr)
        ::DestroyWindow(AfxGetMainWnd()->m_hWnd);
    PumpPending();
    ::SetCurrentDirectoryA(m_previousDir.c_str());
    DeleteSettings();
}

std::string ProgramTest::ItemText(HWND window, int id)
{
    char text[1024] = "";
    ::GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

void SortingTest::SetUp()
{
    ProgramTest::SetUp();
    ::CreateDirectoryA(m_sources.c_str(), nullptr);
    ::CreateDirectoryA(m_classFolder.c_str(), nullptr);
}
