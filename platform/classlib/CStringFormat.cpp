// CString printf-style formatting. A text that fits a small stack buffer is
// formatted there and copied in, so that short formats reuse the string's
// own buffer; a longer one is formatted into a new block of its exact size.
// Either way the arguments are read before the string changes, so they may
// be the string's own text.
#include "platform/platform.h"

#include <cstdio>

namespace {

// Formats into local; returns the full length of the text, or -1 when the
// format cannot be formatted.
int FormatShort(char (&local)[256], const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(local, sizeof local, format, copy);
    va_end(copy);
    return length;
}

} // namespace

void CString::FormatV(const char* format, va_list args)
{
    char local[256];
    const int length = format ? FormatShort(local, format, args) : -1;
    if (length < 0) {
        SetLength(0);
    } else if (length < static_cast<int>(sizeof local)) {
        SetString(local, length);
    } else {
        char* chars = NewText(length);
        std::vsnprintf(chars, static_cast<size_t>(length) + 1, format, args);
        Adopt(chars);
        SetLength(length);
    }
}

void CString::AppendFormatV(const char* format, va_list args)
{
    char local[256];
    const int length = format ? FormatShort(local, format, args) : -1;
    if (length < 0) {
        return;
    } else if (length < static_cast<int>(sizeof local)) {
        Append(local, length);
    } else {
        CString text;
        text.FormatV(format, args);
        Append(text.m_pchData, text.GetLength());
    }
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}
