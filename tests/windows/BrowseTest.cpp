#include "tests/windows/Support.h"
#include "tests/windows/WindowWatcher.h"

#include <shlobj.h>

namespace {

// Drives the shell's folder browser when it comes up: selects the folder
// (or cancels when none is given) and closes it.
class BrowserDriver {
public:
    explicit BrowserDriver(std::string folder)
        : m_folder(std::move(folder)),
          m_watcher("#32770", [this](HWND browser) {
              if (m_folder.empty()) {
                  ::PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
              } else {
                  // The browser may still be filling its tree: select again just
                  // before pressing OK, so a late default selection cannot win.
                  ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(m_folder.c_str()));
                  s_pFolder = &m_folder;
                  ::SetTimer(browser, 1, 300, SelectAndPressOk);
              }
          })
    {
    }
    bool Ran() const { return m_watcher.Fired(); }

private:
    static void CALLBACK SelectAndPressOk(HWND browser, UINT, UINT_PTR id, DWORD)
    {
        ::KillTimer(browser, id);
        ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(s_pFolder->c_str()));
        ::PostMessageA(browser, WM_COMMAND, IDOK, 0);
    }
    static const std::string* s_pFolder;

    std::string m_folder;
    ActivationWatcher m_watcher;
};

const std::string* BrowserDriver::s_pFolder = nullptr;

TEST_F(ProgramTest, BrowsingForTheBaseFolderReturnsTheChosenPath)
{
    TempDir chosen;
    BrowserDriver driver(chosen.Path());
    Command(MainWindow(), IDC_BROWSE);
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(chosen.Path(), ItemText(MainWindow(), IDC_BASE_FOLDER));
    EXPECT_EQ(Main().m_strBaseFolder, chosen.Path().c_str());
}

TEST_F(ProgramTest, CancellingTheBrowserEmptiesTheBaseFolder)
{
    Main().m_strBaseFolder = "C:\\before";
    Main().UpdateData(FALSE);
    BrowserDriver driver("");
    Command(MainWindow(), IDC_BROWSE);
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ("", ItemText(MainWindow(), IDC_BASE_FOLDER));
}

TEST_F(ProgramTest, ClassWindowBrowseKeepsTheTypedNameAndTakesTheFolder)
{
    Command(MainWindow(), IDC_CLASS_BUTTON_BASE + 6);
    SetItemText(ClassWindow(6), IDC_CLASS_NAME, "music");
    TempDir chosen;
    {
        BrowserDriver driver(chosen.Path());
        Command(ClassWindow(6), IDC_BROWSE);
        ASSERT_TRUE(driver.Ran());
    }
    EXPECT_EQ("music", ItemText(ClassWindow(6), IDC_CLASS_NAME));
    EXPECT_EQ(chosen.Path(), ItemText(ClassWindow(6), IDC_CLASS_FOLDER));
    EXPECT_EQ(Main().ClassWindow(6).GetName(), "music");

    BrowserDriver cancel("");
    Command(ClassWindow(6), IDC_BROWSE);
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ("", ItemText(ClassWindow(6), IDC_CLASS_FOLDER));
    EXPECT_EQ("music", ItemText(ClassWindow(6), IDC_CLASS_NAME));
}

}  // namespace
