// Splitting sample lines into cells and telling what a cell holds.
#include "decoder/guess_cells.h"

#include "common/chars.h"
#include "common/text_compare.h"
#include "decoder/number_reader.h"

namespace {

// The end of a quoted cell that opens at p: behind its closing quote, or the
// end of the line. A backslash before a quote does not close it, as in the
// decoder's texts.
const char* QuotedEnd(const char* p, const char* end)
{
    for (const char* q = p + 1; q < end; ++q) {
        if (*q == '\\' && q + 1 < end && q[1] == '"')
            ++q;
        else if (*q == '"')
            return q + 1;
    }
    return end;
}

Cell MakeCell(const char* begin, const char* end)
{
    while (begin < end && IsBlank(*begin))
        ++begin;
    while (end > begin && IsBlank(end[-1]))
        --end;
    if (end - begin >= 2 && *begin == '"' && end[-1] == '"')
        return {begin + 1, end - 1, true};
    return {begin, end, false};
}

// The cell that begins at p (blanks at the start of a blank-separated
// line passed over first) in *cell; returns where the next one begins, or
// null when the line has no cell left.
const char* NextCell(const char* p, const char* end, CellSeparator separator, Cell* cell)
{
    if (separator == CellSeparator::kBlanks) {
        while (p < end && IsBlankOrNul(*p))
            ++p;
        if (p == end)
            return nullptr;
        const char* q = *p == '"' ? QuotedEnd(p, end) : p;
        while (q < end && !IsBlankOrNul(*q))
            ++q;
        *cell = MakeCell(p, q);
        return q;
    }
    const char mark = static_cast<char>(separator);
    if (!p)
        return nullptr;
    const char* q = p;
    while (q < end && IsBlank(*q) && *q != mark)
        ++q;
    if (q < end && *q == '"')
        q = QuotedEnd(q, end);
    while (q < end && *q != mark)
        ++q;
    *cell = MakeCell(p, q);
    return q == end ? end + 1 : q + 1; // behind the last cell: one past the end
}

} // namespace

void SplitCells(const std::string& line, CellSeparator separator, std::vector<Cell>& cells, size_t limit)
{
    cells.clear();
    const char* end = line.data() + line.size();
    Cell cell{};
    for (const char* p = line.data(); cells.size() < limit && p <= end;) {
        p = NextCell(p, end, separator, &cell);
        if (!p)
            break;
        cells.push_back(cell);
    }
}

size_t CountPositionalCells(const std::string& line, CellSeparator separator)
{
    const char* end = line.data() + line.size();
    size_t count = 0, filled = 0;
    Cell cell{};
    for (const char* p = line.data(); p <= end;) {
        p = NextCell(p, end, separator, &cell);
        if (!p || IsKeywordCell(cell))
            break;
        ++count;
        filled = cell.begin == cell.end ? filled : count;
    }
    return filled;
}

bool IsKeywordCell(const Cell& cell)
{
    static const char* const keywords[] = {"x=",  "y=",  "z=",  "st=", "na=", "tc=", "nc=", "p:",
                                           "pp=", "vd=", "nl=", "tp=", "tt=", "et=", "r=",  "tce="};
    if (cell.quoted || cell.begin == cell.end || static_cast<unsigned char>(*cell.begin) < 'A')
        return false;
    for (const char* keyword : keywords) {
        if (StartsWithNoCase(cell.begin, keyword))
            return true;
    }
    return false;
}

CellKind KindOfCell(const Cell& cell, CellSeparator separator, double* value)
{
    if (cell.begin == cell.end)
        return CellKind::kEmpty;
    const NumberRead point = ReadNumber(cell.begin, '.', 0);
    if (point.ok && point.end == cell.end) {
        *value = point.value;
        return CellKind::kNumber;
    }
    if (separator != CellSeparator::kComma || cell.quoted) {
        const NumberRead comma = ReadNumber(cell.begin, ',', 0);
        if (comma.ok && comma.end == cell.end) {
            *value = comma.value;
            return CellKind::kCommaNumber;
        }
    }
    return IsKeywordCell(cell) ? CellKind::kKeyword : CellKind::kText;
}

std::string CellText(const Cell& cell)
{
    return std::string(cell.begin, cell.end);
}
