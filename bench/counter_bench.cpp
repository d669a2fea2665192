// The evaluator: Compute (narrow text) and ComputeW (wide text) on numeric
// expressions (a short one, one of nested groups, one with variables) and
// on a text expression. Time per expression and heap allocations per
// expression.
#include "bench/alloc_count.h"
#include "bench/counter_cases.h"
#include "counter/CAtCounterI.h"
#include "counter/counter_status.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace bench {

namespace {

// A text result built of four literals.
const char kTextExpression[] = "\"Point \" + \"P1024\" + \"/\" + \"A\"";
const char kTextResult[] = "Point P1024/A";

std::vector<char> Narrow(const char* text)
{
    return std::vector<char>(text, text + std::char_traits<char>::length(text) + 1);
}

std::vector<unsigned short> Wide(const char* text)
{
    std::vector<unsigned short> wide;
    for (const char* p = text; *p; ++p)
        wide.push_back(static_cast<unsigned char>(*p));
    wide.push_back(0);
    return wide;
}

void Compute(CAtCounterI& counter, const char* text, double* value, int32_t* status)
{
    counter.Compute(text, nullptr, nullptr, value, status);
}

void Compute(CAtCounterI& counter, const unsigned short* text, double* value, int32_t* status)
{
    counter.ComputeW(text, nullptr, nullptr, value, status);
}

std::string TextResult(CAtCounterI& counter, char)
{
    std::string text(counter.GetText(nullptr, 0) + 1, '\0');
    counter.GetText(&text[0], static_cast<uint32_t>(text.size()));
    text.resize(text.size() - 1);
    return text;
}

std::string TextResult(CAtCounterI& counter, unsigned short)
{
    std::vector<unsigned short> buffer(counter.GetTextW(nullptr, 0) + 1);
    counter.GetTextW(buffer.data(), static_cast<uint32_t>(buffer.size()));
    std::string text;
    for (size_t i = 0; buffer[i]; ++i)
        text.push_back(static_cast<char>(buffer[i]));
    return text;
}

// A fresh evaluator with x, y and z set in the width Ch.
template <class Ch>
CAtCounterI* NewCounter()
{
    CAtCounterI* counter = new CAtCounterI(nullptr);
    char assignments[128];
    std::snprintf(assignments, sizeof assignments, "x := %.17g, y := %.17g, z := %.17g", kVariableX, kVariableY,
                  kVariableZ);
    double value = 0;
    int32_t status = 0;
    if constexpr (sizeof(Ch) == 1)
        Compute(*counter, Narrow(assignments).data(), &value, &status);
    else
        Compute(*counter, Wide(assignments).data(), &value, &status);
    return counter;
}

// Computes text repeatedly once the first result was right.
template <class Ch>
void Measure(benchmark::State& state, CAtCounterI& counter, const std::vector<Ch>& text)
{
    double value = 0;
    int32_t status = 0;
    const uint64_t before = AllocationCount();
    for (auto _ : state) {
        Compute(counter, text.data(), &value, &status);
        benchmark::DoNotOptimize(value);
    }
    const double allocations = static_cast<double>(AllocationCount() - before);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    state.counters["allocs_per_expr"] = benchmark::Counter(allocations, benchmark::Counter::kAvgIterations);
}

template <class Ch>
void NumericBench(benchmark::State& state, const NumericCase& c, std::vector<Ch> (*convert)(const char*))
{
    CAtCounterI* counter = NewCounter<Ch>();
    const std::vector<Ch> text = convert(c.expression);
    double value = 0;
    int32_t status = -99;
    Compute(*counter, text.data(), &value, &status);
    if (status != kStatusOk || !SameValue(value, c.expected))
        state.SkipWithError("the expression did not give its value");
    else
        Measure(state, *counter, text);
    state.SetLabel(c.expression);
    counter->NondelegatingRelease();
}

template <class Ch>
void TextBench(benchmark::State& state, std::vector<Ch> (*convert)(const char*))
{
    CAtCounterI* counter = NewCounter<Ch>();
    const std::vector<Ch> text = convert(kTextExpression);
    double value = 0;
    int32_t status = -99;
    Compute(*counter, text.data(), &value, &status);
    if (status != kStatusText || TextResult(*counter, Ch()) != kTextResult)
        state.SkipWithError("the expression did not give its text");
    else
        Measure(state, *counter, text);
    state.SetLabel(kTextExpression);
    counter->NondelegatingRelease();
}

const bool registered = [] {
    for (const NumericCase& c : kNumericCases) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark(("Compute/narrow/" + name).c_str(), NumericBench<char>, c, Narrow);
        benchmark::RegisterBenchmark(("Compute/wide/" + name).c_str(), NumericBench<unsigned short>, c, Wide);
    }
    benchmark::RegisterBenchmark("Compute/narrow/text", TextBench<char>, Narrow);
    benchmark::RegisterBenchmark("Compute/wide/text", TextBench<unsigned short>, Wide);
    return true;
}();

} // namespace

} // namespace bench
