// The runtime library's pseudo-random numbers as Windows programs get them
// from rand(): 0 to 32767, each thread starting from the state 1 unless a
// program seeds it. The Windows build calls the runtime library itself; the
// native build runs the same generator, so a sequence is the same in both.
#pragma once

// The next number of the calling thread's sequence.
int PlatformRandom();
