#pragma once
// Shortcut files read and written through the shell link object itself, so
// tests see what any other program would.

#include <windows.h>

#include <string>

struct ShortcutData {
    bool loaded = false;
    std::string path;
    std::string workingDirectory;
    std::string arguments;
    std::string description;
    std::string iconPath;
    int iconIndex = -1;
};

ShortcutData ReadShortcut(const std::string& linkPath);
// A shortcut storing target as its path, whether or not target exists.
bool WriteShortcut(const std::string& linkPath, const std::string& target);
