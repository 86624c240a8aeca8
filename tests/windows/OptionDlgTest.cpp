#include "res/resource.h"
#include "store/OptionDlg.h"
#include "tests/windows/Support.h"

#include <functional>
#include <utility>

namespace {

// What the test saw of the "Option" dialog while it was open.
struct OptionSeen {
    bool found = false;
    int checkedRadio = -2;  // 0 Link, 1 Copy, 2 Move, -1 none
    bool autoSaveChecked = false;
    HWND owner = nullptr;
    bool mainEnabled = true;
    bool classWindowEnabled = false;
};

// Runs an action on the "Option" dialog from inside its modal loop, once it
// is up: a thread timer finds it among this thread's windows.
class OptionDriver {
public:
    using Action = std::function<void(HWND dialog)>;

    explicit OptionDriver(Action action)
    {
        s_action = std::move(action);
        s_ticks = 0;
        m_timer = ::SetTimer(nullptr, 0, 5, Tick);
    }
    ~OptionDriver()
    {
        ::KillTimer(nullptr, m_timer);
        s_action = nullptr;
    }

private:
    static BOOL CALLBACK FindOption(HWND window, LPARAM found)
    {
        char caption[32] = "";
        ::GetWindowTextA(window, caption, sizeof caption);
        if (lstrcmpA(caption, "Option") == 0 && ::IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        HWND dialog = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindOption, reinterpret_cast<LPARAM>(&dialog));
        if (dialog == nullptr) {
            if (++s_ticks > 2000) {  // never came up: end the loop rather than hang
                ::KillTimer(nullptr, id);
                ADD_FAILURE() << "no Option dialog";
                ::PostQuitMessage(0);
            }
            return;
        }
        ::KillTimer(nullptr, id);
        if (s_action)
            s_action(dialog);
    }

    UINT_PTR m_timer;
    static Action s_action;
    static int s_ticks;
};

OptionDriver::Action OptionDriver::s_action;
int OptionDriver::s_ticks = 0;

bool Checked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Click(HWND dialog, int id) { ::SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

// Keys go through the modal loop, where the dialog manager turns them into
// commands, as they would from the keyboard.
void PressKey(HWND dialog, UINT key)
{
    HWND target = ::GetFocus() != nullptr ? ::GetFocus() : dialog;
    ::PostMessageA(target, WM_KEYDOWN, key, 0);
    ::PostMessageA(target, WM_KEYUP, key, 0xC0000000);
}

class OptionDlgTest : public ProgramTest {
protected:
    // Opens the dialog with "opt." and runs the action inside it; the action
    // must end the dialog.
    OptionSeen RunOption(const std::function<void(HWND)>& action)
    {
        OptionSeen seen;
        HWND main = MainWindow();
        HWND classWindow = ClassWindow(1);
        OptionDriver driver([&](HWND dialog) {
            seen.found = true;
            seen.checkedRadio = -1;
            const int radios[3] = {IDC_TYPE_LINK, IDC_TYPE_COPY, IDC_TYPE_MOVE};
            for (int i = 0; i < 3; ++i) {
                if (Checked(dialog, radios[i]))
                    seen.checkedRadio = seen.checkedRadio == -1 ? i : 99;
            }
            seen.autoSaveChecked = Checked(dialog, IDC_AUTO_SAVE);
            seen.owner = ::GetWindow(dialog, GW_OWNER);
            seen.mainEnabled = ::IsWindowEnabled(main) != FALSE;
            seen.classWindowEnabled = ::IsWindowEnabled(classWindow) != FALSE;
            action(dialog);
        });
        Command(main, IDC_OPTION);
        EXPECT_TRUE(seen.found);
        EXPECT_TRUE(::IsWindowEnabled(main));
        return seen;
    }

};

struct OptionCase {
    const char* what;
    bool hasClassType;
    DWORD classType;
    bool hasAutoSave;
    DWORD autoSave;
    int checkedRadio;
    bool autoSaveChecked;
    DWORD writtenClassType;
    DWORD writtenAutoSave;
};

class OptionTableTest : public OptionDlgTest, public testing::WithParamInterface<OptionCase> {};

// The stored values shown in the controls, and OK pressed without touching
// anything writes both values back as shown (an absent one is then there).
TEST_P(OptionTableTest, ShowsStoredValuesAndOkWritesBoth)
{
    const OptionCase& c = GetParam();
    if (c.hasClassType)
        SetSetting("ClassType", c.classType);
    if (c.hasAutoSave)
        SetSetting("AutoSave", c.autoSave);

    OptionSeen seen = RunOption([](HWND dialog) { Click(dialog, IDOK); });
    EXPECT_EQ(c.checkedRadio, seen.checkedRadio);
    EXPECT_EQ(c.autoSaveChecked, seen.autoSaveChecked);

    DWORD value = 0;
    ASSERT_TRUE(GetSetting("ClassType", &value));
    EXPECT_EQ(c.writtenClassType, value);
    ASSERT_TRUE(GetSetting("AutoSave", &value));
    EXPECT_EQ(c.writtenAutoSave, value);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, OptionTableTest,
    testing::Values(OptionCase{"NothingStored", false, 0, false, 0, 0, false, 0, 0},
                    OptionCase{"OnlyAutoSaveStored", false, 0, true, 1, 0, true, 0, 1},
                    OptionCase{"LinkAutoSaveOff", true, 0, true, 0, 0, false, 0, 0},
                    OptionCase{"CopyAutoSaveOn", true, 1, true, 1, 1, true, 1, 1},
                    OptionCase{"MoveAutoSaveFive", true, 2, true, 5, 2, false, 2, 0},
                    OptionCase{"SevenNoChoice", true, 7, false, 0, -1, false, 0xFFFFFFFFu, 0}),
    [](const testing::TestParamInfo<OptionCase>& info) { return std::string(info.param.what); });

TEST_F(OptionDlgTest, RunsModallyOverTheMainWindow)
{
    OptionSeen seen = RunOption([](HWND dialog) { Click(dialog, IDOK); });
    EXPECT_EQ(MainWindow(), seen.owner);
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_TRUE(seen.classWindowEnabled);
}

TEST_F(OptionDlgTest, EnterIsOk)
{
    RunOption([](HWND dialog) {
        Click(dialog, IDC_TYPE_COPY);
        PressKey(dialog, VK_RETURN);
    });
    DWORD value = 0;
    ASSERT_TRUE(GetSetting("ClassType", &value));
    EXPECT_EQ(1u, value);
}

class OptionCancelTest : public OptionDlgTest, public testing::WithParamInterface<int> {};

// Esc and the close box write nothing, whatever was changed; the next
// opening shows what is stored.
TEST_P(OptionCancelTest, WritesNothing)
{
    SetSetting("AutoSave", 1);
    RunOption([](HWND dialog) {
        Click(dialog, IDC_TYPE_MOVE);
        Click(dialog, IDC_AUTO_SAVE);
        if (GetParam() == 0)
            PressKey(dialog, VK_ESCAPE);
        else
            ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    DWORD value = 0;
    EXPECT_FALSE(GetSetting("ClassType", &value));
    ASSERT_TRUE(GetSetting("AutoSave", &value));
    EXPECT_EQ(1u, value);

    OptionSeen again = RunOption([](HWND dialog) { ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(0, again.checkedRadio);
    EXPECT_TRUE(again.autoSaveChecked);
}

INSTANTIATE_TEST_SUITE_P(Ways, OptionCancelTest, testing::Values(0, 1),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == 0 ? "Escape" : "CloseBox");
                         });

// The classifier and the exit path ask the store each time, so a choice
// made here counts from the next drop and the next exit on.
TEST_F(OptionDlgTest, ChoiceAppliesToTheNextDropAndExit)
{
    RunOption([](HWND dialog) {
        Click(dialog, IDC_TYPE_MOVE);
        Click(dialog, IDC_AUTO_SAVE);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(2u, AfxGetApp()->GetProfileInt("Option", "ClassType", 0));

    Command(MainWindow(), IDCANCEL);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_EQ(2628u, ReadFileBytes(m_startDir / "tova.cls").size());
}

TEST_F(OptionDlgTest, AutoSaveTurnedOffAppliesToTheNextExit)
{
    SetSetting("AutoSave", 1);
    RunOption([](HWND dialog) {
        Click(dialog, IDC_AUTO_SAVE);
        Click(dialog, IDOK);
    });
    Command(MainWindow(), IDCANCEL);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_FALSE(PathExists(m_startDir / "tova.cls"));
}

}  // namespace
