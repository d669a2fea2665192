// The format a point file is read with, chosen the same way by every command
// that reads one: --format, the catalogue's format by --name or by the
// file's suffix, else the file's own ".fmt" line, else the format guessed
// from the file.
#pragma once

#include "VelorTrDcd.h"
#include "tools/velortrdcd/options.h"

#include <cstdint>
#include <string>

// The lines a format guessed from the file covers.
struct GuessedLines {
    int32_t first = 0;
    uint32_t last = 0;
};

// The text after the last '.' of a path's file name ("" for none), as the
// catalogue and the output drivers take a suffix.
std::string SuffixOf(const std::string& path);

// Whether the options take the format from the catalogue (--name, --by-suffix).
bool TakesCatalogue(const ParsedOptions& o);

// Usage errors of --format, --name, --by-suffix, --section and --ini; empty
// when there is none.
std::string CatalogueOptionError(const ParsedOptions& o);

// The format to read o.positional[0] with ("default": the built-in format).
// A guessed format is announced on stderr and its lines go to *lines. False
// when there is no such format or it does not read (said on stderr); *code
// is then the exit code.
bool ReadingFormat(const ParsedOptions& o, IVelorTrDcd* decoder, std::string* format, GuessedLines* lines,
                   int* code);

// What the writers need to know of a format that reads.
struct FormatFacts {
    int coordSystem = -1; // "sys=": 0 to 7; -1 when the format names none
    bool hasZ = false;    // the format has a z field
};

// False when the module has no format model export.
bool ReadFormatFacts(IVelorTrDcd* decoder, const std::string& format, FormatFacts* facts);

// How to name a file's coordinate system, for messages about a format
// without "sys=".
std::string SystemAdvice();
