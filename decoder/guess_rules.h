// What the field knows about survey point lists, as small rules over the
// columns of a sample: header words and what they name, the ranges of the
// S-JTSK grid over the Czech and Slovak Republics and of heights there, and
// what point identifiers look like. Each rule is a table and a function.
#pragma once

#include "decoder/guess_layout.h"

#include <cstdint>
#include <string>
#include <vector>

enum class HeaderMeaning { kNone, kName, kX, kY, kNorthing, kEasting, kHeight, kCode };

// What a column title names ("Pt", "N", "Kód", "Y [m]"...), without regard
// to case; kNone for a word no list knows.
HeaderMeaning MeaningOfHeader(const std::string& word);

struct ValueRange {
    double low, high;
    bool Holds(double v) const { return v >= low && v <= high; }
};

const ValueRange kSjtskY = {150000.0, 950000.0};
const ValueRange kSjtskX = {900000.0, 1350000.0};
const ValueRange kSjtskHeight = {100.0, 3000.0};

// One way a file writes an S-JTSK pair in two neighbouring columns.
struct SjtskForm {
    bool yFirst;      // the first of the two columns holds Y
    double sign;      // +1 the grid's own positive values; -1 negated, as GIS exports write them
    int16_t system;   // the "sys=" under which the fields read them
    const char* reason;
};

// The form in which the columns first and second (in this order) hold an
// S-JTSK pair on every line where both hold numbers, or null.
const SjtskForm* SjtskPairForm(const std::vector<double>& first, const std::vector<double>& second);

// Every number of the column lies in the range, and there is one.
bool ColumnWithin(const ColumnStats& column, const ValueRange& range);

// Point identifiers: integers that rise line by line, or short codes without
// blanks (letters and digits, as "P12" or "4001a"), mixed with integers.
enum class IdentifierKind { kNone, kSequence, kCode };
IdentifierKind IdentifierOf(const ColumnStats& column);

// Point names in a later column: texts without blanks, each with a digit,
// none twice (codes repeat, names do not).
bool IsNameColumn(const ColumnStats& column);

// A column of texts (it holds no numbers at all, and some text).
bool IsTextColumn(const ColumnStats& column);
