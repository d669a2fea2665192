// Choosing the layout of a sample and collecting what its columns hold.
#include "decoder/guess_layout.h"

#include "common/chars.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <map>

namespace {

const char kStandardWords[] = ";$!*";

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

struct SeparatorScore {
    size_t columns = 0;
    double score = 0;
    std::vector<size_t> numbers, commaNumbers, empties;
    size_t numericLines = 0;
};

// The most frequent number of positional cells among the candidate lines
// (the larger one on a tie).
size_t ModeOfCounts(const FileSample& sample, const std::vector<bool>& candidate, CellSeparator separator)
{
    std::map<size_t, size_t> lines;
    std::vector<Cell> cells;
    for (size_t i = 0; i < sample.lines.size(); ++i) {
        if (!candidate[i])
            continue;
        SplitCells(sample.lines[i].text, separator, cells);
        ++lines[PositionalCells(cells)];
    }
    size_t mode = 0, most = 0;
    for (const auto& entry : lines) {
        if (entry.second >= most) {
            mode = entry.first;
            most = entry.second;
        }
    }
    return mode;
}

// How well the separator splits the candidate lines: the lines that have
// the common number of cells (blanks: at least that many, since a text
// may run on) and two numbers among them, each counting the share of its
// cells that are numbers.
SeparatorScore ScoreSeparator(const FileSample& sample, const std::vector<bool>& candidate,
                              CellSeparator separator)
{
    SeparatorScore s;
    s.columns = ModeOfCounts(sample, candidate, separator);
    if (s.columns < 2 || s.columns > kMaxLayoutColumns) {
        s.columns = 0;
        return s;
    }
    s.numbers.assign(s.columns, 0);
    s.commaNumbers.assign(s.columns, 0);
    s.empties.assign(s.columns, 0);
    std::vector<Cell> cells;
    for (size_t i = 0; i < sample.lines.size(); ++i) {
        if (!candidate[i])
            continue;
        SplitCells(sample.lines[i].text, separator, cells);
        const size_t count = PositionalCells(cells);
        if (count < s.columns || (count > s.columns && separator != CellSeparator::kBlanks))
            continue;
        size_t numbers = 0;
        std::vector<CellKind> kinds(s.columns);
        for (size_t c = 0; c < s.columns; ++c) {
            double value = 0;
            kinds[c] = KindOfCell(cells[c], separator, &value);
            numbers += kinds[c] == CellKind::kNumber || kinds[c] == CellKind::kCommaNumber;
        }
        if (numbers < 2)
            continue;
        ++s.numericLines;
        s.score += static_cast<double>(numbers) / static_cast<double>(s.columns);
        for (size_t c = 0; c < s.columns; ++c) {
            s.numbers[c] += kinds[c] == CellKind::kNumber || kinds[c] == CellKind::kCommaNumber;
            s.commaNumbers[c] += kinds[c] == CellKind::kCommaNumber;
            s.empties[c] += kinds[c] == CellKind::kEmpty;
        }
    }
    return s;
}

std::vector<bool> CandidateLines(const FileSample& sample)
{
    std::vector<bool> candidate(sample.lines.size());
    bool firstRead = true;
    for (size_t i = 0; i < sample.lines.size(); ++i) {
        const LineRole role = RoleOfLine(sample.lines[i].text, firstRead);
        candidate[i] = role == LineRole::kCandidate;
        firstRead = firstRead && role == LineRole::kComment;
    }
    return candidate;
}

} // namespace

LineRole RoleOfLine(const std::string& line, bool firstRead)
{
    const char* p = line.c_str();
    while (IsBlank(*p))
        ++p;
    if (*p == '.' && IsLetter(p[1]))
        return LineRole::kCommand;
    if (*p && std::strchr(kStandardWords, *p))
        return LineRole::kComment;
    if (firstRead && IsLetter(p[0]) && p[1] == ':' && p[2] == '\\')
        return LineRole::kTitle;
    return LineRole::kCandidate;
}

size_t PositionalCells(const std::vector<Cell>& cells)
{
    size_t n = 0;
    while (n < cells.size() && !IsKeywordCell(cells[n]))
        ++n;
    return n;
}

SampleLayout ChooseLayout(const FileSample& sample)
{
    static const CellSeparator kSeparators[] = {CellSeparator::kTab, CellSeparator::kSemicolon,
                                                CellSeparator::kComma, CellSeparator::kBlanks};
    const std::vector<bool> candidate = CandidateLines(sample);
    SampleLayout best;
    SeparatorScore bestScore;
    for (CellSeparator separator : kSeparators) {
        SeparatorScore s = ScoreSeparator(sample, candidate, separator);
        if (s.numericLines > 0 && s.score > bestScore.score) {
            bestScore = s;
            best.separator = separator;
        }
    }
    if (bestScore.numericLines == 0)
        return best;
    best.columns = bestScore.columns;
    best.numeric.assign(best.columns, false);
    size_t numericColumns = 0;
    for (size_t c = 0; c < best.columns; ++c) {
        // An empty field is no vote against numbers: "1;2;;4" leaves out a value.
        const size_t filled = bestScore.numericLines - bestScore.empties[c];
        best.numeric[c] = bestScore.numbers[c] > 0 && bestScore.numbers[c] * 10 >= filled * 9;
        numericColumns += best.numeric[c];
        best.decimalComma = best.decimalComma || (best.numeric[c] && bestScore.commaNumbers[c] > 0);
    }
    best.found = numericColumns >= 2;
    return best;
}

bool IsDataLine(const std::string& line, const SampleLayout& layout, std::vector<Cell>& cells)
{
    SplitCells(line, layout.separator, cells);
    const size_t count = PositionalCells(cells);
    if (count < 2)
        return false;
    size_t numbers = 0;
    for (size_t c = 0; c < count && c < layout.columns; ++c) {
        double value = 0;
        const CellKind kind = KindOfCell(cells[c], layout.separator, &value);
        const bool number = kind == CellKind::kNumber || kind == CellKind::kCommaNumber;
        const bool emptyField = kind == CellKind::kEmpty && layout.separator != CellSeparator::kBlanks;
        if (layout.numeric[c] && !number && !emptyField)
            return false;
        numbers += number;
    }
    return numbers >= 2;
}
