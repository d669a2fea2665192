// GuessPointFormat: the sample, its layout, the fields, the format string and
// its check.
#include "decoder/guess_format.h"

#include "decoder/guess_check.h"
#include "decoder/guess_fields.h"
#include "decoder/guess_layout.h"

#include <cstring>

namespace {

const char kStandardWords[] = ";$!*";

std::string FieldsText(const std::vector<FieldKind>& fields)
{
    std::string text;
    for (FieldKind f : fields)
        text += (text.empty() ? "" : " ") + std::string(FieldKeywordTable[f]);
    return text;
}

// The options behind the fields: the separator, the decimal comma, the
// system, and the comment words when a standard one stands inside values
// (the standard words that remain; "cmt()" when none does).
std::string OptionsText(const SampleLayout& layout, int16_t system, const std::string& conflicts)
{
    std::string text;
    switch (layout.separator) {
    case CellSeparator::kTab: text += " sep(T)"; break;
    case CellSeparator::kSemicolon: text += " sep(;)"; break;
    case CellSeparator::kComma: text += " sep(,)"; break;
    case CellSeparator::kBlanks: break;
    }
    if (layout.decimalComma)
        text += " decc";
    if (system >= 0)
        text += " sys=" + std::to_string(system);
    if (!conflicts.empty()) {
        std::string words;
        for (const char* w = kStandardWords; *w; ++w) {
            if (*w != static_cast<char>(layout.separator) && !std::strchr(conflicts.c_str(), *w))
                words += (words.empty() ? "" : " ") + std::string(1, *w);
        }
        text += " cmt(" + words + ")";
    }
    return text;
}

void NoteChoices(const SampleLayout& layout, const SampleData& data, PointFormatGuess& g)
{
    static const char* const separators[] = {"blanks", "TAB", "\";\"", "\",\""};
    const int which = layout.separator == CellSeparator::kBlanks ? 0
                      : layout.separator == CellSeparator::kTab  ? 1
                      : layout.separator == CellSeparator::kSemicolon ? 2 : 3;
    g.notes.push_back("values separated by " + std::string(separators[which]) + ", " +
                      std::to_string(layout.columns) + " columns on " + std::to_string(data.dataLines.size()) +
                      " data lines of the sample");
    if (layout.decimalComma)
        g.notes.push_back("numbers written with a decimal comma");
    if (!data.commentConflicts.empty())
        g.notes.push_back("values hold \"" + data.commentConflicts +
                          "\", so those are no comment words for this file");
}

void Fallback(PointFormatGuess& g, const std::string& why)
{
    g.format = DefaultFormat;
    g.decided = false;
    g.warning = why + "; the built-in format \"" + std::string(DefaultFormat) + "\" is used";
    g.columns = {ColumnGuess{kFieldY, 0, "the built-in format's first value"},
                 ColumnGuess{kFieldX, 0, "the built-in format's second value"}};
}

} // namespace

GuessResult GuessPointFormat(const char* path, PointFormatGuess& g)
{
    g = PointFormatGuess();
    FileSample sample;
    if (!ReadFileSample(path, sample))
        return kGuessCannotOpen;
    g.fileLines = sample.fileLines;
    const SampleLayout layout = ChooseLayout(sample);
    const SampleData data = layout.found ? CollectData(sample, layout) : SampleData();
    if (data.dataLines.empty()) {
        Fallback(g, "no lines with two columns of numbers were found");
    } else {
        const FieldChoice choice = ChooseFields(layout, data);
        std::vector<FieldKind> fields;
        for (const ColumnGuess& c : choice.columns)
            fields.push_back(c.field);
        const std::string options = OptionsText(layout, choice.system, data.commentConflicts);
        g.format = FieldsText(fields) + options;
        if (!choice.alternative.empty())
            g.alternative = FieldsText(choice.alternative) + options;
        g.decided = choice.decided;
        g.warning = choice.warning;
        g.columns = choice.columns;
        g.firstLine = data.firstLine;
        g.lastLine = data.lastLine;
        NoteChoices(layout, data, g);
    }
    CheckProposal(sample, layout, g);
    return kGuessMade;
}
