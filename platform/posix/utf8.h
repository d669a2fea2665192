// Native build: UTF-8 to and from UTF-16, one sequence at a time, with the
// replacement rules Windows applies to malformed input.
#pragma once

#include "platform/posix/types.h"

#include <cstddef>

namespace velor_native {

struct Utf8Sequence {
    char32_t value; // the code point; U+FFFD when the sequence is malformed
    size_t length;  // bytes taken from the input, at least 1
    bool valid;
};

// Decodes the sequence at the start of text (remaining > 0 bytes). A
// malformed sequence ends before the first byte that cannot continue it; a
// continuation byte outside the range its lead allows (an overlong form, a
// surrogate, a value above U+10FFFF) still belongs to it. A sequence cut off
// by the end of the input takes the whole rest of the input.
Utf8Sequence DecodeUtf8(const unsigned char* text, size_t remaining);

// Encodes the code unit at source[0] (and a low surrogate after a high one)
// into out, which holds 4 bytes; returns the bytes written and the units
// taken. A lone surrogate gives U+FFFD and clears valid.
struct Utf8Encoded {
    int bytes;
    int units;
    bool valid;
};
Utf8Encoded EncodeUtf8(const WCHAR* source, size_t remaining, unsigned char* out);

} // namespace velor_native
