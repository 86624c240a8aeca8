#include "classify/PathChecks.h"
#include "classify/ShortcutText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Code page 932: "表" is 0x95 0x5C, its trail byte a backslash.
struct TextCase {
    const char* input;
    const char* expected;
};

class WorkingDirectoryTest : public testing::TestWithParam<TextCase> {};

TEST_P(WorkingDirectoryTest, TextBeforeTheLastRealBackslash)
{
    EXPECT_STREQ(GetParam().expected, WorkingDirectoryOf(GetParam().input).GetString());
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WorkingDirectoryTest,
    testing::Values(TextCase{"C:\\work\\report.doc", "C:\\work"},
                    TextCase{"C:\\report.doc", "C:"},                  // a drive's root: no backslash kept
                    TextCase{"report.doc", ""},
                    TextCase{"\\\\server\\share\\report.doc", "\\\\server\\share"},
                    TextCase{"C:\\\x95\x5C\\a.txt", "C:\\\x95\x5C"},   // C:\表\a.txt
                    TextCase{"C:\\work\\\x95\x5C", "C:\\work"},        // C:\work\表
                    TextCase{"\x95\x5C", ""},
                    TextCase{"", ""}));

class LinkTitleTest : public testing::TestWithParam<TextCase> {};

TEST_P(LinkTitleTest, TitleOfTheEntryName)
{
    EXPECT_STREQ(GetParam().expected, LinkTitleOf(GetParam().input).GetString());
}

INSTANTIATE_TEST_SUITE_P(Names, LinkTitleTest,
                         testing::Values(TextCase{"report.final.doc", "report.final"},
                                         TextCase{"readme", "readme"},
                                         TextCase{".hidden", ""},
                                         TextCase{"\x95\x5C.txt", "\x95\x5C"}));

TEST(LinkTitle, KeptTo255BytesOnACharacterBoundary)
{
    std::string single(300, 'a');
    EXPECT_EQ(std::string(255, 'a'), LinkTitleOf((single + ".txt").c_str()).GetString());
    EXPECT_EQ(std::string(255, 'a'), LinkTitleOf(std::string(255, 'a').c_str()).GetString());

    // "a" then double-byte characters: 255 bytes end on a boundary.
    std::string doubled = "a";
    for (int i = 0; i < 130; ++i)
        doubled += "\x95\x5C";
    std::string title = LinkTitleOf((doubled + ".txt").c_str()).GetString();
    EXPECT_EQ(doubled.substr(0, 255), title);

    // Double-byte characters only: the 128th would straddle byte 255, so
    // the title stops at 254.
    std::string even;
    for (int i = 0; i < 130; ++i)
        even += "\x95\x5C";
    EXPECT_EQ(even.substr(0, 254), LinkTitleOf(even.c_str()).GetString());
}

struct CheckCase {
    const char* path;
    bool expected;
};

class LinkExtensionTest : public testing::TestWithParam<CheckCase> {};

TEST_P(LinkExtensionTest, ExactLowerCaseEnding)
{
    EXPECT_EQ(GetParam().expected, EndsWithLinkExtension(GetParam().path)) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Paths, LinkExtensionTest,
                         testing::Values(CheckCase{"C:\\a\\b.lnk", true},
                                         CheckCase{".lnk", true},
                                         CheckCase{"C:\\a\\b.LNK", false},
                                         CheckCase{"C:\\a\\b.Lnk", false},
                                         CheckCase{"C:\\a\\b.lnk.txt", false},
                                         CheckCase{"C:\\a\\blnk", false},
                                         CheckCase{"lnk", false},
                                         CheckCase{"", false}));

class WildcardTest : public testing::TestWithParam<CheckCase> {};

TEST_P(WildcardTest, StarOrQuestionMark)
{
    EXPECT_EQ(GetParam().expected, HasWildcard(GetParam().path)) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Paths, WildcardTest,
                         testing::Values(CheckCase{"C:\\a\\*", true},
                                         CheckCase{"C:\\a\\b?.txt", true},
                                         CheckCase{"C:\\*\\b.txt", true},
                                         CheckCase{"C:\\a\\b.txt", false},
                                         CheckCase{"C:\\\x95\x5C", false},
                                         CheckCase{"", false}));

class AttributesLikeFindFirstTest : public testing::TestWithParam<CheckCase> {};

TEST_P(AttributesLikeFindFirstTest, OnlyWhereBothQueriesAgree)
{
    EXPECT_EQ(GetParam().expected, AttributesAnswerLikeFindFirst(GetParam().path)) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Paths, AttributesLikeFindFirstTest,
                         testing::Values(CheckCase{"C:\\a\\docs", true},
                                         CheckCase{"C:\\\\docs", true},
                                         CheckCase{"C:docs", true},
                                         CheckCase{"docs", true},
                                         CheckCase{"C:\\a\\..\\docs", true},
                                         CheckCase{"C:\\a\\docs.d", true},
                                         // "表": its trail byte is no separator.
                                         CheckCase{"C:\\a\\\x95\x5C", true},
                                         CheckCase{"C:\\", false},
                                         CheckCase{"C:", false},
                                         CheckCase{"C:\\a\\docs\\", false},
                                         CheckCase{"C:\\a\\docs/", false},
                                         CheckCase{"C:\\a\\.", false},
                                         CheckCase{"C:\\a\\..", false},
                                         CheckCase{"C:\\a\\docs.", false},
                                         CheckCase{"C:\\a\\docs ", false},
                                         CheckCase{"C:\\a\\do*", false},
                                         CheckCase{"C:\\a\\do?s", false},
                                         CheckCase{"\\\\server\\share", false},
                                         CheckCase{"//server/share", false},
                                         CheckCase{"\\\\?\\C:\\a", false},
                                         CheckCase{"", false}));

}  // namespace
