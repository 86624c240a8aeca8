// Any bytes read as a class file: every field must come out terminated,
// within its field's capacity, on a character boundary, and saving it again
// must give the same layout back. An overflow that stays inside a struct is
// invisible to the sanitizers, hence the checks.
//
// Short run: part of ctest in the native preset. Longer, by hand:
//   scripts/fuzz ClassFileFuzz 600

#include "framework/Mbcs.h"
#include "store/ClassFileCodec.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckText(const CString& text, int fieldSize)
{
    int length = text.GetLength();
    Check(length <= fieldSize - 1);
    Check(std::strlen(text.GetString()) == static_cast<size_t>(length));
    Check(mbcs::FitOnBoundary(text, length, length) == length);
}

void CheckLayout(const ClassFileLayout& layout)
{
    CheckText(layout.strBaseFolder, kBaseFolderField);
    for (const ClassFileRecord& record : layout.records) {
        CheckText(record.strName, kClassNameField);
        CheckText(record.strFolder, kClassFolderField);
    }
}

void CheckField(const unsigned char* field, int size)
{
    const unsigned char* end = static_cast<const unsigned char*>(std::memchr(field, 0, static_cast<size_t>(size)));
    Check(end != nullptr);
    for (const unsigned char* p = end; p < field + size; ++p)
        Check(*p == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    // A short input stands for a file cut short, padded as the buffer was.
    unsigned char bytes[kClassFileSize] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);

    ClassFileLayout layout;
    DecodeClassFile(bytes, &layout);
    CheckLayout(layout);

    unsigned char saved[kClassFileSize];
    std::memset(saved, 0xCC, sizeof saved);
    EncodeClassFile(layout, saved);
    CheckField(saved, kBaseFolderField);
    for (int number = 1; number <= kClassFileRecords; ++number) {
        const unsigned char* record = saved + ClassRecordOffset(number);
        CheckField(record + kClassNameOffset, kClassNameField);
        CheckField(record + kClassFolderOffset, kClassFolderField);
    }

    ClassFileLayout again;
    DecodeClassFile(saved, &again);
    Check(again.strBaseFolder == layout.strBaseFolder);
    for (int i = 0; i < kClassFileRecords; ++i) {
        Check(again.records[i].nNumber == layout.records[i].nNumber);
        Check(again.records[i].strName == layout.records[i].strName);
        Check(again.records[i].strFolder == layout.records[i].strFolder);
    }
    return 0;
}
