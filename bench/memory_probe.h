// The memory of this process as the system counts it (resident set and its
// peak), and this program run again as a child with other arguments, so
// that a measurement can have a fresh process of its own.
#pragma once

#include <cstdint>
#include <string>

namespace bench {

struct MemoryUse {
    int64_t residentBytes = -1; // -1: not known
    int64_t peakBytes = -1;     // the peak resident set so far
};

MemoryUse CurrentMemoryUse();

// Lets the peak start again from the resident set of now, where the system
// allows it (Linux); false where it does not.
bool ResetPeakMemory();

// Runs this program with the given arguments (none holding a quote) and
// returns what it wrote to its standard output; false when it could not be
// run or did not end with status 0.
bool RunSelf(const std::string& arguments, std::string* output);

} // namespace bench
