#include "tests/windows/Support.h"

#include <cstring>

namespace {

// A dialog built in memory: radio buttons with other controls between them,
// and a second group after them that DDX_Radio must leave alone.
//   100 radio (group)   101 check box   102 radio   103 static
//   104 radio           105 radio (group: the next group)
class RadioGroupDialog {
public:
    RadioGroupDialog()
    {
        WORD* p = m_buffer;
        auto* header = reinterpret_cast<DLGTEMPLATE*>(p);
        header->style = WS_POPUP;
        header->cdit = 6;
        p = reinterpret_cast<WORD*>(header + 1);
        *p++ = 0;  // no menu
        *p++ = 0;  // standard class
        *p++ = 0;  // no title
        AddItem(p, 100, 0x0080, BS_AUTORADIOBUTTON | WS_GROUP);
        AddItem(p, 101, 0x0080, BS_AUTOCHECKBOX | WS_TABSTOP);
        AddItem(p, 102, 0x0080, BS_AUTORADIOBUTTON);
        AddItem(p, 103, 0x0082, SS_LEFT);
        AddItem(p, 104, 0x0080, BS_AUTORADIOBUTTON);
        AddItem(p, 105, 0x0080, BS_AUTORADIOBUTTON | WS_GROUP);
        m_wnd.m_hWnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
                                                    reinterpret_cast<DLGTEMPLATE*>(m_buffer), nullptr, Proc, 0);
    }
    ~RadioGroupDialog()
    {
        ::DestroyWindow(m_wnd.m_hWnd);
        m_wnd.m_hWnd = nullptr;
    }

    CWnd& Wnd() { return m_wnd; }
    HWND Window() const { return m_wnd.m_hWnd; }

private:
    static INT_PTR CALLBACK Proc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    static void AddItem(WORD*& p, WORD id, WORD atom, DWORD style)
    {
        p = reinterpret_cast<WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
        auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(p);
        std::memset(item, 0, sizeof *item);
        item->style = WS_CHILD | WS_VISIBLE | style;
        item->cx = 40;
        item->cy = 10;
        item->id = id;
        p = reinterpret_cast<WORD*>(item + 1);
        *p++ = 0xFFFF;
        *p++ = atom;
        *p++ = 0;  // no text
        *p++ = 0;  // no creation data
    }

    alignas(4) WORD m_buffer[256] = {};
    CWnd m_wnd;
};

struct RadioCase {
    int value;
    bool checked100, checked102, checked104;
};

class DdxRadioTest : public testing::TestWithParam<RadioCase> {};

// Only radio buttons count, and the walk stops at the next group.
TEST_P(DdxRadioTest, ToTheControlsChecksTheButtonAtThatCount)
{
    RadioGroupDialog dialog;
    ASSERT_NE(nullptr, dialog.Window());
    ::CheckDlgButton(dialog.Window(), 105, BST_CHECKED);
    ::CheckDlgButton(dialog.Window(), 101, BST_CHECKED);
    int value = GetParam().value;
    CDataExchange toControls(&dialog.Wnd(), FALSE);
    DDX_Radio(&toControls, 100, value);
    EXPECT_EQ(GetParam().checked100, ::IsDlgButtonChecked(dialog.Window(), 100) == BST_CHECKED);
    EXPECT_EQ(GetParam().checked102, ::IsDlgButtonChecked(dialog.Window(), 102) == BST_CHECKED);
    EXPECT_EQ(GetParam().checked104, ::IsDlgButtonChecked(dialog.Window(), 104) == BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(dialog.Window(), 101));
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(dialog.Window(), 105));

    CDataExchange fromControls(&dialog.Wnd(), TRUE);
    int back = 42;
    DDX_Radio(&fromControls, 100, back);
    EXPECT_EQ(GetParam().value >= 0 && GetParam().value <= 2 ? GetParam().value : -1, back);
}

INSTANTIATE_TEST_SUITE_P(Values, DdxRadioTest,
                         testing::Values(RadioCase{0, true, false, false}, RadioCase{1, false, true, false},
                                         RadioCase{2, false, false, true}, RadioCase{3, false, false, false},
                                         RadioCase{-1, false, false, false}, RadioCase{7, false, false, false}));

TEST(DdxRadio, FromTheControlsTheLastCheckedButtonCounts)
{
    RadioGroupDialog dialog;
    ::CheckDlgButton(dialog.Window(), 100, BST_CHECKED);
    ::CheckDlgButton(dialog.Window(), 104, BST_CHECKED);
    CDataExchange fromControls(&dialog.Wnd(), TRUE);
    int value = 0;
    DDX_Radio(&fromControls, 100, value);
    EXPECT_EQ(2, value);
}

struct CheckCase {
    int value;
    UINT state;
    int member;  // the member after the exchange to the control
};

class DdxCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(DdxCheckTest, OutOfRangeBecomesZeroInTheMember)
{
    RadioGroupDialog dialog;
    ::CheckDlgButton(dialog.Window(), 101, BST_CHECKED);
    int value = GetParam().value;
    CDataExchange toControl(&dialog.Wnd(), FALSE);
    DDX_Check(&toControl, 101, value);
    EXPECT_EQ(GetParam().member, value);
    EXPECT_EQ(GetParam().state, ::IsDlgButtonChecked(dialog.Window(), 101));

    CDataExchange fromControl(&dialog.Wnd(), TRUE);
    DDX_Check(&fromControl, 101, value);
    EXPECT_EQ(static_cast<int>(GetParam().state), value);
}

INSTANTIATE_TEST_SUITE_P(Values, DdxCheckTest,
                         testing::Values(CheckCase{0, BST_UNCHECKED, 0}, CheckCase{1, BST_CHECKED, 1},
                                         CheckCase{5, BST_UNCHECKED, 0}, CheckCase{-1, BST_UNCHECKED, 0}));

}  // namespace
