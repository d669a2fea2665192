// GuessPointFormat: the format of a point file found from the file itself.
// It samples the file, splits the sample's lines under each separator,
// chooses the layout the data lines share, takes each column for a field by
// the rules of guess_rules.h, and decodes the sample with the format it
// proposes through the decoder itself, so that a proposal that leaves lines
// undecoded or values unused says so.
#pragma once

#include "VelorTrDcdFormat.h"

#include <cstdint>
#include <string>
#include <vector>

// What one column of the data lines was taken for, and why.
struct ColumnGuess {
    FieldKind field;
    int confidence;     // 0 to 100
    std::string reason; // for the user, in English; file texts in the ANSI code page
};

struct PointFormatGuess {
    std::string format;      // the proposed format string
    std::string alternative; // the next best one when the choice was close, else empty
    std::string warning;     // why the proposal is not sure, else empty
    bool decided = false;    // the columns were recognised; else the format is a fallback
    int32_t firstLine = 0;   // first data line (1-based) behind header lines, else 0
    uint32_t lastLine = 0;   // last data line before a footer or end marker, else 0
    uint32_t fileLines = 0;  // lines in the file
    std::vector<ColumnGuess> columns; // in line order, one per field of the format
    std::vector<std::string> notes;   // the separator, decimal comma and comment words chosen
    // The check of the proposal on the sample.
    uint32_t checkedLines = 0;   // data lines decoded
    uint32_t undecodedLines = 0; // of them, lines the decoder refused
    uint32_t firstUndecoded = 0; // the first such line's number
    uint32_t unusedValues = 0;   // values of data lines that no field took
    uint32_t firstUnused = 0;    // the first line with such a value
};

enum GuessResult : int32_t {
    kGuessMade = 0,
    kGuessCannotOpen = 1,
};

GuessResult GuessPointFormat(const char* path, PointFormatGuess& guess);
