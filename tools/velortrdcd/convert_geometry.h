// The geometries of convert: a polygon as a LineString, a Polygon (closed,
// three points or more) or a Point (one point); each point as a Point. In
// 3D when the format has a z field.
#pragma once

#include <ogr_geometry.h>

#include <memory>
#include <vector>

// One polygon's points in the system written.
struct Positions {
    std::vector<double> x, y, z;
    bool hasZ = false;
};

std::unique_ptr<OGRGeometry> PolygonGeometry(const Positions& p, bool closed);
std::unique_ptr<OGRGeometry> PointGeometry(const Positions& p, size_t i);
