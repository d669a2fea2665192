// Numbers as text without the process's locale: std::from_chars and
// std::to_chars depend on no locale, so a host that set a locale with a
// decimal comma cannot change what a stored "1.5" means.
#include "common/config_number.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigitOf(char c, bool hex)
{
    if (c >= '0' && c <= '9')
        return true;
    return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// The sign of the power of the base of a number that from_chars found out
// of range: positive means it overflowed (strtod gives infinity), otherwise
// it underflowed (strtod gives zero).
bool Overflowed(const char* p, const char* end, bool hex)
{
    long magnitude = 0;
    bool seenNonZero = false, afterPoint = false;
    for (; p < end && (IsDigitOf(*p, hex) || *p == '.'); ++p) {
        if (*p == '.') {
            afterPoint = true;
        } else if (!seenNonZero && *p == '0') {
            magnitude -= afterPoint ? (hex ? 4 : 1) : 0;
        } else {
            seenNonZero = true;
            if (!afterPoint)
                magnitude += hex ? 4 : 1;
        }
    }
    long exponent = 0;
    if (p < end && (*p == 'e' || *p == 'E' || *p == 'p' || *p == 'P')) {
        ++p;
        const bool negative = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+'))
            ++p;
        for (; p < end && *p >= '0' && *p <= '9'; ++p)
            exponent = exponent < 100000000 ? exponent * 10 + (*p - '0') : exponent;
        exponent = negative ? -exponent : exponent;
    }
    return magnitude + exponent > 0;
}

} // namespace

bool ParseNumberText(const char* text, double* value)
{
    if (!text)
        return false;
    const char* p = text;
    const char* end = text + std::strlen(text);
    while (p < end && IsCSpace(*p))
        ++p;
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    if (p == end || *p == '-' || *p == '+')
        return false;
    const bool hex = end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
    const char* digits = hex ? p + 2 : p;
    double read = 0.0;
    const std::from_chars_result result =
        std::from_chars(digits, end, read, hex ? std::chars_format::hex : std::chars_format::general);
    if (result.ptr != end || result.ptr == digits)
        return false;
    if (result.ec == std::errc::result_out_of_range)
        read = Overflowed(digits, end, hex) ? std::numeric_limits<double>::infinity() : 0.0;
    else if (result.ec != std::errc())
        return false;
    *value = negative ? -read : read;
    return true;
}

CString FormatFixed(double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 100)
        decimals = 100;
    char buffer[512];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return CString();
    return CString(buffer, static_cast<int>(result.ptr - buffer));
}

CString FormatTrimmed(double value)
{
    CString text = FormatFixed(value, 8);
    if (text.Find('.') >= 0 && std::isfinite(value)) {
        text.TrimRight('0');
        text.TrimRight('.');
    }
    return text;
}
