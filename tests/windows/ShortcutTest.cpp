#include "tests/windows/Shortcuts.h"
#include "tests/windows/Support.h"

#include <objbase.h>
#include <shlobj.h>

#include <thread>

namespace {

// "%T" in a case stands for the scratch folder.
std::string InTemp(const TempDir& temp, const std::string& text)
{
    std::string result = text;
    size_t at = result.find("%T");
    if (at != std::string::npos)
        result.replace(at, 2, temp.Path());
    return result;
}

struct PropertyCase {
    const char* what;
    const char* target;
    const char* workingDirectory;
    bool makeTarget;
};

// Code page 932: "表" is 0x95 0x5C, its trail byte a backslash.
const PropertyCase kPropertyCases[] = {
    {"file in a folder", "%T\\report.doc", "%T", true},
    {"file in a drive's root", "C:\\report.doc", "C:", false},
    {"no backslash", "report.doc", "", false},
    {"UNC path", "\\\\server\\share\\report.doc", "\\\\server\\share", false},
    {"file in a double-byte folder", "%T\\\x95\x5C\\a.txt", "%T\\\x95\x5C", true},
    {"double-byte file name", "%T\\\x95\x5C", "%T", true},
};

TEST(CreateShortcut, WritesThePropertiesOfTheTarget)
{
    REQUIRE_CODE_PAGE_932();
    for (const PropertyCase& c : kPropertyCases) {
        SCOPED_TRACE(c.what);
        TempDir temp;
        std::string target = InTemp(temp, c.target);
        if (c.makeTarget) {
            if (std::string(c.what) == "file in a double-byte folder")
                ::CreateDirectoryA((temp / "\x95\x5C").c_str(), nullptr);
            WriteFileBytes(target, "target");
        }
        std::string link = temp / "made.lnk";

        EXPECT_EQ(1, CClassDlg::CreateShortcut(link.c_str(), target.c_str()));

        ShortcutData data = ReadShortcut(link);
        ASSERT_TRUE(data.loaded);
        if (target.find('\\') != std::string::npos) {
            EXPECT_EQ(target, data.path);
        }
        EXPECT_EQ(InTemp(temp, c.workingDirectory), data.workingDirectory);
        EXPECT_EQ("", data.arguments);
        EXPECT_EQ("", data.description);
        EXPECT_EQ(target, data.iconPath);
        EXPECT_EQ(0, data.iconIndex);
    }
}

TEST(CreateShortcut, NeverReplacesWhatIsAtTheLinkPath)
{
    TempDir temp;
    WriteFileBytes(temp / "target.txt", "target");
    WriteFileBytes(temp / "taken.lnk", "someone else's file");
    ::CreateDirectoryA((temp / "folder.lnk").c_str(), nullptr);

    EXPECT_EQ(0, CClassDlg::CreateShortcut((temp / "taken.lnk").c_str(), (temp / "target.txt").c_str()));
    EXPECT_EQ(0, CClassDlg::CreateShortcut((temp / "folder.lnk").c_str(), (temp / "target.txt").c_str()));

    EXPECT_EQ("someone else's file", ReadFileBytes(temp / "taken.lnk"));
    EXPECT_TRUE(IsFolder(temp / "folder.lnk"));
    EXPECT_TRUE(FolderEntries(temp / "folder.lnk").empty());
}

TEST(CreateShortcut, LinkPathMustFitTheWideBuffer)
{
    TempDir temp;
    WriteFileBytes(temp / "target.txt", "target");
    std::string prefix = temp.Path() + "\\";
    struct {
        size_t length;
        int result;
    } cases[] = {{259, 1}, {260, 0}, {300, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::string link = prefix + std::string(c.length - prefix.size() - 4, 'L') + ".lnk";
        ASSERT_EQ(c.length, link.size());
        EXPECT_EQ(c.result, CClassDlg::CreateShortcut(link.c_str(), (temp / "target.txt").c_str()));
        EXPECT_EQ(c.result == 1, PathExists(link));
    }
    // Nothing cut short was written in their place either.
    EXPECT_EQ(2u, FolderEntries(temp.Path()).size());
}

TEST(CreateShortcut, AFailedSaveReportsFailure)
{
    TempDir temp;
    WriteFileBytes(temp / "target.txt", "target");
    EXPECT_EQ(0, CClassDlg::CreateShortcut((temp / "missing\\made.lnk").c_str(), (temp / "target.txt").c_str()));
    EXPECT_EQ(std::vector<std::string>{"target.txt"}, FolderEntries(temp.Path()));
}

// A stand-in for the shell link class, registered in this apartment, that
// either gives no object or one without the persist-file interface.
class RefusingLink : public IShellLinkA {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IShellLinkA) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        if (iid == IID_IPersistFile)
            m_bPersistAsked = true;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetPath(LPSTR, int, WIN32_FIND_DATAA*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDList(LPITEMIDLIST*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetIDList(LPCITEMIDLIST) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetDescription(LPSTR, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetArguments(LPSTR, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetHotkey(WORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetHotkey(WORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetShowCmd(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetShowCmd(int) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR, int, int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR, int) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Resolve(HWND, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetPath(LPCSTR) override { return S_OK; }

    bool m_bPersistAsked = false;
};

class RefusingFactory : public IClassFactory {
public:
    explicit RefusingFactory(RefusingLink* link) : m_pLink(link) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** out) override
    {
        m_nCreated++;
        if (m_pLink == nullptr) {
            *out = nullptr;
            return E_OUTOFMEMORY;
        }
        return m_pLink->QueryInterface(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    int m_nCreated = 0;

private:
    RefusingLink* m_pLink;
};

TEST(CreateShortcut, WithoutTheShellLinkObjectsWritesNothing)
{
    TempDir temp;
    WriteFileBytes(temp / "target.txt", "target");
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    RefusingLink link;
    RefusingLink* offered[] = {nullptr, &link};
    for (RefusingLink* object : offered) {
        SCOPED_TRACE(object == nullptr ? "no shell link" : "no persist-file interface");
        RefusingFactory factory(object);
        DWORD cookie = 0;
        ASSERT_EQ(S_OK, ::CoRegisterClassObject(CLSID_ShellLink, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                                &cookie));
        EXPECT_EQ(0, CClassDlg::CreateShortcut((temp / "made.lnk").c_str(), (temp / "target.txt").c_str()));
        EXPECT_STREQ("", CClassDlg::ResolveShortcut((temp / "target.txt").c_str()).GetString());
        ::CoRevokeClassObject(cookie);
        EXPECT_EQ(2, factory.m_nCreated);
        EXPECT_FALSE(PathExists(temp / "made.lnk"));
    }
    EXPECT_TRUE(link.m_bPersistAsked);
    ::CoUninitialize();
}

// What CoInitializeEx says afterwards tells whether the call left this
// thread's COM as it found it.
HRESULT MultithreadedStateAfter(bool enterFirst, const std::string& link, const std::string& target)
{
    HRESULT after = E_FAIL;
    std::thread worker([&] {
        if (enterFirst)
            ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        CClassDlg::CreateShortcut(link.c_str(), target.c_str());
        CClassDlg::ResolveShortcut(link.c_str());
        after = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(after))
            ::CoUninitialize();
        if (enterFirst)
            ::CoUninitialize();
    });
    worker.join();
    return after;
}

TEST(CreateShortcut, BalancesOnlyTheComStartItMade)
{
    TempDir temp;
    WriteFileBytes(temp / "target.txt", "target");
    // On a fresh thread each operation starts and stops COM itself.
    EXPECT_EQ(S_OK, MultithreadedStateAfter(false, temp / "one.lnk", temp / "target.txt"));
    EXPECT_EQ("target.txt", ReadShortcut(temp / "one.lnk").path.substr(temp.Path().size() + 1));
    // In a multithreaded apartment CoInitialize is refused; the apartment
    // must survive the call.
    EXPECT_EQ(S_FALSE, MultithreadedStateAfter(true, temp / "two.lnk", temp / "target.txt"));
}

TEST(ResolveShortcut, GivesTheStoredPathOrNothing)
{
    TempDir temp;
    WriteFileBytes(temp / "target.txt", "target");
    WriteFileBytes(temp / "gone.txt", "target");
    ASSERT_EQ(1, CClassDlg::CreateShortcut((temp / "target.lnk").c_str(), (temp / "target.txt").c_str()));
    ASSERT_EQ(1, CClassDlg::CreateShortcut((temp / "gone.lnk").c_str(), (temp / "gone.txt").c_str()));
    ::DeleteFileA((temp / "gone.txt").c_str());
    WriteFileBytes(temp / "text.lnk", "this is no shortcut");

    // A shortcut to My Computer, which has no file-system path.
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(S_OK, ::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer));
    ASSERT_EQ(S_OK, ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       reinterpret_cast<void**>(&link)));
    link->SetIDList(computer);
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    ASSERT_EQ(S_OK, file->Save(Wide(temp / "computer.lnk").c_str(), TRUE));
    file->Release();
    link->Release();
    ::CoTaskMemFree(computer);
    ::CoUninitialize();

    struct {
        const char* name;
        std::string expected;
    } cases[] = {
        {"target.lnk", temp / "target.txt"},
        {"gone.lnk", temp / "gone.txt"},  // no search for a moved target
        {"text.lnk", ""},
        {"missing.lnk", ""},
        {"computer.lnk", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, CClassDlg::ResolveShortcut((temp / c.name).c_str()).GetString()) << c.name;
}

}  // namespace
