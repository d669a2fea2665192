// The decoder's command table: commands recognised by the text that starts a
// line, and their typed parameters.
#pragma once

#include "VelorTrDcdPoint.h"

#include <cstdint>
#include <vector>

struct DecodeParam {
    void* target = nullptr;       // where the value goes; null drops it
    uint32_t* counter = nullptr;  // counts the values decoded in a line; may be null
    int32_t type = 0;             // value type (DecodeValueType, or n >= 1)
    uint32_t keywordOnly = 0;     // nonzero: only after its keyword
    CString keyword;              // upper case; may be empty
    // For integers of a point line: the bytes of the member that takes the
    // value (4, or 2 and 1 for the record's short members), whose range the
    // value must fit.
    uint8_t integerWidth = 4;
};

struct DecodeCommand {
    uint32_t id = 0;
    uint32_t paramsOf = 0;        // the command whose parameters decode the line
    CString prefix;               // empty for a command without prefix
    std::vector<DecodeParam> params;
    std::vector<DecodeParam*> positional; // the non-keyword-only params, built on first use
    bool hasPrefix = false;
    bool isPointLine = false;
    bool positionalReady = false;
    // For a point line: the record whose values the after-work completes.
    PointRecord* pointRecord = nullptr;
};
