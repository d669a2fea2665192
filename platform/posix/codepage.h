// Native build: the ANSI code page as lookup tables. They are made once, on
// first use, from ICU's converter for the code page; every conversion after
// that is a lookup, with no locale call and no allocation.
#pragma once

#include "platform/posix/types.h"

namespace velor_native {

enum CodePageMapping : uint8_t {
    kUnmapped = 0, // the code page has no byte for the character
    kExact = 1,    // the byte converts back to the same character
    kBestFit = 2,  // a look-alike byte; WC_NO_BEST_FIT_CHARS refuses it
};

struct CodePageTables {
    UINT id;                      // the Windows code page number, e.g. 1250
    char defaultChar;             // what stands for an unmapped character
    WCHAR toWide[256];            // every byte has a character
    uint8_t toByte[65536];        // per UTF-16 code unit, valid unless kUnmapped
    CodePageMapping kind[65536];
};

// The process's ANSI code page: the one the environment names (see
// locale_env.h) when ICU has a single-byte converter for it, else 1250.
const CodePageTables& AnsiCodePage();

} // namespace velor_native
