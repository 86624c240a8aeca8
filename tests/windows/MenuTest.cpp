#include "tests/windows/Support.h"
#include "tests/windows/WindowWatcher.h"

namespace {

struct MenuItem {
    UINT id;
    const char* text;
};

std::vector<MenuItem> ItemsOf(HMENU menu)
{
    std::vector<MenuItem> items;
    static char texts[32][64];
    int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count && position < 32; ++position) {
        texts[position][0] = '\0';
        ::GetMenuStringA(menu, position, texts[position], 64, MF_BYPOSITION);
        UINT id = ::GetSubMenu(menu, position) != nullptr ? 0xFFFFFFFF : ::GetMenuItemID(menu, position);
        items.push_back({id, texts[position]});
    }
    return items;
}

void ExpectItems(HMENU menu, const std::vector<MenuItem>& expected)
{
    std::vector<MenuItem> items = ItemsOf(menu);
    ASSERT_EQ(expected.size(), items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(expected[i].id, items[i].id) << i;
        EXPECT_STREQ(expected[i].text, items[i].text) << i;
    }
}

TEST_F(ProgramTest, ContextMenuOpensTheMenuResourceAtThePoint)
{
    HMENU shown = nullptr;
    RECT placed = {};
    RunSoon([&] {
        HWND popup = ::FindWindowA("#32768", nullptr);
        if (popup != nullptr) {
            shown = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
            ::GetWindowRect(popup, &placed);
            std::vector<MenuItem> items = ItemsOf(shown);
            EXPECT_EQ(9u, items.size());
        }
        ::EndMenu();
    });
    ::SendMessageA(MainWindow(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(MainWindow()), MAKELPARAM(40, 50));
    EXPECT_NE(nullptr, shown);
    EXPECT_EQ(40, placed.left);
    EXPECT_EQ(50, placed.top);
    EXPECT_TRUE(::IsWindow(MainWindow()));  // nothing was chosen
}

TEST_F(ProgramTest, ContextMenuResourceHoldsTheCommands)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_CONTEXT_MENU));
    char title[16] = "";
    ::GetMenuStringA(menu.m_hMenu, 0, title, sizeof title, MF_BYPOSITION);
    EXPECT_STREQ("menu", title);
    HMENU popup = menu.GetSubMenu(0);
    ExpectItems(popup, {{0xFFFFFFFF, "&Classify Dialog"},
                        {0, ""},
                        {ID_SAVE, "&Save"},
                        {ID_LOAD, "&Load"},
                        {0, ""},
                        {ID_README, "&Readme file"},
                        {ID_VERSION_INFO, "&Version info."},
                        {0, ""},
                        {IDCANCEL, "E&xit"}});
    ExpectItems(::GetSubMenu(popup, 0), {{ID_CLOSE_ALL, "&Close All"}, {ID_OPEN_ALL, "&Open All"}});
    EXPECT_EQ(32774, ID_CLOSE_ALL);
    EXPECT_EQ(32776, ID_OPEN_ALL);
    EXPECT_EQ(32772, ID_SAVE);
    EXPECT_EQ(32773, ID_LOAD);
    EXPECT_EQ(32771, ID_README);
    EXPECT_EQ(32777, ID_VERSION_INFO);
}

TEST_F(ProgramTest, MenuCommandsReachTheirHandlers)
{
    Command(MainWindow(), ID_OPEN_ALL);
    for (int number = 1; number <= kClassCount; ++number)
        EXPECT_TRUE(::IsWindowVisible(ClassWindow(number))) << number;
    Command(MainWindow(), ID_CLOSE_ALL);
    for (int number = 1; number <= kClassCount; ++number)
        EXPECT_FALSE(::IsWindowVisible(ClassWindow(number))) << number;
    HWND main = MainWindow();
    ::SendMessageA(main, WM_COMMAND, IDCANCEL, 0);  // "E&xit"
    EXPECT_FALSE(::IsWindow(main));
}

TEST_F(ProgramTest, AMissingReadmeIsNotReported)
{
    MessageBoxWatcher boxes;
    Command(MainWindow(), ID_README);
    PumpPending();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(::IsWindow(MainWindow()));
}

TEST_F(ProgramTest, OtherSystemCommandsTakeTheirDefaultHandling)
{
    ::SendMessageA(MainWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(::IsIconic(MainWindow()));
    ::SendMessageA(MainWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(::IsIconic(MainWindow()));
}

TEST_F(ProgramTest, F1AsksWindowsHelpForTheMainWindowsContext)
{
    theApp.m_nHelpCalls = 0;
    ::SetActiveWindow(MainWindow());
    ::PostMessageA(MainItem(IDC_CLASS_BUTTON_BASE + 1), WM_KEYDOWN, VK_F1, 0);
    PumpPending();
    EXPECT_EQ(1, theApp.m_nHelpCalls);
    EXPECT_EQ(0x20000u + IDD_MAIN, theApp.m_helpData);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), theApp.m_nHelpCommand);

    char module[MAX_PATH];
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string expected(module);
    expected = expected.substr(0, expected.rfind('.')) + ".HLP";
    EXPECT_EQ(theApp.m_strHelpFilePath, expected.c_str());

    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    ::PostMessageA(MainItem(IDC_CLASS_BUTTON_BASE + 1), WM_KEYDOWN, VK_F1, 0);
    PumpPending();
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(1, theApp.m_nHelpCalls);  // Ctrl+F1 is not help
}

TEST_F(ProgramTest, F1InAClassWindowUsesItsTemplateContext)
{
    theApp.m_nHelpCalls = 0;
    Command(MainWindow(), IDC_CLASS_BUTTON_BASE + 2);
    ::SetActiveWindow(ClassWindow(2));
    ::PostMessageA(::GetDlgItem(ClassWindow(2), IDC_CLASS_NAME), WM_KEYDOWN, VK_F1, 0);
    PumpPending();
    EXPECT_EQ(1, theApp.m_nHelpCalls);
    EXPECT_EQ(0x20000u + IDD_CLASS, theApp.m_helpData);
}

}  // namespace
