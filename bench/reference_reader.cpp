#include "bench/reference_reader.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>

namespace bench {

namespace {

const size_t kBufferSize = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

const char* SkipBlanks(const char* p, const char* end)
{
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    return p;
}

const char* WordEnd(const char* p, const char* end)
{
    while (p < end && *p != ' ' && *p != '\t')
        ++p;
    return p;
}

bool ReadNumber(const char*& p, const char* end, double& value)
{
    p = SkipBlanks(p, end);
    const std::from_chars_result r = std::from_chars(p, end, value);
    if (r.ec != std::errc())
        return false;
    p = r.ptr;
    return true;
}

bool DataLine(const char* p, const char* end, ReferenceResult& out)
{
    if (out.polygons.empty())
        out.polygons.emplace_back();
    ReferencePoint point;
    if (!ReadNumber(p, end, point.y) || !ReadNumber(p, end, point.x) || !ReadNumber(p, end, point.z))
        return false;
    p = SkipBlanks(p, end);
    point.name.assign(p, WordEnd(p, end));
    out.polygons.back().points.push_back(std::move(point));
    return true;
}

void NewPolygon(const char* p, const char* end, ReferenceResult& out)
{
    out.polygons.emplace_back();
    static const char kKey[] = "SName=";
    for (p = SkipBlanks(p, end); p < end; p = SkipBlanks(WordEnd(p, end), end)) {
        if (static_cast<size_t>(end - p) >= sizeof kKey - 1 && std::memcmp(p, kKey, sizeof kKey - 1) == 0) {
            p += sizeof kKey - 1;
            out.polygons.back().name.assign(p, WordEnd(p, end));
            return;
        }
    }
}

bool Line(const char* p, const char* end, ReferenceResult& out)
{
    ++out.lines;
    if (end > p && end[-1] == '\r')
        --end;
    p = SkipBlanks(p, end);
    if (p == end || *p == ';')
        return true;
    if (end - p >= 3 && std::memcmp(p, ".np", 3) == 0) {
        NewPolygon(p + 3, end, out);
        return true;
    }
    return DataLine(p, end, out);
}

} // namespace

void ReadReference(const char* path, ReferenceResult& out)
{
    out = ReferenceResult();
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file)
        return;
    std::unique_ptr<char[]> buffer(new char[kBufferSize]);
    size_t kept = 0; // bytes of an unfinished line at the buffer's start
    bool ok = true;
    for (;;) {
        const size_t read = std::fread(buffer.get() + kept, 1, kBufferSize - kept, file.get());
        const char* p = buffer.get();
        const char* end = p + kept + read;
        while (const char* eol = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)))) {
            ok = Line(p, eol, out) && ok;
            p = eol + 1;
        }
        kept = static_cast<size_t>(end - p);
        if (read == 0) {
            if (kept > 0)
                ok = Line(p, end, out) && ok;
            break;
        }
        if (kept == kBufferSize)
            return; // a line longer than the buffer: not a file of this benchmark
        std::memmove(buffer.get(), p, kept);
    }
    out.ok = ok;
}

} // namespace bench
