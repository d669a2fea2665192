// The decimal digits of a number turned into its correctly rounded double by
// std::from_chars, which depends on no locale and does not allocate; short
// numbers by the exact path of common/exact_decimal.h.
#include "counter/counter_number.h"

#include "common/exact_decimal.h"

#include <charconv>
#include <cstring>

void DecimalDigits::Add(char digit, bool fraction)
{
    if (count_ < kMaxDigits) {
        // A fraction digit kept (or a leading zero) moves the digits one
        // place to the right.
        if (fraction && scale_ > -kMaxScale)
            --scale_;
        if (count_ > 0 || digit != '0') {
            if (count_ < kExactDecimalDigits)
                mantissa_ = mantissa_ * 10 + static_cast<unsigned>(digit - '0');
            text_[count_++] = digit;
        }
        return;
    }
    if (!fraction && scale_ < kMaxScale)
        ++scale_; // a dropped integer digit still counts as a power of ten
    if (digit != '0')
        sticky_ = true;
}

bool DecimalDigits::Compose(int64_t exponent, double* value)
{
    *value = 0.0;
    if (count_ == 0)
        return true;
    int n = count_;
    int64_t scale = scale_ + exponent; // both within 10^17: no overflow
    if (!sticky_ && n <= kExactDecimalDigits && ExactDecimal(mantissa_, scale, value))
        return true;
    if (sticky_) {
        text_[n++] = '1';
        --scale;
    }
    // 10^(n - 1 + scale) <= value < 10^(n + scale): the leading digit is not 0.
    if (n - 1 + scale >= 308)
        return false;
    if (n + scale < -400)
        return true;
    char buffer[kMaxDigits + 24];
    std::memcpy(buffer, text_, static_cast<size_t>(n));
    char* end = buffer + n;
    *end++ = 'e';
    const std::to_chars_result written = std::to_chars(end, buffer + sizeof buffer, scale);
    double read = 0.0;
    const std::from_chars_result result = std::from_chars(buffer, written.ptr, read);
    if (result.ec == std::errc::result_out_of_range)
        return true; // below the smallest double: the scale is negative here
    *value = read;
    return true;
}
