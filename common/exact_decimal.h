// The fast path of the number readers: a decimal number of at most 15
// significant digits, scaled by a power of ten up to 10^22, is the quotient
// or product of two doubles that hold their values exactly, and one IEEE
// division or multiplication of them rounds correctly, as the long path
// (std::from_chars on the digits) does. That holds only where each operation
// rounds to double, not through the x87's wider registers (FLT_EVAL_METHOD 0);
// elsewhere the path declines and every number takes the long path.
#pragma once

#include <cfloat>
#include <cstdint>

const int kExactDecimalDigits = 15;

// mantissa * 10^scale as the correctly rounded double, when mantissa is below
// 10^kExactDecimalDigits and |scale| is at most 22; false otherwise.
inline bool ExactDecimal(uint64_t mantissa, int64_t scale, double* value)
{
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    static const double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                     1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const int64_t limit = sizeof kPowers / sizeof kPowers[0] - 1;
    if (mantissa >= 1000000000000000u || scale < -limit || scale > limit)
        return false;
    const double m = static_cast<double>(mantissa);
    *value = scale < 0 ? m / kPowers[-scale] : m * kPowers[scale];
    return true;
#else
    (void)mantissa;
    (void)scale;
    (void)value;
    return false;
#endif
}
