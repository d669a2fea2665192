#include "platform/posix/locale_env.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace velor_native {

namespace {

const UINT kDefaultCodePage = 1250;
const char kDefaultLanguage[] = "cs";

const char* FirstSet(const char* const* names, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const char* value = std::getenv(names[i]);
        if (value && *value)
            return value;
    }
    return nullptr;
}

} // namespace

UINT AnsiCodePageFromEnvironment()
{
    const char* text = std::getenv("VELOR_ACP");
    if (!text || !*text)
        return kDefaultCodePage;
    unsigned long value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return kDefaultCodePage;
        value = value * 10 + static_cast<unsigned long>(*p - '0');
        if (value > 65535)
            return kDefaultCodePage;
    }
    return value ? static_cast<UINT>(value) : kDefaultCodePage;
}

void CollationLanguageFromEnvironment(char* language, size_t size)
{
    if (!language || size == 0)
        return;
    static const char* const names[] = {"LC_ALL", "LC_COLLATE", "LANG"};
    const char* value = FirstSet(names, sizeof names / sizeof names[0]);
    size_t length = 0;
    if (value && std::strcmp(value, "C") != 0 && std::strcmp(value, "POSIX") != 0) {
        while (std::isalpha(static_cast<unsigned char>(value[length])))
            ++length;
    }
    if (length == 0 || length >= size) {
        value = kDefaultLanguage;
        length = std::strlen(kDefaultLanguage) < size ? std::strlen(kDefaultLanguage) : size - 1;
    }
    for (size_t i = 0; i < length; ++i)
        language[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(value[i])));
    language[length] = 0;
}

} // namespace velor_native
