// A stand-in browser for the link tests: it writes the command line it was
// started with to the file named by FENLOW_RECORD_FILE and ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char target[MAX_PATH];
    DWORD length = ::GetEnvironmentVariableA("FENLOW_RECORD_FILE", target, MAX_PATH);
    if (length == 0 || length >= MAX_PATH - 8)
        return 1;
    char part[MAX_PATH];
    ::lstrcpyA(part, target);
    ::lstrcatA(part, ".part");
    HANDLE file = ::CreateFileA(part, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 2;
    const char* line = ::GetCommandLineA();
    DWORD written = 0;
    ::WriteFile(file, line, static_cast<DWORD>(::lstrlenA(line)), &written, nullptr);
    ::CloseHandle(file);
    // Whole or not at all: the test waits for the name to appear.
    return ::MoveFileExA(part, target, MOVEFILE_REPLACE_EXISTING) ? 0 : 3;
}
