// The evaluator against the reference evaluator on the same numeric
// expressions (Reference/...), and the cost of many variables in one
// evaluator: a fresh evaluator given N distinct variables (Variables/N)
// against N trivial expressions (Trivial/N). Time per expression.
#include "bench/counter_cases.h"
#include "bench/reference_evaluator.h"
#include "counter/CAtCounterI.h"
#include "counter/counter_status.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace bench {

namespace {

void ReferenceBench(benchmark::State& state, const NumericCase& c)
{
    ReferenceEvaluator evaluator;
    evaluator.Set("x", kVariableX);
    evaluator.Set("y", kVariableY);
    evaluator.Set("z", kVariableZ);
    double value = 0;
    if (!evaluator.Compute(c.expression, value) || !SameValue(value, c.expected)) {
        state.SkipWithError("the reference did not give the expression's value");
        return;
    }
    for (auto _ : state) {
        evaluator.Compute(c.expression, value);
        benchmark::DoNotOptimize(value);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    state.SetLabel(c.expression);
}

// The texts "v<i> := <i>" (distinct) or "<i>" (trivial) for i below count.
std::vector<std::string> Expressions(long count, bool assign)
{
    std::vector<std::string> texts;
    char text[64];
    for (long i = 0; i < count; ++i) {
        if (assign)
            std::snprintf(text, sizeof text, "v%ld := %ld", i, i);
        else
            std::snprintf(text, sizeof text, "%ld", i);
        texts.emplace_back(text);
    }
    return texts;
}

// One iteration: a fresh evaluator computes every text; the last value and
// (for the variables) one variable read back check the run.
void ManyBench(benchmark::State& state, bool assign)
{
    const long count = static_cast<long>(state.range(0));
    const std::vector<std::string> texts = Expressions(count, assign);
    bool ok = true;
    for (auto _ : state) {
        CAtCounterI* counter = new CAtCounterI(nullptr);
        double value = -1;
        int32_t status = -99;
        for (const std::string& text : texts)
            counter->Compute(text.c_str(), nullptr, nullptr, &value, &status);
        ok = ok && status == kStatusOk && value == static_cast<double>(count - 1);
        if (assign) {
            counter->Compute("v0 + v1", nullptr, nullptr, &value, &status);
            ok = ok && status == kStatusOk && value == 1.0;
        }
        counter->NondelegatingRelease();
    }
    if (!ok)
        state.SkipWithError("an expression did not give its value");
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * count);
}

const bool registered = [] {
    for (const NumericCase& c : kNumericCases)
        benchmark::RegisterBenchmark((std::string("Reference/") + c.name).c_str(), ReferenceBench, c);
    benchmark::RegisterBenchmark("Variables", ManyBench, true)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Trivial", ManyBench, false)->Arg(50000)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

} // namespace bench
