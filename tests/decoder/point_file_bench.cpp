// Reads a generated point file of many data lines and prints the file's size
// and the time taken; run it under /usr/bin/time for the peak memory.
//   point_file_bench [lines|points] [count]
// "lines" only reads the file line by line; "points" reads it into polygons.
#include "common/text_file.h"
#include "decoder/CDecodeTxLine.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

// count data lines, with a ".np" line before every 10000th.
void Generate(const std::string& path, long count)
{
    std::ofstream out(path, std::ios::binary);
    char line[96];
    for (long n = 0; n < count; ++n) {
        if (n % 10000 == 0)
            out << ".np SName=part" << n / 10000 << "\r\n";
        const int length = std::snprintf(line, sizeof line, "%ld.%03ld %ld.%03ld %ld.%02ld P%ld\r\n", 700000 + n,
                                         n % 1000, 1100000 + n / 3, (n * 7) % 1000, 200 + n % 300, n % 100, n);
        out.write(line, length);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const bool points = argc < 2 || std::strcmp(argv[1], "lines") != 0;
    const long count = argc >= 3 ? std::atol(argv[2]) : 1000000;
    std::random_device random;
    const std::string path =
        (std::filesystem::temp_directory_path() / ("velor-bench-" + std::to_string(random()) + ".txt")).string();
    Generate(path, count);
    const auto size = std::filesystem::file_size(path);

    const auto start = std::chrono::steady_clock::now();
    unsigned long long lines = 0, items = 0, placed = 0;
    uint32_t result = 0;
    if (points) {
        CDecodeTxLine* d = new CDecodeTxLine(nullptr);
        PolygonItemList list;
        d->ReadPointFile(path.c_str(), "Y X Z Name", &list, 0, 0, 0, 0, nullptr, &result);
        lines = d->lineNumber;
        items = list.size();
        for (const PolygonItem& item : list)
            placed += item.points.size();
        d->FreeItemList(&list);
        d->NondelegatingRelease();
    } else {
        CMVFile<CFile> file;
        CString line;
        if (file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite, TRUE)) {
            while (file.ReadLine(line))
                ++lines;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::filesystem::remove(path);
    std::printf("mode %s: %ld data lines, file %llu bytes, %llu lines read, %llu items, %llu points, result %u, "
                "%.3f s\n",
                points ? "points" : "lines", count, static_cast<unsigned long long>(size), lines, items, placed,
                static_cast<unsigned>(result), seconds);
    return result == 0 ? 0 : 1;
}
