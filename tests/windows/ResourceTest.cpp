#include "tests/windows/DialogResource.h"
#include "tests/windows/Support.h"

#include <cstring>

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const wchar_t kFont[] = L"ＭＳ Ｐゴシック";

void ExpectItems(const DialogResource& dialog, const std::vector<DialogItem>& expected)
{
    ASSERT_EQ(expected.size(), dialog.items.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "item " << i + 1);
        const DialogItem& want = expected[i];
        const DialogItem& got = dialog.items[i];
        EXPECT_EQ(want.className, got.className);
        EXPECT_EQ(want.id, got.id);
        EXPECT_EQ(want.text, got.text);
        EXPECT_EQ(want.x, got.x);
        EXPECT_EQ(want.y, got.y);
        EXPECT_EQ(want.cx, got.cx);
        EXPECT_EQ(want.cy, got.cy);
        EXPECT_EQ(want.style, got.style) << std::hex << got.style;
        EXPECT_EQ(want.exStyle, got.exStyle) << std::hex << got.exStyle;
    }
}

TEST(Resources, MainWindowTemplate)
{
    DialogResource dialog;
    ASSERT_TRUE(ReadDialogResource(IDD_MAIN, &dialog));
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME |
                                 DS_CENTER | DS_SETFONT),
              dialog.style);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_APPWINDOW | WS_EX_ACCEPTFILES), dialog.exStyle);
    EXPECT_EQ(135, dialog.cx);
    EXPECT_EQ(69, dialog.cy);
    EXPECT_EQ(L"Fenlow by Orvane", dialog.caption);
    EXPECT_EQ(9, dialog.pointSize);
    EXPECT_EQ(kFont, dialog.face);

    const DWORD button = kChild | BS_PUSHBUTTON | WS_TABSTOP;
    std::vector<DialogItem> items = {
        {L"Static", 1029, L"#132", 2, 2, 86, 65, kChild | SS_BITMAP | WS_TABSTOP, WS_EX_CLIENTEDGE}};
    for (int n = 1; n <= 8; ++n)
        items.push_back({L"Button", 1006 + n, std::to_wstring(n), static_cast<short>(69 + 8 * (n - 1)), 2, 7, 29,
                         button, 0});
    items.push_back({L"Edit", 1015, L"", 69, 36, 55, 12,
                     kChild | ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP, 0});
    items.push_back({L"Button", 1005, L"", 126, 36, 6, 12, button, 0});
    items.push_back({L"Button", 1020, L"load", 91, 53, 20, 13, button, 0});
    items.push_back({L"Button", 1021, L"save", 69, 53, 21, 13, button, 0});
    items.push_back({L"Button", 1022, L"opt.", 111, 53, 21, 13, button, 0});
    ExpectItems(dialog, items);
}

TEST(Resources, ClassWindowTemplate)
{
    DialogResource dialog;
    ASSERT_TRUE(ReadDialogResource(IDD_CLASS, &dialog));
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT),
              dialog.style);  // not visible at creation
    EXPECT_EQ(static_cast<DWORD>(WS_EX_ACCEPTFILES), dialog.exStyle);
    EXPECT_EQ(103, dialog.cx);
    EXPECT_EQ(61, dialog.cy);
    EXPECT_EQ(L"file classification", dialog.caption);
    EXPECT_EQ(9, dialog.pointSize);
    EXPECT_EQ(kFont, dialog.face);
    ExpectItems(dialog,
                {{L"Edit", 1003, L"", 27, 13, 69, 12, kChild | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0},
                 {L"Edit", 1004, L"", 27, 28, 63, 12, kChild | ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP, 0},
                 {L"Static", -1, L"Name", 6, 15, 18, 8, kChild | SS_LEFT, 0},
                 {L"Static", -1, L"Folder", 6, 30, 19, 8, kChild | SS_LEFT, 0},
                 {L"Button", -1, L"(1) Enter class Info.", 2, 2, 99, 43, kChild | BS_GROUPBOX, 0},
                 {L"Button", 1005, L"", 91, 28, 6, 12, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
                 {L"Static", -1, L"(2) Drop file(s) into this window.", 7, 49, 95, 8, kChild | SS_LEFT, 0}});
}

TEST(Resources, OptionDialogTemplate)
{
    DialogResource dialog;
    ASSERT_TRUE(ReadDialogResource(IDD_OPTION, &dialog));
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT), dialog.style);
    EXPECT_EQ(0, dialog.x);
    EXPECT_EQ(0, dialog.y);
    EXPECT_EQ(49, dialog.cx);
    EXPECT_EQ(87, dialog.cy);
    EXPECT_EQ(L"Option", dialog.caption);
    EXPECT_EQ(kFont, dialog.face);
    ExpectItems(dialog,
                {{L"Button", 1022, L"Link", 9, 13, 28, 10, kChild | BS_AUTORADIOBUTTON | WS_GROUP, 0},
                 {L"Button", 1023, L"Copy", 9, 25, 31, 10, kChild | BS_AUTORADIOBUTTON, 0},
                 {L"Button", 1027, L"Move", 9, 38, 31, 10, kChild | BS_AUTORADIOBUTTON, 0},
                 {L"Button", 1024, L"Auto Save", 3, 57, 42, 10, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0},
                 {L"Button", IDOK, L"OK", 2, 72, 45, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
                 {L"Button", -1, L"Class type", 2, 1, 43, 51, kChild | BS_GROUPBOX, 0}});
}

TEST(Resources, VersionMenuString)
{
    wchar_t text[64] = L"";
    ASSERT_GT(::LoadStringW(::GetModuleHandleA(nullptr), IDS_VERSION_MENU, text, 64), 0);
    EXPECT_STREQ(L"Fenlow のﾊﾞｰｼﾞｮﾝ情報(&A)...", text);
}

const BYTE* ResourceBytes(UINT id, UINT type, DWORD* size)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
    if (resource == nullptr)
        return nullptr;
    *size = ::SizeofResource(instance, resource);
    return static_cast<const BYTE*>(::LockResource(::LoadResource(instance, resource)));
}

TEST(Resources, TitleBitmapIs110By94With256ColoursWhiteOnBlack)
{
    DWORD size = 0;
    const BYTE* data = ResourceBytes(IDB_TITLE, 2, &size);
    ASSERT_NE(nullptr, data);
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    EXPECT_EQ(110, header.biWidth);
    EXPECT_EQ(94, header.biHeight);
    EXPECT_EQ(8, header.biBitCount);
    EXPECT_TRUE(header.biClrUsed == 0 || header.biClrUsed == 256);
    const RGBQUAD* palette = reinterpret_cast<const RGBQUAD*>(data + header.biSize);
    const BYTE* pixels = reinterpret_cast<const BYTE*>(palette + 256);
    int white = 0, black = 0;
    for (int row = 0; row < 94; ++row) {
        for (int column = 0; column < 110; ++column) {
            const RGBQUAD& colour = palette[pixels[row * 112 + column]];
            int sum = colour.rgbRed + colour.rgbGreen + colour.rgbBlue;
            (sum == 0 ? black : sum == 3 * 255 ? white : sum) += 1;
        }
    }
    EXPECT_EQ(110 * 94, white + black);  // nothing but white and black
    EXPECT_GT(white, 300);                // letters, not a speck
    EXPECT_GT(black, white);              // on a black ground
}

TEST(Resources, IconIs32By32In16Colours)
{
    DWORD size = 0;
    const BYTE* group = ResourceBytes(IDR_MAINFRAME, 14, &size);
    ASSERT_NE(nullptr, group);
    WORD count;
    std::memcpy(&count, group + 4, 2);
    ASSERT_EQ(1, count);
    const BYTE* entry = group + 6;
    EXPECT_EQ(32, entry[0]);
    EXPECT_EQ(32, entry[1]);
    EXPECT_EQ(16, entry[2]);
    WORD bitCount;
    std::memcpy(&bitCount, entry + 6, 2);
    EXPECT_EQ(4, bitCount);
}

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name)
{
    wchar_t query[128];
    wsprintfW(query, L"\\StringFileInfo\\041104b0\\%s", name);
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block.data(), query, &value, &length))
        return L"(missing)";
    return static_cast<const wchar_t*>(value);
}

TEST(Resources, VersionBlock)
{
    std::string exe = "Z:" FENLOW_EXE;
    for (char& ch : exe)
        if (ch == '/')
            ch = '\\';
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(exe.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(::GetFileVersionInfoA(exe.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwProductVersionLS);
    EXPECT_EQ(L"1, 0, 0, 1", VersionString(block, L"FileVersion"));
    EXPECT_EQ(L"1, 0, 0, 1", VersionString(block, L"ProductVersion"));
    EXPECT_EQ(L"Fenlow MFC ｱﾌﾟﾘｹｰｼｮﾝ", VersionString(block, L"FileDescription"));
    EXPECT_EQ(L"Fenlow", VersionString(block, L"InternalName"));
    EXPECT_EQ(L"Fenlow.EXE", VersionString(block, L"OriginalFilename"));
    EXPECT_EQ(L"Fenlow ｱﾌﾟﾘｹｰｼｮﾝ", VersionString(block, L"ProductName"));
}

TEST(Resources, AllAreJapanese)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    const UINT kinds[][2] = {{IDD_MAIN, 5}, {IDD_CLASS, 5}, {IDD_OPTION, 5}, {IDD_VERSION, 5},
                             {IDR_CONTEXT_MENU, 4}, {IDB_TITLE, 2}, {IDR_MAINFRAME, 14}, {IDS_VERSION_MENU / 16 + 1, 6}};
    for (const auto& kind : kinds) {
        EXPECT_NE(nullptr, ::FindResourceExA(instance, MAKEINTRESOURCEA(kind[1]), MAKEINTRESOURCEA(kind[0]),
                                             MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)))
            << kind[0];
    }
}

}  // namespace

namespace {

TEST(Resources, ManifestAsksForNothingMoreThanTheUsersRightsAndThemedControls)
{
    DWORD size = 0;
    const BYTE* data = ResourceBytes(1, 24, &size);
    ASSERT_NE(nullptr, data);
    std::string manifest(reinterpret_cast<const char*>(data), size);
    EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
    EXPECT_NE(std::string::npos, manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    const char* systems[] = {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
                             "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                             "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"};
    for (const char* id : systems)
        EXPECT_NE(std::string::npos, manifest.find(id)) << id;
}

}  // namespace
