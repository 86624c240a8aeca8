#include "about/LinkCommand.h"
#include "about/LinkGeometry.h"
#include "about/OpenErrorText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Static control style bits.
const unsigned long kLeft = 0x0000;
const unsigned long kCenter = 0x0001;
const unsigned long kRight = 0x0002;
const unsigned long kCenterImage = 0x0200;

struct FitCase {
    const char* what;
    LinkRect window;
    int textWidth, textHeight;
    unsigned long style;
    LinkRect expected;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.what; }

class FitToTextTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitToTextTest, PlacesTheWindowAroundItsText)
{
    const FitCase& c = GetParam();
    LinkRect fitted = FitRectToText(c.window, c.textWidth, c.textHeight, c.style);
    EXPECT_EQ(c.expected.left, fitted.left);
    EXPECT_EQ(c.expected.top, fitted.top);
    EXPECT_EQ(c.expected.right, fitted.right);
    EXPECT_EQ(c.expected.bottom, fitted.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FitToTextTest,
    testing::Values(
        FitCase{"left, larger than the text: top-left stays", {10, 20, 110, 60}, 40, 14, kLeft, {10, 20, 50, 34}},
        FitCase{"left, smaller than the text: grows right and down", {10, 20, 30, 25}, 40, 14, kLeft, {10, 20, 50, 34}},
        FitCase{"right: the right edge stays", {10, 20, 110, 60}, 40, 14, kRight, {70, 20, 110, 34}},
        FitCase{"centre: odd difference truncates", {10, 20, 110, 60}, 41, 14, kCenter, {39, 20, 81, 34}},
        FitCase{"centre: text wider, negative half truncates toward zero", {10, 20, 30, 60}, 25, 14, kCenter,
                {8, 20, 32, 34}},
        FitCase{"centre bit wins over the right bit", {10, 20, 110, 60}, 40, 14, kCenter | kRight, {40, 20, 80, 34}},
        FitCase{"centre image: 21 around 14 moves the top down by 3", {10, 20, 110, 41}, 40, 14, kCenterImage,
                {10, 23, 50, 38}},
        FitCase{"centre image: 10 around 15 grows by 2 at top and bottom", {10, 20, 110, 30}, 40, 15, kCenterImage,
                {10, 18, 50, 32}},
        FitCase{"centre image with right alignment", {10, 20, 110, 41}, 40, 14, kCenterImage | kRight,
                {70, 23, 110, 38}}));

struct CommandCase {
    const char* what;
    const char* registered;
    const char* url;
    const char* expected;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.what; }

class FallbackCommandTest : public testing::TestWithParam<CommandCase> {};

TEST_P(FallbackCommandTest, CutsThePlaceholderAndAppendsTheUrl)
{
    const CommandCase& c = GetParam();
    EXPECT_EQ(std::string(c.expected), BuildFallbackCommand(c.registered, c.url).GetString());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FallbackCommandTest,
    testing::Values(
        CommandCase{"no placeholder: the whole command", "C:\\web\\view.exe", "http://a.example/",
                    "C:\\web\\view.exe http://a.example/"},
        CommandCase{"quoted placeholder after a space: two spaces", "\"C:\\web\\view.exe\" \"%1\"", "http://a.example/",
                    "\"C:\\web\\view.exe\"  http://a.example/"},
        CommandCase{"bare placeholder with more arguments: all dropped", "view.exe -url %1 -new -x", "mailto:a@b",
                    "view.exe -url  mailto:a@b"},
        CommandCase{"placeholder glued to a switch", "view.exe /u:%1,new", "x", "view.exe /u: x"},
        CommandCase{"quoted placeholder preferred over an earlier bare one", "view.exe %1x \"%1\"", "u",
                    "view.exe %1x  u"},
        CommandCase{"URL with spaces stays unquoted", "view.exe \"%1\"", "file name.htm", "view.exe  file name.htm"},
        // 表 is 0x95 0x5C: its trail byte is no backslash, and the command survives whole.
        CommandCase{"multibyte command", "C:\\\x95\x5C\\\x83\x76\x83\x8D.exe \"%1\" /s", "http://a.example/",
                    "C:\\\x95\x5C\\\x83\x76\x83\x8D.exe  http://a.example/"},
        // A lead byte takes the quote after it along, so no quoted "%1"
        // starts on a character; the bare "%1" is then found bytewise.
        CommandCase{"quote swallowed by a lead byte", "v.exe \x81\"%1\" -n", "u", "v.exe \x81\" u"},
        CommandCase{"empty URL still gets its space", "v.exe %1", "", "v.exe  "}));

TEST(FallbackCommand, LongUrlIsKeptWhole)
{
    std::string url = "http://a.example/" + std::string(2000, 'q');
    std::string expected = "\"v.exe\"  " + url;
    EXPECT_EQ(expected, BuildFallbackCommand("\"v.exe\" \"%1\"", url.c_str()).GetString());
}

struct ErrorCase {
    int code;
    const char* reason;
};

class OpenErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(OpenErrorTest, HeadingThenReason)
{
    EXPECT_EQ(std::string("Unable to open hyperlink:\n\n") + GetParam().reason,
              OpenErrorMessage(GetParam().code).GetString());
}

INSTANTIATE_TEST_SUITE_P(
    Known, OpenErrorTest,
    testing::Values(
        ErrorCase{0, "The operating system is out\nof memory or resources."},
        ErrorCase{2, "The specified file was not found."},
        ErrorCase{3, "The specified path was not found."},
        ErrorCase{5, "The operating system denied\naccess to the specified file."},
        ErrorCase{8, "There was not enough memory to complete the operation."},
        ErrorCase{11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        ErrorCase{26, "A sharing violation occurred. "},
        ErrorCase{27, "The filename association is\nincomplete or invalid."},
        ErrorCase{28, "The DDE transaction could not\nbe completed because the request timed out."},
        ErrorCase{29, "The DDE transaction failed."},
        ErrorCase{30,
                  "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        ErrorCase{31, "There is no application associated\nwith the given filename extension."},
        ErrorCase{32, "The specified dynamic-link library was not found."}));

class UnknownOpenErrorTest : public testing::TestWithParam<int> {};

TEST_P(UnknownOpenErrorTest, ShowsTheCodeAsSignedDecimal)
{
    std::string expected = "Unable to open hyperlink:\n\nUnknown Error (" + std::to_string(GetParam()) + ") occurred.";
    EXPECT_EQ(expected, OpenErrorMessage(GetParam()).GetString());
}

INSTANTIATE_TEST_SUITE_P(Others, UnknownOpenErrorTest,
                         testing::Values(1, 4, 6, 7, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 33,
                                         -1, -2147483647 - 1));

}  // namespace
