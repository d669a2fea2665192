// The case table: the time to fill it from the platform's character
// services, and the time per comparison of the two narrow comparisons the
// decoder and the evaluator use most: collation without regard to case, and
// whole-word keyword matching.
#include "common/case_table.h"
#include "common/text_compare.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace bench {

namespace {

struct WordPair {
    const char* a;
    const char* b;
};

// Names and words as they come in point files; the last pairs are Czech
// words in code page 1250.
const WordPair kCollatePairs[] = {
    {"Standard", "STANDARDY"}, {"polygon", "POLYGON"},         {"Bod12", "bod13"},
    {"part17", "PART170"},     {"SName", "sname"},             {"\xC8" "esk\xFD", "\xE8" "esk\xE1"},
    {"\x9Elu\x9Dou\xE8k\xFD", "zlutoucky"}, {"St\xF8" "ed", "STRED"},
};

// Keyword, text: matches, keywords that the text goes on as a longer word,
// and misses.
const WordPair kMatchPairs[] = {
    {"BLOCK", "block 1 5"}, {"NOT", "notb 0"}, {"X", "x*2"},      {"AND", "and(1)"},
    {"OR", "or 0"},         {"NOTB", "NOTB 2"}, {"TRUE", "true_1"}, {"SName", "sname part7"},
};

const int kCollateCount = static_cast<int>(sizeof kCollatePairs / sizeof kCollatePairs[0]);
const int kMatchCount = static_cast<int>(sizeof kMatchPairs / sizeof kMatchPairs[0]);

void FillBench(benchmark::State& state)
{
    std::unique_ptr<CTabVelkaMala> table(new CTabVelkaMala());
    for (auto _ : state) {
        FillCaseTable(*table);
        benchmark::ClobberMemory();
    }
    // The filled copy agrees with the table every module uses.
    if (table->upperA['a'] != GetCaseTable()->upperA['a'] || table->sortW[0x010C] != GetCaseTable()->sortW[0x010C])
        state.SkipWithError("the filled table differs from the shared one");
}

void CompareCollateNoCaseBench(benchmark::State& state)
{
    GetCaseTable();
    if (CompareCollateNoCase("polygon", "POLYGON") != 0 || CompareCollateNoCase("Bod12", "bod13") >= 0) {
        state.SkipWithError("the comparison does not collate");
        return;
    }
    for (auto _ : state) {
        for (const WordPair& p : kCollatePairs)
            benchmark::DoNotOptimize(CompareCollateNoCase(p.a, p.b));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kCollateCount);
}

void MatchWordNoCaseBench(benchmark::State& state)
{
    GetCaseTable();
    if (MatchWordNoCase("BLOCK", "block 1 5", 1) != 5 || MatchWordNoCase("NOT", "notb 0", 1) != 0) {
        state.SkipWithError("the keyword match is wrong");
        return;
    }
    for (auto _ : state) {
        for (const WordPair& p : kMatchPairs)
            benchmark::DoNotOptimize(MatchWordNoCase(p.a, p.b, 1));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kMatchCount);
}

BENCHMARK(FillBench)->Name("CaseTable/Fill")->Unit(benchmark::kMillisecond);
BENCHMARK(CompareCollateNoCaseBench)->Name("CaseTable/CompareCollateNoCase");
BENCHMARK(MatchWordNoCaseBench)->Name("CaseTable/MatchWordNoCase");

} // namespace

} // namespace bench
