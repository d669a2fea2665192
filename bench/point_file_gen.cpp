#include "bench/point_file_gen.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>

namespace bench {

const char kPointFileFormat[] = "Y X Z Name cmt(;)";

namespace {

const long kLinesPerPolygon = 1000;
const long kLinesPerComment = 100;

std::map<long, PointFile>& Files()
{
    static std::map<long, PointFile> files;
    return files;
}

std::filesystem::path& Folder()
{
    static std::filesystem::path folder;
    return folder;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// A coordinate in thousandths from the engine's raw output: base plus up to
// range, printed with three decimals. The raw output of mt19937 is the same
// everywhere; the library's distributions are not.
long long Thousandths(std::mt19937& rng, long long base, long long range)
{
    return base + static_cast<long long>(rng() % static_cast<unsigned long>(range));
}

} // namespace

PointFile WritePointFile(const std::string& path, long dataLines)
{
    PointFile file;
    file.path = path;
    file.dataLines = dataLines;
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(path.c_str(), "wb"));
    if (!out)
        return file;
    std::mt19937 rng(20240611u);
    char line[128];
    long long sum = 0; // in thousandths, exact
    for (long n = 0; n < dataLines; ++n) {
        int length = 0;
        if (n % kLinesPerPolygon == 0) {
            length = std::snprintf(line, sizeof line, ".np SName=part%ld\r\n", n / kLinesPerPolygon);
            std::fwrite(line, 1, static_cast<size_t>(length), out.get());
            ++file.polygons;
            ++file.lines;
        }
        const long long y = Thousandths(rng, 430000000LL, 470000000LL);
        const long long x = Thousandths(rng, 935000000LL, 295000000LL);
        const long long z = Thousandths(rng, 115000LL, 1487000LL);
        sum += y + x + z;
        length = std::snprintf(line, sizeof line, "%lld.%03lld %lld.%03lld %lld.%03lld P%ld\r\n", y / 1000, y % 1000,
                               x / 1000, x % 1000, z / 1000, z % 1000, n + 1);
        std::fwrite(line, 1, static_cast<size_t>(length), out.get());
        ++file.lines;
        if (n % kLinesPerComment == kLinesPerComment - 1) {
            length = std::snprintf(line, sizeof line, "; checked by station %ld\r\n", (n / kLinesPerComment) % 97);
            std::fwrite(line, 1, static_cast<size_t>(length), out.get());
            ++file.lines;
        }
    }
    if (std::fflush(out.get()) != 0)
        return file;
    out.reset();
    std::error_code error;
    file.bytes = std::filesystem::file_size(path, error);
    file.coordSum = static_cast<double>(sum) / 1000.0;
    return file;
}

std::string GeneratedFilePath(const std::string& name)
{
    if (Folder().empty()) {
        std::random_device random;
        std::error_code error;
        const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
        Folder() = (error ? std::filesystem::path(".") : temp) / ("velor-bench-" + std::to_string(random()));
        std::filesystem::create_directories(Folder(), error);
    }
    return (Folder() / name).string();
}

const PointFile& GetPointFile(long dataLines)
{
    auto found = Files().find(dataLines);
    if (found != Files().end())
        return found->second;
    const std::string path = GeneratedFilePath("points-" + std::to_string(dataLines) + ".txt");
    return Files().emplace(dataLines, WritePointFile(path, dataLines)).first->second;
}

void RemoveGeneratedFiles()
{
    Files().clear();
    if (!Folder().empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(Folder(), ignored);
        Folder().clear();
    }
}

} // namespace bench
