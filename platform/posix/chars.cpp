// Case mapping, character classes and string lengths: lookups in the tables
// of casing.h, in place and without allocation.
#include "platform/posix/chars.h"

#include "platform/posix/casing.h"

using velor_native::CaseTables;
using velor_native::Cases;

namespace {

// Windows passes one character instead of a string in a pointer whose bits
// above the low word are zero.
bool IsSingleCharacter(const void* text)
{
    return (reinterpret_cast<UINT_PTR>(text) >> 16) == 0;
}

LPSTR MapNarrow(LPSTR text, const uint8_t (&map)[256])
{
    if (IsSingleCharacter(text)) {
        const auto c = static_cast<uint8_t>(reinterpret_cast<UINT_PTR>(text) & 0xFF);
        return reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(map[c]));
    }
    for (char* p = text; *p; ++p)
        *p = static_cast<char>(map[static_cast<uint8_t>(*p)]);
    return text;
}

LPWSTR MapWide(LPWSTR text, const WCHAR (&map)[65536])
{
    if (IsSingleCharacter(text)) {
        const auto c = static_cast<WCHAR>(reinterpret_cast<UINT_PTR>(text) & 0xFFFF);
        return reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(map[c]));
    }
    for (WCHAR* p = text; *p; ++p)
        *p = map[*p];
    return text;
}

} // namespace

LPSTR CharUpperA(LPSTR text)
{
    return MapNarrow(text, Cases().upperA);
}

LPSTR CharLowerA(LPSTR text)
{
    return MapNarrow(text, Cases().lowerA);
}

LPWSTR CharUpperW(LPWSTR text)
{
    return MapWide(text, Cases().upper);
}

LPWSTR CharLowerW(LPWSTR text)
{
    return MapWide(text, Cases().lower);
}

BOOL IsCharAlphaA(CHAR c)
{
    return (Cases().classesA[static_cast<uint8_t>(c)] & velor_native::kAlphaBit) ? TRUE : FALSE;
}

BOOL IsCharAlphaW(WCHAR c)
{
    return (Cases().classes[c] & velor_native::kAlphaBit) ? TRUE : FALSE;
}

BOOL IsCharAlphaNumericA(CHAR c)
{
    return Cases().classesA[static_cast<uint8_t>(c)] ? TRUE : FALSE;
}

BOOL IsCharAlphaNumericW(WCHAR c)
{
    return Cases().classes[c] ? TRUE : FALSE;
}

int lstrlenA(LPCSTR text)
{
    int length = 0;
    if (text) {
        while (text[length])
            ++length;
    }
    return length;
}

int lstrlenW(LPCWSTR text)
{
    int length = 0;
    if (text) {
        while (text[length])
            ++length;
    }
    return length;
}
