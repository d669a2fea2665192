// The Windows runtime library's generator: a linear congruential sequence
// per thread, state * 214013 + 2531011 modulo 2^32 from the state 1, whose
// bits 16 to 30 are the number.
#include "platform/classlib/RandomNumber.h"

#include <cstdint>

namespace {
thread_local uint32_t randomState = 1;
}

int PlatformRandom()
{
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}
