// A format string read through the module before the tool uses it: a format
// that does not read is refused with a message that shows where and why,
// and a comment word that would cut fields is warned about.
#pragma once

#include "VelorTrDcd.h"

#include <string>

// The exit code for a format that does not read (the reading's own code).
const int kExitBadFormat = 6;

// Reads format (ANSI) into model. When it does not read, prints on stderr
// what was wrong, where and what was expected, with `source` (for example
// "line 3 of a.txt: ") before it, and returns false. When it reads but a
// comment word equals a field or text-code separator, prints a warning.
bool CheckFormat(IVelorTrDcd* decoder, PointFormat* model, const std::string& format, const std::string& source);

// The same with a model of its own.
bool CheckFormat(IVelorTrDcd* decoder, const std::string& format, const std::string& source);
