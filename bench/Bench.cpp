// Times Fenlow's classify path against the bare platform operation and the
// least work the classifier must do per file, start-up against a trivial
// dialog program, and the footprint. Prints figures; asserts nothing.
// Usage: fenlow_bench FENLOW_EXE TRIVIAL_EXE
#include "app/MainDlg.h"
#include "classify/ClassDlg.h"
#include "res/resource.h"

#include <objbase.h>
#include <psapi.h>
#include <shlobj.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const char kSettingsPath[] = "Software\\Orvane\\Fenlow\\Option";

double Now()
{
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0)
        ::QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

struct Stats {
    double median, min, max;
};

Stats StatsOf(std::vector<double> samples)
{
    if (samples.empty())
        return {0, 0, 0};
    std::sort(samples.begin(), samples.end());
    size_t n = samples.size();
    double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front(), samples.back()};
}

void SetClassType(DWORD type)
{
    HKEY key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == 0) {
        ::RegSetValueExA(key, "ClassType", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&type), sizeof type);
        ::RegCloseKey(key);
    }
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileA(child.c_str());
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(path.c_str());
}

void WriteFile(const std::string& path, size_t size)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    std::vector<char> block(1 << 20, 'x');
    for (size_t left = size; left > 0;) {
        DWORD chunk = static_cast<DWORD>(std::min(left, block.size()));
        DWORD written = 0;
        ::WriteFile(file, block.data(), chunk, &written, nullptr);
        left -= chunk;
    }
    ::CloseHandle(file);
}

// The least the classifier must do beyond the operation: the settings read,
// the destination folder's existence, the source's found entry.
struct Mandated {
    static void Read()
    {
        HKEY key;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                              nullptr) == 0) {
            DWORD value = 0, size = sizeof value, type = 0;
            ::RegQueryValueExA(key, "ClassType", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
            ::RegCloseKey(key);
        }
    }
    static void Lookups(const std::string& folder, const std::string& source)
    {
        Read();
        ::GetFileAttributesA(folder.c_str());
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA(source.c_str(), &data);
        if (find != INVALID_HANDLE_VALUE)
            ::FindClose(find);
    }
};

std::string NameOf(const std::string& path)
{
    return path.substr(path.rfind('\\') + 1);
}

std::string TitleOf(const std::string& path)
{
    std::string name = NameOf(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool BareShortcut(const std::string& linkPath, const std::string& target)
{
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH];
        ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
        saved = SUCCEEDED(file->Save(wide, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

struct Row {
    std::string what;
    Stats full, bare, minimum;
    double fullMB, bareMB, minimumMB;  // throughput, MB/s; 0 when not shown
};

std::vector<Row> g_rows;
int g_failures = 0;

enum Kind { kLinkKind = 0, kCopyKind = 1, kMoveKind = 2 };

// One source set per column for Move (a moved file is gone); Copy and Link
// share one set. Each column writes to a destination folder of its own.
void RunPlacement(const std::string& root, const char* what, Kind kind, int count, size_t size)
{
    std::string work = root + "\\" + what;
    RemoveTree(work);
    ::CreateDirectoryA(work.c_str(), nullptr);
    const char* columns[3] = {"full", "bare", "minimum"};
    std::vector<std::string> sources[3];
    for (int column = 0; column < 3; ++column) {
        std::string folder = work + "\\src-" + columns[kind == kMoveKind ? column : 0];
        ::CreateDirectoryA(folder.c_str(), nullptr);
        std::string classes = work + "\\classes-" + columns[column];
        ::CreateDirectoryA(classes.c_str(), nullptr);
        ::CreateDirectoryA((classes + "\\docs").c_str(), nullptr);
        for (int i = 0; i < count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "\\file%04d.dat", i);
            sources[column].push_back(folder + name);
            if (kind == kMoveKind || column == 0)
                WriteFile(sources[column].back(), size);
        }
    }
    SetClassType(static_cast<DWORD>(kind));
    bool big = size >= (1u << 20);
    std::vector<double> samples[3];
    for (int i = 0; i < count; ++i) {
        // A B C, then rotated, so drift falls on every column alike.
        for (int step = 0; step < 3; ++step) {
            int column = (i + step) % 3;
            const std::string& source = sources[column][static_cast<size_t>(i)];
            std::string classes = work + "\\classes-" + columns[column];
            std::string destination = classes + "\\docs";
            std::string target =
                destination + "\\" + (kind == kLinkKind ? TitleOf(source) + ".lnk" : NameOf(source));
            double start = Now();
            bool placed = false;
            if (column == 0) {
                placed = CClassDlg::Classify(source.c_str(), "docs", classes.c_str()) != 0;
            } else {
                if (column == 2)
                    Mandated::Lookups(destination, source);
                if (kind == kCopyKind)
                    placed = ::CopyFileA(source.c_str(), target.c_str(), TRUE) != FALSE;
                else if (kind == kMoveKind)
                    placed = ::MoveFileA(source.c_str(), target.c_str()) != FALSE;
                else
                    placed = BareShortcut(target, source);
            }
            samples[column].push_back(Now() - start);
            if (!placed)
                ++g_failures;
            if (big)
                ::DeleteFileA(target.c_str());  // keeps the disk use to one copy
        }
    }
    RemoveTree(work);
    Row row = {what, StatsOf(samples[0]), StatsOf(samples[1]), StatsOf(samples[2]), 0, 0, 0};
    if (big) {
        double mb = static_cast<double>(size) / (1 << 20);
        row.fullMB = mb / (row.full.median / 1e6);
        row.bareMB = mb / (row.bare.median / 1e6);
        row.minimumMB = mb / (row.minimum.median / 1e6);
    }
    g_rows.push_back(row);
}

HDROP MakeDrop(const std::vector<std::string>& paths)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths)
        size += path.size() + 1;
    HGLOBAL memory = ::GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    char* text = reinterpret_cast<char*>(drop + 1);
    for (const std::string& path : paths) {
        std::memcpy(text, path.c_str(), path.size() + 1);
        text += path.size() + 1;
    }
    *text = '\0';
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

struct Memory {
    double privateKB, peakWorkingSetKB;
};

Memory MemoryOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    // Wine leaves PrivateUsage at 0; the commit charge is the same figure.
    SIZE_T privateBytes = std::max(counters.PrivateUsage, counters.PagefileUsage);
    return {privateBytes / 1024.0, counters.PeakWorkingSetSize / 1024.0};
}

Memory g_inProcessStarted, g_inProcessDropped;

// 1,000 files copied through the class window's real drop handler, against
// the bare copy loop over the same files; per file.
void RunDrop(const std::string& root, int count, int rounds)
{
    std::string work = root + "\\drop";
    RemoveTree(work);
    ::CreateDirectoryA(work.c_str(), nullptr);
    std::string sources = work + "\\src";
    ::CreateDirectoryA(sources.c_str(), nullptr);
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "\\file%04d.dat", i);
        paths.push_back(sources + name);
        WriteFile(paths.back(), 1024);
    }
    SetClassType(kCopyKind);
    CMainDlg* main = static_cast<CMainDlg*>(AfxGetMainWnd());
    HWND classWindow = main->ClassWindow(1).m_hWnd;
    ::SetDlgItemTextA(classWindow, IDC_CLASS_NAME, "docs");
    std::vector<double> dropSamples, bareSamples;
    for (int round = 0; round < rounds; ++round) {
        char name[32];
        std::snprintf(name, sizeof name, "\\classes-%d", round);
        std::string classes = work + name;
        std::string bare = work + name + "-bare";
        ::CreateDirectoryA(classes.c_str(), nullptr);
        ::CreateDirectoryA(bare.c_str(), nullptr);
        ::SetDlgItemTextA(classWindow, IDC_CLASS_FOLDER, classes.c_str());
        HDROP drop = MakeDrop(paths);
        double start = Now();
        ::SendMessageA(classWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        dropSamples.push_back((Now() - start) / count);
        start = Now();
        for (const std::string& path : paths)
            if (!::CopyFileA(path.c_str(), (bare + "\\" + NameOf(path)).c_str(), TRUE))
                ++g_failures;
        bareSamples.push_back((Now() - start) / count);
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA((classes + "\\docs\\*.dat").c_str(), &data);
        int placed = 0;
        if (find != INVALID_HANDLE_VALUE) {
            do
                ++placed;
            while (::FindNextFileA(find, &data));
            ::FindClose(find);
        }
        g_failures += count - placed;
    }
    g_inProcessDropped = MemoryOf(::GetCurrentProcess());
    RemoveTree(work);
    g_rows.push_back({"drop of 1,000 x 1 KB, Copy, per file", StatsOf(dropSamples), StatsOf(bareSamples), {0, 0, 0}, 0,
                      0, 0});
}

struct FindVisible {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<FindVisible*>(lParam);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Microseconds from process creation until its first window is visible;
// negative when none showed.
double StartOnce(const std::string& exe, const std::string& startDir, Memory* memory)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + exe + "\"";
    double start = Now();
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, startDir.c_str(), &startup,
                          &process))
        return -1;
    FindVisible search = {process.dwProcessId, nullptr};
    double shown = -1;
    while (Now() - start < 10e6) {
        ::EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            shown = Now() - start;
            break;
        }
        if (::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        ::Sleep(1);  // a busy poll would take the CPU from the starting program
    }
    if (search.found != nullptr) {
        ::Sleep(200);  // let it settle before its memory is read
        if (memory != nullptr)
            *memory = MemoryOf(process.hProcess);
        ::PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return shown;
}

Stats g_startFenlow, g_startTrivial;
Memory g_childStarted;

void RunStartUp(const std::string& root, const std::string& fenlow, const std::string& trivial, int count)
{
    std::string startDir = root + "\\start";
    ::CreateDirectoryA(startDir.c_str(), nullptr);
    StartOnce(fenlow, startDir, nullptr);  // warms the caches
    StartOnce(trivial, startDir, nullptr);
    std::vector<double> fenlowSamples, trivialSamples;
    for (int i = 0; i < count; ++i) {
        double a = StartOnce(fenlow, startDir, i == 0 ? &g_childStarted : nullptr);
        double b = StartOnce(trivial, startDir, nullptr);
        if (a < 0 || b < 0)
            ++g_failures;
        fenlowSamples.push_back(a);
        trivialSamples.push_back(b);
    }
    RemoveTree(startDir);
    g_startFenlow = StatsOf(fenlowSamples);
    g_startTrivial = StatsOf(trivialSamples);
}

// The parts of the per-file work, each alone.
void RunParts(const std::string& root, int count)
{
    std::string folder = root + "\\parts";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    std::string file = folder + "\\file.dat";
    WriteFile(file, 1024);
    std::vector<double> findFirst, attributes, registry, keyByKey;
    for (int i = 0; i < count; ++i) {
        double start = Now();
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA(folder.c_str(), &data);
        if (find != INVALID_HANDLE_VALUE)
            ::FindClose(find);
        findFirst.push_back(Now() - start);
        start = Now();
        ::GetFileAttributesA(folder.c_str());
        attributes.push_back(Now() - start);
        start = Now();
        Mandated::Read();
        registry.push_back(Now() - start);
        start = Now();
        HKEY keys[4] = {HKEY_CURRENT_USER};
        const char* names[3] = {"Software", "Orvane", "Fenlow"};
        for (int level = 0; level < 3; ++level)
            ::RegCreateKeyExA(keys[level], names[level], 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                              &keys[level + 1], nullptr);
        HKEY option;
        if (::RegCreateKeyExA(keys[3], "Option", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &option, nullptr) ==
            0) {
            DWORD value = 0, size = sizeof value, type = 0;
            ::RegQueryValueExA(option, "ClassType", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
            ::RegCloseKey(option);
        }
        for (int level = 3; level >= 1; --level)
            ::RegCloseKey(keys[level]);
        keyByKey.push_back(Now() - start);
    }
    RemoveTree(folder);
    auto print = [](const char* what, const std::vector<double>& samples) {
        Stats s = StatsOf(samples);
        std::printf("  %-52s %9.1f %9.1f %9.1f\n", what, s.median, s.min, s.max);
    };
    std::printf("\nParts, each alone (us)                                  median       min       max\n");
    print("find-first + close of a folder (the old folder check)", findFirst);
    print("GetFileAttributesA of a folder (the folder check now)", attributes);
    print("RegCreateKeyExA of the whole path + query + close", registry);
    print("the same opened key by key", keyByKey);
}

void PrintRow(const Row& row)
{
    auto cell = [](const Stats& s) { std::printf(" %8.1f %8.1f %8.1f |", s.median, s.min, s.max); };
    std::printf("%-38s|", row.what.c_str());
    cell(row.full);
    cell(row.bare);
    if (row.minimum.median > 0)
        cell(row.minimum);
    else
        std::printf(" %8s %8s %8s |", "-", "-", "-");
    std::printf(" %5.2f x", row.full.median / row.bare.median);
    if (row.minimum.median > 0)
        std::printf(" %5.2f x", row.full.median / row.minimum.median);
    std::printf("\n");
    if (row.fullMB > 0)
        std::printf("%-38s| %8.1f MB/s full, %8.1f MB/s bare, %8.1f MB/s minimum: full at %.2f x bare throughput\n",
                    "", row.fullMB, row.bareMB, row.minimumMB, row.fullMB / row.bareMB);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::printf("usage: fenlow_bench FENLOW_EXE TRIVIAL_EXE\n");
        return 2;
    }
    AfxWinInit(::GetModuleHandleA(nullptr));
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string root = std::string(temp) + "fenlow-bench";
    RemoveTree(root);
    ::CreateDirectoryA(root.c_str(), nullptr);

    // The program as at its launch, in a start directory of its own: Classify
    // reads its settings through the application object.
    std::string startDir = root + "\\program";
    ::CreateDirectoryA(startDir.c_str(), nullptr);
    ::SetCurrentDirectoryA(startDir.c_str());
    if (!AfxGetApp()->InitInstance()) {
        std::printf("the program did not start\n");
        return 1;
    }
    g_inProcessStarted = MemoryOf(::GetCurrentProcess());

    ::CoInitialize(nullptr);  // once for the bare shortcuts; Classify starts its own per call
    RunPlacement(root, "Link, 1,000 x 1 KB", kLinkKind, 1000, 1024);
    RunPlacement(root, "Copy, 1,000 x 1 KB", kCopyKind, 1000, 1024);
    RunPlacement(root, "Move, 1,000 x 1 KB", kMoveKind, 1000, 1024);
    RunPlacement(root, "Copy, 20 x 20 MB", kCopyKind, 20, 20u << 20);
    ::CoUninitialize();
    RunDrop(root, 1000, 5);
    ::DestroyWindow(AfxGetMainWnd()->m_hWnd);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    ::SetCurrentDirectoryA(root.c_str());
    RunStartUp(root, argv[1], argv[2], 10);

    std::printf("Per file, microseconds. full: Fenlow's classify path; bare: the platform operation alone;\n"
                "minimum: bare + the settings read, folder check and source look-up every file needs.\n\n");
    std::printf("%-38s| %26s | %26s | %26s | %7s %7s\n", "", "full", "bare", "minimum", "/bare", "/min");
    std::printf("%-38s| %8s %8s %8s | %8s %8s %8s | %8s %8s %8s |\n", "", "median", "min", "max", "median", "min",
                "max", "median", "min", "max");
    for (const Row& row : g_rows)
        PrintRow(row);
    std::printf("\nStart-up to the main window visible, 10 warm starts (ms): Fenlow.exe %.1f (min %.1f, max %.1f), "
                "trivial dialog %.1f (min %.1f, max %.1f): %.2f x\n",
                g_startFenlow.median / 1000, g_startFenlow.min / 1000, g_startFenlow.max / 1000,
                g_startTrivial.median / 1000, g_startTrivial.min / 1000, g_startTrivial.max / 1000,
                g_startFenlow.median / g_startTrivial.median);
    std::printf("\nMemory (KB)                                   private bytes  peak working set\n");
    std::printf("  Fenlow.exe after start-up                   %10.0f  %10.0f\n", g_childStarted.privateKB,
                g_childStarted.peakWorkingSetKB);
    std::printf("  in process (bench + program), after start-up %9.0f  %10.0f\n", g_inProcessStarted.privateKB,
                g_inProcessStarted.peakWorkingSetKB);
    std::printf("  in process, after 5 drops of 1,000 files     %9.0f  %10.0f\n", g_inProcessDropped.privateKB,
                g_inProcessDropped.peakWorkingSetKB);
    RunParts(root, 1000);
    RemoveTree(root);
    if (g_failures != 0)
        std::printf("\n%d operations failed\n", g_failures);
    return 0;
}
