// Numbers and integers of decoded lines.
#pragma once

#include <cstdint>

struct NumberRead {
    const char* end; // behind the number; at p when none was read
    bool ok;         // a number was read and is below 1e308 in magnitude
    double value;
};

// Blanks (not the separator character), an optional '+' or '-', blanks
// again, digits, then optionally the decimal separator and fraction digits,
// then optionally 'E' or 'e' with an optional sign and exponent digits. The
// value is the correctly rounded double of that decimal text. A number must
// begin with a digit (a sign alone is no number), and one of 1e308 or more is
// refused. The end position does not include blanks behind the number.
NumberRead ReadNumber(const char* p, char decimal, char separatorChar);

struct IntegerRead {
    const char* end;  // behind the digits; at p when there were none
    bool ok;          // digits were read
    bool overflow;    // the value lies outside the 32-bit signed range
    int32_t value;    // when overflow: the nearest 32-bit value
};

// Blanks (not the separator character), an optional sign, decimal digits.
IntegerRead ReadInteger(const char* p, char separatorChar);
