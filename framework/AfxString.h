#pragma once
// CString: narrow text in the ANSI code page, held by value. Plain C++, so the
// scans over double-byte characters are tested natively.

class CString {
public:
    CString();
    CString(const char* text);
    CString(const char* text, int length);
    CString(const CString& other);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(const char* text);

    int GetLength() const { return m_nLength; }
    bool IsEmpty() const { return m_nLength == 0; }
    void Empty();

    const char* GetString() const { return m_pszData; }
    operator const char*() const { return m_pszData; }
    char GetAt(int index) const { return m_pszData[index]; }
    char operator[](int index) const { return m_pszData[index]; }

    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    int Compare(const char* text) const;
    bool operator==(const char* text) const { return Compare(text) == 0; }
    bool operator!=(const char* text) const { return Compare(text) != 0; }

    // Searches step over double-byte characters: a trail byte never matches.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Only single-byte white space (0x09 to 0x0D, 0x20) is trimmed; a
    // full-width space is a double-byte character and stays.
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();

    // Room for at least minLength bytes of text; ReleaseBuffer(-1) takes the
    // length up to the first zero byte.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    void Format(const char* format, ...);

private:
    void Assign(const char* text, int length);
    void Reserve(int capacity, bool keep);

    char* m_pszData;
    int m_nLength;
    int m_nCapacity;
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, const char* right);
CString operator+(const char* left, const CString& right);
