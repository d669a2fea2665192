// DecodeLine on one line that repeats a collected text value n times
// ("1 2 tc=a tc=a ..."), for n of 10,000 and 100,000. Items are values, so
// the two runs' rates (values per second) stay close when joining the
// values costs linear time; their ratio shows any growth beyond that.
#include "decoder/CDecodeTxLine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace bench {

namespace {

void CollectValuesBench(benchmark::State& state)
{
    const int64_t repeats = state.range(0);
    std::string line = "1 2";
    for (int64_t i = 0; i < repeats; ++i)
        line += " tc=a";
    CDecodeTxLine* d = new CDecodeTxLine(nullptr);
    d->EnableErrorMessages(0);
    CString codes;
    double y = 0, x = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(-2, 0, &y, nullptr, "");
    d->AddParam(-2, 0, &x, nullptr, "");
    d->AddParam(-4, 0, &codes, nullptr, "tc=");
    uint32_t id = 0, positional = 0, error = 0;
    char* stop = nullptr;
    for (auto _ : state) {
        codes.Empty();
        d->DecodeLine(&line[0], &id, &positional, &stop, &error);
        benchmark::DoNotOptimize(codes.GetLength());
    }
    if (error != 0 || codes.GetLength() != static_cast<int>(2 * repeats - 1))
        state.SkipWithError("the values were not joined");
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * repeats);
    d->NondelegatingRelease();
}

BENCHMARK(CollectValuesBench)->Name("CollectValues")->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace bench
