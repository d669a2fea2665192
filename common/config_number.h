// Numbers kept as text in the registry and in ini files, read and written
// with '.' as the decimal character whatever the process's locale.
#pragma once

#include "platform/platform.h"

// True when the whole text is one number as the standard conversion (strtod)
// reads it in the "C" locale: leading white space, a sign, a decimal or a
// "0x" hexadecimal number, "inf", "infinity" or "nan". An empty text, or
// text before or after the number, is no number.
bool ParseNumberText(const char* text, double* value);

// value with exactly decimals places (0 gives no point); decimals is taken
// in 0..100.
CString FormatFixed(double value, int decimals);

// value with up to 8 decimal places, trailing zeros and a bare point removed.
CString FormatTrimmed(double value);
