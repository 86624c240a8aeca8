#include "LinkCommand.h"

#include "../framework/Mbcs.h"

#include <cstring>

namespace {

// The first match that starts on a character boundary, or null; a lead
// byte takes the byte after it along, as the multibyte run-time does.
const char* FindOnBoundary(const char* text, const char* sub)
{
    size_t length = std::strlen(sub);
    for (const char* p = text; *p != '\0'; p = mbcs::Next(p)) {
        if (std::strncmp(p, sub, length) == 0)
            return p;
    }
    return nullptr;
}

}  // namespace

CString BuildFallbackCommand(const char* registeredCommand, const char* url)
{
    const char* cut = FindOnBoundary(registeredCommand, "\"%1\"");
    if (cut == nullptr)
        cut = std::strstr(registeredCommand, "%1");
    CString command = cut != nullptr ? CString(registeredCommand, static_cast<int>(cut - registeredCommand))
                                     : CString(registeredCommand);
    command += ' ';
    command += url;
    return command;
}
