// The link label's fallback command line over any registered command and any
// URL: the result is always the command up to its placeholder, one space and
// the URL as it is, and never runs past its own length.
//
// Input: the registered command up to the first zero byte, the URL up to the
// next one.
//
// Short run: part of ctest in the native preset. Longer, by hand:
//   scripts/fuzz LinkCommandFuzz 600

#include "about/LinkCommand.h"
#include "framework/Mbcs.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The quoted placeholder counts only where a character starts, as the
// multibyte search has it; the bare one is a plain byte search.
std::string ReferencePrefix(const std::string& command)
{
    const std::string quoted = "\"%1\"";
    size_t length = command.size();
    for (size_t i = 0; i < length;) {
        if (command.compare(i, quoted.size(), quoted) == 0)
            return command.substr(0, i);
        bool pair = mbcs::IsLeadByte(static_cast<unsigned char>(command[i])) && i + 1 < length;
        i += pair ? 2 : 1;
    }
    size_t bare = command.find("%1");
    return bare == std::string::npos ? command : command.substr(0, bare);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const char* begin = reinterpret_cast<const char*>(data);
    const char* end = begin + size;
    const char* zero = static_cast<const char*>(std::memchr(begin, 0, size));
    std::string command(begin, zero != nullptr ? zero : end);
    std::string url;
    if (zero != nullptr) {
        const char* urlBegin = zero + 1;
        const char* urlEnd = static_cast<const char*>(std::memchr(urlBegin, 0, static_cast<size_t>(end - urlBegin)));
        url.assign(urlBegin, urlEnd != nullptr ? urlEnd : end);
    }

    CString line = BuildFallbackCommand(command.c_str(), url.c_str());
    std::string expected = ReferencePrefix(command) + " " + url;
    Check(line.GetLength() == static_cast<int>(expected.size()));
    Check(std::strlen(line.GetString()) == expected.size());
    Check(expected == line.GetString());
    return 0;
}
