// velortrdcd convert in a build without GDAL: the command is there and says
// what this build can do instead.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/text_codec.h"

int RunConvert(const Args&, const char*)
{
    WriteText(stderr, "velortrdcd: convert: this build has no GDAL, so it writes no GIS files; "
                      "velortrdcd read FILE --output geojson writes GeoJSON (EPSG:5514) without it\n");
    return kExitUnavailable;
}
