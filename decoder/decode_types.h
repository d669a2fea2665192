// The decoder's command table: commands recognised by the text that starts a
// line, and their typed parameters.
#pragma once

#include "VelorTrDcdPoint.h"

#include <bitset>
#include <cstdint>
#include <vector>

struct DecodeParam {
    void* target = nullptr;       // where the value goes; null drops it
    uint32_t* counter = nullptr;  // counts the values decoded in a line; may be null
    int32_t type = 0;             // value type (DecodeValueType, or n >= 1)
    uint32_t keywordOnly = 0;     // nonzero: only after its keyword
    CString keyword;              // upper case; may be empty
    uint8_t keywordStart = 0;     // its first character in upper case, 0 for none (set with positional)
    uint8_t keywordSecond = 0;    // its second one, 0 for a keyword of one character
    // For integers of a point line: the bytes of the member that takes the
    // value (4, or 2 and 1 for the record's short members), whose range the
    // value must fit.
    uint8_t integerWidth = 4;
};

// The bit of a keyword's first two upper-case characters in a command's
// keywordPairs (several pairs may share one: it only rules values out).
const size_t kKeywordPairBits = 4096;
inline size_t KeywordPair(unsigned first, unsigned second)
{
    return (first * 61 + second) % kKeywordPairBits;
}

struct DecodeCommand {
    uint32_t id = 0;
    uint32_t paramsOf = 0;        // the command whose parameters decode the line
    CString prefix;               // empty for a command without prefix
    uint8_t prefixStart = 0;      // its first character in upper case, 0 for none
    std::vector<DecodeParam> params;
    std::vector<DecodeParam*> positional; // the non-keyword-only params, built on first use
    std::vector<uint32_t*> counters;      // the params' counters, each once, built with positional
    bool hasPrefix = false;
    bool isPointLine = false;
    // The upper-case first characters of the parameters' keywords, built
    // with the positional list: a value that starts with none of them is
    // not tried against each keyword.
    std::bitset<256> keywordStarts;
    // The same for the keywords of one character, and for the first two
    // characters of the longer ones (hashed, see KeywordPair): a value
    // whose first two characters begin no keyword is not tried at all.
    std::bitset<256> keywordSingles;
    std::bitset<kKeywordPairBits> keywordPairs;
    bool positionalReady = false;
    // For a point line: the record whose values the after-work completes.
    PointRecord* pointRecord = nullptr;
};
