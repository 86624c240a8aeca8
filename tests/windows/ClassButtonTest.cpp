#include "tests/windows/Support.h"

namespace {

class ClassButtonTest : public ProgramTest {
protected:
    void SetBaseFolder(const char* folder)
    {
        Main().m_strBaseFolder = folder;
        Main().UpdateData(FALSE);
    }
    bool ButtonEnabled(int number) { return ::IsWindowEnabled(MainItem(IDC_CLASS_BUTTON_BASE + number)) != FALSE; }
    bool Shown(int number) { return ::IsWindowVisible(ClassWindow(number)) != FALSE; }
};

TEST_F(ClassButtonTest, ButtonShowsItsWindowWithTheBaseFolderAndDisablesItself)
{
    SetBaseFolder("C:\\sorted");
    Command(MainWindow(), IDC_CLASS_BUTTON_BASE + 3);
    EXPECT_TRUE(Shown(3));
    EXPECT_FALSE(ButtonEnabled(3));
    EXPECT_EQ(Main().ClassWindow(3).GetFolder(), "C:\\sorted");
    EXPECT_EQ("C:\\sorted", ItemText(ClassWindow(3), IDC_CLASS_FOLDER));
    for (int other = 1; other <= kClassCount; ++other) {
        if (other != 3) {
            EXPECT_FALSE(Shown(other)) << other;
            EXPECT_TRUE(ButtonEnabled(other)) << other;
        }
    }
}

TEST_F(ClassButtonTest, ShowingReplacesTypedTextAndAChosenFolder)
{
    Main().ClassWindow(2).SetName("stored");
    Main().ClassWindow(2).SetFolder("C:\\chosen");
    SetItemText(ClassWindow(2), IDC_CLASS_NAME, "typed but not taken");
    SetBaseFolder("");
    Command(MainWindow(), IDC_CLASS_BUTTON_BASE + 2);
    EXPECT_EQ("stored", ItemText(ClassWindow(2), IDC_CLASS_NAME));
    EXPECT_EQ("", ItemText(ClassWindow(2), IDC_CLASS_FOLDER));
    EXPECT_EQ(Main().ClassWindow(2).GetFolder(), "");
}

TEST_F(ClassButtonTest, OpenAllShowsEveryWindowAndCloseAllHidesThemWithButtonsDisabled)
{
    SetBaseFolder("D:\\base");
    Command(MainWindow(), ID_OPEN_ALL);
    for (int number = 1; number <= kClassCount; ++number) {
        EXPECT_TRUE(Shown(number)) << number;
        EXPECT_FALSE(ButtonEnabled(number)) << number;
        EXPECT_EQ("D:\\base", ItemText(ClassWindow(number), IDC_CLASS_FOLDER)) << number;
    }
    SetBaseFolder("E:\\other");
    Command(MainWindow(), ID_CLOSE_ALL);
    for (int number = 1; number <= kClassCount; ++number) {
        EXPECT_FALSE(Shown(number)) << number;
        EXPECT_FALSE(ButtonEnabled(number)) << number;
        EXPECT_EQ(Main().ClassWindow(number).GetFolder(), "E:\\other") << number;
    }
}

// Closing (Esc, the close box) takes the fields in, hides the window and
// enables its button again; Enter takes them in and hides it, but leaves the
// button disabled.
struct CloseCase {
    const char* how;
    int command;
    bool buttonEnabledAfter;
};

class ClassWindowCloseTest : public ClassButtonTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(ClassWindowCloseTest, HidesAndTakesTheFieldsIn)
{
    Command(MainWindow(), IDC_CLASS_BUTTON_BASE + 5);
    ASSERT_TRUE(Shown(5));
    SetItemText(ClassWindow(5), IDC_CLASS_NAME, "  photos ");
    Command(ClassWindow(5), GetParam().command);
    PumpPending();
    EXPECT_FALSE(Shown(5));
    EXPECT_TRUE(::IsWindow(ClassWindow(5)));
    EXPECT_EQ(GetParam().buttonEnabledAfter, ButtonEnabled(5));
    EXPECT_EQ(Main().ClassWindow(5).GetName(), "  photos ");  // untrimmed
}

INSTANTIATE_TEST_SUITE_P(Ways, ClassWindowCloseTest,
                         testing::Values(CloseCase{"Esc", IDCANCEL, true}, CloseCase{"Enter", IDOK, false}),
                         [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.how); });

TEST_F(ClassButtonTest, CloseBoxHidesTheWindowAndEnablesItsButton)
{
    Command(MainWindow(), IDC_CLASS_BUTTON_BASE + 1);
    ::SendMessageA(ClassWindow(1), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpPending();
    EXPECT_FALSE(Shown(1));
    EXPECT_TRUE(ButtonEnabled(1));
}

TEST_F(ClassButtonTest, EnableClassButtonAcceptsOnlyClassNumbers)
{
    const int numbers[] = {0, 9, -1, 1006};
    for (int number : numbers)
        EXPECT_FALSE(Main().EnableClassButton(number, FALSE)) << number;
    EXPECT_TRUE(Main().EnableClassButton(8, FALSE));
    EXPECT_FALSE(ButtonEnabled(8));
    EXPECT_TRUE(Main().EnableClassButton(8, TRUE));
    EXPECT_TRUE(ButtonEnabled(8));
}

TEST_F(ClassButtonTest, AClassWindowNumberedOutsideOneToEightEnablesNoButtonWhenClosed)
{
    Command(MainWindow(), IDC_CLASS_BUTTON_BASE + 4);
    Main().ClassWindow(4).SetNumber(9);
    Command(ClassWindow(4), IDCANCEL);
    EXPECT_FALSE(Shown(4));
    for (int number = 1; number <= kClassCount; ++number)
        EXPECT_EQ(number != 4, ButtonEnabled(number)) << number;
}

TEST_F(ClassButtonTest, EnterInTheMainWindowKeepsItOpen)
{
    Command(MainWindow(), IDOK);
    PumpPending();
    EXPECT_TRUE(::IsWindowVisible(MainWindow()));
}

}  // namespace
