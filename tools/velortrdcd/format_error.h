// What the tool says about a format string that does not read: where it
// stops (a caret under the offset) and what would be right there.
#pragma once

#include <cstdint>
#include <string>

// What was expected at offset stop of the ANSI format text, in words (ASCII
// apart from the text's own words, which stay ANSI).
std::string FormatExpectation(const std::string& format, uint32_t stop);

// The format on one line and a caret under offset stop on the next, both
// indented by two blanks (ANSI, as the format).
std::string FormatCaret(const std::string& format, uint32_t stop);
