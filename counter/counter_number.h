// Numbers of expressions: digits, optionally '.' and digits, optionally 'E'
// or 'e' with an optional sign and digits. The value is the correctly rounded
// double of the decimal text read; nothing is allocated.
#pragma once

#include "counter/counter_chars.h"

#include <cstdint>

// The significant digits of a number and the power of ten that scales them.
class DecimalDigits {
public:
    void Add(char digit, bool fraction);
    // The value of the digits times 10^exponent; false when it is 1e308 or
    // more. |exponent| is at most kMaxExponent.
    bool Compose(int64_t exponent, double* value);

    // A longer exponent saturates here: so far beyond the digits that any
    // text can hold that the value stays beyond the largest double, or
    // below the smallest, as the exponent's digits mean.
    static constexpr int64_t kMaxExponent = 100000000000000000; // 10^17
    // The scale of the digits saturates at the same bound, so that adding
    // the two cannot overflow.
    static constexpr int64_t kMaxScale = kMaxExponent;

private:
    // More digits than a double needs to round correctly; further digits
    // only decide a tie, which one non-zero sticky digit keeps.
    static const int kMaxDigits = 768;
    char text_[kMaxDigits + 2];
    int count_ = 0;
    int64_t scale_ = 0;
    bool sticky_ = false;
    uint64_t mantissa_ = 0; // the digits kept, while there are at most kExactDecimalDigits
};

enum class NumberOutcome { kRead, kNoDigit, kTooLarge };

// Reads the number at *position (which must stand at a digit) and moves
// *position behind what was read. kNoDigit: a '.' or an exponent has no
// digit behind it (the position stays at that place).
template <class Ch>
NumberOutcome ReadCounterNumber(const Ch** position, double* value)
{
    const Ch* p = *position;
    DecimalDigits digits;
    while (IsDecimalDigit(*p))
        digits.Add(static_cast<char>(*p++), false);
    NumberOutcome outcome = NumberOutcome::kRead;
    if (*p == '.') {
        ++p;
        if (!IsDecimalDigit(*p))
            outcome = NumberOutcome::kNoDigit;
        while (IsDecimalDigit(*p))
            digits.Add(static_cast<char>(*p++), true);
    }
    int64_t exponent = 0;
    if (outcome == NumberOutcome::kRead && (*p == 'E' || *p == 'e')) {
        ++p;
        bool negative = false;
        if (*p == '+' || *p == '-')
            negative = *p++ == '-';
        if (!IsDecimalDigit(*p))
            outcome = NumberOutcome::kNoDigit;
        while (IsDecimalDigit(*p)) {
            exponent = exponent * 10 + (*p++ - '0'); // below 10 * kMaxExponent + 10
            if (exponent > DecimalDigits::kMaxExponent)
                exponent = DecimalDigits::kMaxExponent;
        }
        if (negative)
            exponent = -exponent;
    }
    *position = p;
    *value = 0.0;
    if (outcome != NumberOutcome::kRead)
        return outcome;
    return digits.Compose(exponent, value) ? NumberOutcome::kRead : NumberOutcome::kTooLarge;
}
