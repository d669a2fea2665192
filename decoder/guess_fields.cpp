// The field rules applied in order over the columns.
#include "decoder/guess_fields.h"

#include "decoder/guess_rules.h"

namespace {

const FieldKind kUnset = kFieldKindCount;

struct Assignment {
    std::vector<ColumnGuess> columns;
    std::vector<HeaderMeaning> headers;
    const SampleLayout& layout;
    const SampleData& data;

    Assignment(const SampleLayout& l, const SampleData& d) : layout(l), data(d)
    {
        columns.assign(l.columns, ColumnGuess{kUnset, 0, std::string()});
        for (const ColumnStats& c : d.columns)
            headers.push_back(MeaningOfHeader(c.header));
    }
    bool Free(size_t c) const { return columns[c].field == kUnset; }
    bool FreeNumber(size_t c) const { return Free(c) && layout.numeric[c]; }
    void Take(size_t c, FieldKind field, int confidence, const std::string& reason)
    {
        columns[c] = ColumnGuess{field, confidence, reason};
    }
    std::string Header(size_t c) const { return "header \"" + data.columns[c].header + "\""; }
};

FieldKind ExchangedAxis(FieldKind f)
{
    if (f == kFieldX)
        return kFieldY;
    return f == kFieldY ? static_cast<FieldKind>(kFieldX) : f;
}

std::string Column(size_t c)
{
    return "column " + std::to_string(c + 1);
}

// The S-JTSK pair, neighbouring columns first.
bool TakeSjtskPair(Assignment& a, FieldChoice& choice)
{
    for (size_t gap = 1; gap < a.layout.columns; ++gap) {
        for (size_t c = 0; c + gap < a.layout.columns; ++c) {
            if (!a.FreeNumber(c) || !a.FreeNumber(c + gap))
                continue;
            const SjtskForm* form = SjtskPairForm(a.data.columns[c].values, a.data.columns[c + gap].values);
            if (!form)
                continue;
            a.Take(c, form->yFirst ? kFieldY : kFieldX, 95, form->reason);
            a.Take(c + gap, form->yFirst ? kFieldX : kFieldY, 95, form->reason);
            choice.system = form->system;
            return true;
        }
    }
    return false;
}

// Coordinates that a header row names: X and Y as they stand, a northing
// as X and an easting as Y (the geodetic axes, as in S-JTSK).
bool TakeNamedCoordinates(Assignment& a, FieldChoice& choice)
{
    size_t xAt = a.layout.columns, yAt = a.layout.columns;
    bool geodetic = false;
    for (size_t c = 0; c < a.layout.columns; ++c) {
        const HeaderMeaning m = a.headers[c];
        if (!a.FreeNumber(c))
            continue;
        if ((m == HeaderMeaning::kX || m == HeaderMeaning::kNorthing) && xAt == a.layout.columns)
            xAt = c;
        if ((m == HeaderMeaning::kY || m == HeaderMeaning::kEasting) && yAt == a.layout.columns)
            yAt = c;
        geodetic = geodetic || m == HeaderMeaning::kNorthing || m == HeaderMeaning::kEasting;
    }
    if (xAt == a.layout.columns || yAt == a.layout.columns)
        return false;
    a.Take(xAt, kFieldX, 80, a.Header(xAt) + (geodetic ? ": a northing, taken as X (geodetic axes)" : ""));
    a.Take(yAt, kFieldY, 80, a.Header(yAt) + (geodetic ? ": an easting, taken as Y (geodetic axes)" : ""));
    choice.exchangeable = geodetic;
    return true;
}

// Without ranges or titles: the first two columns of numbers in the
// built-in order, Y then X, which the file cannot confirm.
bool TakeUnnamedCoordinates(Assignment& a, FieldChoice& choice)
{
    size_t found[2], n = 0;
    for (size_t c = 0; c < a.layout.columns && n < 2; ++c) {
        if (a.FreeNumber(c))
            found[n++] = c;
    }
    if (n < 2)
        return false;
    a.Take(found[0], kFieldY, 40, "first column of numbers, taken as Y (the built-in order)");
    a.Take(found[1], kFieldX, 40, "second column of numbers, taken as X (the built-in order)");
    choice.warning = Column(found[0]) + " and " + Column(found[1]) +
                     " hold coordinates that no header names and no known system explains; they are taken "
                     "in the built-in order Y X, which may be exchanged";
    choice.exchangeable = true;
    return true;
}

// The columns of numbers not yet taken, apart from column 0.
size_t FreeNumbersAfterFirst(const Assignment& a)
{
    size_t n = 0;
    for (size_t c = 1; c < a.layout.columns; ++c)
        n += a.FreeNumber(c);
    return n;
}

// The point's name: a column a title names, else column 0 when it holds
// point numbers or codes (and coordinates are left beside it), else a later
// column of names.
void TakeIdentifier(Assignment& a, bool coordinatesTaken)
{
    for (size_t c = 0; c < a.layout.columns; ++c) {
        if (a.Free(c) && a.headers[c] == HeaderMeaning::kName) {
            a.Take(c, kFieldName, 85, a.Header(c) + ": the point's name");
            return;
        }
    }
    const IdentifierKind first = a.Free(0) ? IdentifierOf(a.data.columns[0]) : IdentifierKind::kNone;
    if (first != IdentifierKind::kNone && (coordinatesTaken || FreeNumbersAfterFirst(a) >= 2)) {
        a.Take(0, kFieldName, first == IdentifierKind::kSequence ? 90 : 85,
               first == IdentifierKind::kSequence ? "point numbers: integers rising line by line"
                                                  : "short point codes before the coordinates");
        return;
    }
    for (size_t c = 1; c < a.layout.columns; ++c) {
        if (a.Free(c) && IsNameColumn(a.data.columns[c])) {
            a.Take(c, kFieldName, 70, "point names: short texts with digits, none twice");
            return;
        }
    }
}

// Heights: a column that a title names, else within the S-JTSK heights
// beside an S-JTSK pair, else the first number behind the coordinates.
void TakeHeight(Assignment& a, bool sjtsk)
{
    for (size_t c = 0; c < a.layout.columns; ++c) {
        if (a.FreeNumber(c) && a.headers[c] == HeaderMeaning::kHeight) {
            a.Take(c, kFieldZ, 80, a.Header(c) + ": the height");
            return;
        }
    }
    for (size_t c = 0; sjtsk && c < a.layout.columns; ++c) {
        if (a.FreeNumber(c) && ColumnWithin(a.data.columns[c], kSjtskHeight)) {
            a.Take(c, kFieldZ, 85, "heights: every value between 100 and 3 000 m");
            return;
        }
    }
    size_t lastCoordinate = 0;
    for (size_t c = 0; c < a.layout.columns; ++c) {
        if (a.columns[c].field == kFieldX || a.columns[c].field == kFieldY)
            lastCoordinate = c;
    }
    if (lastCoordinate + 1 < a.layout.columns && a.FreeNumber(lastCoordinate + 1))
        a.Take(lastCoordinate + 1, kFieldZ, 50, "the number behind the coordinates, taken as the height");
}

// Blank-separated lines whose last columns are words of a text that runs
// on (lines of different lengths): one field for the rest of the line keeps
// the text with its blanks. Returns the column it starts at, or columns.
size_t RunOnTextStart(const Assignment& a, const SampleData& data)
{
    const size_t columns = a.layout.columns;
    if (a.layout.separator != CellSeparator::kBlanks || (data.runOnLines == 0 && data.shortLines == 0))
        return columns;
    size_t start = columns;
    while (start > 1 && a.Free(start - 1) && IsTextColumn(data.columns[start - 1]))
        --start;
    if (start < columns || data.runOnLines == 0)
        return start;
    return columns; // the run-on text follows a column of numbers: a field of its own
}

// Whatever is left keeps its values: texts and numbers no rule knows go to
// the codes (collected, each in its own piece), empty columns are passed
// over, and a text that runs on with blanks takes the rest of the line.
void TakeTheRest(Assignment& a, const SampleData& data)
{
    const size_t runOn = RunOnTextStart(a, data);
    for (size_t c = 0; c < runOn; ++c) {
        if (!a.Free(c))
            continue;
        const ColumnStats& s = data.columns[c];
        if (s.numbers == 0 && s.texts == 0)
            a.Take(c, kFieldNull, 90, "always empty");
        else if (a.headers[c] == HeaderMeaning::kCode)
            a.Take(c, kFieldTCode, 85, a.Header(c) + ": a code or description");
        else if (IsTextColumn(s))
            a.Take(c, kFieldTCode, 75, "text after the coordinates: a code");
        else
            a.Take(c, kFieldTCode, 30, "values no rule knows, kept as a text code");
    }
    if (runOn < a.layout.columns) {
        a.columns.resize(runOn + 1);
        a.Take(runOn, kFieldTCodeEnd, 80, "a text with blanks, to the end of the line");
    } else if (data.runOnLines > 0) {
        a.columns.push_back(ColumnGuess{kFieldTCodeEnd, 70, "the text that follows the columns on some lines"});
    }
}

} // namespace

FieldChoice ChooseFields(const SampleLayout& layout, const SampleData& data)
{
    FieldChoice choice;
    Assignment a(layout, data);
    const bool sjtsk = TakeSjtskPair(a, choice);
    choice.decided = sjtsk || TakeNamedCoordinates(a, choice);
    TakeIdentifier(a, choice.decided);
    if (!choice.decided)
        TakeUnnamedCoordinates(a, choice);
    TakeHeight(a, sjtsk);
    TakeTheRest(a, data);
    if (choice.exchangeable) {
        for (const ColumnGuess& g : a.columns)
            choice.alternative.push_back(ExchangedAxis(g.field));
    }
    choice.columns = a.columns;
    return choice;
}
