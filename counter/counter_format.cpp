#include "counter/counter_format.h"

#include "counter/counter_math.h"

#include <cmath>
#include <cstring>

namespace {

// A number before grouping and padding: a sign, 19 digits, the decimal
// character and kMaxDecimals decimals; grouping adds at most 6 + 5.
const int kLongestPlain = 1 + 19 + 1 + kMaxDecimals;
const int kPlainRoom = 48;
const int kGroupedRoom = 64;
static_assert(kLongestPlain < kPlainRoom, "plain number room");
static_assert(kLongestPlain + 11 < kGroupedRoom && kGroupedRoom < kMaxNumberText, "grouped number room");
// Degrees and minutes of at most 11 characters each, the seconds, four unit
// bytes and the spaces.
static_assert(11 + 1 + kMaxUnitSpaces + 11 + 1 + kMaxUnitSpaces + kLongestPlain + 2 <= kMaxNumberText,
              "degrees text room");

const double kClamp = 4e18;
const int64_t kPowers[kMaxDecimals + 1] = {1,
                                           10,
                                           100,
                                           1000,
                                           10000,
                                           100000,
                                           1000000,
                                           10000000,
                                           100000000,
                                           1000000000,
                                           10000000000,
                                           100000000000,
                                           1000000000000,
                                           10000000000000,
                                           100000000000000,
                                           1000000000000000,
                                           10000000000000000,
                                           100000000000000000,
                                           1000000000000000000};

// The digits of value with a leading '-' when negative; not terminated.
int WriteInteger(int64_t value, char* out)
{
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char reversed[20];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    int n = 0;
    if (value < 0)
        out[n++] = '-';
    while (count > 0)
        out[n++] = reversed[--count];
    return n;
}

// The decimals to print at most and at least.
struct DecimalRange {
    int most;
    int fewest;
};

DecimalRange Decimals(int64_t decimals)
{
    int64_t most = decimals, fewest = decimals;
    if (decimals >= 100) {
        most = decimals % 100;
        fewest = decimals / 100 - 1;
    }
    if (most > kMaxDecimals)
        most = kMaxDecimals;
    if (fewest > most)
        fewest = most;
    return {static_cast<int>(most), static_cast<int>(fewest)};
}

// x (not NaN) with its decimals, not grouped; *integerLength receives the
// length of the part before the decimal character.
int PlainNumber(double x, DecimalRange decimals, char decimalChar, char* out, int* integerLength)
{
    if (x > kClamp)
        x = kClamp;
    else if (x < -kClamp)
        x = -kClamp;
    if (decimals.most == 0) {
        *integerLength = WriteInteger(static_cast<int64_t>(x < 0 ? x - 0.5 : x + 0.5), out);
        return *integerLength;
    }
    int64_t whole = static_cast<int64_t>(x);
    const int64_t unit = kPowers[decimals.most];
    int64_t fraction = static_cast<int64_t>(std::fabs(x - static_cast<double>(whole)) * static_cast<double>(unit) + 0.5);
    if (fraction >= unit) { // the rounding reached the next whole number
        fraction -= unit;
        whole += x < 0 ? -1 : 1;
    }
    int n = 0;
    if (x < 0 && whole == 0)
        out[n++] = '-';
    n += WriteInteger(whole, out + n);
    *integerLength = n;
    char digits[kMaxDecimals];
    for (int i = decimals.most - 1; i >= 0; --i, fraction /= 10)
        digits[i] = static_cast<char>('0' + fraction % 10);
    int kept = decimals.most;
    while (kept > decimals.fewest && digits[kept - 1] == '0')
        --kept;
    if (kept > 0) {
        out[n++] = decimalChar;
        std::memcpy(out + n, digits, static_cast<size_t>(kept));
        n += kept;
    }
    return n;
}

// Separators in front of every third character counted back from the end of
// the integer part, and behind every third decimal that more follow.
int Group(const char* text, int length, int integerLength, char group, char* out)
{
    int n = 0;
    for (int i = 0; i < integerLength; ++i) {
        if (i > 0 && (integerLength - i) % 3 == 0)
            out[n++] = group;
        out[n++] = text[i];
    }
    if (integerLength < length)
        out[n++] = text[integerLength]; // the decimal character
    for (int i = integerLength + 1, digits = 0; i < length; ++i, ++digits) {
        if (digits > 0 && digits % 3 == 0)
            out[n++] = group;
        out[n++] = text[i];
    }
    return n;
}

// The text right-aligned in the field of |width| (at most kMaxNumberText)
// characters; a negative width fills with '0' behind a leading minus sign.
int Pad(const char* text, int length, int32_t width, char* out)
{
    int64_t field = width < 0 ? -static_cast<int64_t>(width) : width;
    if (field > kMaxNumberText)
        field = kMaxNumberText;
    const int fill = field > length ? static_cast<int>(field) - length : 0;
    int n = 0;
    if (width < 0 && fill > 0 && text[0] == '-') {
        out[n++] = '-';
        ++text;
        --length;
    }
    std::memset(out + n, width < 0 ? '0' : ' ', static_cast<size_t>(fill));
    n += fill;
    std::memcpy(out + n, text, static_cast<size_t>(length));
    n += length;
    out[n] = '\0';
    return n;
}

int Spaces(int32_t count, char* out)
{
    const int n = count < 0 ? 0 : count > kMaxUnitSpaces ? kMaxUnitSpaces : count;
    std::memset(out, ' ', static_cast<size_t>(n));
    return n;
}

} // namespace

int FormatNumber(double x, int32_t width, int64_t decimals, char decimalChar, char groupChar, char* out)
{
    if (decimals < 0) {
        decimals = decimals == INT64_MIN ? INT64_MAX : -decimals;
        if (groupChar == 0)
            groupChar = ' ';
    }
    char plain[kPlainRoom];
    int length = 1, integerLength = 1;
    if (std::isnan(x))
        plain[0] = '?';
    else
        length = PlainNumber(x, Decimals(decimals), decimalChar, plain, &integerLength);
    if (groupChar == 0)
        return Pad(plain, length, width, out);
    char grouped[kGroupedRoom];
    length = Group(plain, length, integerLength, groupChar, grouped);
    return Pad(grouped, length, width, out);
}

int FormatInteger(int64_t value, char groupChar, char* out)
{
    char plain[kPlainRoom];
    const int length = WriteInteger(value, plain);
    if (groupChar == 0)
        return Pad(plain, length, 0, out);
    char grouped[kGroupedRoom];
    return Pad(grouped, Group(plain, length, length, groupChar, grouped), 0, out);
}

int FormatDegrees(double x, int32_t decimals, int32_t spaces, char* out)
{
    const int32_t degrees = TruncateToInt32(x);
    const double minutesExact = std::fabs(x - degrees) * 60.0;
    const int32_t minutes = TruncateToInt32(minutesExact);
    const double seconds = (minutesExact - minutes) * 60.0;
    int n = 0;
    if (x < 0 && degrees == 0)
        out[n++] = '-';
    n += WriteInteger(degrees, out + n);
    out[n++] = '\xB0';
    n += Spaces(spaces, out + n);
    n += WriteInteger(minutes, out + n);
    out[n++] = '\xB4';
    n += Spaces(spaces, out + n);
    char secondsText[kMaxNumberText + 1];
    const int64_t places = decimals < 0 ? -static_cast<int64_t>(decimals) : decimals;
    const int length = FormatNumber(seconds, 0, places, decimals < 0 ? ',' : '.', 0, secondsText);
    std::memcpy(out + n, secondsText, static_cast<size_t>(length));
    n += length;
    out[n++] = '\xB4';
    out[n++] = '\xB4';
    out[n] = '\0';
    return n;
}
