// Where convert puts each feature: the layers ("sinks") a layout gives for
// OUT, and the files it may write.
#pragma once

#include "tools/velortrdcd/convert_drivers.h"

#include <ogr_core.h>

#include <string>
#include <vector>

struct Sink {
    std::string path;  // the file of the dataset that holds the layer
    std::string layer; // the layer's name
    bool polygons = false;
    bool points = false;
    // The layer's geometry type in 2D; wkbUnknown takes any. A Shapefile
    // layer of the polygons takes only the polygons of its type.
    OGRwkbGeometryType geometry = wkbUnknown;
};

struct PlanRequest {
    std::string out;
    LayerLayout layout = LayerLayout::kLayersInOneFile;
    bool polygons = true; // --layers
    bool points = true;
    // The geometry types the polygons get (wkbPoint, wkbLineString, wkbPolygon).
    std::vector<OGRwkbGeometryType> polygonTypes;
};

std::vector<Sink> PlanSinks(const PlanRequest& request);

// The sink of a polygon of that geometry type, or of a point; -1 when none
// takes it (its layer was not asked for).
int SinkOfPolygon(const std::vector<Sink>& sinks, OGRwkbGeometryType geometry);
int SinkOfPoint(const std::vector<Sink>& sinks);

// Every file the layout may write for OUT, whatever the data: the files an
// existing output is checked against.
std::vector<std::string> PossibleFiles(const std::string& out, LayerLayout layout);

// The geometry type of a polygon of count points: one point is a Point; a
// closed one of three or more a Polygon; else a LineString.
OGRwkbGeometryType PolygonGeometryType(size_t count, bool closed);
