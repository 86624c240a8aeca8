// Renders each of Fenlow's windows as a user sees it, into PNG files:
// fenlow_screenshots.exe OUTPUT_FOLDER (a Unix path).

#include "Driver.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::string g_output;

// The window's screen rectangle, grown by a margin, cut out of the screen.
void Shoot(HWND window, const char* name, int margin = 12)
{
    ::Sleep(400);  // let the window finish painting
    RECT rect;
    ::GetWindowRect(window, &rect);
    char geometry[64];
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", rect.right - rect.left + 2 * margin,
                  rect.bottom - rect.top + 2 * margin + 30, rect.left - margin, rect.top - margin - 30);
    std::string file = g_output + "/" + name + ".png";
    EXPECT_TRUE(RunUnix("import -window root -crop " + std::string(geometry) + " +repage " + file)) << file;
}

class Screens : public testing::Test {
protected:
    void SetUp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane"); }
    void TearDown() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane"); }
    ScratchDir m_start;
    ScratchDir m_files;
};

TEST_F(Screens, MainAndClassWindows)
{
    Fenlow fenlow(m_start.Path());
    ASSERT_NE(nullptr, fenlow.Main());
    Shoot(fenlow.Main(), "main-window");

    std::string photos = m_files / "photos.jpg";
    WriteText(photos, "x");
    ASSERT_TRUE(DragFiles({photos}, CentreOf(fenlow.Main())));
    HWND classWindow = fenlow.OpenClass(1);
    ASSERT_NE(nullptr, classWindow);
    ::SendMessageA(::GetDlgItem(classWindow, 1003), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("pictures"));
    RECT mainRect;
    ::GetWindowRect(fenlow.Main(), &mainRect);
    ::SetWindowPos(classWindow, nullptr, mainRect.right + 20, mainRect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Shoot(classWindow, "class-window");

    // An empty name refuses the drop.
    ::SendMessageA(::GetDlgItem(classWindow, 1003), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    ASSERT_TRUE(DragFiles({photos}, CentreOf(classWindow)));
    Box box = fenlow.WaitForBox();
    ASSERT_NE(nullptr, box.window);
    Shoot(box.window, "error-enter-class-name");
    ::PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !::IsWindow(box.window); });
}

TEST_F(Screens, ContextMenu)
{
    Fenlow fenlow(m_start.Path());
    ASSERT_NE(nullptr, fenlow.Main());
    POINT centre = CentreOf(fenlow.Main());
    ASSERT_TRUE(RunUnix("xdotool mousemove " + std::to_string(centre.x - 60) + " " + std::to_string(centre.y - 20) +
                        " click 3 sleep 0.4 key Down sleep 0.2 key Right"));
    RECT rect;
    ::GetWindowRect(fenlow.Main(), &rect);
    rect.right += 160;
    rect.bottom += 120;
    ::Sleep(400);
    char geometry[64];
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", rect.right - rect.left + 24,
                  rect.bottom - rect.top + 54, rect.left - 12, rect.top - 42);
    EXPECT_TRUE(RunUnix("import -window root -crop " + std::string(geometry) + " +repage " + g_output +
                        "/context-menu.png"));
    RunUnix("xdotool key Escape key Escape");
}

TEST_F(Screens, OptionAndVersionDialogs)
{
    Fenlow fenlow(m_start.Path());
    ASSERT_NE(nullptr, fenlow.Main());
    fenlow.Click(fenlow.Main(), 1022);
    HWND option = fenlow.WaitForWindow(L"Option");
    ASSERT_NE(nullptr, option);
    Shoot(option, "option-dialog");
    ::PostMessageA(option, WM_COMMAND, IDCANCEL, 0);
    WaitFor([&] { return !::IsWindow(option); });

    ::PostMessageA(fenlow.Main(), WM_SYSCOMMAND, 16, 0);
    HWND version = fenlow.WaitForWindow(L"Fenlowのﾊﾞｰｼﾞｮﾝ情報");
    ASSERT_NE(nullptr, version);
    POINT link = CentreOf(::GetDlgItem(version, 1019));
    RunUnix("xdotool mousemove " + std::to_string(link.x - 3) + " " + std::to_string(link.y) + " sleep 0.2 mousemove " +
            std::to_string(link.x) + " " + std::to_string(link.y) + " sleep 1.5");
    Shoot(version, "version-box", 40);
    ::PostMessageA(version, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !::IsWindow(version); });
}

TEST_F(Screens, FileErrorReport)
{
    Fenlow fenlow(m_start.Path());
    ASSERT_NE(nullptr, fenlow.Main());
    fenlow.Click(fenlow.Main(), 1020);  // load, with no class file there
    Box box = fenlow.WaitForBox();
    ASSERT_NE(nullptr, box.window);
    Shoot(box.window, "file-error-report");
    ::PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !::IsWindow(box.window); });
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: fenlow_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    g_output = argv[1];
    return RUN_ALL_TESTS();
}
