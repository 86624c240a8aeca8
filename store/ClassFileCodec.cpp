#include "ClassFileCodec.h"

#include "../framework/Mbcs.h"

#include <cstdint>
#include <cstring>

void PutClassFileField(unsigned char* field, int size, const CString& text)
{
    std::memset(field, 0, static_cast<size_t>(size));
    int length = mbcs::FitOnBoundary(text, text.GetLength(), size - 1);
    std::memcpy(field, text.GetString(), static_cast<size_t>(length));
}

CString GetClassFileField(const unsigned char* field, int size)
{
    const char* text = reinterpret_cast<const char*>(field);
    int length = 0;
    while (length < size - 1 && text[length] != '\0')
        ++length;
    return CString(text, mbcs::FitOnBoundary(text, length, length));
}

void EncodeClassFile(const ClassFileLayout& layout, unsigned char* bytes)
{
    PutClassFileField(bytes, kBaseFolderField, layout.strBaseFolder);
    for (int number = 1; number <= kClassFileRecords; ++number) {
        const ClassFileRecord& record = layout.records[number - 1];
        unsigned char* out = bytes + ClassRecordOffset(number);
        auto value = static_cast<std::uint32_t>(record.nNumber);
        for (int i = 0; i < 4; ++i)
            out[i] = static_cast<unsigned char>(value >> (8 * i));
        PutClassFileField(out + kClassNameOffset, kClassNameField, record.strName);
        PutClassFileField(out + kClassFolderOffset, kClassFolderField, record.strFolder);
    }
}

void DecodeClassFile(const unsigned char* bytes, ClassFileLayout* layout)
{
    layout->strBaseFolder = GetClassFileField(bytes, kBaseFolderField);
    for (int number = 1; number <= kClassFileRecords; ++number) {
        ClassFileRecord& record = layout->records[number - 1];
        const unsigned char* in = bytes + ClassRecordOffset(number);
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(in[i]) << (8 * i);
        record.nNumber = static_cast<std::int32_t>(value);
        record.strName = GetClassFileField(in + kClassNameOffset, kClassNameField);
        record.strFolder = GetClassFileField(in + kClassFolderOffset, kClassFolderField);
    }
}
