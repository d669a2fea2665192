// The GDAL drivers convert knows by OUT's suffix, and how each holds the two
// layers (polygons and points).
#pragma once

#include <string>

enum class LayerLayout {
    kLayersInOneFile, // both layers in OUT (GeoPackage, KML, GML)
    kMixedLayer,      // one layer in OUT holds both kinds, told apart by its "layer" field
    kFilePerLayer,    // one file per layer beside OUT: out_polygons.fgb, out_points.fgb
    kFilePerGeometry, // one file per layer and geometry type beside OUT (Shapefile)
};

struct DriverTraits {
    const char* suffix; // lower case, without the dot; empty for a driver named by --driver
    const char* name;   // GDAL's short name
    LayerLayout layout;
    bool wgs84Only;     // the format holds WGS 84 longitude and latitude only
    bool dxf;           // entities, labels and the DXF layer from "SLayer="
    const char* layerOption; // a layer creation option the tool needs, or null
    bool lists;         // codes and texts as string lists (else joined); by GDAL's word for other drivers
    const char* configKey;   // a GDAL setting for this driver while convert writes, or null
    const char* configValue;
};

// The driver for OUT's suffix (any case); null when there is none.
const DriverTraits* DriverForSuffix(const std::string& suffix);

// The known driver of that GDAL name (any case); null when convert does not
// know it (it may still be one GDAL can write).
const DriverTraits* KnownDriver(const std::string& name);

// The suffixes convert knows, as "gpkg, shp, ..." for messages.
std::string KnownSuffixes();
