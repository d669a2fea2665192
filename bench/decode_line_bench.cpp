// DecodeLine on typical data lines of three point-file formats: fields
// separated by blanks, by ';' with a decimal comma, and a line with keyword
// values beside the positional ones. Time per line (the record cleared
// before each, as hosts do), MB/s, and the heap allocations per line.
#include "bench/alloc_count.h"
#include "decoder/CDecodeTxLine.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace bench {

namespace {

// Each line holds the point 745123.456 1043210.789 254.32, named pointName.
struct LineCase {
    const char* name;
    const char* format;
    const char* line;
    const char* pointName;
};

const LineCase kLines[] = {
    {"blanks", "Y X Z", "  745123.456  1043210.789  254.32", ""},
    {"semicolon_decimal_comma", "sep(;) decc Y X Z Name", "745123,456;1043210,789;254,32;P1024", "P1024"},
    {"keywords", "Name Y X Z", "P1024 745123.456 1043210.789 Z=254.32 p:12 tc=AB", "P1024"},
};

void DecodeLineBench(benchmark::State& state, const LineCase& c)
{
    CDecodeTxLine* d = new CDecodeTxLine(nullptr);
    d->EnableErrorMessages(0);
    PointRecord record;
    std::string line = c.line;
    uint32_t id = 0, positional = 0, error = 0;
    char* stop = nullptr;
    if (d->SetPointFormat(nullptr, 1, &record, c.format) != 0) {
        state.SkipWithError("the format was refused");
    } else if (d->DecodeLine(&line[0], &id, &positional, &stop, &error) != 0 || error != 0 || id != 1 ||
               record.y != 745123.456 || record.x != 1043210.789 || record.z != 254.32 ||
               std::strcmp(record.na, c.pointName) != 0) {
        state.SkipWithError("the line was not decoded into its point");
    } else {
        const uint64_t before = AllocationCount();
        for (auto _ : state) {
            record.Clear(); // as a host (and the point-file reader) does before each line
            d->DecodeLine(&line[0], &id, &positional, &stop, &error);
            benchmark::DoNotOptimize(record.z);
        }
        const double allocations = static_cast<double>(AllocationCount() - before);
        state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(line.size()));
        state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
        state.counters["allocs_per_line"] = benchmark::Counter(allocations, benchmark::Counter::kAvgIterations);
        state.SetLabel(c.format);
    }
    d->NondelegatingRelease();
}

const bool registered = [] {
    for (const LineCase& c : kLines)
        benchmark::RegisterBenchmark((std::string("DecodeLine/") + c.name).c_str(), DecodeLineBench, c);
    return true;
}();

} // namespace

} // namespace bench
