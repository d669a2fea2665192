// The geometries of convert.
#include "tools/velortrdcd/convert_geometry.h"

#include "tools/velortrdcd/convert_plan.h"

namespace {

// A ring's last point repeats its first, unless the file has it so already.
bool NeedsClosing(const Positions& p)
{
    const size_t last = p.x.size() - 1;
    return p.x[0] != p.x[last] || p.y[0] != p.y[last] || (p.hasZ && p.z[0] != p.z[last]);
}

template <class Curve>
void AddPoints(Curve* curve, const Positions& p, bool closeRing)
{
    const size_t n = p.x.size();
    closeRing = closeRing && NeedsClosing(p);
    const int count = static_cast<int>(n + (closeRing ? 1 : 0));
    if (p.hasZ) {
        curve->setNumPoints(count, FALSE);
        for (size_t i = 0; i < n; ++i)
            curve->setPoint(static_cast<int>(i), p.x[i], p.y[i], p.z[i]);
        if (closeRing)
            curve->setPoint(static_cast<int>(n), p.x[0], p.y[0], p.z[0]);
    } else {
        curve->setPoints(static_cast<int>(n), p.x.data(), p.y.data());
        if (closeRing)
            curve->addPoint(p.x[0], p.y[0]);
    }
}

} // namespace

std::unique_ptr<OGRGeometry> PointGeometry(const Positions& p, size_t i)
{
    if (p.hasZ)
        return std::make_unique<OGRPoint>(p.x[i], p.y[i], p.z[i]);
    return std::make_unique<OGRPoint>(p.x[i], p.y[i]);
}

std::unique_ptr<OGRGeometry> PolygonGeometry(const Positions& p, bool closed)
{
    switch (PolygonGeometryType(p.x.size(), closed)) {
    case wkbPoint:
        return PointGeometry(p, 0);
    case wkbPolygon: {
        auto ring = std::make_unique<OGRLinearRing>();
        AddPoints(ring.get(), p, true);
        auto polygon = std::make_unique<OGRPolygon>();
        polygon->addRingDirectly(ring.release());
        return polygon;
    }
    default: {
        auto line = std::make_unique<OGRLineString>();
        AddPoints(line.get(), p, false);
        return line;
    }
    }
}
