// The arithmetic of the built-in numeric functions: the 32-bit truncation
// the functions share, rounding, angle normalisation and the functions whose
// arguments are all numbers.
#pragma once

#include "counter/counter_functions.h"

#include <cstdint>

const double kCounterPi = 3.141592653589793;
const double kCounterFullCircle = 6.283185307179586;
const double kCounterLargestRandom = 32767.0;

// int(x): x truncated toward zero to a signed 32-bit integer; values outside
// that range, and NaN, give the most negative one.
int32_t TruncateToInt32(double x);

// ROUND: int(x + 0.5) when x > 0, else int(x - 0.5).
double RoundHalfAway(double x);

// The angle brought into [0, period] as subtracting the period while the
// value stays above it, then adding it while the value is below 0, would
// bring it: period stays period, 2 * period gives period, -10 gives
// period - 10. Computed in constant time; an infinite or NaN angle gives NaN.
double NormaliseAngle(double angle, double period);

// A numeric function or constant read as a fixed-length list: its value for
// the arguments (FixedArgumentCount of them).
double ApplyNumeric(CounterFunction function, const double* arguments);
