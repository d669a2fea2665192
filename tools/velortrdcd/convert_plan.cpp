// Where convert puts each feature.
#include "tools/velortrdcd/convert_plan.h"

#include <algorithm>

namespace {

// OUT's path without its suffix, and the suffix with its dot.
void SplitSuffix(const std::string& out, std::string* base, std::string* suffix)
{
    const size_t dot = out.rfind('.');
    const size_t separator = out.find_last_of("\\/");
    if (dot == std::string::npos || (separator != std::string::npos && separator > dot)) {
        *base = out;
        suffix->clear();
        return;
    }
    *base = out.substr(0, dot);
    *suffix = out.substr(dot);
}

// out.shp and "points" give out_points.shp.
std::string Beside(const std::string& out, const std::string& name)
{
    std::string base, suffix;
    SplitSuffix(out, &base, &suffix);
    return base + "_" + name + suffix;
}

const char* TypeName(OGRwkbGeometryType type)
{
    switch (type) {
    case wkbPoint: return "point";
    case wkbPolygon: return "polygon";
    default: return "linestring";
    }
}

Sink MakeSink(const std::string& path, const std::string& layer, bool polygons, bool points,
              OGRwkbGeometryType geometry)
{
    Sink sink;
    sink.path = path;
    sink.layer = layer;
    sink.polygons = polygons;
    sink.points = points;
    sink.geometry = geometry;
    return sink;
}

// The polygons' layer type: their one type, else any.
OGRwkbGeometryType CommonType(const std::vector<OGRwkbGeometryType>& types)
{
    return types.size() == 1 ? types[0] : wkbUnknown;
}

} // namespace

OGRwkbGeometryType PolygonGeometryType(size_t count, bool closed)
{
    if (count == 1)
        return wkbPoint;
    return closed && count >= 3 ? wkbPolygon : wkbLineString;
}

std::vector<Sink> PlanSinks(const PlanRequest& r)
{
    std::vector<Sink> sinks;
    const OGRwkbGeometryType polygonType = CommonType(r.polygonTypes);
    switch (r.layout) {
    case LayerLayout::kMixedLayer:
        sinks.push_back(MakeSink(r.out, "features", r.polygons, r.points, wkbUnknown));
        return sinks;
    case LayerLayout::kLayersInOneFile:
        if (r.polygons)
            sinks.push_back(MakeSink(r.out, "polygons", true, false, polygonType));
        break;
    case LayerLayout::kFilePerLayer:
        if (r.polygons)
            sinks.push_back(MakeSink(Beside(r.out, "polygons"), "polygons", true, false, polygonType));
        break;
    case LayerLayout::kFilePerGeometry:
        for (OGRwkbGeometryType type : {wkbPoint, wkbLineString, wkbPolygon}) {
            if (!r.polygons || std::find(r.polygonTypes.begin(), r.polygonTypes.end(), type) == r.polygonTypes.end())
                continue;
            const std::string name = std::string("polygons_") + TypeName(type);
            sinks.push_back(MakeSink(Beside(r.out, name), name, true, false, type));
        }
        break;
    }
    if (r.points)
        sinks.push_back(MakeSink(r.layout == LayerLayout::kLayersInOneFile ? r.out : Beside(r.out, "points"),
                                 "points", false, true, wkbPoint));
    return sinks;
}

int SinkOfPolygon(const std::vector<Sink>& sinks, OGRwkbGeometryType geometry)
{
    for (size_t i = 0; i < sinks.size(); ++i)
        if (sinks[i].polygons && (sinks[i].geometry == wkbUnknown || sinks[i].geometry == geometry))
            return static_cast<int>(i);
    return -1;
}

int SinkOfPoint(const std::vector<Sink>& sinks)
{
    for (size_t i = 0; i < sinks.size(); ++i)
        if (sinks[i].points)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> PossibleFiles(const std::string& out, LayerLayout layout)
{
    switch (layout) {
    case LayerLayout::kFilePerLayer:
        return {Beside(out, "polygons"), Beside(out, "points")};
    case LayerLayout::kFilePerGeometry:
        return {Beside(out, "polygons_point"), Beside(out, "polygons_linestring"), Beside(out, "polygons_polygon"),
                Beside(out, "points")};
    default:
        return {out};
    }
}
