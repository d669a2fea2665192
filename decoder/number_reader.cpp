// Reading numbers: the decimal text is collected (digits, scale) and turned
// into the correctly rounded double by std::from_chars, which depends on no
// locale and does not allocate. Short numbers, the usual coordinates, take
// the exact path of common/exact_decimal.h instead.
#include "decoder/number_reader.h"

#include "common/case_table.h"
#include "common/chars.h"
#include "common/exact_decimal.h"
#include "decoder/line_scan.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

// More significant digits than a double can ever need to round correctly;
// further digits only decide a tie, which one non-zero sticky digit keeps.
const int kMaxDigits = 768;
const long kExponentLimit = 1000000;

// The significant digits of the integer and fraction parts, without leading
// zeros, with the power of ten that scales them.
struct Digits {
    char text[kMaxDigits + 2];
    int count = 0;
    long scale = 0;
    bool sticky = false;

    void Add(char d, bool fraction)
    {
        if (count == 0 && d == '0') {
            if (fraction)
                --scale;
            return;
        }
        if (count < kMaxDigits) {
            text[count++] = d;
            if (fraction)
                --scale;
            return;
        }
        if (!fraction)
            ++scale; // a dropped integer digit still counts as a power of ten
        if (d != '0')
            sticky = true;
    }
};

double Compose(Digits& digits, long exponent, bool* overflow)
{
    *overflow = false;
    if (digits.count == 0)
        return 0.0;
    int n = digits.count;
    long scale = digits.scale + exponent;
    if (digits.sticky) {
        digits.text[n++] = '1';
        --scale;
    }
    // Magnitude of the value: 10^(n - 1 + scale) <= value < 10^(n + scale).
    if (n - 1 + scale >= 308) {
        *overflow = true;
        return 0.0;
    }
    if (n + scale < -400)
        return 0.0;
    char buffer[kMaxDigits + 24];
    std::memcpy(buffer, digits.text, static_cast<size_t>(n));
    char* end = buffer + n;
    *end++ = 'e';
    const std::to_chars_result written = std::to_chars(end, buffer + sizeof buffer, scale);
    double value = 0.0;
    const std::from_chars_result read = std::from_chars(buffer, written.ptr, value);
    if (read.ec == std::errc::result_out_of_range)
        return 0.0; // below the smallest double: the scale is negative here
    if (value >= 1e308) {
        *overflow = true;
        return 0.0;
    }
    return value;
}

// 'E' in either case, through the case table for the bytes beyond ASCII
// (in ASCII only 'e' turns into 'E').
bool IsExponentMark(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u == 'E' || u == 'e' || (u >= 0x80 && GetCaseTable()->upperA[u] == 'E');
}

// The decimal text of a number: its integer and fraction digits, and the
// exponent that follows them. While the digits are scanned they are gathered
// into mantissa as well, which holds their value exactly as long as there
// are no more of them than the exact path takes (beyond that it wraps, and
// is not used).
struct DecimalText {
    const char* integerBegin;
    const char* integerEnd;
    const char* fractionBegin;
    const char* fractionEnd;
    long exponent;
    uint64_t mantissa;

    // Integer and fraction digits, leading zeros included.
    long Digits() const { return (integerEnd - integerBegin) + (fractionEnd - fractionBegin); }
};

// The value of a short number by the exact path, when it applies.
inline bool ComposeExact(const DecimalText& t, double* value)
{
    if (t.Digits() > kExactDecimalDigits)
        return false;
    if (t.mantissa == 0) {
        *value = 0.0;
        return true;
    }
    return ExactDecimal(t.mantissa, t.exponent - (t.fractionEnd - t.fractionBegin), value);
}

// The long path, for the numbers the exact one declines: kept out of line,
// so that the usual short number does not pay for its digit buffer.
__attribute__((noinline)) double ComposeLong(const DecimalText& t, bool* overflow)
{
    Digits digits;
    for (const char* d = t.integerBegin; d < t.integerEnd; ++d)
        digits.Add(*d, false);
    for (const char* d = t.fractionBegin; d < t.fractionEnd; ++d)
        digits.Add(*d, true);
    return Compose(digits, t.exponent, overflow);
}

inline double ComposeText(const DecimalText& t, bool* overflow)
{
    *overflow = false;
    double value = 0.0;
    if (ComposeExact(t, &value))
        return value;
    return ComposeLong(t, overflow);
}

// Passes over the digits at q, gathering them into mantissa (one test per
// digit: whether the value is exact is decided by their count afterwards).
inline const char* TakeDigits(const char* q, uint64_t& mantissa)
{
    uint64_t m = mantissa;
    for (; IsDigit(*q); ++q)
        m = m * 10 + static_cast<unsigned>(*q - '0');
    mantissa = m;
    return q;
}

} // namespace

NumberRead ReadNumber(const char* p, char decimal, char separatorChar)
{
    NumberRead result{p, false, 0.0};
    const char* q = SkipBlanks(p, separatorChar);
    bool negative = false;
    if (*q == '-' || *q == '+') {
        negative = *q == '-';
        q = SkipBlanks(q + 1, separatorChar);
    }
    if (!IsDigit(*q))
        return result;

    DecimalText text{q, nullptr, nullptr, nullptr, 0, 0};
    text.integerEnd = TakeDigits(q, text.mantissa);
    q = text.fractionBegin = text.fractionEnd = text.integerEnd;
    if (*q == decimal) {
        text.fractionBegin = q + 1;
        q = text.fractionEnd = TakeDigits(q + 1, text.mantissa);
    }
    long exponent = 0;
    if (IsExponentMark(*q)) {
        ++q;
        bool negativeExponent = false;
        if (*q == '-' || *q == '+')
            negativeExponent = *q++ == '-';
        while (IsDigit(*q)) {
            if (exponent < kExponentLimit)
                exponent = exponent * 10 + (*q - '0');
            ++q;
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    text.exponent = exponent;
    bool overflow = false;
    const double value = ComposeText(text, &overflow);
    if (overflow)
        return result;
    result.end = q;
    result.ok = true;
    result.value = negative ? -value : value;
    return result;
}

IntegerRead ReadInteger(const char* p, char separatorChar)
{
    IntegerRead result{p, false, false, 0};
    const char* q = SkipBlanks(p, separatorChar);
    bool negative = false;
    if (*q == '-' || *q == '+')
        negative = *q++ == '-';
    if (!IsDigit(*q))
        return result;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t magnitude = 0;
    while (IsDigit(*q)) {
        magnitude = magnitude * 10 + (*q++ - '0');
        if (magnitude > limit) {
            result.overflow = true;
            magnitude = limit;
        }
    }
    result.end = q;
    result.ok = true;
    result.value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return result;
}
