#include "platform/posix/profile.h"

#include "platform/posix/errors.h"
#include "platform/posix/profile_file.h"
#include "platform/posix/profile_text.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool IsComment(std::string_view name)
{
    return !name.empty() && name[0] == ';';
}

// The default value of a read: null reads as empty, and trailing spaces go,
// except the first character.
std::string_view DefaultValue(LPCSTR text)
{
    std::string_view value = text != nullptr ? text : "";
    while (value.size() > 1 && value.back() == ' ')
        value.remove_suffix(1);
    return value;
}

// Copies a value into buffer (size >= 1) and returns its length, cut to
// size - 1 characters. A value enclosed in a pair of the same quotes loses
// them. A buffer that holds the unquoted value and its NUL exactly gets the
// value without its last character, as the reference platform gives it.
DWORD CopyValue(std::string_view value, LPSTR buffer, DWORD size)
{
    bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
    if (quoted)
        value.remove_prefix(1);
    size_t count = std::min<size_t>(value.size(), size - 1);
    if (quoted && size >= value.size() && count > 0)
        --count;
    std::memcpy(buffer, value.data(), count);
    buffer[count] = '\0';
    return static_cast<DWORD>(count);
}

// The names of the sections that have one, each ended by a NUL, then a NUL.
// When a name (with its NUL) does not fit in what is left of the buffer but
// one byte, it is cut there, two NULs end the list, and size - 2 is
// returned.
DWORD ListSectionNames(const IniText& text, LPSTR buffer, DWORD size)
{
    buffer[0] = '\0';
    if (size == 1)
        return 0;
    size_t room = size - 1;  // bytes for names and their NULs
    size_t used = 0;
    for (const IniSection& section : text.Sections()) {
        if (section.name.empty())
            continue;
        size_t need = section.name.size() + 1;
        if (need >= room) {
            std::memcpy(buffer + used, section.name.data(), room - 1);
            used += room - 1;
            buffer[used++] = '\0';
            buffer[used] = '\0';
            return size - 2;
        }
        std::memcpy(buffer + used, section.name.data(), section.name.size());
        used += section.name.size();
        buffer[used++] = '\0';
        room -= need;
    }
    buffer[used] = '\0';
    return static_cast<DWORD>(used);
}

// The names of the keys of the first section named section that have a
// value and are not comments, in the same form. A name is cut to leave two
// bytes; when fewer than two remain after it, the list ends there with two
// NULs and size - 2 is returned. Buffers under 3 bytes get an empty list.
DWORD ListKeyNames(const IniText& text, std::string_view section, LPSTR buffer, DWORD size)
{
    buffer[0] = '\0';
    const IniSection* found = text.FindSection(section);
    if (size < 3 || found == nullptr)
        return 0;
    size_t left = size;  // bytes not yet used, always at least 1
    size_t used = 0;
    for (size_t i = found->first; i < found->end && left > 2; ++i) {
        const IniLine& line = text.Lines()[i];
        if (line.kind != IniLine::Entry || !line.hasValue || IsComment(line.name))
            continue;
        size_t count = std::min(line.name.size(), left - 2);
        std::memcpy(buffer + used, line.name.data(), count);
        buffer[used + count] = '\0';
        used += count + 1;
        left -= count + 1;
        if (left < 2)
            break;
    }
    buffer[used] = '\0';
    if (left <= 1) {
        buffer[used - 1] = '\0';
        return size - 2;
    }
    return static_cast<DWORD>(used);
}

DWORD ReadValue(const IniText& text, LPCSTR section, LPCSTR key, std::string_view fallback,
                LPSTR buffer, DWORD size)
{
    const IniSection* found = text.FindSection(TrimProfileBlanks(section));
    const IniLine* entry = found != nullptr ? text.FindEntry(*found, TrimProfileBlanks(key)) : nullptr;
    return CopyValue(entry != nullptr && entry->hasValue ? entry->value : fallback, buffer, size);
}

// An optional sign, then digits in base 10, or 16, 8 or 2 after "0x", "0o"
// or "0b", up to the first character that is not one; wraps at 32 bits.
UINT ParseProfileInteger(const char* text)
{
    while (*text != '\0' && static_cast<unsigned char>(*text) <= ' ')
        ++text;
    bool negative = *text == '-';
    if (*text == '+' || *text == '-')
        ++text;
    UINT base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'o' || text[1] == 'b')) {
        base = text[1] == 'x' ? 16 : text[1] == 'o' ? 8 : 2;
        text += 2;
    }
    UINT value = 0;
    for (;; ++text) {
        char c = *text;
        UINT digit = (c >= '0' && c <= '9') ? UINT(c - '0')
                   : (c >= 'a' && c <= 'z') ? UINT(c - 'a' + 10)
                   : (c >= 'A' && c <= 'Z') ? UINT(c - 'A' + 10)
                   : 99;
        if (digit >= base)
            break;
        value = value * base + digit;
    }
    return negative ? 0u - value : value;
}

DWORD LoadProfile(LPCSTR file, std::string& content)
{
    if (file == nullptr || *file == '\0')
        return ERROR_FILE_NOT_FOUND;
    return ReadProfileFile(file, content);
}

} // namespace

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName)
{
    if (lpReturnedString == nullptr || nSize == 0)
        return 0;
    std::string content;
    DWORD error = LoadProfile(lpFileName, content);
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        if (lpAppName == nullptr) {
            lpReturnedString[0] = '\0';
            return 0;
        }
    }
    IniText text(std::move(content));
    if (lpAppName == nullptr)
        return ListSectionNames(text, lpReturnedString, nSize);
    std::string_view fallback = DefaultValue(lpDefault);
    if (lpKeyName != nullptr)
        return ReadValue(text, lpAppName, lpKeyName, fallback, lpReturnedString, nSize);
    DWORD length = ListKeyNames(text, lpAppName, lpReturnedString, nSize);
    if (lpReturnedString[0] != '\0')
        return length;
    return CopyValue(fallback, lpReturnedString, nSize);
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName)
{
    if (lpAppName == nullptr && lpKeyName == nullptr && lpString == nullptr)
        return TRUE;
    if (lpFileName == nullptr || *lpFileName == '\0') {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (lpAppName == nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    std::string content;
    DWORD error = ReadProfileFile(lpFileName, content);
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND) {
        SetLastError(error);
        return FALSE;
    }
    IniText text(std::move(content));
    bool changed = lpKeyName == nullptr ? text.DeleteSection(lpAppName)
                 : lpString == nullptr  ? text.DeleteKey(lpAppName, lpKeyName)
                                        : text.SetValue(lpAppName, lpKeyName, lpString);
    if (!changed) {
        if (error != ERROR_SUCCESS)
            SetLastError(error);
        return TRUE;
    }
    error = ReplaceProfileFile(lpFileName, text.Text());
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        return FALSE;
    }
    return TRUE;
}

UINT GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName)
{
    char text[30];
    if (GetPrivateProfileStringA(lpAppName, lpKeyName, "", text, sizeof text, lpFileName) == 0)
        return static_cast<UINT>(nDefault);
    return ParseProfileInteger(text);
}
