// The rules of guess_rules.h.
#include "decoder/guess_rules.h"

#include "common/chars.h"
#include "common/text_compare.h"

#include <cmath>

namespace {

struct HeaderWord {
    const char* word; // in the ANSI code page (1250)
    HeaderMeaning meaning;
};

// Column titles of surveyors' lists and instrument exports, Czech and
// Slovak ones among them ("\xE8.b." is "č.b.", "K\xF3d" "Kód").
const HeaderWord kHeaderWords[] = {
    {"P", HeaderMeaning::kName},          {"Pt", HeaderMeaning::kName},
    {"Point", HeaderMeaning::kName},      {"PointID", HeaderMeaning::kName},
    {"ID", HeaderMeaning::kName},         {"Name", HeaderMeaning::kName},
    {"Nr", HeaderMeaning::kName},         {"No", HeaderMeaning::kName},
    {"Bod", HeaderMeaning::kName},        {"CB", HeaderMeaning::kName},
    {"\xE8.b.", HeaderMeaning::kName},    {"c.b.", HeaderMeaning::kName},
    {"\xC8\xEDslo", HeaderMeaning::kName}, {"Cislo", HeaderMeaning::kName},
    {"X", HeaderMeaning::kX},             {"Y", HeaderMeaning::kY},
    {"N", HeaderMeaning::kNorthing},      {"North", HeaderMeaning::kNorthing},
    {"Northing", HeaderMeaning::kNorthing}, {"E", HeaderMeaning::kEasting},
    {"East", HeaderMeaning::kEasting},    {"Easting", HeaderMeaning::kEasting},
    {"Z", HeaderMeaning::kHeight},        {"H", HeaderMeaning::kHeight},
    {"Height", HeaderMeaning::kHeight},   {"Elevation", HeaderMeaning::kHeight},
    {"Elev", HeaderMeaning::kHeight},     {"V\xFD\x9A" "ka", HeaderMeaning::kHeight},
    {"Vyska", HeaderMeaning::kHeight},    {"Code", HeaderMeaning::kCode},
    {"K\xF3" "d", HeaderMeaning::kCode},     {"Kod", HeaderMeaning::kCode},
    {"D", HeaderMeaning::kCode},          {"Desc", HeaderMeaning::kCode},
    {"Description", HeaderMeaning::kCode}, {"Popis", HeaderMeaning::kCode},
    {"Pozn", HeaderMeaning::kCode},       {"Note", HeaderMeaning::kCode},
};

const SjtskForm kSjtskForms[] = {
    {true, 1.0, 0, "S-JTSK Y and X: Y about 150 000 to 950 000 beside X about 900 000 to 1 350 000, Y < X"},
    {false, 1.0, 0, "S-JTSK X and Y: X about 900 000 to 1 350 000 before Y about 150 000 to 950 000, Y < X"},
    {true, -1.0, 6, "S-JTSK negated, as GIS exports write it (EPSG:5514 easting -Y, northing -X)"},
    {false, -1.0, 6, "S-JTSK negated, northing first (-X, -Y)"},
};

bool EqualsNoCase(const std::string& text, const char* word)
{
    const char* after = nullptr;
    return StartsWithNoCase(text.c_str(), word, &after) && *after == '\0' && !text.empty();
}

// The title without a unit or remark in brackets ("Y [m]", "H (Bpv)") and
// without blanks around it.
std::string TitleWord(const std::string& header)
{
    std::string word = header.substr(0, header.find_first_of("[("));
    while (!word.empty() && IsBlank(word.back()))
        word.pop_back();
    size_t start = 0;
    while (start < word.size() && IsBlank(word[start]))
        ++start;
    return word.substr(start);
}

bool FormHolds(const SjtskForm& form, const std::vector<double>& first, const std::vector<double>& second)
{
    size_t pairs = 0;
    for (size_t i = 0; i < first.size() && i < second.size(); ++i) {
        if (std::isnan(first[i]) || std::isnan(second[i]))
            continue;
        const double y = form.sign * (form.yFirst ? first[i] : second[i]);
        const double x = form.sign * (form.yFirst ? second[i] : first[i]);
        if (!kSjtskY.Holds(y) || !kSjtskX.Holds(x) || !(y < x))
            return false;
        ++pairs;
    }
    return pairs > 0;
}

} // namespace

HeaderMeaning MeaningOfHeader(const std::string& header)
{
    const std::string word = TitleWord(header);
    for (const HeaderWord& h : kHeaderWords) {
        if (EqualsNoCase(word, h.word))
            return h.meaning;
    }
    return HeaderMeaning::kNone;
}

const SjtskForm* SjtskPairForm(const std::vector<double>& first, const std::vector<double>& second)
{
    for (const SjtskForm& form : kSjtskForms) {
        if (FormHolds(form, first, second))
            return &form;
    }
    return nullptr;
}

bool ColumnWithin(const ColumnStats& column, const ValueRange& range)
{
    return column.numbers > 0 && range.Holds(column.min) && range.Holds(column.max);
}

IdentifierKind IdentifierOf(const ColumnStats& column)
{
    const size_t filled = column.values.size() - column.empties;
    if (filled == 0 || column.numbers + column.texts < filled)
        return IdentifierKind::kNone;
    if (column.texts > 0)
        return column.longestText <= 16 && !column.textWithBlanks && column.integers == column.numbers
                   ? IdentifierKind::kCode
                   : IdentifierKind::kNone;
    const size_t steps = column.numbers - 1;
    if (column.integers == column.numbers && (steps == 0 || column.rising * 10 >= steps * 8))
        return IdentifierKind::kSequence;
    return IdentifierKind::kNone;
}

bool IsTextColumn(const ColumnStats& column)
{
    return column.numbers == 0 && column.texts > 0;
}

bool IsNameColumn(const ColumnStats& column)
{
    return IsTextColumn(column) && column.texts >= 2 && column.distinctTexts == column.texts &&
           column.textsWithDigit == column.texts && !column.textWithBlanks && column.longestText <= 16;
}
