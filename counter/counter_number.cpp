// The decimal digits of a number turned into its correctly rounded double by
// std::from_chars, which depends on no locale and does not allocate.
#include "counter/counter_number.h"

#include <charconv>
#include <cstring>

void DecimalDigits::Add(char digit, bool fraction)
{
    if (count_ == 0 && digit == '0') {
        if (fraction)
            --scale_;
        return;
    }
    if (count_ < kMaxDigits) {
        text_[count_++] = digit;
        if (fraction)
            --scale_;
        return;
    }
    if (!fraction)
        ++scale_; // a dropped integer digit still counts as a power of ten
    if (digit != '0')
        sticky_ = true;
}

bool DecimalDigits::Compose(long exponent, double* value)
{
    *value = 0.0;
    if (count_ == 0)
        return true;
    int n = count_;
    long scale = scale_ + exponent;
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
