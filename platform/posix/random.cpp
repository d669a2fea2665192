// The Windows runtime library's generator: a linear congruential sequence
// per thread, state * 214013 + 2531011 modulo 2^32 from the state 1, whose
// bits 16 to 30 are the number.
#include "platform/classlib/RandomNumber.h"

#include <cstdint>

namespace {
// In the module's static TLS block (initial-exec), not in a block that
// dlopen hands out: the module is loaded by dlopen, and LeakSanitizer's walk
// of such dynamic blocks crashes on this glibc when the host has many other
// TLS users loaded (a host linking GDAL, for one). Eight bytes fit the room
// glibc keeps for dlopened modules.
thread_local uint32_t randomState __attribute__((tls_model("initial-exec"))) = 1;
}

int PlatformRandom()
{
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}
