// A point-file format as hosts hold it: which value stands at which place of
// a data line, how lines are split, which words begin a comment, whether
// numbers use a decimal comma, and the file's coordinate system. Member
// order and widths are part of the interface.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <vector>

// One field of a data line.
typedef int16_t FieldKind;
enum : FieldKind {
    kFieldX = 0,
    kFieldY = 1,
    kFieldZ = 2,
    kFieldSt = 3,
    kFieldName = 4,
    kFieldTCode = 5,
    kFieldNCode = 6,
    kFieldPlgP = 7,
    kFieldVDesc = 8,
    kFieldNoLn = 9,
    kFieldTPri = 10,
    kFieldTType = 11,
    kFieldEType = 12,
    kFieldNull = 13,
    kFieldR = 14,
    kFieldTCodeEnd = 15,
    kFieldPNr = 16,
    kFieldKindCount = 17
};

// The keyword of each field kind in a format string, indexed by kind.
inline constexpr const char* FieldKeywordTable[kFieldKindCount] = {
    "X",     "Y",     "Z",     "St",    "Name", "TCode", "NCode",    "PlgP", "VDesc",
    "NoLn",  "TPri",  "TType", "EType", "Null", "R",     "TCodeEnd", "PNr",
};

struct PointFormat {
    std::vector<FieldKind> fields;      // the fields in their order on the line
    int8_t coordSystem = 0;             // 0 to 7; -1 = not given
    uint8_t modelNameInHeader = 0;      // the file begins with a model-name line
    uint8_t decimalComma = 0;           // numbers use ',' ("decc")
    CString textCodeSeparators = ";";   // where a text-code field is split
    CString fieldSeparators;            // empty: fields separated by blanks
    std::vector<CString> commentWords;  // words that begin a comment
    int32_t hostValues[2] = {0, 0};     // the hosts' own; copied only
    uint8_t decimals[4] = {3, 3, 3, 3}; // decimal places, 0 to 15
    uint8_t hostBytes[4] = {0, 0, 0, 0};   // the hosts' own; copied only
    uint8_t hostSettings[3] = {11, 1, 3}; // the hosts' own; copied only
};

// The built-in format.
inline constexpr char DefaultFormat[] = "Y X cmt(; $ ! *)";
