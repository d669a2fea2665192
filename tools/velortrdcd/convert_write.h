// The features of convert: each polygon with points to its layer, each
// point to the points, in the system written.
#pragma once

#include "VelorTrDcd.h"
#include "tools/velortrdcd/convert_crs.h"
#include "tools/velortrdcd/ogr_output.h"

#include <string>
#include <vector>

struct WriteSettings {
    int coordSystem = -1;  // the format's "sys=", -1 none: the file's values as they stand
    bool hasZ = false;     // 3D, z from the z field
    bool dxf = false;      // DXF entities: the Layer field, labels for named points
    bool progress = false; // a progress line on stderr
    const ConvertCrs* crs = nullptr;
};

struct WriteCounts {
    size_t emptyPolygons = 0; // polygons without points: nothing to draw
    size_t zlessPoints = 0;   // points of a format with z whose z is no number: written with z 0
};

bool WriteItems(const PolygonItemList& items, const std::vector<Sink>& sinks, OgrOutput& out,
                const WriteSettings& settings, WriteCounts* counts, std::string* error);

// Polygons of at least one point by geometry type, for the plan.
std::vector<OGRwkbGeometryType> PolygonTypes(const PolygonItemList& items);
