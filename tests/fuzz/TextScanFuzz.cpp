// The double-byte scans over any bytes: Find, ReverseFind, the trims, the
// title rule and the working directory, each against a plain reference that
// first cuts the text into characters and then works on whole characters.
//
// Input: byte 0 is the character searched for, byte 1 the start of a search
// (shifted so a few negative starts and starts past the end come up),
// byte 2 the length of the searched-for text, then that text, then the text
// scanned (both up to their first zero byte).
//
// Short run: part of ctest in the native preset. Longer, by hand:
//   scripts/fuzz TextScanFuzz 600

#include "classify/ShortcutText.h"
#include "framework/AfxString.h"
#include "framework/Mbcs.h"
#include "framework/PathText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Where each character starts: a lead byte takes the next byte with it,
// unless it is the last byte.
std::vector<int> CharacterStarts(const std::string& text)
{
    std::vector<int> starts;
    int length = static_cast<int>(text.size());
    for (int i = 0; i < length;) {
        starts.push_back(i);
        bool pair = mbcs::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < length;
        i += pair ? 2 : 1;
    }
    return starts;
}

bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

int ReferenceFind(const std::string& text, char ch, int start)
{
    for (int i : CharacterStarts(text)) {
        if (i >= start && text[i] == ch)
            return i;
    }
    return -1;
}

int ReferenceFindText(const std::string& text, const std::string& sub, int start)
{
    std::vector<int> starts = CharacterStarts(text);
    starts.push_back(static_cast<int>(text.size()));
    for (int i : starts) {
        if (i >= start && text.compare(static_cast<size_t>(i), sub.size(), sub) == 0)
            return i;
    }
    return -1;
}

int ReferenceReverseFind(const std::string& text, char ch)
{
    int found = -1;
    for (int i : CharacterStarts(text)) {
        if (text[i] == ch)
            found = i;
    }
    return found;
}

std::string ReferenceTrimLeft(const std::string& text)
{
    size_t first = 0;
    while (first < text.size() && IsSpace(text[first]))
        ++first;
    return text.substr(first);
}

// Only a one-byte character can be white space; a trail byte that looks
// like a space belongs to the character before it.
std::string ReferenceTrimRight(const std::string& text)
{
    std::vector<int> starts = CharacterStarts(text);
    size_t keep = text.size();
    for (size_t n = starts.size(); n > 0; --n) {
        int start = starts[n - 1];
        bool single = static_cast<size_t>(start) + 1 == keep;
        if (!single || !IsSpace(text[start]))
            break;
        keep = static_cast<size_t>(start);
    }
    return text.substr(0, keep);
}

std::string ReferenceTitle(const std::string& name)
{
    int dot = ReferenceReverseFind(name, '.');
    return dot < 0 ? name : name.substr(0, static_cast<size_t>(dot));
}

// Whole characters only, at most 255 bytes; a lead byte without its trail
// byte is not a character and is left out.
std::string ReferenceLinkTitle(const std::string& name)
{
    std::string title = ReferenceTitle(name);
    std::vector<int> starts = CharacterStarts(title);
    starts.push_back(static_cast<int>(title.size()));
    size_t keep = 0;
    for (size_t n = 0; n + 1 < starts.size(); ++n) {
        int end = starts[n + 1];
        bool whole = end - starts[n] == 2 || !mbcs::IsLeadByte(static_cast<unsigned char>(title[starts[n]]));
        if (!whole || end > 255)
            break;
        keep = static_cast<size_t>(end);
    }
    return title.substr(0, keep);
}

std::string ReferenceWorkingDirectory(const std::string& target)
{
    int backslash = ReferenceReverseFind(target, '\\');
    return backslash < 0 ? std::string() : target.substr(0, static_cast<size_t>(backslash));
}

void CheckSame(const CString& actual, const std::string& expected)
{
    Check(actual.GetLength() == static_cast<int>(expected.size()));
    Check(std::strlen(actual.GetString()) == expected.size());
    Check(expected == actual.GetString());
}

std::string TakeText(const std::uint8_t*& data, size_t& size, size_t limit)
{
    size_t length = limit < size ? limit : size;
    const void* zero = std::memchr(data, 0, length);
    size_t text = zero != nullptr ? static_cast<size_t>(static_cast<const std::uint8_t*>(zero) - data) : length;
    std::string taken(reinterpret_cast<const char*>(data), text);
    data += length;
    size -= length;
    return taken;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    char ch = static_cast<char>(data[0]);
    int start = static_cast<int>(data[1]) - 8;
    size_t subLimit = data[2];
    data += 3;
    size -= 3;
    std::string sub = TakeText(data, size, subLimit);
    std::string text = TakeText(data, size, size);
    const CString string(text.c_str());
    CheckSame(string, text);

    if (ch != '\0') {
        Check(string.Find(ch, start) == ReferenceFind(text, ch, start));
        Check(string.ReverseFind(ch) == ReferenceReverseFind(text, ch));
    }
    Check(string.Find(sub.c_str(), start) == ReferenceFindText(text, sub, start));
    Check(string.Find('\\') == ReferenceFind(text, '\\', 0));
    Check(string.ReverseFind('\\') == ReferenceReverseFind(text, '\\'));

    CString left = string;
    CheckSame(left.TrimLeft(), ReferenceTrimLeft(text));
    CString right = string;
    CheckSame(right.TrimRight(), ReferenceTrimRight(text));
    CString both = string;
    CheckSame(both.Trim(), ReferenceTrimRight(ReferenceTrimLeft(text)));
    // The original is untouched by trimming its copies.
    CheckSame(string, text);

    CheckSame(TitleOfFileName(string), ReferenceTitle(text));
    CheckSame(LinkTitleOf(string), ReferenceLinkTitle(text));
    CheckSame(WorkingDirectoryOf(string), ReferenceWorkingDirectory(text));
    return 0;
}
