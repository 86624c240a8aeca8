#include "framework/Mbcs.h"
#include "framework/PathText.h"

#include <gtest/gtest.h>

namespace {

struct TitleCase {
    const char* name;
    const char* title;
};

class TitleTest : public testing::TestWithParam<TitleCase> {};

TEST_P(TitleTest, TextBeforeTheLastDot)
{
    EXPECT_STREQ(GetParam().title, TitleOfFileName(GetParam().name).GetString());
}

INSTANTIATE_TEST_SUITE_P(Names, TitleTest,
                         testing::Values(TitleCase{"report.final.doc", "report.final"},
                                         TitleCase{"readme", "readme"},
                                         TitleCase{".hidden", ""},
                                         TitleCase{"a.", "a"},
                                         TitleCase{"\x95\x2E.txt", "\x95\x2E"}));  // trail byte 0x2E is no dot

TEST(FitOnBoundary, NeverCutsADoubleByteCharacter)
{
    const char text[] = "ab\x95\x5C";  // ab表
    EXPECT_EQ(2, mbcs::FitOnBoundary(text, 4, 3));
    EXPECT_EQ(4, mbcs::FitOnBoundary(text, 4, 4));
    EXPECT_EQ(4, mbcs::FitOnBoundary(text, 4, 10));
    EXPECT_EQ(1, mbcs::FitOnBoundary("a\x95", 2, 2));  // a lead byte without its trail is left out
}

}  // namespace
