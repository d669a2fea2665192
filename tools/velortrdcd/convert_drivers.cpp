// The GDAL drivers convert knows by OUT's suffix.
#include "tools/velortrdcd/convert_drivers.h"

#include <cctype>

namespace {

const DriverTraits kDrivers[] = {
    // SQLite's page cache in MB: with the default a large layer's spatial
    // index costs twice the time.
    {"gpkg", "GPKG", LayerLayout::kLayersInOneFile, false, false, nullptr, false, "OGR_SQLITE_CACHE", "512"},
    // A Shapefile's texts are ISO 8859-1 unless it says otherwise.
    {"shp", "ESRI Shapefile", LayerLayout::kFilePerGeometry, false, false, "ENCODING=UTF-8", false, nullptr, nullptr},
    // A closed polygon a closed polyline with the heights of its points, not
    // a hatch at one height.
    {"dxf", "DXF", LayerLayout::kMixedLayer, false, true, nullptr, false, "DXF_WRITE_HATCH", "NO"},
    {"kml", "KML", LayerLayout::kLayersInOneFile, true, false, nullptr, false, nullptr, nullptr},
    {"fgb", "FlatGeobuf", LayerLayout::kFilePerLayer, false, false, nullptr, false, nullptr, nullptr},
    // Without it a CSV file keeps no geometry at all. Its lists would be
    // JSON text in a cell: the codes are joined instead.
    {"csv", "CSV", LayerLayout::kMixedLayer, false, false, "GEOMETRY=AS_WKT", false, nullptr, nullptr},
    {"geojson", "GeoJSON", LayerLayout::kMixedLayer, false, false, nullptr, true, nullptr, nullptr},
    {"gml", "GML", LayerLayout::kLayersInOneFile, false, false, nullptr, true, nullptr, nullptr},
};

bool SameText(const std::string& a, const char* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

} // namespace

const DriverTraits* DriverForSuffix(const std::string& suffix)
{
    for (const DriverTraits& d : kDrivers)
        if (SameText(suffix, d.suffix))
            return &d;
    return nullptr;
}

const DriverTraits* KnownDriver(const std::string& name)
{
    for (const DriverTraits& d : kDrivers)
        if (SameText(name, d.name))
            return &d;
    return nullptr;
}

std::string KnownSuffixes()
{
    std::string text;
    for (const DriverTraits& d : kDrivers)
        text += (text.empty() ? "." : ", .") + std::string(d.suffix);
    return text;
}
