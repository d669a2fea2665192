// The small text rules of the catalogue: words of a suffix list, the suffix
// of a file name, and which names the ini file can keep.
#include "formats/catalogue.h"

#include "common/case_table.h"
#include "common/chars.h"

#include <cstring>

namespace {

bool IsPathSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

int MatchListWord(const char* word, const char* list, char separator)
{
    if (!list || !*list)
        return 0;
    const char* wanted = word ? word : "";
    const uint8_t* upper = GetCaseTable()->upperA;
    int position = 1;
    for (const char* p = list;; ++position) {
        const char* w = wanted;
        while (*p && *p != separator && *w &&
               upper[static_cast<unsigned char>(*p)] == upper[static_cast<unsigned char>(*w)]) {
            ++p;
            ++w;
        }
        if (*w == '\0' && (*p == '\0' || *p == separator))
            return position;
        while (*p && *p != separator)
            ++p;
        if (*p == '\0')
            return 0;
        ++p; // past the separator: the next word, empty when another follows
    }
}

CString FileSuffixOf(const char* path)
{
    if (!path)
        return CString();
    const char* dot = nullptr;
    for (const char* p = path; *p; ++p) {
        if (*p == '.')
            dot = p;
        else if (IsPathSeparator(*p))
            dot = nullptr;
    }
    return dot ? CString(dot + 1) : CString();
}

bool IsStorableFormatName(const char* name)
{
    if (!name || !*name)
        return false;
    const size_t length = std::strlen(name);
    if (name[0] == '[' || name[0] == ';' || IsBlankOrNul(name[0]) || IsBlankOrNul(name[length - 1]))
        return false;
    return std::strpbrk(name, "=@\r\n") == nullptr;
}

bool IsStorableFormatValue(const char* value)
{
    return !value || std::strpbrk(value, "\r\n") == nullptr;
}
