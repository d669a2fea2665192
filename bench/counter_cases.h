// The expressions the evaluator's benchmarks and the muparser comparison
// compute: the numeric ones in a syntax both understand, with the values of
// their variables and the value each must give.
#pragma once

#include <cmath>

namespace bench {

struct NumericCase {
    const char* name;
    const char* expression;
    double expected;
};

// x, y and z are set to these before the expressions are computed.
const double kVariableX = 1.5;
const double kVariableY = 2.5;
const double kVariableZ = 3.0;

const double kNestedGroup = (1.5 + 2) * (3 - (4 / (5 + 6.0)));

const NumericCase kNumericCases[] = {
    {"short", "1+2*3", 1 + 2 * 3},
    {"nested", "((1.5+2)*(3-(4/(5+6))))^2-((7*(8+9))/(10-(11-12)))",
     kNestedGroup * kNestedGroup - (7 * (8 + 9)) / (10 - (11 - 12.0))},
    {"variables", "x*y+z/2-x^2+(y-z)*x",
     kVariableX * kVariableY + kVariableZ / 2 - kVariableX * kVariableX + (kVariableY - kVariableZ) * kVariableX},
};

// Whether a computed value is the expected one, within the rounding of a
// power computed by pow.
inline bool SameValue(double computed, double expected)
{
    return std::fabs(computed - expected) <= 1e-12 * std::fabs(expected);
}

} // namespace bench
