#include "tests/windows/Shortcuts.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

std::wstring WidePath(const std::string& path)
{
    wchar_t wide[1024] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, 1024);
    return wide;
}

}  // namespace

ShortcutData ReadShortcut(const std::string& linkPath)
{
    ShortcutData data;
    HRESULT init = ::CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(WidePath(linkPath).c_str(), STGM_READ))) {
        data.loaded = true;
        char text[1024] = "";
        WIN32_FIND_DATAA found;
        if (link->GetPath(text, sizeof text, &found, SLGP_RAWPATH) == S_OK)
            data.path = text;
        text[0] = '\0';
        link->GetWorkingDirectory(text, sizeof text);
        data.workingDirectory = text;
        text[0] = '\0';
        link->GetArguments(text, sizeof text);
        data.arguments = text;
        text[0] = '\0';
        link->GetDescription(text, sizeof text);
        data.description = text;
        text[0] = '\0';
        link->GetIconLocation(text, sizeof text, &data.iconIndex);
        data.iconPath = text;
    }
    if (file != nullptr)
        file->Release();
    if (link != nullptr)
        link->Release();
    if (SUCCEEDED(init))
        ::CoUninitialize();
    return data;
}

bool WriteShortcut(const std::string& linkPath, const std::string& target)
{
    HRESULT init = ::CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    bool saved = SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                              reinterpret_cast<void**>(&link))) &&
                 SUCCEEDED(link->SetPath(target.c_str())) &&
                 SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                 SUCCEEDED(file->Save(WidePath(linkPath).c_str(), TRUE));
    if (file != nullptr)
        file->Release();
    if (link != nullptr)
        link->Release();
    if (SUCCEEDED(init))
        ::CoUninitialize();
    return saved;
}
