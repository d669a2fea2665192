// Built-in texts are written in UTF-8 in the sources, so that they stay
// readable, and stored in the Windows-1250 code page, which is what the
// system shows and compares. VELOR_CP1250("Storno") converts a string literal
// while compiling: the result is a pointer to a constant array of static
// storage. A character that code page 1250 cannot hold, or malformed UTF-8,
// stops the compilation.
#pragma once

#include <cstddef>

namespace cp1250 {

// The characters of bytes 0x80 to 0xFF; 0 where the code page has none.
constexpr unsigned short kHighHalf[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164,
    0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122, 0x0161, 0x203A,
    0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9,
    0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139,
    0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1,
    0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD,
    0x0163, 0x02D9};

// Reached only while compiling, where it makes the conversion no constant.
inline void NotInCodePage1250() {}

constexpr char ToByte(unsigned code)
{
    if (code < 0x80)
        return static_cast<char>(code);
    for (unsigned i = 0; i < 128; ++i)
        if (kHighHalf[i] == code)
            return static_cast<char>(0x80 + i);
    NotInCodePage1250();
    return '?';
}

template <std::size_t N>
struct Text {
    char bytes[N] = {};

    constexpr explicit Text(const char (&utf8)[N])
    {
        std::size_t out = 0;
        for (std::size_t i = 0; i + 1 < N;) {
            const unsigned lead = static_cast<unsigned char>(utf8[i]);
            unsigned code = lead;
            std::size_t tail = 0;
            if (lead >= 0xE0 && lead < 0xF0) {
                code = lead & 0x0F;
                tail = 2;
            } else if (lead >= 0xC0 && lead < 0xE0) {
                code = lead & 0x1F;
                tail = 1;
            } else if (lead >= 0x80) {
                NotInCodePage1250();
            }
            for (std::size_t k = 1; k <= tail; ++k) {
                const unsigned next = i + k + 1 < N ? static_cast<unsigned char>(utf8[i + k]) : 0;
                if ((next & 0xC0) != 0x80)
                    NotInCodePage1250();
                code = (code << 6) | (next & 0x3F);
            }
            bytes[out++] = ToByte(code);
            i += tail + 1;
        }
    }
};

} // namespace cp1250

#define VELOR_CP1250(literal)                                                           \
    ([]() -> const char* {                                                              \
        static constexpr ::cp1250::Text<sizeof(literal)> converted{literal};            \
        return converted.bytes;                                                         \
    }())
