#pragma once
// The class file's bytes: a 260-byte base folder block, then eight records of
// a little-endian class number, a 32-byte name and a 260-byte folder. Plain
// C++, so the layout is checked and fuzzed natively.

#include "../framework/AfxString.h"

const int kClassFileSize = 2628;
const int kClassFileRecords = 8;
const int kBaseFolderField = 260;
const int kClassRecordSize = 296;
const int kClassNameOffset = 4;
const int kClassNameField = 32;
const int kClassFolderOffset = 36;
const int kClassFolderField = 260;

struct ClassFileRecord {
    int nNumber = 0;
    CString strName;
    CString strFolder;
};

struct ClassFileLayout {
    CString strBaseFolder;
    ClassFileRecord records[kClassFileRecords];
};

inline int ClassRecordOffset(int nNumber) { return kBaseFolderField + kClassRecordSize * (nNumber - 1); }

// Fills all kClassFileSize bytes. Text too long for its field is cut at a
// character boundary; every field is zero-terminated and zero after that, so
// one layout always gives the same bytes.
void EncodeClassFile(const ClassFileLayout& layout, unsigned char* bytes);

// Reads kClassFileSize bytes. A field's text ends at its first zero byte, or
// at the field's capacity (its size less one) when it has none, and never
// with a lead byte whose trail byte is missing.
void DecodeClassFile(const unsigned char* bytes, ClassFileLayout* layout);

// One string field of the given size, as Encode and Decode treat it.
void PutClassFileField(unsigned char* field, int size, const CString& text);
CString GetClassFileField(const unsigned char* field, int size);
