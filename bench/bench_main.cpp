// The benchmark program: Google Benchmark's own command line and output,
// and the child side of the point-file memory measurement.
#include "bench/heap_state.h"
#include "bench/point_file_bench.h"
#include "bench/point_file_gen.h"

#include <benchmark/benchmark.h>

#include <cstring>

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], bench::kMemoryProbeFlag) == 0)
        return bench::MemoryProbeMain(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::KeepFreedMemory();
#ifdef _WIN32
    benchmark::AddCustomContext("velor_build", "windows");
#else
    benchmark::AddCustomContext("velor_build", "native");
#endif
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::RemoveGeneratedFiles();
    return 0;
}
