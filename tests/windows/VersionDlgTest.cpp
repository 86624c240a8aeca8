#include "res/resource.h"
#include "tests/windows/LinkSupport.h"
#include "tests/windows/Support.h"

#include <functional>
#include <iostream>

namespace {

const wchar_t kCaption[] = L"Fenlowのﾊﾞｰｼﾞｮﾝ情報";
const char kMakerUrl[] = "http://www.orvane.example/";
const char kAuthorUrl[] = "mailto:morik@orvane.example";

// Closes every version box that opens on this thread, after handing it to
// the inspection, from a thread timer that runs inside the box's modal loop.
class VersionBoxCloser {
public:
    explicit VersionBoxCloser(std::function<void(HWND box)> inspect = {})
        : m_inspect(std::move(inspect)), m_nOpenings(0), m_hClosing(nullptr)
    {
        s_pActive = this;
        m_timer = ::SetTimer(nullptr, 0, 10, OnTimer);
    }
    ~VersionBoxCloser()
    {
        ::KillTimer(nullptr, m_timer);
        s_pActive = nullptr;
    }
    VersionBoxCloser(const VersionBoxCloser&) = delete;
    VersionBoxCloser& operator=(const VersionBoxCloser&) = delete;

    int Openings() const { return m_nOpenings; }

private:
    static BOOL CALLBACK FindBox(HWND window, LPARAM lParam)
    {
        wchar_t caption[64] = L"";
        ::GetWindowTextW(window, caption, 64);
        if (::IsWindowVisible(window) && ::lstrcmpW(caption, kCaption) == 0) {
            *reinterpret_cast<HWND*>(lParam) = window;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        VersionBoxCloser* self = s_pActive;
        if (self == nullptr)
            return;
        HWND box = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr || box == self->m_hClosing)
            return;
        self->m_hClosing = box;
        ++self->m_nOpenings;
        if (self->m_inspect)
            self->m_inspect(box);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    }

    std::function<void(HWND)> m_inspect;
    int m_nOpenings;
    HWND m_hClosing;
    UINT_PTR m_timer;
    static VersionBoxCloser* s_pActive;
};

VersionBoxCloser* VersionBoxCloser::s_pActive = nullptr;

HWND ChildWithText(HWND dialog, const char* text)
{
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (WindowTextOf(child) == text)
            return child;
    }
    return nullptr;
}

class VersionDlgTest : public ProgramTest {
protected:
    void SystemCommand(WPARAM id) { ::SendMessageA(MainWindow(), WM_SYSCOMMAND, id, 0); }
    void MenuCommand() { ::SendMessageA(MainWindow(), WM_COMMAND, ID_VERSION_INFO, 0); }
};

struct OpeningCase {
    const char* what;
    UINT message;
    WPARAM id;
    int openings;
};

void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.what; }

class VersionDlgOpeningTest : public VersionDlgTest, public testing::WithParamInterface<OpeningCase> {};

TEST_P(VersionDlgOpeningTest, OpensOnlyForItsCommands)
{
    const OpeningCase& c = GetParam();
    HWND main = MainWindow();
    bool ownerDisabled = false;
    HWND owner = nullptr;
    VersionBoxCloser closer([&](HWND box) {
        ownerDisabled = !::IsWindowEnabled(main);
        owner = ::GetWindow(box, GW_OWNER);
    });

    ::SendMessageA(main, c.message, c.id, 0);
    PumpPending();

    EXPECT_EQ(c.openings, closer.Openings());
    if (c.openings > 0) {
        EXPECT_TRUE(ownerDisabled) << "the main window is disabled while the box runs";
        EXPECT_EQ(main, owner);
    }
    EXPECT_TRUE(::IsWindowEnabled(main));
    EXPECT_TRUE(::IsWindow(main));
}

// 15 and 32 stand for the ids around the item's; neither means anything to
// the default handling, so nothing else happens either.
INSTANTIATE_TEST_SUITE_P(Commands, VersionDlgOpeningTest,
                         testing::Values(OpeningCase{"system menu item 16", WM_SYSCOMMAND, 16, 1},
                                         OpeningCase{"system command 31, masked to 16", WM_SYSCOMMAND, 31, 1},
                                         OpeningCase{"system command 15", WM_SYSCOMMAND, 15, 0},
                                         OpeningCase{"system command 32", WM_SYSCOMMAND, 32, 0},
                                         OpeningCase{"menu command 32777", WM_COMMAND, ID_VERSION_INFO, 1}));

TEST_F(VersionDlgTest, ShowsBothLinksFittedWithoutUnderlineAndWithTheirUrls)
{
    int inspected = 0;
    VersionBoxCloser closer([&](HWND box) {
        ++inspected;
        struct Link {
            int id;
            const char* text;
            const char* url;
            int x, y;
        };
        for (const Link& link : {Link{IDC_AUTHOR_LINK, "Morik", kAuthorUrl, 43, 35},
                                 Link{IDC_MAKER_LINK, "Orvane", kMakerUrl, 73, 35}}) {
            SCOPED_TRACE(link.text);
            HWND control = ::GetDlgItem(box, link.id);
            ASSERT_NE(nullptr, control);
            EXPECT_EQ(link.text, WindowTextOf(control));
            RECT placed = RectInParent(control);
            RECT fromTemplate = DialogUnits(box, link.x, link.y, 1, 1);
            SIZE extent = TextExtentOf(control);
            EXPECT_EQ(fromTemplate.left, placed.left);
            EXPECT_EQ(fromTemplate.top, placed.top);
            EXPECT_EQ(extent.cx, placed.right - placed.left);
            EXPECT_EQ(extent.cy, placed.bottom - placed.top);
            EXPECT_EQ(0, FontOf(control).lfUnderline);
            EXPECT_STREQ(FontOf(box).lfFaceName, FontOf(control).lfFaceName);
            EXPECT_EQ(RGB(0, 0, 238), ColoursOf(box, control).text);
            HWND tooltip = ToolTipOf(control);
            ASSERT_NE(nullptr, tooltip);
            std::vector<ToolEntry> tools = ToolsOf(tooltip);
            ASSERT_EQ(1u, tools.size());
            EXPECT_EQ(link.url, tools[0].text);
            EXPECT_NE(nullptr, CursorShownBy(control));
        }
        HWND presented = ChildWithText(box, "Presented by");
        HWND slash = ChildWithText(box, "/");
        ASSERT_NE(nullptr, presented);
        ASSERT_NE(nullptr, slash);
        EXPECT_EQ(DialogUnits(box, 3, 35, 39, 8), RectInParent(presented));
        EXPECT_EQ(DialogUnits(box, 65, 35, 8, 8), RectInParent(slash));
        EXPECT_EQ(::GetDlgItem(box, IDOK), ::GetFocus()) << "the focus goes to OK";
    });

    SystemCommand(IDM_ABOUTBOX);

    EXPECT_EQ(1, inspected);
}

TEST_F(VersionDlgTest, TwoHundredOpeningsLeaveNoObjectBehind)
{
    struct Taken {
        HGDIOBJ font;
        HCURSOR cursor;
        HWND tooltip;
    };
    std::vector<Taken> taken;
    VersionBoxCloser closer([&](HWND box) {
        for (int id : {IDC_AUTHOR_LINK, IDC_MAKER_LINK}) {
            HWND link = ::GetDlgItem(box, id);
            taken.push_back(Taken{reinterpret_cast<HGDIOBJ>(::SendMessageA(link, WM_GETFONT, 0, 0)),
                                  CursorShownBy(link), ToolTipOf(link)});
        }
    });
    // The first opening registers classes and fills caches for good.
    MenuCommand();
    ASSERT_EQ(1, closer.Openings());

    HANDLE process = ::GetCurrentProcess();
    DWORD gdiBefore = ::GetGuiResources(process, GR_GDIOBJECTS);
    DWORD userBefore = ::GetGuiResources(process, GR_USEROBJECTS);
    for (int opening = 0; opening < 200; ++opening) {
        taken.clear();
        if (opening % 2 == 0)
            SystemCommand(IDM_ABOUTBOX);
        else
            MenuCommand();
        ASSERT_EQ(2u, taken.size()) << "opening " << opening;
        for (const Taken& t : taken) {
            ASSERT_NE(nullptr, t.font);
            ASSERT_NE(nullptr, t.cursor);
            ASSERT_NE(nullptr, t.tooltip);
            ASSERT_EQ(0u, ::GetObjectType(t.font)) << "font left after opening " << opening;
            ASSERT_FALSE(IsLiveCursor(t.cursor)) << "cursor left after opening " << opening;
            ASSERT_FALSE(::IsWindow(t.tooltip)) << "tooltip left after opening " << opening;
        }
        ASSERT_TRUE(ThreadToolTips().empty());
    }
    EXPECT_EQ(201, closer.Openings());
    EXPECT_EQ(gdiBefore, ::GetGuiResources(process, GR_GDIOBJECTS));
    EXPECT_EQ(userBefore, ::GetGuiResources(process, GR_USEROBJECTS));
    if (gdiBefore == 0 && userBefore == 0)
        std::cout << "GetGuiResources gives no counts here (Wine); each opening's font, cursor and tooltip "
                     "were checked gone instead\n";
}

}  // namespace
