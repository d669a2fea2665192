// The layout that the data lines of a sample share: the separator, the
// decimal comma, the number of positional columns and which of them hold
// numbers; which sample lines are data, and what each column holds over the
// data lines.
#pragma once

#include "decoder/guess_cells.h"
#include "decoder/guess_sample.h"

#include <cstdint>
#include <string>
#include <vector>

// How a sample line counts before any layout: the decoder takes command
// lines ('.' and a letter), comment lines (a standard comment word first)
// and the title line (a drive path first) for what they are.
enum class LineRole { kCandidate, kCommand, kComment, kTitle };
LineRole RoleOfLine(const std::string& line, bool firstRead);

// The most positional columns a layout may have: point lists hold a handful,
// and the rules compare columns in pairs.
const size_t kMaxLayoutColumns = 64;

struct SampleLayout {
    CellSeparator separator = CellSeparator::kBlanks;
    bool decimalComma = false;
    size_t columns = 0;        // positional columns of a data line
    std::vector<bool> numeric; // per column: it holds numbers
    bool found = false;        // two columns of numbers were found
};

// The cells of line before its first keyword value: the values the decoder
// takes in order.
size_t PositionalCells(const std::vector<Cell>& cells);

SampleLayout ChooseLayout(const FileSample& sample);

struct ColumnStats {
    size_t numbers = 0, integers = 0, texts = 0, empties = 0;
    size_t rising = 0;        // integers above the same column's value on the line before
    size_t longestText = 0;
    bool textWithBlanks = false;
    size_t distinctTexts = 0; // different texts among them
    size_t textsWithDigit = 0;
    double min = 0, max = 0;
    std::vector<double> values; // per data line; NaN where no number stands
    std::string header;         // the header row's word for it, if any
};

struct SampleData {
    std::vector<size_t> dataLines; // indexes into the sample's lines
    std::vector<ColumnStats> columns;
    size_t runOnLines = 0;        // data lines with cells beyond the columns
    size_t shortLines = 0;        // data lines with fewer cells than the columns
    int32_t firstLine = 0;        // as PointFormatGuess
    uint32_t lastLine = 0;
    std::string commentConflicts; // standard comment words that stand inside values
};

// Whether the line is a data line of the layout: the columns there, and
// numbers in every column that holds numbers.
bool IsDataLine(const std::string& line, const SampleLayout& layout, std::vector<Cell>& cells);

SampleData CollectData(const FileSample& sample, const SampleLayout& layout);
