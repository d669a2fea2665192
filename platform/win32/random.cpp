// The runtime library's own generator.
#include "platform/classlib/RandomNumber.h"

#include <cstdlib>

int PlatformRandom()
{
    return std::rand();
}
