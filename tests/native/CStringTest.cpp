#include "framework/AfxString.h"

#include <gtest/gtest.h>

namespace {

// Code page 932 bytes: "表" is 0x95 0x5C, "ソ" is 0x83 0x5C, "ー" 0x81 0x5B,
// "怖" 0x95 0x7C, and the ideographic space is 0x81 0x40.
const char kHyo[] = "\x95\x5C";
const char kSo[] = "\x83\x5C";
const char kFu[] = "\x95\x7C";
const char kIdeographicSpace[] = "\x81\x40";

struct ScanCase {
    const char* text;
    char ch;
    int reverseFind;
    int find;
};

class ReverseFindTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ReverseFindTest, NeverTakesATrailByteForTheCharacter)
{
    const ScanCase& c = GetParam();
    CString text(c.text);
    EXPECT_EQ(c.reverseFind, text.ReverseFind(c.ch));
    EXPECT_EQ(c.find, text.Find(c.ch));
}

INSTANTIATE_TEST_SUITE_P(
    Cp932, ReverseFindTest,
    testing::Values(ScanCase{"C:\\a\\b.txt", '\\', 4, 2},
                    ScanCase{"C:\\\x95\x5C", '\\', 2, 2},            // C:\表
                    ScanCase{"\x95\x5C\x83\x5C", '\\', -1, -1},      // 表ソ: two trail bytes 0x5C
                    ScanCase{"a\\\x95\x5C\\b", '\\', 4, 1},          // a\表\b
                    ScanCase{"\x95\x7C|", '|', 2, 2},                // 怖|: trail byte 0x7C
                    ScanCase{"x.\x95\x2E", '.', 1, 1},               // a lead byte with an ASCII-range trail
                    ScanCase{"", '\\', -1, -1},
                    ScanCase{"\x95", '\\', -1, -1}));                 // cut after a lead byte

TEST(CStringFind, SubstringMatchesOnlyAtCharacterBoundaries)
{
    CString text(CString(kHyo) + "\\x");  // 表\x: bytes 95 5C 5C 78
    EXPECT_EQ(2, text.Find("\\x"));
    EXPECT_EQ(-1, CString(kHyo).Find("\\"));
    EXPECT_EQ(0, CString("abc").Find(""));
    EXPECT_EQ(1, CString("abcabc").Find("bc"));
    EXPECT_EQ(4, CString("abcabc").Find("bc", 2));
}

struct TrimCase {
    const char* text;
    const char* trimmed;
};

class TrimTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, RemovesOnlySingleByteWhiteSpace)
{
    CString text(GetParam().text);
    text.TrimLeft();
    text.TrimRight();
    EXPECT_STREQ(GetParam().trimmed, text.GetString());
}

INSTANTIATE_TEST_SUITE_P(
    Cp932, TrimTest,
    testing::Values(TrimCase{"  name \t", "name"},
                    TrimCase{" \t\n\v\f\r", ""},
                    TrimCase{"\x81\x40name\x81\x40", "\x81\x40name\x81\x40"},  // ideographic spaces stay
                    TrimCase{" \x81\x40 ", "\x81\x40"},
                    TrimCase{"\x95\x5C ", "\x95\x5C"},                            // 表 then a space
                    TrimCase{"\x83\x20", "\x83\x20"},                             // trail byte 0x20 is not a space
                    TrimCase{"a b", "a b"},
                    TrimCase{"", ""}));

TEST(CStringValue, CopiesAreIndependentAndJoinsKeepBytes)
{
    CString first("abc");
    CString second = first;
    second += "def";
    EXPECT_STREQ("abc", first.GetString());
    EXPECT_STREQ("abcdef", second.GetString());
    second += second;
    EXPECT_STREQ("abcdefabcdef", second.GetString());
    second = second.GetString() + 3;  // assignment from its own buffer
    EXPECT_STREQ("defabcdef", second.GetString());
    EXPECT_EQ(9, second.GetLength());

    CString joined = CString(kFu) + "\\" + kSo;
    EXPECT_EQ(5, joined.GetLength());
    EXPECT_STREQ("\x95\x7C\\\x83\x5C", joined.GetString());
}

TEST(CStringValue, SlicesClampToTheText)
{
    CString text("abcdef");
    EXPECT_STREQ("ab", text.Left(2).GetString());
    EXPECT_STREQ("abcdef", text.Left(99).GetString());
    EXPECT_STREQ("", text.Left(-1).GetString());
    EXPECT_STREQ("cd", text.Mid(2, 2).GetString());
    EXPECT_STREQ("", text.Mid(9).GetString());
    EXPECT_STREQ("ef", text.Right(2).GetString());
}

TEST(CStringBuffer, ReleaseBufferTakesTheTextUpToItsZero)
{
    CString text;
    char* buffer = text.GetBuffer(10);
    buffer[0] = 'h';
    buffer[1] = 'i';
    buffer[2] = '\0';
    text.ReleaseBuffer();
    EXPECT_STREQ("hi", text.GetString());
    EXPECT_EQ(2, text.GetLength());
}

TEST(CStringFormat, FormatsSignedNumbers)
{
    CString text;
    text.Format("Unknown Error (%d) occurred.", -5);
    EXPECT_STREQ("Unknown Error (-5) occurred.", text.GetString());
}

}  // namespace
