// Numbers turned into text for the RTOS family, ITOS, ITOS3 and DEGTODMS:
// built in narrow form (the ANSI code page) in the caller's fixed buffer;
// the wide evaluator converts the result character by character.
#pragma once

#include <cstdint>

// The longest text any of these makes: a field width beyond it is cut to it,
// and everything else is shorter by construction. It is also the room the
// wide evaluator's text keeps in place, so such a text never allocates there.
const int kMaxNumberText = 200;

// The most decimals printed, and the most spaces DEGTODMS puts after each of
// its unit signs.
const int kMaxDecimals = 18;
const int kMaxUnitSpaces = 64;

// x as text (out holds kMaxNumberText + 1 characters; returns the length,
// out is NUL-terminated):
// - width: |width| is the field, the text right-aligned in it with spaces;
//   a negative width pads with '0' instead, a minus sign going first.
// - decimals: a negative count is made positive and, when groupChar is 0,
//   turns grouping by three with a space on. From 100 up, at most
//   decimals % 100 are printed and trailing zeros removed down to
//   decimals / 100 - 1 (the decimal character too when none stays).
//   Otherwise exactly that many; never more than kMaxDecimals.
// - NaN prints "?"; |x| beyond 4e18 is taken as 4e18. Without decimals x is
//   rounded half away from zero; with them the fraction is rounded and its
//   carry moves the integer part one away from zero. A negative x whose
//   integer part is 0 keeps its minus sign.
// - groupChar (0 for none): a separator in front of every third character,
//   counted back from the decimal character (a minus sign counts), and
//   behind every third decimal that more decimals follow.
int FormatNumber(double x, int32_t width, int64_t decimals, char decimalChar, char groupChar, char* out);

// value as decimal text with a leading '-' when negative, grouped by three
// when groupChar is not 0. out holds kMaxNumberText + 1 characters.
int FormatInteger(int64_t value, char groupChar, char* out);

// DEGTODMS: the angle x in degrees as degrees, the byte 0xB0, spaces,
// minutes, the byte 0xB4, spaces, the seconds with |decimals| decimals
// (decimal character ',' when decimals < 0, else '.') and two bytes 0xB4.
// Spaces are cut to 0..kMaxUnitSpaces; seconds are not carried into minutes.
// A negative angle above -1 keeps its minus sign ("-0"). out holds
// kMaxNumberText + 1 characters.
int FormatDegrees(double x, int32_t decimals, int32_t spaces, char* out);
