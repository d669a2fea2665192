// DecodeLine on typical data lines of four point-file formats: fields
// separated by blanks, with and without a name, by ';' with a decimal
// comma, and a line with keyword values beside the positional ones. Time per
// line (the record cleared before each, as hosts do), MB/s, and the heap
// allocations per line. FromChars/... is the reference for the positional
// cases: a loop that splits the same line at its separator, converts the
// three numbers with std::from_chars and copies the name.
#include "bench/alloc_count.h"
#include "decoder/CDecodeTxLine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
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
    char separator; // of the reference loop; 0: no reference (keyword values)
    bool decimalComma;
};

const LineCase kLines[] = {
    {"blanks", "Y X Z", "  745123.456  1043210.789  254.32", "", ' ', false},
    {"blanks_name", "Y X Z Name", "  745123.456  1043210.789  254.32  P1024", "P1024", ' ', false},
    {"semicolon_decimal_comma", "sep(;) decc Y X Z Name", "745123,456;1043210,789;254,32;P1024", "P1024", ';', true},
    {"keywords", "Name Y X Z", "P1024 745123.456 1043210.789 Z=254.32 p:12 tc=AB", "P1024", 0, false},
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

// The reference's view of a line: the fields between separators (runs of
// blanks count as one), three numbers and a name.
struct ReferenceFields {
    double y = 0, x = 0, z = 0;
    char name[64] = "";
};

const char* NextField(const char* p, const char* end, char separator, const char*& fieldEnd)
{
    if (separator == ' ')
        while (p < end && *p == ' ')
            ++p;
    fieldEnd = p;
    while (fieldEnd < end && *fieldEnd != separator)
        ++fieldEnd;
    return p;
}

bool ReferenceNumber(const char* p, const char* end, bool decimalComma, double& value)
{
    char copy[64];
    if (decimalComma) { // from_chars reads only '.': the field with ',' turned
        const size_t n = static_cast<size_t>(end - p);
        if (n >= sizeof copy)
            return false;
        for (size_t i = 0; i < n; ++i)
            copy[i] = p[i] == ',' ? '.' : p[i];
        p = copy;
        end = copy + n;
    }
    const std::from_chars_result r = std::from_chars(p, end, value);
    return r.ec == std::errc() && r.ptr == end;
}

bool ReferenceDecode(const LineCase& c, const char* p, const char* end, ReferenceFields& out)
{
    double* numbers[] = {&out.y, &out.x, &out.z};
    const char* fieldEnd = p;
    for (double* number : numbers) {
        p = NextField(p, end, c.separator, fieldEnd);
        if (!ReferenceNumber(p, fieldEnd, c.decimalComma, *number))
            return false;
        p = fieldEnd < end ? fieldEnd + 1 : end;
    }
    p = NextField(p, end, c.separator, fieldEnd);
    const size_t n = std::min(static_cast<size_t>(fieldEnd - p), sizeof out.name - 1);
    std::memcpy(out.name, p, n);
    out.name[n] = '\0';
    return true;
}

void FromCharsBench(benchmark::State& state, const LineCase& c)
{
    const std::string line = c.line;
    const char* end = line.data() + line.size();
    ReferenceFields fields;
    if (!ReferenceDecode(c, line.data(), end, fields) || fields.y != 745123.456 || fields.x != 1043210.789 ||
        fields.z != 254.32 || std::strcmp(fields.name, c.pointName) != 0) {
        state.SkipWithError("the reference did not read the line's point");
        return;
    }
    for (auto _ : state) {
        ReferenceDecode(c, line.data(), end, fields);
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(line.size()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

const bool registered = [] {
    for (const LineCase& c : kLines) {
        benchmark::RegisterBenchmark((std::string("DecodeLine/") + c.name).c_str(), DecodeLineBench, c);
        if (c.separator)
            benchmark::RegisterBenchmark((std::string("FromChars/") + c.name).c_str(), FromCharsBench, c);
    }
    return true;
}();

} // namespace

} // namespace bench
