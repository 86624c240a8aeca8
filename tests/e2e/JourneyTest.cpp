#include "Driver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const wchar_t kClassCaption[] = L"file classification";

class Journey : public testing::Test {
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane");
        ::CreateDirectoryA((m_files / "sources").c_str(), nullptr);
        ::CreateDirectoryA((m_files / "sorted").c_str(), nullptr);
        for (const char* name : {"one.txt", "two.doc", "three.csv"})
            WriteText(m_files / "sources" + "\\" + name, std::string("content of ") + name);
    }
    void TearDown() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane"); }

    std::string Sources(const char* name) { return m_files / "sources" + "\\" + name; }
    std::string Sorted() { return m_files / "sorted"; }

    // The base folder from a drop of a file in the sorted folder, as a user sets it.
    void SetBaseFolder(Fenlow& fenlow)
    {
        WriteText(Sorted() + "\\marker.txt", "x");
        ASSERT_TRUE(DragFiles({Sorted() + "\\marker.txt"}, CentreOf(fenlow.Main())));
        ASSERT_TRUE(WaitFor([&] { return ItemTextOf(fenlow.Main(), 1015) != L""; })) << Describe(fenlow.Main());
        ::DeleteFileA((Sorted() + "\\marker.txt").c_str());
    }

    HWND OpenNamedClass(Fenlow& fenlow, int number, const char* name)
    {
        HWND window = fenlow.OpenClass(number);
        EXPECT_NE(nullptr, window) << "class window " << number << " did not open";
        if (window != nullptr)
            ::SendMessageA(::GetDlgItem(window, 1003), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
        return window;
    }

    void ChooseClassType(Fenlow& fenlow, int radioId, bool autoSave)
    {
        fenlow.Click(fenlow.Main(), 1022);
        HWND option = fenlow.WaitForWindow(L"Option");
        ASSERT_NE(nullptr, option) << "the option dialog did not open";
        EXPECT_FALSE(::IsWindowEnabled(fenlow.Main()));
        fenlow.Click(option, radioId);
        bool checked = ::SendDlgItemMessageA(option, 1024, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (checked != autoSave)
            fenlow.Click(option, 1024);
        WaitFor([&] { return ::SendDlgItemMessageA(option, radioId, BM_GETCHECK, 0, 0) == BST_CHECKED; });
        fenlow.Click(option, IDOK);
        ASSERT_TRUE(WaitFor([&] { return !::IsWindow(option); })) << Describe(option);
    }

    ScratchDir m_start;
    ScratchDir m_files;
};

TEST_F(Journey, LinkThreeDroppedFilesThenClose)
{
    Fenlow fenlow(m_start.Path());
    ASSERT_NE(nullptr, fenlow.Main());
    SetBaseFolder(fenlow);
    HWND classWindow = OpenNamedClass(fenlow, 1, "docs");
    ASSERT_NE(nullptr, classWindow);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(fenlow.Main(), 1007)));

    ASSERT_TRUE(DragFiles({Sources("one.txt"), Sources("two.doc"), Sources("three.csv")}, CentreOf(classWindow)));
    std::vector<std::string> expected = {"one.lnk", "three.lnk", "two.lnk"};
    EXPECT_TRUE(WaitFor([&] { return Entries(Sorted() + "\\docs") == expected; })) << Describe(classWindow);

    fenlow.PressKey(::GetDlgItem(classWindow, 1003), VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(classWindow); })) << Describe(classWindow);
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowEnabled(::GetDlgItem(fenlow.Main(), 1007)) != FALSE; }));
}

TEST_F(Journey, CopyNeverOverwritesAndMoveTakesTheFile)
{
    Fenlow fenlow(m_start.Path());
    ASSERT_NE(nullptr, fenlow.Main());
    SetBaseFolder(fenlow);
    ChooseClassType(fenlow, 1023, false);  // Copy
    HWND classWindow = OpenNamedClass(fenlow, 2, "copies");
    ASSERT_NE(nullptr, classWindow);

    std::string copy = Sorted() + "\\copies\\one.txt";
    ASSERT_TRUE(DragFiles({Sources("one.txt")}, CentreOf(classWindow)));
    ASSERT_TRUE(WaitFor([&] { return ReadText(copy) == "content of one.txt"; })) << Describe(classWindow);
    WriteText(copy, "changed in the class");
    ASSERT_TRUE(DragFiles({Sources("one.txt")}, CentreOf(classWindow)));
    ::Sleep(500);
    EXPECT_EQ("changed in the class", ReadText(copy));  // the second drop did not overwrite

    ChooseClassType(fenlow, 1027, false);  // Move
    ASSERT_TRUE(DragFiles({Sources("two.doc")}, CentreOf(classWindow)));
    EXPECT_TRUE(WaitFor([&] { return ReadText(Sorted() + "\\copies\\two.doc") == "content of two.doc"; }));
    EXPECT_FALSE(Exists(Sources("two.doc")));
    // Moving onto a name that is there already leaves the source in place.
    ASSERT_TRUE(DragFiles({Sources("one.txt")}, CentreOf(classWindow)));
    ::Sleep(500);
    EXPECT_TRUE(Exists(Sources("one.txt")));
    EXPECT_EQ("changed in the class", ReadText(copy));
}

TEST_F(Journey, SaveLeaveStartAgainAndLoad)
{
    std::wstring sorted;
    {
        Fenlow fenlow(m_start.Path());
        ASSERT_NE(nullptr, fenlow.Main());
        SetBaseFolder(fenlow);
        sorted = ItemTextOf(fenlow.Main(), 1015);
        HWND second = OpenNamedClass(fenlow, 2, "letters");
        HWND fifth = OpenNamedClass(fenlow, 5, "bills");
        ASSERT_TRUE(second && fifth);
        // Closing takes the typed names in.
        fenlow.PressKey(::GetDlgItem(second, 1003), VK_ESCAPE);
        fenlow.PressKey(::GetDlgItem(fifth, 1003), VK_ESCAPE);
        WaitFor([&] { return !::IsWindowVisible(second) && !::IsWindowVisible(fifth); });
        fenlow.Click(fenlow.Main(), 1021);  // save
        ASSERT_TRUE(WaitFor([&] { return ReadText(m_start / "tova.cls").size() == 2628; }));
        fenlow.PressKey(::GetDlgItem(fenlow.Main(), 1007), VK_ESCAPE);
        DWORD exitCode = 1;
        ASSERT_TRUE(fenlow.WaitForExit(&exitCode));
        EXPECT_EQ(0u, exitCode);
    }
    Fenlow fenlow(m_start.Path());
    ASSERT_NE(nullptr, fenlow.Main());
    EXPECT_TRUE(fenlow.Windows(kClassCaption).empty());
    fenlow.Click(fenlow.Main(), 1020);  // load
    ASSERT_TRUE(WaitFor([&] { return fenlow.Windows(kClassCaption).size() == 2; }));
    std::vector<std::wstring> names;
    for (HWND window : fenlow.Windows(kClassCaption)) {
        names.push_back(ItemTextOf(window, 1003));
        EXPECT_EQ(sorted, ItemTextOf(window, 1004)) << Describe(window);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::wstring>{L"bills", L"letters"}), names);
    EXPECT_EQ(sorted, ItemTextOf(fenlow.Main(), 1015));
}

TEST_F(Journey, AFailingAutoSaveKeepsTheProgramOpenUntilTheCauseIsGone)
{
    Fenlow fenlow(m_start.Path());
    ASSERT_NE(nullptr, fenlow.Main());
    ChooseClassType(fenlow, 1022, true);  // Link, auto save on
    std::string classFile = m_start / "tova.cls";
    ASSERT_TRUE(::CreateDirectoryA(classFile.c_str(), nullptr));  // a folder where the file must go

    fenlow.PressKey(::GetDlgItem(fenlow.Main(), 1007), VK_ESCAPE);
    Box box = fenlow.WaitForBox();
    ASSERT_NE(nullptr, box.window) << "no report appeared; main window: " << Describe(fenlow.Main());
    EXPECT_EQ(L"Fenlow", box.caption);
    EXPECT_NE(std::wstring::npos, box.text.find(L"tova.cls")) << Describe(box.window);
    ::PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(box.window); }));
    ::Sleep(300);
    EXPECT_TRUE(fenlow.Running());
    EXPECT_TRUE(::IsWindowVisible(fenlow.Main()));

    ::RemoveDirectoryA(classFile.c_str());
    fenlow.PressKey(::GetDlgItem(fenlow.Main(), 1007), VK_ESCAPE);
    DWORD exitCode = 1;
    ASSERT_TRUE(fenlow.WaitForExit(&exitCode)) << Describe(fenlow.Main());
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ(2628u, ReadText(classFile).size());
}

TEST_F(Journey, VersionBoxAndTheContextMenu)
{
    Fenlow fenlow(m_start.Path());
    ASSERT_NE(nullptr, fenlow.Main());
    ::PostMessageA(fenlow.Main(), WM_SYSCOMMAND, 16, 0);
    HWND version = fenlow.WaitForWindow(L"Fenlowのﾊﾞｰｼﾞｮﾝ情報");
    ASSERT_NE(nullptr, version) << "the version box did not open";
    EXPECT_EQ(L"Morik", ItemTextOf(version, 1018));
    EXPECT_EQ(L"Orvane", ItemTextOf(version, 1019));
    EXPECT_FALSE(::IsWindowEnabled(fenlow.Main()));
    fenlow.Click(version, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(version); }));

    // A right click on the main window, then the menu chosen with its keys.
    // The class windows open centred on the screen, over the main window's
    // middle: click near its left edge, on the picture.
    RECT mainRect;
    ::GetWindowRect(fenlow.Main(), &mainRect);
    POINT centre = {mainRect.left + 12, (mainRect.top + mainRect.bottom) / 2};
    ASSERT_TRUE(RunUnix("xdotool mousemove " + std::to_string(centre.x) + " " + std::to_string(centre.y) +
                        " click 3 sleep 0.5 key c sleep 0.3 key o"));
    EXPECT_TRUE(WaitFor([&] { return fenlow.Windows(kClassCaption).size() == 8; }))
        << fenlow.Windows(kClassCaption).size() << " class windows shown";
    for (int number = 1; number <= 8; ++number)
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(fenlow.Main(), 1006 + number))) << number;

    ASSERT_TRUE(RunUnix("xdotool mousemove " + std::to_string(centre.x) + " " + std::to_string(centre.y) +
                        " click 3 sleep 0.5 key c sleep 0.3 key c"));
    EXPECT_TRUE(WaitFor([&] { return fenlow.Windows(kClassCaption).empty(); }));
}

}  // namespace
