// The point files the benchmarks read, generated on first use into a folder
// of this process's own under the temporary directory, the same bytes on
// every run and every platform (a fixed seed, and no library distribution).
//
// A file of n data lines in the format kPointFileFormat: a ".np" line before
// every 1,000th data line, a comment line after every 100th, each data line
// "Y X Z Name" with blanks between the fields and CR LF at its end.
#pragma once

#include <cstdint>
#include <string>

namespace bench {

extern const char kPointFileFormat[];

struct PointFile {
    std::string path;
    uint64_t bytes = 0;
    long dataLines = 0;
    long polygons = 0;
    long lines = 0;      // all lines: data, ".np" and comments
    double coordSum = 0; // the sum of every Y, X and Z, to check a reading
};

// The file of dataLines data lines; made on the first call for that count.
const PointFile& GetPointFile(long dataLines);

// Writes the file of dataLines data lines at path.
PointFile WritePointFile(const std::string& path, long dataLines);

// A path for a generated file of the given name in the folder of this
// process's own, made on first use.
std::string GeneratedFilePath(const std::string& name);

// Removes the generated files and their folder.
void RemoveGeneratedFiles();

} // namespace bench
