// The features of convert.
#include "tools/velortrdcd/convert_write.h"

#include "tools/velortrdcd/convert_geometry.h"
#include "tools/velortrdcd/geojson_out.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/text_codec.h"

#include <algorithm>
#include <cmath>

namespace {

const size_t kProgressStep = 50000;

// "N of M points" on one line of stderr, rewritten as the points go.
struct Progress {
    bool shown = false;
    size_t total = 0, done = 0, next = kProgressStep;

    void Show() const
    {
        WriteText(stderr, "\rvelortrdcd: " + std::to_string(done) + " of " + std::to_string(total) + " points");
    }
    void Step()
    {
        if (!shown || ++done < next)
            return;
        next += kProgressStep;
        Show();
    }
    void End() const
    {
        if (!shown)
            return;
        if (done + kProgressStep != next)
            Show();
        WriteText(stderr, "\n");
    }
};

// [easting, northing] of EPSG:5514: JTSK's X grows south and Y west, so
// easting is -Y and northing -X of the internal orientation the module's
// FromDtmEx gives for the file's system.
void Position(const PointRecord& p, const WriteSettings& s, double* first, double* second)
{
    double x = p.x, y = p.y;
    if (s.coordSystem >= 0 && s.coordSystem <= 7) {
        if (!CallFromDtmEx(&x, &y, p.x, p.y, InverseSystem(static_cast<short>(s.coordSystem)))) {
            x = p.x;
            y = p.y;
        }
        *first = -y;
        *second = -x;
        return;
    }
    *first = x;
    *second = y;
}

bool Positioned(const PolygonItem& item, const WriteSettings& s, Positions* pos, WriteCounts* counts)
{
    const size_t n = item.points.size();
    pos->hasZ = s.hasZ;
    pos->x.resize(n);
    pos->y.resize(n);
    pos->z.assign(s.hasZ ? n : 0, 0.0);
    for (size_t i = 0; i < n; ++i) {
        const PointRecord& p = item.points[i];
        Position(p, s, &pos->x[i], &pos->y[i]);
        if (!s.hasZ)
            continue;
        if (std::isfinite(p.z) && p.z != YES_VALUE && p.z != NO_VALUE)
            pos->z[i] = p.z;
        else
            ++counts->zlessPoints;
    }
    return !s.crs || s.crs->Transform(n, pos->x.data(), pos->y.data());
}

// A text for an OGR style string between double quotes.
std::string StyleText(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

// The DXF layer: the polygon's "SLayer=", else the kind's name.
void SetDxfLayer(OGRFeature& f, const PolygonItem& item, const char* kind)
{
    f.SetField("Layer", *item.sLayer ? AnsiToUtf8(item.sLayer).c_str() : kind);
}

bool WritePolygon(size_t index, const PolygonItem& item, const Positions& pos, int sink, OgrOutput& out,
                  const WriteSettings& s, std::string* error)
{
    OGRFeature f(out.Definition(sink));
    if (s.dxf)
        SetDxfLayer(f, item, "polygons");
    else
        out.Fields(sink).FillPolygon(f, index, item);
    f.SetGeometryDirectly(PolygonGeometry(pos, item.plClos != 0).release());
    return out.Write(sink, f, error);
}

// A DXF point is a POINT entity, and its name a TEXT entity on it.
bool WriteDxfPoint(const PolygonItem& item, size_t i, const Positions& pos, int sink, OgrOutput& out,
                   std::string* error)
{
    OGRFeature f(out.Definition(sink));
    SetDxfLayer(f, item, "points");
    f.SetGeometryDirectly(PointGeometry(pos, i).release());
    if (!out.Write(sink, f, error))
        return false;
    if (!*item.points[i].na)
        return true;
    OGRFeature label(out.Definition(sink));
    SetDxfLayer(label, item, "points");
    label.SetStyleString(("LABEL(t:\"" + StyleText(AnsiToUtf8(item.points[i].na)) + "\")").c_str());
    label.SetGeometryDirectly(PointGeometry(pos, i).release());
    return out.Write(sink, label, error);
}

bool WritePoints(size_t index, const PolygonItem& item, const Positions& pos, int sink, OgrOutput& out,
                 const WriteSettings& s, Progress& progress, std::string* error)
{
    for (size_t i = 0; i < item.points.size(); ++i) {
        progress.Step();
        if (s.dxf) {
            if (!WriteDxfPoint(item, i, pos, sink, out, error))
                return false;
            continue;
        }
        OGRFeature f(out.Definition(sink));
        out.Fields(sink).FillPoint(f, index, item.points[i]);
        f.SetGeometryDirectly(PointGeometry(pos, i).release());
        if (!out.Write(sink, f, error))
            return false;
    }
    return true;
}

// One pass over the items for the polygons (points false) or the points:
// some drivers (KML) take a layer's features only before the next layer's.
bool WritePass(const PolygonItemList& items, const std::vector<Sink>& sinks, OgrOutput& out,
               const WriteSettings& s, bool points, WriteCounts* counts, std::string* error)
{
    Progress progress;
    progress.shown = s.progress && points;
    for (const PolygonItem& item : items)
        progress.total += item.points.size();
    const int pointSink = SinkOfPoint(sinks);
    // Each pass counts what it skips only once: the points' pass when there is one.
    WriteCounts ignored;
    WriteCounts* counted = points || pointSink < 0 ? counts : &ignored;
    Positions pos;
    for (size_t i = 0; i < items.size(); ++i) {
        const PolygonItem& item = items[i];
        const int sink = points ? pointSink
                                : SinkOfPolygon(sinks, PolygonGeometryType(item.points.size(), item.plClos != 0));
        if (item.points.empty()) {
            ++counted->emptyPolygons;
            continue;
        }
        if (sink < 0)
            continue;
        if (!Positioned(item, s, &pos, counted)) {
            *error = "polygon " + std::to_string(i) + ": a point cannot be turned into the system asked for";
            return false;
        }
        if (points ? !WritePoints(i, item, pos, sink, out, s, progress, error)
                   : !WritePolygon(i, item, pos, sink, out, s, error))
            return false;
    }
    progress.End();
    return true;
}

} // namespace

bool WriteItems(const PolygonItemList& items, const std::vector<Sink>& sinks, OgrOutput& out,
                const WriteSettings& s, WriteCounts* counts, std::string* error)
{
    // The points first: GDAL's GeoPackage writer takes a million points in
    // half the time when theirs is the first layer of the file.
    return out.Open(sinks, true, error) && WritePass(items, sinks, out, s, true, counts, error) &&
           out.Open(sinks, false, error) && WritePass(items, sinks, out, s, false, counts, error);
}

std::vector<OGRwkbGeometryType> PolygonTypes(const PolygonItemList& items)
{
    std::vector<OGRwkbGeometryType> types;
    for (const PolygonItem& item : items) {
        if (item.points.empty())
            continue;
        const OGRwkbGeometryType type = PolygonGeometryType(item.points.size(), item.plClos != 0);
        if (std::find(types.begin(), types.end(), type) == types.end())
            types.push_back(type);
    }
    return types;
}
