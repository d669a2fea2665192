// What the tool says about a format string that does not read. The module
// tells only the offset where reading stopped; the words at and before that
// offset tell which rule of the format language failed there.
#include "tools/velortrdcd/format_error.h"

#include "VelorTrDcdFormat.h"

#include <cctype>

namespace {

bool IsBlank(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The word that ends at end (letters only), lower-cased.
std::string WordBefore(const std::string& text, size_t end)
{
    size_t begin = end;
    while (begin > 0 && std::isalpha(static_cast<unsigned char>(text[begin - 1])))
        --begin;
    return Lower(text.substr(begin, end - begin));
}

// The offset behind the blanks that end before end.
size_t TrimBlanksBefore(const std::string& text, size_t end)
{
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return end;
}

std::string FieldList()
{
    std::string list;
    for (int kind = 0; kind < kFieldKindCount; ++kind)
        list += std::string(kind ? " " : "") + FieldKeywordTable[kind];
    return list;
}

std::string UnknownWord(const std::string& format, size_t stop)
{
    size_t end = stop;
    while (end < format.size() && !IsBlank(format[end]))
        ++end;
    const std::string word = format.substr(stop, end - stop);
    if (Lower(word.substr(0, 3)) == "sys")
        return "sys= is given twice; a format names one coordinate system";
    return "unknown field name \"" + word + "\"; fields are " + FieldList() +
           ", settings sep(...) decc cmt(...) sys=N dec=N";
}

} // namespace

std::string FormatExpectation(const std::string& format, uint32_t stop)
{
    const size_t at = stop < format.size() ? stop : format.size();
    const size_t before = TrimBlanksBefore(format, at);
    if (before > 0 && format[before - 1] == '=') {
        const std::string setting = WordBefore(format, TrimBlanksBefore(format, before - 1));
        if (setting == "sys")
            return "a coordinate system from 0 to 7 after sys=";
        if (setting == "dec")
            return "a number of decimal places from 0 to 15 after dec=";
    }
    const std::string word = WordBefore(format, before);
    if (word == "sys" || word == "dec")
        return "'=' and a number after " + word;
    if (before == at && (word == "sep" || word == "cmt"))
        return "'(' after " + word + ", with the list and a closing ')'";
    if (at >= format.size())
        return "the text ends inside a list: a ')' is missing";
    return UnknownWord(format, at);
}

std::string FormatCaret(const std::string& format, uint32_t stop)
{
    std::string line = "  " + format + "\n  ";
    const size_t at = stop < format.size() ? stop : format.size();
    for (size_t i = 0; i < at; ++i)
        line += format[i] == '\t' ? '\t' : ' ';
    return line + "^\n";
}
