#include "platform/posix/utf8.h"

namespace velor_native {

namespace {

const char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// For a lead byte: the length of its sequence and the range its first
// continuation byte must lie in; length 0 for a byte that cannot lead.
struct Lead {
    size_t length;
    unsigned char low;
    unsigned char high;
    char32_t bits;
};

Lead ReadLead(unsigned char byte)
{
    if (byte >= 0xC2 && byte <= 0xDF)
        return {2, 0x80, 0xBF, static_cast<char32_t>(byte & 0x1F)};
    if (byte >= 0xE0 && byte <= 0xEF) {
        const unsigned char low = byte == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = byte == 0xED ? 0x9F : 0xBF;
        return {3, low, high, static_cast<char32_t>(byte & 0x0F)};
    }
    if (byte >= 0xF0 && byte <= 0xF4) {
        const unsigned char low = byte == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = byte == 0xF4 ? 0x8F : 0xBF;
        return {4, low, high, static_cast<char32_t>(byte & 0x07)};
    }
    return {0, 0, 0, 0};
}

} // namespace

Utf8Sequence DecodeUtf8(const unsigned char* text, size_t remaining)
{
    const unsigned char first = text[0];
    if (first < 0x80)
        return {first, 1, true};
    const Lead lead = ReadLead(first);
    if (lead.length == 0)
        return {kReplacement, 1, false};
    if (remaining < lead.length)
        return {kReplacement, remaining, false};
    const unsigned char second = text[1];
    if (!IsContinuation(second))
        return {kReplacement, 1, false};
    if (second < lead.low || second > lead.high)
        return {kReplacement, 2, false};
    char32_t value = (lead.bits << 6) | (second & 0x3F);
    for (size_t i = 2; i < lead.length; ++i) {
        if (!IsContinuation(text[i]))
            return {kReplacement, i, false};
        value = (value << 6) | (text[i] & 0x3F);
    }
    return {value, lead.length, true};
}

Utf8Encoded EncodeUtf8(const WCHAR* source, size_t remaining, unsigned char* out)
{
    char32_t value = source[0];
    int units = 1;
    bool valid = true;
    if (value >= 0xD800 && value <= 0xDBFF && remaining > 1 && source[1] >= 0xDC00 && source[1] <= 0xDFFF) {
        value = 0x10000 + ((value - 0xD800) << 10) + (source[1] - 0xDC00);
        units = 2;
    } else if (value >= 0xD800 && value <= 0xDFFF) {
        value = kReplacement;
        valid = false;
    }
    if (value < 0x80) {
        out[0] = static_cast<unsigned char>(value);
        return {1, units, valid};
    }
    if (value < 0x800) {
        out[0] = static_cast<unsigned char>(0xC0 | (value >> 6));
        out[1] = static_cast<unsigned char>(0x80 | (value & 0x3F));
        return {2, units, valid};
    }
    if (value < 0x10000) {
        out[0] = static_cast<unsigned char>(0xE0 | (value >> 12));
        out[1] = static_cast<unsigned char>(0x80 | ((value >> 6) & 0x3F));
        out[2] = static_cast<unsigned char>(0x80 | (value & 0x3F));
        return {3, units, valid};
    }
    out[0] = static_cast<unsigned char>(0xF0 | (value >> 18));
    out[1] = static_cast<unsigned char>(0x80 | ((value >> 12) & 0x3F));
    out[2] = static_cast<unsigned char>(0x80 | ((value >> 6) & 0x3F));
    out[3] = static_cast<unsigned char>(0x80 | (value & 0x3F));
    return {4, units, valid};
}

} // namespace velor_native
