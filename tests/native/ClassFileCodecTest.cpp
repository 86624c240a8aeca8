#include "store/ClassFileCodec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Offsets of the base folder block and of records 1 to 8, from the file's
// layout table, written out rather than computed.
const int kRecordOffsets[8] = {260, 556, 852, 1148, 1444, 1740, 2036, 2332};

using Bytes = std::vector<unsigned char>;

Bytes Encode(const ClassFileLayout& layout)
{
    Bytes bytes(kClassFileSize, 0xCC);
    EncodeClassFile(layout, bytes.data());
    return bytes;
}

ClassFileLayout Decode(const Bytes& bytes)
{
    ClassFileLayout layout;
    DecodeClassFile(bytes.data(), &layout);
    return layout;
}

void Put(Bytes& bytes, int offset, const std::string& data)
{
    std::memcpy(bytes.data() + offset, data.data(), data.size());
}

std::string Field(const Bytes& bytes, int offset, int size)
{
    return std::string(reinterpret_cast<const char*>(bytes.data()) + offset, static_cast<size_t>(size));
}

std::string Padded(const std::string& text, int size)
{
    return text + std::string(static_cast<size_t>(size) - text.size(), '\0');
}

TEST(ClassFileCodec, GoldenBytes)
{
    ClassFileLayout layout;
    layout.strBaseFolder = "C:\\Base";
    for (int number = 1; number <= 8; ++number) {
        layout.records[number - 1].nNumber = number;
        layout.records[number - 1].strName = ("Name" + std::to_string(number)).c_str();
        layout.records[number - 1].strFolder = ("D:\\Folder" + std::to_string(number)).c_str();
    }
    layout.records[1].nNumber = 0x01020304;
    layout.records[7].nNumber = -2;

    Bytes expected(2628, 0);
    Put(expected, 0, "C:\\Base");
    for (int number = 1; number <= 8; ++number) {
        int offset = kRecordOffsets[number - 1];
        expected[offset] = static_cast<unsigned char>(number);
        Put(expected, offset + 4, "Name" + std::to_string(number));
        Put(expected, offset + 36, "D:\\Folder" + std::to_string(number));
    }
    Put(expected, 556, std::string("\x04\x03\x02\x01", 4));
    Put(expected, 2332, std::string("\xFE\xFF\xFF\xFF", 4));

    EXPECT_EQ(expected, Encode(layout));

    ClassFileLayout back = Decode(expected);
    EXPECT_EQ(0x01020304, back.records[1].nNumber);
    EXPECT_EQ(-2, back.records[7].nNumber);
    EXPECT_STREQ("Name5", back.records[4].strName.GetString());
    EXPECT_STREQ("D:\\Folder8", back.records[7].strFolder.GetString());
    EXPECT_STREQ("C:\\Base", back.strBaseFolder.GetString());
}

TEST(ClassFileCodec, EmptyLayoutIsNumbersAndZeros)
{
    ClassFileLayout layout;
    for (int number = 1; number <= 8; ++number)
        layout.records[number - 1].nNumber = number;
    Bytes expected(2628, 0);
    for (int number = 1; number <= 8; ++number)
        expected[kRecordOffsets[number - 1]] = static_cast<unsigned char>(number);
    EXPECT_EQ(expected, Encode(layout));
}

std::string Repeat(const std::string& unit, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += unit;
    return s;
}

struct RoundTripCase {
    const char* what;
    std::string baseFolder;
    std::string name;
    std::string folder;
};

class ClassFileRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(ClassFileRoundTrip, ComesBackUnchanged)
{
    const RoundTripCase& c = GetParam();
    ClassFileLayout layout;
    layout.strBaseFolder = c.baseFolder.c_str();
    for (int number = 1; number <= 8; ++number) {
        layout.records[number - 1].nNumber = number;
        layout.records[number - 1].strName = c.name.c_str();
        layout.records[number - 1].strFolder = c.folder.c_str();
    }
    ClassFileLayout back = Decode(Encode(layout));
    EXPECT_EQ(c.baseFolder, back.strBaseFolder.GetString());
    for (int number = 1; number <= 8; ++number) {
        EXPECT_EQ(number, back.records[number - 1].nNumber);
        EXPECT_EQ(c.name, back.records[number - 1].strName.GetString()) << number;
        EXPECT_EQ(c.folder, back.records[number - 1].strFolder.GetString()) << number;
    }
}

// ソ and 表 end in trail byte 0x5C, which is no backslash.
INSTANTIATE_TEST_SUITE_P(
    Layouts, ClassFileRoundTrip,
    testing::Values(RoundTripCase{"Empty", "", "", ""},
                    RoundTripCase{"FullFields", "C:\\" + std::string(256, 'b'), std::string(31, 'n'),
                                  "D:\\" + std::string(256, 'f')},
                    RoundTripCase{"ShiftJis", "C:\\\x95\x5C\\", "\x83\x5C\x83\x74\x83\x67", "D:\\\x8E\x84\x95\x5C"},
                    RoundTripCase{"ShiftJisFull", "C:\\" + Repeat("\x95\x5C", 128), "a" + Repeat("\x95\x5C", 15),
                                  "c" + Repeat("\x83\x5C", 129)}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.what); });

struct CutCase {
    const char* what;
    int size;  // the field: 32 for a name, 260 for a folder
    std::string text;
    std::string stored;
};

class ClassFileCut : public testing::TestWithParam<CutCase> {};

// Whatever the text, the field holds a character-boundary prefix, its
// terminator and zeros: the name field of record 1 and the folder field of
// record 8 are checked byte for byte.
TEST_P(ClassFileCut, StoresAPrefixOnACharacterBoundary)
{
    const CutCase& c = GetParam();
    ClassFileLayout layout;
    int offset;
    if (c.size == 32) {
        layout.records[0].strName = c.text.c_str();
        offset = kRecordOffsets[0] + 4;
    } else {
        layout.records[7].strFolder = c.text.c_str();
        offset = kRecordOffsets[7] + 36;
    }
    Bytes bytes = Encode(layout);
    EXPECT_EQ(Padded(c.stored, c.size), Field(bytes, offset, c.size));
    ClassFileLayout back = Decode(bytes);
    EXPECT_EQ(c.stored, (c.size == 32 ? back.records[0].strName : back.records[7].strFolder).GetString());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClassFileCut,
    testing::Values(CutCase{"NameOneByteOver", 32, std::string(32, 'a'), std::string(31, 'a')},
                    CutCase{"NameFarOver", 32, std::string(300, 'a'), std::string(31, 'a')},
                    CutCase{"NameDoubleByteAcrossTheEnd", 32, std::string(30, 'a') + "\x95\x5C", std::string(30, 'a')},
                    CutCase{"NameDoubleByteEndsExactly", 32, std::string(29, 'a') + "\x95\x5C",
                            std::string(29, 'a') + "\x95\x5C"},
                    CutCase{"NameAllDoubleByte", 32, Repeat("\x83\x5C", 20), Repeat("\x83\x5C", 15)},
                    CutCase{"FolderOneByteOver", 260, std::string(260, 'f'), std::string(259, 'f')},
                    CutCase{"FolderDoubleByteAcrossTheEnd", 260, std::string(258, 'f') + "\x95\x5C" + "tail",
                            std::string(258, 'f')},
                    CutCase{"FolderAllDoubleByte", 260, Repeat("\x95\x5C", 200), Repeat("\x95\x5C", 129)},
                    CutCase{"LoneLeadByteAtTheEnd", 32, "abc\x95", "abc"}),
    [](const testing::TestParamInfo<CutCase>& info) { return std::string(info.param.what); });

struct FieldBytesCase {
    const char* what;
    int size;
    std::string bytes;  // the field's raw content; the rest of the field is zero
    std::string text;
};

class ClassFileFieldBytes : public testing::TestWithParam<FieldBytesCase> {};

// A field that holds no zero ends at its capacity, and never in half a
// double-byte character; bytes after a terminator are ignored.
TEST_P(ClassFileFieldBytes, ReadsBoundedText)
{
    const FieldBytesCase& c = GetParam();
    Bytes bytes(kClassFileSize, 0);
    int offsets[3] = {0, kRecordOffsets[2] + 4, kRecordOffsets[5] + 36};
    int sizes[3] = {260, 32, 260};
    for (int i = 0; i < 3; ++i) {
        if (sizes[i] == c.size)
            Put(bytes, offsets[i], c.bytes);
    }
    ClassFileLayout layout = Decode(bytes);
    if (c.size == 32) {
        EXPECT_EQ(c.text, layout.records[2].strName.GetString());
    } else {
        EXPECT_EQ(c.text, layout.strBaseFolder.GetString());
        EXPECT_EQ(c.text, layout.records[5].strFolder.GetString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ClassFileFieldBytes,
    testing::Values(FieldBytesCase{"NameWithoutZero", 32, std::string(32, 'n'), std::string(31, 'n')},
                    FieldBytesCase{"NameLeadByteLast", 32, std::string(31, 'n') + "\x95", std::string(31, 'n')},
                    FieldBytesCase{"NameLeadByteAtCapacity", 32, std::string(30, 'n') + "\x95\x5C",
                                   std::string(30, 'n')},
                    FieldBytesCase{"NameAllDoubleByte", 32, Repeat("\x83\x5C", 16), Repeat("\x83\x5C", 15)},
                    FieldBytesCase{"NameGarbageAfterZero", 32, std::string("abc\0xyz", 7), "abc"},
                    FieldBytesCase{"NameLoneLeadBeforeZero", 32, std::string("ab\x95\0", 4), "ab"},
                    FieldBytesCase{"FolderWithoutZero", 260, std::string(260, 'f'), std::string(259, 'f')},
                    FieldBytesCase{"FolderLeadByteLast", 260, std::string(259, 'f') + "\x95", std::string(259, 'f')},
                    FieldBytesCase{"FolderLeadByteAtCapacity", 260, std::string(258, 'f') + "\x95\x5C",
                                   std::string(258, 'f')}),
    [](const testing::TestParamInfo<FieldBytesCase>& info) { return std::string(info.param.what); });

TEST(ClassFileCodec, UnterminatedFieldsStayInTheirRecords)
{
    // Every byte set: no field may borrow text from the next one.
    Bytes bytes(kClassFileSize, 'x');
    for (int number = 1; number <= 8; ++number)
        Put(bytes, kRecordOffsets[number - 1], std::string("\x07\x00\x00\x00", 4));
    ClassFileLayout layout = Decode(bytes);
    EXPECT_EQ(std::string(259, 'x'), layout.strBaseFolder.GetString());
    for (int number = 1; number <= 8; ++number) {
        EXPECT_EQ(7, layout.records[number - 1].nNumber);
        EXPECT_EQ(std::string(31, 'x'), layout.records[number - 1].strName.GetString());
        EXPECT_EQ(std::string(259, 'x'), layout.records[number - 1].strFolder.GetString());
    }
    // Saved again, the same layout gives well-formed fields.
    Bytes again = Encode(layout);
    EXPECT_EQ(Padded(std::string(31, 'x'), 32), Field(again, kRecordOffsets[0] + 4, 32));
}

}  // namespace
