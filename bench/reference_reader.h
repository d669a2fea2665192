// A reader of the benchmark's point files written only for the comparison:
// the practical limit of this kind of reading. It reads the file through a
// large buffer, splits it into lines with memchr, reads the numbers with
// std::from_chars and keeps polygons of points as the system does, and
// knows nothing else of the point-file language: ".np" with "SName=",
// ';' comments, and "Y X Z Name" data lines.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct ReferencePoint {
    double y = 0, x = 0, z = 0;
    std::string name;
};

struct ReferencePolygon {
    std::string name;
    std::vector<ReferencePoint> points;
};

struct ReferenceResult {
    std::vector<ReferencePolygon> polygons;
    long lines = 0;
    bool ok = false; // the file was read and every data line had its numbers
};

void ReadReference(const char* path, ReferenceResult& out);

} // namespace bench
