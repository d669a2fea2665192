// The cells of a sample line under a choice of separator, and what each cell
// holds: a number (with '.' or with the decimal comma), a keyword value of
// the point line (z=..., na=...), or text. Cells point into the line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// How the values of a line are separated: by runs of blanks, or by one
// character (TAB, ';' or ','). Quotes hold a cell together either way.
enum class CellSeparator : char { kBlanks = 0, kTab = '\t', kSemicolon = ';', kComma = ',' };

// The most cells of a line the guess looks at; a line with more has them
// counted only.
const size_t kMaxLineCells = 4096;

struct Cell {
    const char* begin; // the value, without its quotes
    const char* end;
    bool quoted;
};

// Splits line into cells. With a separator character every separator
// outside quotes ends a cell and blanks around a cell are dropped; with
// blanks the cells are the runs between them. At most limit cells are
// kept: a hostile line of millions of cells costs no memory.
void SplitCells(const std::string& line, CellSeparator separator, std::vector<Cell>& cells,
                size_t limit = kMaxLineCells);

// The cells of the line before its first keyword value, up to its last cell
// that is not empty (the values the decoder takes in order), counted
// without keeping them.
size_t CountPositionalCells(const std::string& line, CellSeparator separator);

enum class CellKind { kEmpty, kNumber, kCommaNumber, kKeyword, kText };

// What a cell holds. kNumber reads with '.' (or has no fraction),
// kCommaNumber only with ',' as the decimal separator (under a ','
// separator only between quotes). *value receives the number.
CellKind KindOfCell(const Cell& cell, CellSeparator separator, double* value);

// Whether the cell is a field keyword of the point line with its value, as
// "z=726.3" or "na=P1": the decoder takes it for that field wherever it
// stands, and no value behind it is positional.
bool IsKeywordCell(const Cell& cell);

std::string CellText(const Cell& cell);
