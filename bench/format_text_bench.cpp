// Format strings read into the format model (ParseFormatText) and printed
// back in their normal form (PrintFormatText): time per string, one
// benchmark per string.
#include "formats/format_text.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace bench {

namespace {

const char* const kFormats[] = {
    "Y X cmt(; $ ! *)",
    "Y X Z",
    "sep(;) decc Y X Z Name",
    "Name Y X Z TCode(,;) NCode PlgP cmt(# //)",
    "PNr Y X Z St R TType EType VDesc sys=3 dec=2",
    "sep(,T) Name X Y Z TPri NoLn Null TCodeEnd dec = 7 cmt( // rem )",
};

void ParseBench(benchmark::State& state, const char* text)
{
    PointFormat model;
    uint32_t stop = 0;
    if (ParseFormatText(model, text, &stop) != 0 || stop != std::strlen(text)) {
        state.SkipWithError("the format string was refused");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseFormatText(model, text, &stop));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    state.SetLabel(text);
}

void PrintBench(benchmark::State& state, const char* text)
{
    PointFormat model;
    if (ParseFormatText(model, text, nullptr) != 0) {
        state.SkipWithError("the format string was refused");
        return;
    }
    // The printed form reads back into the same fields.
    PointFormat again;
    if (ParseFormatText(again, PrintFormatText(model), nullptr) != 0 || again.fields != model.fields) {
        state.SkipWithError("the printed form does not read back");
        return;
    }
    for (auto _ : state) {
        CString printed = PrintFormatText(model);
        benchmark::DoNotOptimize(printed.GetString());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    state.SetLabel(text);
}

const bool registered = [] {
    const int count = static_cast<int>(sizeof kFormats / sizeof kFormats[0]);
    for (int n = 0; n < count; ++n)
        benchmark::RegisterBenchmark(("ParseFormatText/" + std::to_string(n)).c_str(), ParseBench, kFormats[n]);
    for (int n = 0; n < count; ++n)
        benchmark::RegisterBenchmark(("PrintFormatText/" + std::to_string(n)).c_str(), PrintBench, kFormats[n]);
    return true;
}();

} // namespace

} // namespace bench
