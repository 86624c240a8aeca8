#include "AfxString.h"

#include "Mbcs.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char g_emptyText[1] = {'\0'};

bool IsTrimmedSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

}  // namespace

CString::CString() : m_pszData(g_emptyText), m_nLength(0), m_nCapacity(0) {}

CString::CString(const char* text) : CString()
{
    if (text != nullptr)
        Assign(text, static_cast<int>(std::strlen(text)));
}

CString::CString(const char* text, int length) : CString()
{
    Assign(text, length);
}

CString::CString(const CString& other) : CString()
{
    Assign(other.m_pszData, other.m_nLength);
}

CString::~CString()
{
    if (m_nCapacity != 0)
        std::free(m_pszData);
}

CString& CString::operator=(const CString& other)
{
    if (this != &other)
        Assign(other.m_pszData, other.m_nLength);
    return *this;
}

CString& CString::operator=(const char* text)
{
    if (text == nullptr) {
        Empty();
        return *this;
    }
    // text may point into this string's own buffer.
    CString copy(text);
    return *this = copy;
}

void CString::Empty()
{
    if (m_nCapacity != 0)
        m_pszData[0] = '\0';
    m_nLength = 0;
}

void CString::Reserve(int capacity, bool keep)
{
    if (capacity <= m_nCapacity)
        return;
    int grown = m_nCapacity * 2 > capacity ? m_nCapacity * 2 : capacity;
    char* data = static_cast<char*>(std::malloc(static_cast<size_t>(grown) + 1));
    if (data == nullptr)
        std::abort();
    if (keep)
        std::memcpy(data, m_pszData, static_cast<size_t>(m_nLength) + 1);
    else
        data[0] = '\0';
    if (m_nCapacity != 0)
        std::free(m_pszData);
    m_pszData = data;
    m_nCapacity = grown;
}

void CString::Assign(const char* text, int length)
{
    if (length <= 0) {
        Empty();
        return;
    }
    Reserve(length, false);
    std::memmove(m_pszData, text, static_cast<size_t>(length));
    m_pszData[length] = '\0';
    m_nLength = length;
}

CString& CString::operator+=(const CString& text)
{
    if (text.m_nLength == 0)
        return *this;
    CString copy(text);  // text may be *this
    Reserve(m_nLength + copy.m_nLength, true);
    std::memcpy(m_pszData + m_nLength, copy.m_pszData, static_cast<size_t>(copy.m_nLength) + 1);
    m_nLength += copy.m_nLength;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    return *this += CString(text);
}

CString& CString::operator+=(char ch)
{
    char text[2] = {ch, '\0'};
    return *this += CString(text, ch == '\0' ? 0 : 1);
}

int CString::Compare(const char* text) const
{
    return std::strcmp(m_pszData, text == nullptr ? "" : text);
}

int CString::Find(char ch, int start) const
{
    if (start < 0)
        start = 0;
    for (const char* p = m_pszData; *p != '\0'; p = mbcs::Next(p)) {
        int index = static_cast<int>(p - m_pszData);
        if (index >= start && *p == ch)
            return index;
    }
    return -1;
}

int CString::Find(const char* sub, int start) const
{
    if (start < 0)
        start = 0;
    size_t subLength = std::strlen(sub);
    for (const char* p = m_pszData;; p = mbcs::Next(p)) {
        int index = static_cast<int>(p - m_pszData);
        if (index >= start && std::strncmp(p, sub, subLength) == 0)
            return index;
        if (*p == '\0')
            return -1;
    }
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (const char* p = m_pszData; *p != '\0'; p = mbcs::Next(p)) {
        if (*p == ch)
            found = static_cast<int>(p - m_pszData);
    }
    return found;
}

CString CString::Left(int count) const
{
    if (count < 0)
        count = 0;
    return CString(m_pszData, count < m_nLength ? count : m_nLength);
}

CString CString::Mid(int first) const
{
    return Mid(first, m_nLength);
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (first > m_nLength)
        first = m_nLength;
    if (count < 0)
        count = 0;
    if (count > m_nLength - first)
        count = m_nLength - first;
    return CString(m_pszData + first, count);
}

CString CString::Right(int count) const
{
    if (count < 0)
        count = 0;
    if (count > m_nLength)
        count = m_nLength;
    return CString(m_pszData + m_nLength - count, count);
}

CString& CString::TrimLeft()
{
    int skipped = 0;
    while (skipped < m_nLength && IsTrimmedSpace(m_pszData[skipped]))
        ++skipped;
    if (skipped != 0)
        *this = Mid(skipped);
    return *this;
}

CString& CString::TrimRight()
{
    // Walk forward so a trail byte that looks like white space is never cut.
    const char* keepEnd = m_pszData;
    for (const char* p = m_pszData; *p != '\0'; p = mbcs::Next(p)) {
        if (!IsTrimmedSpace(*p))
            keepEnd = mbcs::Next(p);
    }
    int kept = static_cast<int>(keepEnd - m_pszData);
    if (kept != m_nLength) {
        m_pszData[kept] = '\0';
        m_nLength = kept;
    }
    return *this;
}

CString& CString::Trim()
{
    TrimLeft();
    return TrimRight();
}

char* CString::GetBuffer(int minLength)
{
    Reserve(minLength > m_nLength ? minLength : m_nLength, true);
    if (m_nCapacity == 0)
        Reserve(1, true);
    return m_pszData;
}

void CString::ReleaseBuffer(int newLength)
{
    if (m_nCapacity == 0)
        return;
    if (newLength < 0 || newLength > m_nCapacity) {
        const void* zero = std::memchr(m_pszData, '\0', static_cast<size_t>(m_nCapacity));
        newLength = zero != nullptr ? static_cast<int>(static_cast<const char*>(zero) - m_pszData) : m_nCapacity;
    }
    m_pszData[newLength] = '\0';
    m_nLength = newLength;
}

namespace {

// On Windows the system run-time formats: MinGW's own vsnprintf would add
// some 25 KB to the exe.
int MeasureFormatted(const char* format, va_list args)
{
#ifdef _WIN32
    return _vscprintf(format, args);
#else
    return std::vsnprintf(nullptr, 0, format, args);
#endif
}

void WriteFormatted(char* buffer, int length, const char* format, va_list args)
{
#ifdef _WIN32
    _vsnprintf(buffer, static_cast<size_t>(length) + 1, format, args);
#else
    std::vsnprintf(buffer, static_cast<size_t>(length) + 1, format, args);
#endif
}

}  // namespace

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    int length = MeasureFormatted(format, measure);
    va_end(measure);
    if (length < 0) {
        Empty();
    } else {
        CString formatted;
        WriteFormatted(formatted.GetBuffer(length), length, format, args);
        formatted.ReleaseBuffer(length);
        *this = formatted;
    }
    va_end(args);
}

CString operator+(const CString& left, const CString& right)
{
    CString joined(left);
    joined += right;
    return joined;
}

CString operator+(const CString& left, const char* right)
{
    CString joined(left);
    joined += right;
    return joined;
}

CString operator+(const char* left, const CString& right)
{
    CString joined(left);
    joined += right;
    return joined;
}
