// The values that the ".np" and ".sp" lines of a point file decode into. The
// decoder keeps them, because its command table points at them for as long
// as the commands stay defined.
#pragma once

#include "VelorTrDcdPolygon.h"

#include <cstdint>

struct PolygonHeaderValues {
    PolygonItem header;        // only the header members are used
    uint32_t stationCount = 0; // "St=" given on the ".np" line; set by ".sp"
    uint32_t stPCount = 0;     // "StP=" given on the ".np" line
    double spValue = 0.0;      // the stationing of ".sp"

    void Clear() { *this = PolygonHeaderValues(); }
};

// Copies the header members (station to sLayer) from one item to another.
void CopyPolygonHeader(const PolygonItem& from, PolygonItem& to);
