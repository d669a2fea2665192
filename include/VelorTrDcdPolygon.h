// One polygon (or group of points) read from a point file, as hosts receive
// it in the list that ReadPointFile fills. Its member order and widths are
// part of the interface.
#pragma once

#include "VelorTrDcdPoint.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// An extra list a host may keep with a polygon; the reader leaves it empty.
struct PolygonExtraList {
    std::vector<PointRecord> records;
};

struct PolygonItem {
    // The polygon header: set by the ".np" line.
    double station = 0.0;      // start stationing
    uint8_t hasStation = 0;    // 1 when a stationing was given
    double stP = 0.0;          // "StP="
    uint8_t hasStP = 0;        // 1 when "StP=" was given on the ".np" line
    uint8_t ns = 0;            // "NS="
    CString ssName;            // "SSName="
    CString sstName;           // "SSTName="
    CString extraText;         // kept for the host; the reader leaves it empty
    CString sName;             // "SName="
    CString stName;            // "STName="
    CString sTitle;            // "STitle="
    uint8_t plClos = 0;        // "PLClos=": the polygon is closed
    uint8_t extraFlag = 0;     // kept for the host; the reader leaves it 0
    int64_t extraValue = 0;    // kept for the host; the reader leaves it 0
    CString sLayer;            // "SLayer="
    // The body.
    std::vector<CString> texts;          // title line and ".tn" lines
    std::vector<PointRecord> points;     // in file order (".db" inserts)
    std::vector<PolygonExtraList> extraLists; // kept for the host; empty
};

static_assert(offsetof(PolygonItem, hasStation) == 8, "layout");
static_assert(offsetof(PolygonItem, stP) == 16, "layout");
static_assert(offsetof(PolygonItem, hasStP) == 24, "layout");
static_assert(offsetof(PolygonItem, ns) == 25, "layout");
static_assert(offsetof(PolygonItem, ssName) == (sizeof(void*) == 8 ? 32 : 28), "layout");
static_assert(offsetof(PolygonItem, sName) == (sizeof(void*) == 8 ? 56 : 40), "layout");
static_assert(offsetof(PolygonItem, sTitle) == (sizeof(void*) == 8 ? 72 : 48), "layout");
static_assert(offsetof(PolygonItem, plClos) == (sizeof(void*) == 8 ? 80 : 52), "layout");
static_assert(offsetof(PolygonItem, extraFlag) == (sizeof(void*) == 8 ? 81 : 53), "layout");
static_assert(offsetof(PolygonItem, extraValue) == (sizeof(void*) == 8 ? 88 : 56), "layout");
static_assert(offsetof(PolygonItem, sLayer) == (sizeof(void*) == 8 ? 96 : 64), "layout");
static_assert(offsetof(PolygonItem, texts) == (sizeof(void*) == 8 ? 104 : 68), "layout");
static_assert(offsetof(PolygonItem, points) == (sizeof(void*) == 8 ? 128 : 80), "layout");
static_assert(offsetof(PolygonItem, extraLists) == (sizeof(void*) == 8 ? 152 : 92), "layout");
static_assert(sizeof(PolygonItem) == (sizeof(void*) == 8 ? 176 : 104), "layout");
