// muparser on the evaluator's numeric expressions, for comparison: parsed
// and evaluated each time (as the evaluator works, in one pass over the
// text), and evaluated only (muparser's bytecode, parsed once). Built only
// where Debian's libmuparser-dev is found (native builds).
#include "bench/alloc_count.h"
#include "bench/counter_cases.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <string>

namespace bench {

namespace {

struct Variables {
    double x = kVariableX, y = kVariableY, z = kVariableZ;
};

// A parser with x, y and z defined and the expression set; false (and the
// benchmark skipped) when muparser refuses it or computes another value.
bool Prepare(benchmark::State& state, mu::Parser& parser, Variables& v, const NumericCase& c)
{
    try {
        parser.DefineVar("x", &v.x);
        parser.DefineVar("y", &v.y);
        parser.DefineVar("z", &v.z);
        parser.SetExpr(c.expression);
        if (SameValue(parser.Eval(), c.expected))
            return true;
        state.SkipWithError("muparser computed another value");
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
    }
    return false;
}

void Finish(benchmark::State& state, const NumericCase& c, uint64_t allocationsBefore)
{
    const double allocations = static_cast<double>(AllocationCount() - allocationsBefore);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    state.counters["allocs_per_expr"] = benchmark::Counter(allocations, benchmark::Counter::kAvgIterations);
    state.SetLabel(c.expression);
}

void ParseAndEvalBench(benchmark::State& state, const NumericCase& c)
{
    mu::Parser parser;
    Variables v;
    if (!Prepare(state, parser, v, c))
        return;
    const std::string expression = c.expression;
    const uint64_t before = AllocationCount();
    try {
        for (auto _ : state) {
            parser.SetExpr(expression);
            benchmark::DoNotOptimize(parser.Eval());
        }
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
        return;
    }
    Finish(state, c, before);
}

void EvalBench(benchmark::State& state, const NumericCase& c)
{
    mu::Parser parser;
    Variables v;
    if (!Prepare(state, parser, v, c))
        return;
    const uint64_t before = AllocationCount();
    try {
        for (auto _ : state)
            benchmark::DoNotOptimize(parser.Eval());
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
        return;
    }
    Finish(state, c, before);
}

const bool registered = [] {
    for (const NumericCase& c : kNumericCases) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark(("MuParser/parse_eval/" + name).c_str(), ParseAndEvalBench, c);
        benchmark::RegisterBenchmark(("MuParser/eval/" + name).c_str(), EvalBench, c);
    }
    return true;
}();

} // namespace

} // namespace bench
