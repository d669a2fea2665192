// Native build: case maps and character classes for every UTF-16 code unit
// and every byte of the ANSI code page, made once on first use from ICU's
// simple case mappings and character properties.
#pragma once

#include "platform/posix/types.h"

namespace velor_native {

enum CharClassBits : uint8_t {
    kAlphaBit = 1, // a letter (IsCharAlpha)
    kDigitBit = 2, // a decimal digit (with kAlphaBit: IsCharAlphaNumeric)
};

struct CaseTables {
    WCHAR upper[65536];
    WCHAR lower[65536];
    uint8_t classes[65536];
    uint8_t upperA[256];
    uint8_t lowerA[256];
    uint8_t classesA[256];
};

const CaseTables& Cases();

} // namespace velor_native
