// The coordinate systems of convert: the file's points in S-JTSK / Krovak
// East North (EPSG:5514) when its format names its system, and the system
// they are written in (--to, or the one the driver holds).
#pragma once

#include <ogr_spatialref.h>

#include <memory>
#include <string>

class ConvertCrs {
public:
    // No system at all: the file's values as they stand.
    ConvertCrs() = default;

    // The source is EPSG:5514; target is what SetFromUserInput takes, empty
    // for EPSG:5514 itself. False with the reason when GDAL refuses either.
    bool Set(const std::string& target, std::string* error);

    // The system to write, null when there is none.
    const OGRSpatialReference* Target() const { return hasSystem_ ? &target_ : nullptr; }

    // Turns n EPSG:5514 positions into the target system in place; heights
    // are left as the file has them. False when a position cannot be turned.
    bool Transform(size_t n, double* x, double* y) const;

private:
    bool hasSystem_ = false;
    OGRSpatialReference source_;
    OGRSpatialReference target_;
    std::unique_ptr<OGRCoordinateTransformation> transform_;
};
