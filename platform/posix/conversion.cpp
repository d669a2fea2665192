// MultiByteToWideChar and WideCharToMultiByte over the ANSI code page's
// tables and the UTF-8 codec. Argument checks, size queries, the partial
// output left behind by a too-small buffer and the last-error codes follow
// Windows (as Wine gives them): a negative source length means a
// NUL-terminated source whose NUL is converted too.
#include "platform/posix/chars.h"

#include "platform/posix/codepage.h"
#include "platform/posix/errors.h"
#include "platform/posix/utf8.h"

#include <climits>

using velor_native::AnsiCodePage;
using velor_native::CodePageTables;

namespace {

const DWORD kMultiByteFlags = MB_PRECOMPOSED | MB_COMPOSITE | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS;
const DWORD kWideCharFlags = WC_DISCARDNS | WC_SEPCHARS | WC_DEFAULTCHAR | WC_ERR_INVALID_CHARS |
                             WC_COMPOSITECHECK | WC_NO_BEST_FIT_CHARS;

enum class Coding { Ansi, Utf8, Unknown };

Coding CodingOf(UINT codePage)
{
    if (codePage == CP_UTF8)
        return Coding::Utf8;
    if (codePage == CP_ACP || codePage == CP_THREAD_ACP || codePage == AnsiCodePage().id)
        return Coding::Ansi;
    return Coding::Unknown;
}

int Fail(DWORD error)
{
    SetLastError(error);
    return 0;
}

// Collects output, or only counts it when the caller asked for the size.
template <typename T>
struct Output {
    T* target;
    int capacity; // 0: count only
    int count = 0;

    bool Put(T value)
    {
        if (count == INT_MAX)
            return false;
        if (capacity) {
            if (count >= capacity)
                return false;
            target[count] = value;
        }
        ++count;
        return true;
    }
};

size_t LengthOf(const char* text)
{
    size_t length = 0;
    while (text[length])
        ++length;
    return length;
}

size_t LengthOf(const WCHAR* text)
{
    size_t length = 0;
    while (text[length])
        ++length;
    return length;
}

int AnsiToWide(const unsigned char* source, size_t length, Output<WCHAR>& out)
{
    const CodePageTables& tables = AnsiCodePage();
    for (size_t i = 0; i < length; ++i) {
        if (!out.Put(tables.toWide[source[i]]))
            return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    return out.count;
}

int Utf8ToWide(const unsigned char* source, size_t length, bool strict, Output<WCHAR>& out)
{
    size_t i = 0;
    while (i < length) {
        const velor_native::Utf8Sequence sequence = velor_native::DecodeUtf8(source + i, length - i);
        if (!sequence.valid && strict)
            return Fail(ERROR_NO_UNICODE_TRANSLATION);
        i += sequence.length;
        char32_t value = sequence.value;
        if (value >= 0x10000) {
            value -= 0x10000;
            if (!out.Put(static_cast<WCHAR>(0xD800 + (value >> 10))))
                return Fail(ERROR_INSUFFICIENT_BUFFER);
            value = 0xDC00 + (value & 0x3FF);
        }
        if (!out.Put(static_cast<WCHAR>(value)))
            return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    return out.count;
}

int WideToAnsi(const WCHAR* source, size_t length, DWORD flags, char defaultChar, bool& usedDefault,
               Output<char>& out)
{
    const CodePageTables& tables = AnsiCodePage();
    const bool bestFit = (flags & WC_NO_BEST_FIT_CHARS) == 0;
    for (size_t i = 0; i < length; ++i) {
        const WCHAR unit = source[i];
        const velor_native::CodePageMapping kind = tables.kind[unit];
        char byte = static_cast<char>(tables.toByte[unit]);
        if (kind == velor_native::kUnmapped || (kind == velor_native::kBestFit && !bestFit)) {
            byte = defaultChar;
            usedDefault = true;
        }
        if (!out.Put(byte))
            return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    return out.count;
}

int WideToUtf8(const WCHAR* source, size_t length, bool strict, Output<char>& out)
{
    size_t i = 0;
    while (i < length) {
        unsigned char bytes[4];
        const velor_native::Utf8Encoded encoded = velor_native::EncodeUtf8(source + i, length - i, bytes);
        if (!encoded.valid && strict)
            return Fail(ERROR_NO_UNICODE_TRANSLATION);
        i += static_cast<size_t>(encoded.units);
        for (int b = 0; b < encoded.bytes; ++b) {
            if (!out.Put(static_cast<char>(bytes[b])))
                return Fail(ERROR_INSUFFICIENT_BUFFER);
        }
    }
    return out.count;
}

} // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceLength, LPWSTR target,
                        int targetLength)
{
    if (!source || sourceLength == 0 || (!target && targetLength) || targetLength < 0)
        return Fail(ERROR_INVALID_PARAMETER);
    const Coding coding = CodingOf(codePage);
    if (coding == Coding::Unknown)
        return Fail(ERROR_INVALID_PARAMETER);
    if (flags & ~kMultiByteFlags)
        return Fail(ERROR_INVALID_FLAGS);
    const size_t length = sourceLength < 0 ? LengthOf(source) + 1 : static_cast<size_t>(sourceLength);
    const auto* bytes = reinterpret_cast<const unsigned char*>(source);
    Output<WCHAR> out{target, targetLength};
    if (coding == Coding::Utf8)
        return Utf8ToWide(bytes, length, (flags & MB_ERR_INVALID_CHARS) != 0, out);
    return AnsiToWide(bytes, length, out);
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceLength, LPSTR target,
                        int targetLength, LPCSTR defaultChar, LPBOOL usedDefaultChar)
{
    if (!source || sourceLength == 0 || (!target && targetLength) || targetLength < 0)
        return Fail(ERROR_INVALID_PARAMETER);
    const Coding coding = CodingOf(codePage);
    if (coding == Coding::Unknown)
        return Fail(ERROR_INVALID_PARAMETER);
    if (flags & ~kWideCharFlags)
        return Fail(ERROR_INVALID_FLAGS);
    const size_t length = sourceLength < 0 ? LengthOf(source) + 1 : static_cast<size_t>(sourceLength);
    Output<char> out{target, targetLength};
    if (coding == Coding::Utf8)
        return WideToUtf8(source, length, (flags & WC_ERR_INVALID_CHARS) != 0, out);
    const char substitute = defaultChar ? defaultChar[0] : AnsiCodePage().defaultChar;
    bool usedDefault = false;
    const int result = WideToAnsi(source, length, flags, substitute, usedDefault, out);
    if (result && usedDefaultChar)
        *usedDefaultChar = usedDefault ? TRUE : FALSE;
    return result;
}

UINT GetACP()
{
    return AnsiCodePage().id;
}
