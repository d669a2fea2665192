// The decoded point record that hosts and the decoder share by pointer. Its
// member order and widths are part of the interface.
#pragma once

#include "platform/platform.h"

#include <cstddef>
#include <cstdint>

// What a yes or no word leaves in a double value.
const double YES_VALUE = +1.23456789e300;
const double NO_VALUE = -1.23456789e300;

// Bits of PointRecord::lineFlags that a point line sets or clears.
const uint16_t kLineVerticalDescription = 0x40; // VDesc was yes
const uint16_t kLineNotDrawn = 0x80;            // NoLn was yes: the segment is not drawn
const uint16_t kLinePointBits = kLineVerticalDescription | kLineNotDrawn;

// Bits of PointRecord::triangleType, from the TType word.
const uint8_t kTriangleTypeO = 0x01; // "O"
const uint8_t kTriangleTypeE = 0x02; // "E"

// Codes of PointRecord::edgeType, from the EType word ("N" adds none).
const uint8_t kEdgeTypeP = 0x10;
const uint8_t kEdgeTypeL = 0x11;
const uint8_t kEdgeTypeR = 0x13;
const uint8_t kEdgeTypeO = 0x14;
const uint8_t kEdgeTypeU = 0x16;

// Bits of PointRecord::recordFlags.
const uint8_t kRecordStationing = 0x01; // St was given in the line

struct PointRecord {
    double x;
    double y;
    double z;
    uint8_t noBreak;     // negation of the PlgP value, when PlgP was given
    uint16_t lineFlags;  // kLine* bits; the others belong to the host
    int16_t nc;          // numerical code (priority)
    CString tc;          // text codes, several joined by the character 0x01
    CString na;          // point name
    double st;           // stationing
    double r;            // radius; a yes word gives 999999.0, a no word 0.0
    uint8_t tp;          // triangle priority
    uint8_t triangleType; // kTriangleType* bits
    uint8_t edgeType;    // a kEdgeType* code, ORed in
    uint8_t recordFlags; // kRecord* bits

    PointRecord() { Clear(); }
    // All numbers zero, both texts empty.
    void Clear()
    {
        x = y = z = st = r = 0.0;
        noBreak = 0;
        lineFlags = 0;
        nc = 0;
        tc.Empty();
        na.Empty();
        tp = triangleType = edgeType = recordFlags = 0;
    }
};

static_assert(offsetof(PointRecord, noBreak) == 24, "layout");
static_assert(offsetof(PointRecord, lineFlags) == 26, "layout");
static_assert(offsetof(PointRecord, nc) == 28, "layout");
static_assert(offsetof(PointRecord, tc) == 32, "layout");
static_assert(offsetof(PointRecord, na) == 32 + sizeof(void*), "layout");
static_assert(offsetof(PointRecord, st) == (sizeof(void*) == 8 ? 48 : 40), "layout");
static_assert(offsetof(PointRecord, r) == (sizeof(void*) == 8 ? 56 : 48), "layout");
static_assert(offsetof(PointRecord, tp) == (sizeof(void*) == 8 ? 64 : 56), "layout");
static_assert(offsetof(PointRecord, recordFlags) == (sizeof(void*) == 8 ? 67 : 59), "layout");
static_assert(sizeof(PointRecord) == (sizeof(void*) == 8 ? 72 : 64), "layout");
