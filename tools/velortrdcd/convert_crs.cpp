// The coordinate systems of convert.
#include "tools/velortrdcd/convert_crs.h"

#include <cpl_error.h>

#include <vector>

bool ConvertCrs::Set(const std::string& target, std::string* error)
{
    // Easting, northing and longitude, latitude in that order, whatever
    // axis order the system's definition has.
    source_.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    target_.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (source_.importFromEPSG(5514) != OGRERR_NONE) {
        *error = "GDAL does not know EPSG:5514 (S-JTSK / Krovak East North): " + std::string(CPLGetLastErrorMsg());
        return false;
    }
    hasSystem_ = true;
    if (target.empty()) {
        target_ = source_;
        target_.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        return true;
    }
    if (target_.SetFromUserInput(target.c_str()) != OGRERR_NONE) {
        *error = "--to " + target + ": not a coordinate system GDAL knows; give one as EPSG:4326, a WKT or "
                 "PROJ string, or a file holding one";
        return false;
    }
    target_.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (target_.IsSame(&source_))
        return true;
    transform_.reset(OGRCreateCoordinateTransformation(&source_, &target_));
    if (!transform_) {
        *error = "--to " + target + ": GDAL has no way from EPSG:5514 to it: " + CPLGetLastErrorMsg();
        return false;
    }
    return true;
}

bool ConvertCrs::Transform(size_t n, double* x, double* y) const
{
    if (!transform_ || n == 0)
        return true;
    std::vector<int> success(n, 0);
    if (!transform_->Transform(n, x, y, nullptr, success.data()))
        return false;
    for (int ok : success)
        if (!ok)
            return false;
    return true;
}
