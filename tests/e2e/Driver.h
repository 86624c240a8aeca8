#pragma once
// Drives the shipped Fenlow.exe from outside, as a user meets it: a second
// program in the same Wine prefix, reading what the windows show.

#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

// A scratch folder on Wine's Z: drive (the Unix /tmp), so X programs such as
// the drag source reach the same files.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

std::string UnixPath(const std::string& windowsPath);
void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);
bool Exists(const std::string& path);
std::vector<std::string> Entries(const std::string& folder);
void RemoveAll(const std::string& path);

// Waits up to the bound for the condition, checking every few milliseconds.
template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = 10000)
{
    for (int waited = 0; waited < milliseconds; waited += 20) {
        if (condition())
            return true;
        ::Sleep(20);
    }
    return condition();
}

std::wstring TextOf(HWND window);
std::wstring ItemTextOf(HWND window, int id);

struct Box {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
};

// One running Fenlow.exe, ended when the object goes.
class Fenlow {
public:
    explicit Fenlow(const std::string& startDir);
    ~Fenlow();
    Fenlow(const Fenlow&) = delete;
    Fenlow& operator=(const Fenlow&) = delete;

    HWND Main() const { return m_main; }
    bool Running() const;
    bool WaitForExit(DWORD* exitCode, int milliseconds = 10000);

    // Visible top-level windows of the process with this caption.
    std::vector<HWND> Windows(const std::wstring& caption) const;
    HWND WaitForWindow(const std::wstring& caption, int milliseconds = 10000) const;
    // The message box that is up now, or one that comes within the bound.
    Box WaitForBox(int milliseconds = 10000) const;

    // Presses a button as a click would (checked enabled first: Wine would
    // click a disabled one too).
    void Click(HWND dialog, int id) const;
    // Opens class window n with its button; the window that appeared.
    HWND OpenClass(int number) const;
    void PressKey(HWND control, WORD key) const;

private:
    PROCESS_INFORMATION m_process;
    HWND m_main;
};

// Runs a Unix command line through /bin/sh; true once it has succeeded.
bool RunUnix(std::string command, int milliseconds = 20000);
// A window's caption and its controls' texts, for failure messages.
std::string Describe(HWND window);
// Drags files from an X drag source onto a screen point; true once done.
bool DragFiles(const std::vector<std::string>& files, POINT target, bool shift = false);
POINT CentreOf(HWND window);
