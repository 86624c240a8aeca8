#include "tests/windows/Support.h"
#include "tests/windows/WindowWatcher.h"

namespace {

// A modal dialog on the option template that counts how it is finished.
class CountingDialog : public CDialog {
public:
    CountingDialog() : CDialog(IDD_OPTION) {}

    int m_nPostNcDestroy = 0;
    int m_nDepthAtFinish = -1;
    bool m_bCancelInsideHandler = false;

protected:
    void OnCancel() override
    {
        if (m_bCancelInsideHandler) {
            // Destroying from inside a handler must not finish the object
            // before this handler returns.
            ::DestroyWindow(m_hWnd);
            m_nDepthAtFinish = m_nPostNcDestroy;  // still 0 here
            return;
        }
        CDialog::OnCancel();
    }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }
};

struct EndCase {
    const char* how;
    INT_PTR result;
};

class DialogEndTest : public ProgramTest, public testing::WithParamInterface<EndCase> {};

TEST_P(DialogEndTest, EndsOnceAndGivesBackTheOwner)
{
    CountingDialog dialog;
    std::string how = GetParam().how;
    if (how == "inside handler")
        dialog.m_bCancelInsideHandler = true;
    HWND shown = nullptr;
    bool ownerDisabled = false;
    RunSoon([&] {
        shown = dialog.m_hWnd;
        ownerDisabled = !::IsWindowEnabled(MainWindow());
        if (how == "ok")
            ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
        else if (how == "cancel" || how == "inside handler")
            ::PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
        else if (how == "posted close")
            ::PostMessageA(shown, WM_CLOSE, 0, 0);
        else if (how == "destroyed")
            ::DestroyWindow(shown);
    });
    INT_PTR result = dialog.DoModal();
    EXPECT_NE(nullptr, shown);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(::IsWindowEnabled(MainWindow()));
    EXPECT_FALSE(::IsWindow(shown));
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_EQ(1, dialog.m_nPostNcDestroy);
    EXPECT_EQ(GetParam().result, result);
    if (dialog.m_bCancelInsideHandler) {
        EXPECT_EQ(0, dialog.m_nDepthAtFinish);
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, DialogEndTest,
                         testing::Values(EndCase{"ok", IDOK}, EndCase{"cancel", IDCANCEL},
                                         EndCase{"posted close", IDCANCEL}, EndCase{"destroyed", -1},
                                         EndCase{"inside handler", -1}),
                         [](const testing::TestParamInfo<EndCase>& info) {
                             std::string name = info.param.how;
                             for (char& ch : name)
                                 if (ch == ' ')
                                     ch = '_';
                             return name;
                         });

TEST_F(ProgramTest, AnUnplacedModalDialogOpensCentredOverItsOwner)
{
    CountingDialog dialog;
    RECT owner = {}, placed = {};
    RunSoon([&] {
        ::GetWindowRect(dialog.m_hWnd, &placed);
        ::PostMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    });
    ::GetWindowRect(MainWindow(), &owner);
    dialog.DoModal();
    EXPECT_NEAR((owner.left + owner.right) / 2, (placed.left + placed.right) / 2, 1);
    EXPECT_NEAR((owner.top + owner.bottom) / 2, (placed.top + placed.bottom) / 2, 1);
}

struct BoxCase {
    UINT type;
    BoxIcon icon;
};

class MessageBoxTest : public ProgramTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, CaptionIsTheApplicationNameAndAMissingIconIsAdded)
{
    MessageBoxWatcher boxes;
    AfxMessageBox("text", GetParam().type);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(L"Fenlow", boxes.Boxes()[0].caption);
    EXPECT_EQ(L"text", boxes.Boxes()[0].text);
    EXPECT_EQ(GetParam().icon, boxes.Boxes()[0].icon);
}

INSTANTIATE_TEST_SUITE_P(Types, MessageBoxTest,
                         testing::Values(BoxCase{MB_OK, BoxIcon::Exclamation},
                                         BoxCase{MB_OKCANCEL, BoxIcon::Exclamation},
                                         BoxCase{MB_YESNOCANCEL, BoxIcon::Exclamation},
                                         BoxCase{MB_YESNO, BoxIcon::Exclamation},
                                         BoxCase{MB_RETRYCANCEL, BoxIcon::None},
                                         BoxCase{MB_OK | MB_ICONSTOP, BoxIcon::Stop},
                                         BoxCase{MB_OK | MB_ICONINFORMATION, BoxIcon::Information}));

TEST_F(ProgramTest, TheBoxIsOwnedByTheLastActiveWindowOfTheProgram)
{
    Command(MainWindow(), IDC_CLASS_BUTTON_BASE + 1);
    ::SetForegroundWindow(ClassWindow(1));
    ::SetActiveWindow(ClassWindow(1));
    MessageBoxWatcher boxes;
    AfxMessageBox("text");
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(ClassWindow(1), boxes.Boxes()[0].owner);
}

}  // namespace
