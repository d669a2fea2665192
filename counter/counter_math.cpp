#include "counter/counter_math.h"

#include "platform/classlib/RandomNumber.h"
#include "platform/platform.h"

#include <cmath>
#include <limits>

int32_t TruncateToInt32(double x)
{
    // The range test comes first: converting a value outside it is undefined.
    if (x > -2147483649.0 && x < 2147483648.0)
        return static_cast<int32_t>(x);
    return INT32_MIN;
}

double RoundHalfAway(double x)
{
    return TruncateToInt32(x > 0 ? x + 0.5 : x - 0.5);
}

// fmod is exact: whole periods go at once, without the rounding that one
// subtraction after another adds up. With the whole-number periods (360, 400)
// every such subtraction is exact as well, so the angle is the same; with the
// full circle in radians it is the same within a turn either side and the
// more exact one beyond. A negative angle ends with the same single addition
// of the period.
double NormaliseAngle(double angle, double period)
{
    if (!std::isfinite(angle))
        return std::numeric_limits<double>::quiet_NaN();
    if (angle > period) {
        const double rest = std::fmod(angle, period);
        return rest == 0 ? period : rest;
    }
    if (angle < 0) {
        const double rest = std::fmod(angle, period);
        return rest < 0 ? rest + period : 0.0;
    }
    return angle;
}

namespace {

double ApplyOne(CounterFunction function, double x)
{
    typedef CounterFunction F;
    switch (function) {
    case F::kAbs: return std::fabs(x);
    case F::kAcos: return std::acos(x);
    case F::kAsin: return std::asin(x);
    case F::kAtan: return std::atan(x);
    case F::kAng400: return NormaliseAngle(x, 400.0);
    case F::kAng360: return NormaliseAngle(x, 360.0);
    case F::kAng2Pi: return NormaliseAngle(x, kCounterFullCircle);
    case F::kCos: return std::cos(x);
    case F::kDegToRad: return x / 180.0 * kCounterPi;
    case F::kDegToGrad: return x / 180.0 * 200.0;
    case F::kGradToDeg: return x / 200.0 * 180.0;
    case F::kGradToRad: return x / 200.0 * kCounterPi;
    case F::kLog: return std::log(x);
    case F::kLog10: return std::log10(x);
    case F::kRadToDeg: return x / kCounterPi * 180.0;
    case F::kRadToGrad: return x / kCounterPi * 200.0;
    case F::kRound: return RoundHalfAway(x);
    case F::kSin: return std::sin(x);
    case F::kSqr: return x * x;
    case F::kSqrt: return std::sqrt(x);
    case F::kTan: return std::tan(x);
    case F::kTrunc: return TruncateToInt32(x);
    default: return 0.0;
    }
}

} // namespace

double ApplyNumeric(CounterFunction function, const double* arguments)
{
    typedef CounterFunction F;
    switch (function) {
    case F::kAtan2: return std::atan2(arguments[0], arguments[1]);
    case F::kPow: return std::pow(arguments[0], arguments[1]);
    case F::kGetTickCount: return static_cast<double>(static_cast<uint32_t>(PlatformTickCount()));
    case F::kPi: return kCounterPi;
    case F::kRandomNum: return PlatformRandom();
    case F::kRandomNumMax: return kCounterLargestRandom;
    default: return ApplyOne(function, arguments[0]);
    }
}
