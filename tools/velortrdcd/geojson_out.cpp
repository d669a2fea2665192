// The GeoJSON writer of velortrdcd read --output geojson.
#include "tools/velortrdcd/geojson_out.h"

#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/text_codec.h"

#include <cmath>

namespace {

const char kCrsName[] = "urn:ogc:def:crs:EPSG::5514";

bool Converts(const GeoJsonOptions& o)
{
    return o.crs && o.coordSystem >= 0 && o.coordSystem <= 7 && o.toInternal;
}

// [easting, northing(, z)]: JTSK's X grows south and Y west, so EPSG:5514's
// easting is -Y and its northing -X.
void WritePosition(JsonWriter& json, const PointRecord& p, const GeoJsonOptions& o)
{
    double first = p.x, second = p.y;
    if (Converts(o)) {
        double x = 0, y = 0;
        o.toInternal(&x, &y, p.x, p.y, InverseSystem(static_cast<short>(o.coordSystem)));
        first = -y;
        second = -x;
    }
    json.BeginArray().Number(first).Number(second);
    if (o.hasZ && std::isfinite(p.z) && p.z != YES_VALUE && p.z != NO_VALUE)
        json.Number(p.z);
    json.EndArray();
}

void WriteGeometry(JsonWriter& json, const PolygonItem& item, const GeoJsonOptions& o)
{
    const size_t count = item.points.size();
    json.Key("geometry").BeginObject();
    if (count == 1) {
        json.Key("type").Text("Point").Key("coordinates");
        WritePosition(json, item.points[0], o);
    } else if (item.plClos && count >= 3) {
        json.Key("type").Text("Polygon").Key("coordinates").BeginArray().BeginArray();
        for (const PointRecord& p : item.points)
            WritePosition(json, p, o);
        WritePosition(json, item.points[0], o);
        json.EndArray().EndArray();
    } else {
        json.Key("type").Text("LineString").Key("coordinates").BeginArray();
        for (const PointRecord& p : item.points)
            WritePosition(json, p, o);
        json.EndArray();
    }
    json.EndObject();
}

// A double property: yes and no words as true and false, and nothing that
// JSON cannot hold (JsonWriter writes null for those).
void Value(JsonWriter& json, const char* key, double value)
{
    json.Key(key);
    if (value == YES_VALUE)
        json.Bool(true);
    else if (value == NO_VALUE)
        json.Bool(false);
    else
        json.Number(value);
}

void WriteItemProperties(JsonWriter& json, size_t index, const PolygonItem& item)
{
    json.Key("properties").BeginObject().Key("polygon").Integer(static_cast<int64_t>(index));
    if (item.hasStation)
        Value(json, "station", item.station);
    if (item.hasStP)
        Value(json, "stP", item.stP);
    json.Key("ns").Integer(item.ns).Key("closed").Bool(item.plClos != 0);
    json.Key("ssName").Text(item.ssName).Key("sstName").Text(item.sstName).Key("sName").Text(item.sName);
    json.Key("stName").Text(item.stName).Key("sTitle").Text(item.sTitle).Key("sLayer").Text(item.sLayer);
    json.Key("texts").BeginArray();
    for (const CString& text : item.texts)
        json.Text(text);
    json.EndArray().Key("pointCount").Integer(static_cast<int64_t>(item.points.size())).EndObject();
}

void WriteCodes(JsonWriter& json, const CString& codes)
{
    json.Key("codes").BeginArray();
    const char* start = codes;
    if (*start) {
        for (const char* p = start;; ++p) {
            if (*p == '\x01' || *p == '\0') {
                json.Text(std::string(start, p).c_str());
                if (*p == '\0')
                    break;
                start = p + 1;
            }
        }
    }
    json.EndArray();
}

void WritePointFeature(JsonWriter& json, size_t index, const PointRecord& p, const GeoJsonOptions& o)
{
    json.BeginObject().Key("type").Text("Feature").Key("geometry").BeginObject();
    json.Key("type").Text("Point").Key("coordinates");
    WritePosition(json, p, o);
    json.EndObject().Key("properties").BeginObject().Key("polygon").Integer(static_cast<int64_t>(index));
    json.Key("name").Text(p.na);
    WriteCodes(json, p.tc);
    json.Key("nc").Integer(p.nc);
    Value(json, "z", p.z);
    Value(json, "station", p.st);
    Value(json, "radius", p.r);
    json.Key("noBreak").Integer(p.noBreak).Key("lineFlags").Integer(p.lineFlags).Key("tp").Integer(p.tp);
    json.Key("triangleType").Integer(p.triangleType).Key("edgeType").Integer(p.edgeType);
    json.Key("recordFlags").Integer(p.recordFlags).EndObject().EndObject();
}

} // namespace

short InverseSystem(short system)
{
    return system == 5 ? 7 : system == 7 ? 5 : system;
}

std::string GeoJson(const PolygonItemList& items, const GeoJsonOptions& o)
{
    JsonWriter json;
    json.BeginObject().Key("type").Text("FeatureCollection");
    if (Converts(o))
        json.Key("crs").BeginObject().Key("type").Text("name").Key("properties").BeginObject().Key("name").Text(
            kCrsName).EndObject().EndObject();
    json.Key("features").BeginArray();
    for (size_t i = 0; i < items.size(); ++i) {
        // A polygon without points (a header alone, or the empty one a file
        // without data lines gives) has no place on a map.
        if (items[i].points.empty())
            continue;
        json.BeginObject().Key("type").Text("Feature");
        WriteGeometry(json, items[i], o);
        WriteItemProperties(json, i, items[i]);
        json.EndObject();
        if (o.points)
            for (const PointRecord& p : items[i].points)
                WritePointFeature(json, i, p, o);
    }
    json.EndArray().EndObject();
    return json.str() + "\n";
}
