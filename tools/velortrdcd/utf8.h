// UTF-8 encoding and decoding of single code points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Appends the UTF-8 form of code point c.
void AppendUtf8(std::string& out, uint32_t c);

// Reads one code point at text[*at], advancing *at; returns false (and
// advances by one byte) when the bytes there are not well-formed UTF-8.
bool ReadUtf8(const std::string& text, size_t* at, uint32_t* c);

// UTF-8 text as UTF-16 code units and back (ill-formed bytes become U+FFFD).
std::u16string Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const char16_t* text, size_t length);
