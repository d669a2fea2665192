// FromDtmEx: a point in the internal orientation (JTSK: X south, Y west)
// written in one of the eight axis conventions of point files.
#include "formats/coord_transform.h"

#include <cstdint>
#include <cstring>

namespace {

// Negation as a flip of the sign bit: 0.0 becomes -0.0 and a NaN keeps its
// payload.
double Negate(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    bits ^= UINT64_C(0x8000000000000000);
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

} // namespace

extern "C" void FromDtmEx(double* outX, double* outY, double x, double y, short system)
{
    double fx = x, fy = y;
    switch (system) {
    case 1: fx = Negate(y); fy = Negate(x); break;
    case 2: fx = Negate(x); fy = y; break;
    case 3: fx = y; fy = x; break;
    case 4: fx = x; fy = Negate(y); break;
    case 5: fx = Negate(y); fy = x; break;
    case 6: fx = Negate(x); fy = Negate(y); break;
    case 7: fx = y; fy = Negate(x); break;
    default: break;
    }
    if (outX)
        *outX = fx;
    if (outY)
        *outY = fy;
}
