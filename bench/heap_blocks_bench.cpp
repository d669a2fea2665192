// The heap alone: one block per point of the size a point's name takes in
// a CString (its count and header before the characters, "P1234567" and
// the NUL), allocated and freed as a reading and FreeItemList do. The
// names of the points are the one heap block per point that the interface
// makes the reader allocate, and hosts free them through the same shared
// allocator, so this is the floor that allocator puts under ReadPointFile
// on each build.
#include "bench/heap_state.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace bench {

namespace {

const size_t kNameBlock = 16 + 8 + 1;

void HeapBlocksBench(benchmark::State& state)
{
    FreshHeap();
    const size_t count = static_cast<size_t>(state.range(0));
    std::vector<void*> blocks(count);
    for (auto _ : state) {
        for (void*& block : blocks) {
            block = std::malloc(kNameBlock);
            if (!block) {
                state.SkipWithError("out of memory");
                return;
            }
            std::memset(block, 'P', kNameBlock); // touched, as a name is written
        }
        benchmark::ClobberMemory();
        for (void* block : blocks)
            std::free(block);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(count));
}

} // namespace

BENCHMARK(HeapBlocksBench)->Name("HeapBlocks")->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace bench
