#include "about/LinkLabel.h"
#include "about/OpenErrorText.h"
#include "res/resource.h"
#include "tests/windows/LinkSupport.h"
#include "tests/windows/Support.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <functional>

namespace {

const COLORREF kLinkColour = RGB(0, 0, 238);
const COLORREF kVisitedColour = RGB(85, 26, 139);
const char kUnopenableUrl[] = "fenlow-nothing:page";

// A dialog on the version template whose maker control becomes the label
// under test; what runs before the attach can reshape the bare control.
class CLabelHost : public CDialog {
public:
    CLabelHost() : CDialog(IDD_VERSION) {}
    ~CLabelHost() override { Close(); }

    void Open()
    {
        ASSERT_TRUE(Create(IDD_VERSION));
        ShowWindow(SW_SHOWNA);
    }
    void Close()
    {
        if (m_hWnd != nullptr)
            ::DestroyWindow(m_hWnd);
    }
    HWND Label() const { return m_link.m_hWnd; }

    std::function<void(HWND control)> m_beforeAttach;
    CLinkLabel m_link;

protected:
    BOOL OnInitDialog() override
    {
        if (m_beforeAttach)
            m_beforeAttach(GetDlgItem(IDC_MAKER_LINK));
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_MAKER_LINK, m_link); }
};

std::string TestProgramFolder()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    ::PathRemoveFileSpecA(path);
    return path;
}

std::string RecorderPath()
{
    return TestProgramFolder() + "\\fenlow_record_command_line.exe";
}

// Sets one key's default value, creating the key.
void SetDefault(HKEY root, const std::string& subKey, const std::string& value)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr))
        << subKey;
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}

bool ReadDefault(HKEY root, const std::string& subKey, std::string* value)
{
    char data[1024] = "";
    LONG size = sizeof data;
    if (::RegQueryValueA(root, subKey.c_str(), data, &size) != ERROR_SUCCESS)
        return false;
    *value = data;
    return true;
}

bool KeyExists(HKEY root, const std::string& subKey)
{
    HKEY key;
    if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

// The current user's .htm association, pointed at a test class. Windows
// shows it through HKEY_CLASSES_ROOT; Wine does not merge the user's classes
// into that view, so there it is written through the root as well and the
// previous .htm class is put back afterwards.
class HtmAssociation {
public:
    // An empty command registers the class without any open command.
    explicit HtmAssociation(const std::string& command)
    {
        Register(HKEY_CURRENT_USER, "Software\\Classes\\", command);
        if (!command.empty() ? !KeyExists(HKEY_CLASSES_ROOT, kClass + std::string("\\shell\\open\\command"))
                             : !KeyExists(HKEY_CLASSES_ROOT, kClass)) {
            m_htmExisted = KeyExists(HKEY_CLASSES_ROOT, ".htm");
            m_hadClass = m_htmExisted && ReadDefault(HKEY_CLASSES_ROOT, ".htm", &m_previousClass);
            Register(HKEY_CLASSES_ROOT, "", command);
            m_throughRoot = true;
        }
    }
    ~HtmAssociation()
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\Classes\\") + kClass).c_str());
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Classes\\.htm");
        if (!m_throughRoot)
            return;
        ::SHDeleteKeyA(HKEY_CLASSES_ROOT, kClass);
        if (!m_htmExisted)
            ::SHDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
        else if (m_hadClass)
            SetDefault(HKEY_CLASSES_ROOT, ".htm", m_previousClass);
    }

private:
    static constexpr const char* kClass = "FenlowTest.htmlfile";

    void Register(HKEY root, const std::string& prefix, const std::string& command)
    {
        SetDefault(root, prefix + ".htm", kClass);
        if (command.empty())
            SetDefault(root, prefix + kClass, "Fenlow test page");
        else
            SetDefault(root, prefix + kClass + "\\shell\\open\\command", command);
    }

    bool m_throughRoot = false;
    bool m_htmExisted = false;
    bool m_hadClass = false;
    std::string m_previousClass;
};

class LinkLabelTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        m_recordFile = m_startDir / "command-line.txt";
        ::SetEnvironmentVariableA("FENLOW_RECORD_FILE", m_recordFile.c_str());
    }
    void TearDown() override
    {
        m_host.Close();
        ::SetEnvironmentVariableA("FENLOW_RECORD_FILE", nullptr);
        ProgramTest::TearDown();
    }

    PaintColours Colours() { return ColoursOf(m_host.m_hWnd, m_host.Label()); }
    void MoveMouse(int x, int y) { ::SendMessageA(m_host.Label(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    // A real click: the static control reports it only with SS_NOTIFY.
    void Click()
    {
        ::SendMessageA(m_host.Label(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        ::SendMessageA(m_host.Label(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    // What the started program recorded, once it has written it.
    std::string RecordedCommandLine()
    {
        for (int attempt = 0; attempt < 400 && !PathExists(m_recordFile); ++attempt) {
            ::Sleep(50);
            PumpPending();
        }
        return ReadFileBytes(m_recordFile);
    }
    std::string QuotedRecorder() { return "\"" + RecorderPath() + "\""; }

    CLabelHost m_host;
    std::string m_recordFile;
};

TEST_F(LinkLabelTest, AttachTakesTheTemplateTextAsUrlAndFitsTheWindowToIt)
{
    LONG templateStyle = 0;
    m_host.m_beforeAttach = [&](HWND control) { templateStyle = ::GetWindowLongA(control, GWL_STYLE); };
    m_host.Open();
    HWND label = m_host.Label();
    ASSERT_NE(nullptr, label);

    EXPECT_EQ(0, templateStyle & SS_NOTIFY);
    EXPECT_EQ(SS_NOTIFY, ::GetWindowLongA(label, GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ("Orvane", WindowTextOf(label));

    // An underlined copy of the dialog's font.
    LOGFONTA dialogFont = FontOf(m_host.m_hWnd);
    LOGFONTA labelFont = FontOf(label);
    EXPECT_STREQ(dialogFont.lfFaceName, labelFont.lfFaceName);
    EXPECT_EQ(dialogFont.lfHeight, labelFont.lfHeight);
    EXPECT_EQ(1, labelFont.lfUnderline);
    EXPECT_NE(::SendMessageA(m_host.m_hWnd, WM_GETFONT, 0, 0), ::SendMessageA(label, WM_GETFONT, 0, 0));

    // Top-left corner from the template, size from the text.
    RECT placed = RectInParent(label);
    RECT fromTemplate = DialogUnits(m_host.m_hWnd, 73, 35, 43, 8);
    SIZE extent = TextExtentOf(label);
    EXPECT_EQ(fromTemplate.left, placed.left);
    EXPECT_EQ(fromTemplate.top, placed.top);
    EXPECT_EQ(extent.cx, placed.right - placed.left);
    EXPECT_EQ(extent.cy, placed.bottom - placed.top);
    EXPECT_LT(extent.cx, fromTemplate.right - fromTemplate.left);  // the fit really shrank it

    // One tool of its own id over the fitted client area, text the URL.
    HWND tooltip = ToolTipOf(label);
    ASSERT_NE(nullptr, tooltip);
    std::vector<ToolEntry> tools = ToolsOf(tooltip);
    ASSERT_EQ(1u, tools.size());
    RECT client;
    ::GetClientRect(label, &client);
    EXPECT_EQ(0u, tools[0].flags);
    EXPECT_EQ(label, tools[0].window);
    EXPECT_EQ(1u, tools[0].id);
    EXPECT_EQ(client, tools[0].rect);
    EXPECT_EQ("Orvane", tools[0].text);
    EXPECT_EQ(1u, ThreadToolTips().size());
}

TEST_F(LinkLabelTest, AnEmptyTemplateTextShowsTheUrlSetBeforeAttach)
{
    m_host.m_beforeAttach = [](HWND control) { ::SetWindowTextA(control, ""); };
    m_host.m_link.SetLinkURL("http://www.orvane.example/");
    m_host.Open();
    HWND label = m_host.Label();

    EXPECT_EQ("http://www.orvane.example/", WindowTextOf(label));
    EXPECT_EQ("http://www.orvane.example/", ToolsOf(ToolTipOf(label)).at(0).text);
    RECT placed = RectInParent(label);
    EXPECT_EQ(TextExtentOf(label).cx, placed.right - placed.left);
}

TEST_F(LinkLabelTest, UnderlineFollowsTheFlagSetBeforeAttach)
{
    for (BOOL underline : {TRUE, FALSE}) {
        CLabelHost host;
        host.m_link.EnableUnderline(underline);
        host.Open();
        EXPECT_EQ(underline, FontOf(host.Label()).lfUnderline) << "flag " << underline;
    }
}

TEST_F(LinkLabelTest, EnableUnderlineReplacesTheFontWithoutRefitting)
{
    m_host.Open();
    HWND label = m_host.Label();
    HGDIOBJ underlined = reinterpret_cast<HGDIOBJ>(::SendMessageA(label, WM_GETFONT, 0, 0));
    ::SetWindowPos(label, nullptr, 0, 0, 200, 30, SWP_NOMOVE | SWP_NOZORDER);

    m_host.m_link.EnableUnderline(FALSE);

    LOGFONTA font = FontOf(label);
    EXPECT_EQ(0, font.lfUnderline);
    EXPECT_STREQ(FontOf(m_host.m_hWnd).lfFaceName, font.lfFaceName);
    EXPECT_EQ(0u, ::GetObjectType(underlined)) << "the old font is deleted";
    RECT placed = RectInParent(label);
    EXPECT_EQ(200, placed.right - placed.left);
    EXPECT_EQ(30, placed.bottom - placed.top);
}

TEST_F(LinkLabelTest, AControlWithoutAFontStartsFromTheDefaultGuiFont)
{
    m_host.m_beforeAttach = [](HWND control) { ::SendMessageA(control, WM_SETFONT, 0, FALSE); };
    m_host.Open();

    LOGFONTA expected = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof expected, &expected);
    LOGFONTA font = FontOf(m_host.Label());
    EXPECT_STREQ(expected.lfFaceName, font.lfFaceName);
    EXPECT_EQ(expected.lfHeight, font.lfHeight);
    EXPECT_EQ(1, font.lfUnderline);

    m_host.m_link.EnableUnderline(FALSE);
    EXPECT_EQ(0, FontOf(m_host.Label()).lfUnderline);
}

TEST_F(LinkLabelTest, SetLinkUrlChangesTheTipAndRefitsToTheText)
{
    m_host.Open();
    HWND label = m_host.Label();
    ::SetWindowPos(label, nullptr, 0, 0, 200, 30, SWP_NOMOVE | SWP_NOZORDER);

    m_host.m_link.SetLinkURL("http://www.orvane.example/");

    EXPECT_EQ("http://www.orvane.example/", ToolsOf(ToolTipOf(label)).at(0).text);
    EXPECT_EQ("Orvane", WindowTextOf(label));
    RECT placed = RectInParent(label);
    SIZE extent = TextExtentOf(label);
    EXPECT_EQ(extent.cx, placed.right - placed.left);
    EXPECT_EQ(extent.cy, placed.bottom - placed.top);
}

TEST_F(LinkLabelTest, ColourIsHoverOverVisitedOverLink)
{
    m_host.Open();
    const COLORREF hover = ::GetSysColor(COLOR_HIGHLIGHT);
    struct Case {
        BOOL visited;
        bool over;
        COLORREF expected;
    };
    const Case cases[] = {
        {FALSE, false, kLinkColour},
        {TRUE, false, kVisitedColour},
        {FALSE, true, hover},
        {TRUE, true, hover},
    };
    for (const Case& c : cases) {
        m_host.m_link.MarkVisited(c.visited);
        if (c.over)
            MoveMouse(2, 2);
        PaintColours colours = Colours();
        EXPECT_EQ(c.expected, colours.text) << "visited " << c.visited << ", over " << c.over;
        EXPECT_EQ(TRANSPARENT, colours.backgroundMode);
        EXPECT_EQ(::GetStockObject(NULL_BRUSH), colours.brush);
        if (c.over)
            MoveMouse(-1, -1);
    }
}

TEST_F(LinkLabelTest, HoverHoldsTheMouseCaptureUntilThePointerLeaves)
{
    m_host.Open();
    HWND label = m_host.Label();
    m_host.m_link.MarkVisited(TRUE);
    RECT client;
    ::GetClientRect(label, &client);

    MoveMouse(1, 1);
    EXPECT_EQ(label, ::GetCapture());
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), Colours().text);

    MoveMouse(client.right - 1, client.bottom - 1);  // still inside
    EXPECT_EQ(label, ::GetCapture());

    MoveMouse(client.right + 3, 1);  // a captured move from beyond the right edge
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(kVisitedColour, Colours().text);

    MoveMouse(2, 2);  // and back in
    EXPECT_EQ(label, ::GetCapture());
    MoveMouse(-1, -1);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(LinkLabelTest, ShowsAHandCursorOfItsOwn)
{
    m_host.Open();
    HCURSOR shown = CursorShownBy(m_host.Label());
    ASSERT_NE(nullptr, shown);
    EXPECT_NE(::LoadCursorA(nullptr, IDC_ARROW), shown);
    EXPECT_NE(::LoadCursorA(nullptr, IDC_HAND), shown) << "a copy, destroyed with the label";

    // Where the help viewer has no hand of its own (Wine's and today's
    // Windows' have none), the label shows the system's.
    char path[MAX_PATH];
    ::GetWindowsDirectoryA(path, MAX_PATH);
    ::lstrcatA(path, "\\winhlp32.exe");
    HMODULE viewer = ::LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    bool viewerHasHand = viewer != nullptr && ::LoadCursorA(viewer, MAKEINTRESOURCEA(106)) != nullptr;
    if (viewer != nullptr)
        ::FreeLibrary(viewer);
    if (!viewerHasHand) {
        EXPECT_TRUE(LooksLikeSystemHand(shown));
    }
}

TEST_F(LinkLabelTest, CursorFontAndTooltipGoWithTheLabel)
{
    HCURSOR cursor = nullptr;
    HGDIOBJ font = nullptr;
    HWND tooltip = nullptr;
    {
        CLabelHost host;
        host.Open();
        cursor = CursorShownBy(host.Label());
        font = reinterpret_cast<HGDIOBJ>(::SendMessageA(host.Label(), WM_GETFONT, 0, 0));
        tooltip = ToolTipOf(host.Label());
        ASSERT_TRUE(IsLiveCursor(cursor));
        ASSERT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(font));
        ASSERT_TRUE(::IsWindow(tooltip));
    }
    EXPECT_FALSE(IsLiveCursor(cursor));
    EXPECT_EQ(0u, ::GetObjectType(font));
    EXPECT_FALSE(::IsWindow(tooltip));
    EXPECT_TRUE(ThreadToolTips().empty());
}

TEST_F(LinkLabelTest, MouseMessagesFromTheLoopReachTheTooltip)
{
    m_host.Open();
    HWND label = m_host.Label();
    HWND tooltip = ToolTipOf(label);
    ASSERT_NE(nullptr, tooltip);
    ::SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    POINT centre = {2, 2};
    ::ClientToScreen(label, &centre);
    ::SetCursorPos(centre.x, centre.y);

    // Posted, so it comes through the message loop's PreTranslateMessage
    // walk, which the label uses to relay it.
    ::PostMessageA(label, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    TTTOOLINFOA current = {};
    current.cbSize = TTTOOLINFOA_V2_SIZE;
    bool shown = false;
    for (int attempt = 0; attempt < 200 && !shown; ++attempt) {
        PumpPending();
        shown = ::SendMessageA(tooltip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&current)) != 0;
        if (!shown)
            ::Sleep(10);
    }
    ASSERT_TRUE(shown);
    EXPECT_EQ(label, current.hwnd);
    EXPECT_EQ(1u, current.uId);
}

TEST_F(LinkLabelTest, ClickTheShellCannotOpenRunsTheHtmCommandWithTheUrl)
{
    ASSERT_LE(reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", kUnopenableUrl, nullptr, nullptr, SW_SHOW)),
              32)
        << "something here opens " << kUnopenableUrl;
    HtmAssociation association(QuotedRecorder() + " \"%1\" -extra");
    m_host.Open();
    m_host.m_link.SetLinkURL(kUnopenableUrl);
    MessageBoxWatcher boxes;

    Click();

    // The quoted placeholder and all after it are dropped; the space before
    // it stays, so the URL follows two spaces.
    EXPECT_EQ(QuotedRecorder() + "  " + kUnopenableUrl, RecordedCommandLine());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(kVisitedColour, Colours().text);
}

TEST_F(LinkLabelTest, LongUrlReachesTheHtmCommandWhole)
{
    HtmAssociation association(QuotedRecorder() + " %1");
    std::string url = std::string(kUnopenableUrl) + "/" + std::string(700, 'q');
    m_host.Open();
    m_host.m_link.SetLinkURL(url.c_str());
    MessageBoxWatcher boxes;

    Click();

    EXPECT_EQ(QuotedRecorder() + "  " + url, RecordedCommandLine());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(LinkLabelTest, SuccessfulShellOpenMarksVisitedAndLeavesTheRegistryAlone)
{
    HtmAssociation association(QuotedRecorder() + " fallback \"%1\"");
    m_host.Open();
    m_host.m_link.SetLinkURL(RecorderPath().c_str());  // the shell runs it
    MessageBoxWatcher boxes;

    Click();

    std::string recorded = RecordedCommandLine();
    EXPECT_FALSE(recorded.empty());
    EXPECT_EQ(std::string::npos, recorded.find("fallback")) << recorded;
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(kVisitedColour, Colours().text);
}

TEST_F(LinkLabelTest, FailedClickExplainsTheErrorAndClearsVisited)
{
    HtmAssociation association("\"" + (m_startDir / "no-browser.exe") + "\" \"%1\"");
    m_host.Open();
    m_host.m_link.MarkVisited(TRUE);
    m_host.m_link.SetLinkURL(kUnopenableUrl);
    MessageBoxWatcher boxes;

    Click();

    ASSERT_EQ(1u, boxes.Boxes().size());
    const ShownBox& box = boxes.Boxes()[0];
    EXPECT_EQ(L"Fenlow", box.caption);
    EXPECT_EQ(L"Unable to open hyperlink:\n\nThe specified file was not found.", box.text);
    EXPECT_EQ(BoxIcon::Exclamation, box.icon);
    EXPECT_EQ(kLinkColour, Colours().text);
}

TEST_F(LinkLabelTest, HoverEndsWhenTheErrorBoxTakesTheMouseAway)
{
    HtmAssociation association("\"" + (m_startDir / "no-browser.exe") + "\" \"%1\"");
    m_host.Open();
    m_host.m_link.SetLinkURL(kUnopenableUrl);
    MoveMouse(2, 2);  // the pointer comes over the label before it clicks
    ASSERT_EQ(m_host.Label(), ::GetCapture());
    MessageBoxWatcher boxes;

    Click();

    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(kLinkColour, Colours().text) << "no hover colour left behind";
    MoveMouse(2, 2);
    EXPECT_EQ(m_host.Label(), ::GetCapture()) << "the next visit tracks the pointer again";
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), Colours().text);
}

TEST_F(LinkLabelTest, WithoutAnOpenCommandTheShellsOwnErrorIsShown)
{
    HtmAssociation association("");  // a class with no open command
    int shellResult = static_cast<int>(
        reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", kUnopenableUrl, nullptr, nullptr, SW_SHOW)));
    ASSERT_LE(shellResult, 32);
    m_host.Open();
    m_host.m_link.SetLinkURL(kUnopenableUrl);
    MessageBoxWatcher boxes;

    Click();

    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(Wide(OpenErrorMessage(shellResult).GetString()), boxes.Boxes()[0].text);
    EXPECT_EQ(kLinkColour, Colours().text);
}

}  // namespace
