// The heap allocations of the benchmark program, counted: every malloc,
// calloc and realloc of the program's code and of the system's library is
// routed here by the linker (--wrap), and the global operator new allocates
// through malloc.
#pragma once

#include <cstdint>

namespace bench {

// Allocations since the program started.
uint64_t AllocationCount();

} // namespace bench
