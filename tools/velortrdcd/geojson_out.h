// Polygons as one GeoJSON FeatureCollection (RFC 7946 structure, UTF-8):
// each polygon a feature, and with points also each point, with the
// coordinates turned from the file's axes into S-JTSK / Krovak East North
// (EPSG:5514) unless no conversion is asked for.
#pragma once

#include "VelorTrDcd.h"

#include <string>

// Turns a file's (X, Y) into the internal JTSK orientation; the tool passes
// the module's own conversion.
typedef void (*ToInternalAxes)(double* x, double* y, double fileX, double fileY, short system);

struct GeoJsonOptions {
    int coordSystem = 0;      // the format's system, 0 to 7; -1 writes the file's values as they are
    bool crs = true;          // false: --crs none, the file's values as they are
    bool points = false;      // every point as a feature of its own too
    bool hasZ = false;        // the format has a z field: z is the third coordinate
    ToInternalAxes toInternal = nullptr;
};

std::string GeoJson(const PolygonItemList& items, const GeoJsonOptions& options);

// The system whose conversion undoes system's: each system undoes itself,
// except 5 and 7, which undo each other.
short InverseSystem(short system);
