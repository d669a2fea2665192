// The data lines of a sample under its layout: where they begin and end,
// the header row above them, and what each column holds.
#include "decoder/guess_layout.h"

#include "common/chars.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <set>

namespace {

const char kStandardWords[] = ";$!*";

void AddToColumn(ColumnStats& s, std::set<std::string>& seen, const Cell& cell, CellSeparator separator)
{
    double value = std::numeric_limits<double>::quiet_NaN();
    const CellKind kind = KindOfCell(cell, separator, &value);
    if (kind == CellKind::kNumber || kind == CellKind::kCommaNumber) {
        const double before = s.values.empty() ? std::numeric_limits<double>::quiet_NaN() : s.values.back();
        s.min = s.numbers == 0 || value < s.min ? value : s.min;
        s.max = s.numbers == 0 || value > s.max ? value : s.max;
        ++s.numbers;
        const bool integer = value == std::floor(value) && std::fabs(value) < 1e15 &&
                             !std::memchr(cell.begin, '.', static_cast<size_t>(cell.end - cell.begin)) &&
                             !std::memchr(cell.begin, ',', static_cast<size_t>(cell.end - cell.begin));
        s.integers += integer;
        s.rising += integer && before < value;
    } else if (kind == CellKind::kEmpty) {
        ++s.empties;
    } else {
        ++s.texts;
        const size_t length = static_cast<size_t>(cell.end - cell.begin);
        s.longestText = length > s.longestText ? length : s.longestText;
        bool digit = false;
        for (const char* p = cell.begin; p < cell.end; ++p) {
            s.textWithBlanks = s.textWithBlanks || *p == ' ';
            digit = digit || IsDigit(*p);
        }
        s.textsWithDigit += digit;
        s.distinctTexts += seen.insert(CellText(cell)).second;
    }
    s.values.push_back(value);
}

// The standard comment words that stand inside the values of a data line
// (after its first character): the decoder would end the line there.
void NoteCommentConflicts(const std::string& line, const SampleLayout& layout, std::string& conflicts)
{
    const char* p = line.c_str();
    while (IsBlank(*p))
        ++p;
    for (const char* w = kStandardWords; *w; ++w) {
        if (*w == static_cast<char>(layout.separator) || std::strchr(conflicts.c_str(), *w))
            continue;
        if (*p && std::strchr(p + 1, *w))
            conflicts += *w;
    }
}

void ReadHeaderRow(const std::string& line, const SampleLayout& layout, SampleData& data)
{
    std::vector<Cell> cells;
    SplitCells(line, layout.separator, cells);
    if (cells.size() < 2)
        return;
    for (size_t c = 0; c < cells.size() && c < data.columns.size(); ++c)
        data.columns[c].header = CellText(cells[c]);
}

} // namespace

SampleData CollectData(const FileSample& sample, const SampleLayout& layout)
{
    static const char kNone[] = "";
    SampleData data;
    data.columns.resize(layout.columns);
    std::vector<Cell> cells;
    std::vector<std::set<std::string>> seen(layout.columns);
    std::vector<bool> isData(sample.lines.size()), foreign(sample.lines.size());
    bool firstRead = true;
    for (size_t i = 0; i < sample.lines.size(); ++i) {
        const LineRole role = RoleOfLine(sample.lines[i].text, firstRead);
        firstRead = firstRead && role == LineRole::kComment;
        isData[i] = role == LineRole::kCandidate && IsDataLine(sample.lines[i].text, layout, cells);
        foreign[i] = role == LineRole::kCandidate && !isData[i];
    }
    size_t first = 0, last = sample.lines.size();
    while (first < sample.lines.size() && !isData[first])
        ++first;
    while (last > first && !isData[last - 1])
        --last;
    if (first == sample.lines.size())
        return data;
    for (size_t i = 0; i < first; ++i) {
        if (foreign[i])
            data.firstLine = static_cast<int32_t>(sample.lines[first].number);
    }
    if (data.firstLine != 0) {
        size_t header = first;
        while (header > 0 && !foreign[header - 1])
            --header;
        ReadHeaderRow(sample.lines[header - 1].text, layout, data);
    }
    for (size_t i = last; i < sample.lines.size(); ++i) {
        if (foreign[i])
            data.lastLine = sample.lines[last - 1].number;
    }
    for (size_t i = first; i < last; ++i) {
        if (!isData[i])
            continue;
        data.dataLines.push_back(i);
        SplitCells(sample.lines[i].text, layout.separator, cells);
        const size_t count = PositionalCells(cells);
        for (size_t c = 0; c < layout.columns; ++c)
            AddToColumn(data.columns[c], seen[c], c < count ? cells[c] : Cell{kNone, kNone, false}, layout.separator);
        data.runOnLines += count > layout.columns;
        data.shortLines += count < layout.columns;
        NoteCommentConflicts(sample.lines[i].text, layout, data.commentConflicts);
    }
    return data;
}
