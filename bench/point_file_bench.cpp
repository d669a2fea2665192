// Reading point files of 10,000, 100,000 and 1,000,000 data lines, side by
// side on the same generated files: the system's ReadPointFile, its line
// reader alone, and the reference reader. Each reports MB/s and lines/s,
// and the memory of one reading in a fresh process of its own (see
// point_file_bench.h): the reader streams, so what grows with the file is
// the result it keeps, not the reading.
#include "bench/point_file_bench.h"

#include "bench/heap_state.h"
#include "bench/memory_probe.h"
#include "bench/point_file_gen.h"
#include "bench/reference_reader.h"
#include "common/case_table.h"
#include "common/text_file.h"
#include "decoder/CDecodeTxLine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace bench {

namespace {

const long kSizes[] = {10000, 100000, 1000000};

struct Reading {
    bool ok = false;
    long lines = 0;
    long polygons = 0;
    long points = 0;
    double coordSum = 0;
};

template <class WhileHeld>
Reading ReadWithSystem(CDecodeTxLine& d, const char* path, bool summarize, WhileHeld whileHeld)
{
    PolygonItemList items;
    uint32_t linesRead = 0, result = 1;
    const uint32_t status = d.ReadPointFile(path, kPointFileFormat, &items, 0, 0, 0, 0, &linesRead, &result);
    Reading r;
    r.ok = status == 0 && result == 0;
    r.lines = static_cast<long>(linesRead);
    r.polygons = static_cast<long>(items.size());
    for (const PolygonItem& item : items) {
        r.points += static_cast<long>(item.points.size());
        for (const PointRecord& p : item.points)
            r.coordSum += summarize ? p.y + p.x + p.z : 0.0;
    }
    whileHeld();
    d.FreeItemList(&items);
    return r;
}

template <class WhileHeld>
Reading ReadWithReference(const char* path, bool summarize, WhileHeld whileHeld)
{
    ReferenceResult result;
    ReadReference(path, result);
    Reading r;
    r.ok = result.ok;
    r.lines = result.lines;
    r.polygons = static_cast<long>(result.polygons.size());
    for (const ReferencePolygon& polygon : result.polygons) {
        r.points += static_cast<long>(polygon.points.size());
        for (const ReferencePoint& p : polygon.points)
            r.coordSum += summarize ? p.y + p.x + p.z : 0.0;
    }
    whileHeld();
    return r;
}

Reading ReadLines(const char* path)
{
    CMVFile<CFile> file;
    CString line;
    Reading r;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary, FALSE))
        return r;
    while (file.ReadLine(line))
        ++r.lines;
    r.ok = true;
    return r;
}

// A reading agrees with the file: every line, polygon and point, and the
// coordinates to the last digit the sum can hold.
bool Agrees(const Reading& r, const PointFile& file)
{
    return r.ok && r.lines == file.lines && r.polygons == file.polygons && r.points == file.dataLines &&
           std::fabs(r.coordSum - file.coordSum) <= 1e-9 * file.coordSum;
}

struct Probe {
    bool ok = false;
    double base = -1, peak = -1, held = -1;
};

Probe ProbeOnce(const char* mode, const PointFile& file)
{
    static std::map<std::string, Probe> done;
    const std::string key = std::string(mode) + "/" + std::to_string(file.dataLines);
    auto found = done.find(key);
    if (found != done.end())
        return found->second;
    Probe probe;
    std::string output;
    long points = -1;
    int ok = 0;
    if (RunSelf(std::string(kMemoryProbeFlag) + " " + mode + " \"" + file.path + "\"", &output) &&
        std::sscanf(output.c_str(), "base=%lf peak=%lf held=%lf points=%ld ok=%d", &probe.base, &probe.peak,
                    &probe.held, &points, &ok) == 5)
        probe.ok = ok == 1 && points == file.dataLines;
    return done.emplace(key, probe).first->second;
}

void SetCounters(benchmark::State& state, const PointFile& file, const char* mode)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.bytes));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * file.lines);
    state.counters["file_bytes"] = static_cast<double>(file.bytes);
    state.counters["points"] = static_cast<double>(file.dataLines);
    const Probe probe = ProbeOnce(mode, file);
    if (!probe.ok)
        return; // no memory figures: the table shows none
    const auto bytes = benchmark::Counter::OneK::kIs1024;
    state.counters["rss_base"] = benchmark::Counter(probe.base, benchmark::Counter::kDefaults, bytes);
    state.counters["rss_peak"] = benchmark::Counter(probe.peak, benchmark::Counter::kDefaults, bytes);
    state.counters["rss_held"] = benchmark::Counter(probe.held, benchmark::Counter::kDefaults, bytes);
}

const PointFile* FileFor(benchmark::State& state)
{
    FreshHeap();
    const PointFile& file = GetPointFile(static_cast<long>(state.range(0)));
    if (file.bytes == 0) {
        state.SkipWithError("the point file could not be written");
        return nullptr;
    }
    return &file;
}

void ReadPointFileBench(benchmark::State& state)
{
    const PointFile* file = FileFor(state);
    if (!file)
        return;
    CDecodeTxLine* d = new CDecodeTxLine(nullptr);
    d->EnableErrorMessages(0);
    if (!Agrees(ReadWithSystem(*d, file->path.c_str(), true, [] {}), *file)) {
        state.SkipWithError("ReadPointFile did not read the file as generated");
    } else {
        for (auto _ : state)
            benchmark::DoNotOptimize(ReadWithSystem(*d, file->path.c_str(), false, [] {}).points);
        SetCounters(state, *file, "points");
    }
    d->NondelegatingRelease();
}

void ReferenceReadBench(benchmark::State& state)
{
    const PointFile* file = FileFor(state);
    if (!file)
        return;
    if (!Agrees(ReadWithReference(file->path.c_str(), true, [] {}), *file)) {
        state.SkipWithError("the reference reader did not read the file as generated");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWithReference(file->path.c_str(), false, [] {}).points);
    SetCounters(state, *file, "reference");
}

// The system and the reference reader in turns on the same file, each
// reading timed on its own and the order swapped every turn. This machine
// has slow spells that last seconds and slow everything down by up to two
// times; one turn takes a fraction of a second, so a spell falls on both
// readers of a turn, and the median of the turns' ratios is the figure the
// target is checked by.
void PairedReadBench(benchmark::State& state)
{
    const PointFile* file = FileFor(state);
    if (!file)
        return;
    CDecodeTxLine* d = new CDecodeTxLine(nullptr);
    d->EnableErrorMessages(0);
    const char* path = file->path.c_str();
    if (!Agrees(ReadWithSystem(*d, path, true, [] {}), *file) || !Agrees(ReadWithReference(path, true, [] {}), *file)) {
        state.SkipWithError("a reader did not read the file as generated");
        d->NondelegatingRelease();
        return;
    }
    typedef std::chrono::steady_clock Clock;
    auto seconds = [](Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); };
    std::vector<double> ratios;
    double systemTime = 0, referenceTime = 0;
    for (auto _ : state) {
        double turn[2] = {0, 0}; // system, reference
        for (int k = 0; k < 2; ++k) {
            const bool system = (k == 0) == (ratios.size() % 2 == 0);
            const Clock::time_point start = Clock::now();
            benchmark::DoNotOptimize(system ? ReadWithSystem(*d, path, false, [] {}).points
                                            : ReadWithReference(path, false, [] {}).points);
            turn[system ? 0 : 1] = seconds(start);
        }
        systemTime += turn[0];
        referenceTime += turn[1];
        ratios.push_back(turn[0] / turn[1]);
    }
    d->NondelegatingRelease();
    std::sort(ratios.begin(), ratios.end());
    const size_t n = ratios.size();
    state.counters["ratio"] = n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
    state.counters["system_ms"] = systemTime * 1e3 / static_cast<double>(n);
    state.counters["reference_ms"] = referenceTime * 1e3 / static_cast<double>(n);
    state.counters["points"] = static_cast<double>(file->dataLines);
}

void ReadLinesBench(benchmark::State& state)
{
    const PointFile* file = FileFor(state);
    if (!file)
        return;
    if (ReadLines(file->path.c_str()).lines != file->lines) {
        state.SkipWithError("the line reader did not read every line");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLines(file->path.c_str()).lines);
    SetCounters(state, *file, "lines");
}

void Sizes(benchmark::internal::Benchmark* b)
{
    for (long size : kSizes)
        b->Arg(size);
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(ReadPointFileBench)->Name("ReadPointFile")->Apply(Sizes);
BENCHMARK(ReferenceReadBench)->Name("ReferenceRead")->Apply(Sizes);
BENCHMARK(PairedReadBench)->Name("PairedRead")->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ReadLinesBench)->Name("ReadLines")->Apply(Sizes);

} // namespace

int MemoryProbeMain(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    const char* mode = argv[2];
    const char* path = argv[3];
    GetCaseTable(); // built once per process, before the base is taken
    CDecodeTxLine* d = new CDecodeTxLine(nullptr);
    d->EnableErrorMessages(0);
    const MemoryUse base = CurrentMemoryUse();
    ResetPeakMemory();
    MemoryUse held;
    const auto measure = [&held] { held = CurrentMemoryUse(); };
    Reading r;
    if (std::strcmp(mode, "points") == 0)
        r = ReadWithSystem(*d, path, false, measure);
    else if (std::strcmp(mode, "reference") == 0)
        r = ReadWithReference(path, false, measure);
    else if (std::strcmp(mode, "lines") == 0) {
        r = ReadLines(path);
        measure();
    } else
        return 2;
    // The system may fold the resident set into its peak only from time to
    // time: the peak is at least what was resident while the result was held.
    const MemoryUse after = CurrentMemoryUse();
    const int64_t peak = std::max({after.peakBytes, held.peakBytes, held.residentBytes});
    d->NondelegatingRelease();
    std::printf("base=%lld peak=%lld held=%lld points=%ld ok=%d\n", static_cast<long long>(base.residentBytes),
                static_cast<long long>(peak), static_cast<long long>(held.residentBytes), r.points,
                r.ok && base.residentBytes >= 0 ? 1 : 0);
    return 0;
}

} // namespace bench
