// A format string read, printed in its normal form and read again. The
// second read must take the whole print and give the model of the first,
// except where the text form cannot carry a value:
// - text-code separators count only when the model has a TCode field;
// - an empty comment-word list is not printed, and the second read has the
//   default words;
// - of the four decimals, the print carries the first;
// - a comment word that ends with ")" ends its list, so one that is not the
//   last word cannot be carried: the list is printed last, and then only
//   what is printed before it is compared.
// Other differences the rules make come out the same on both sides (a tab in
// the field separators is printed "T", which reads back as a tab; a comment
// word that ends the list with ")" is printed with one ")" more). When the
// first model has comment words, the print is a fixed point: printing the
// second model gives the same text.
//
// The first read need not succeed: what it read before an error stays in the
// model, and that model goes round as well.
#include "fuzz_support.h"

#include "formats/format_text.h"

#include <cstring>
#include <string>

namespace {

bool HasTextCode(const PointFormat& model)
{
    for (FieldKind kind : model.fields) {
        if (kind == kFieldTCode)
            return true;
    }
    return false;
}

// Whether a word other than the last ends with ")".
bool WordsCannotBeCarried(const PointFormat& model)
{
    for (size_t i = 0; i + 1 < model.commentWords.size(); ++i) {
        const CString& word = model.commentWords[i];
        if (!word.IsEmpty() && word[word.GetLength() - 1] == ')')
            return true;
    }
    return false;
}

bool SameWords(const PointFormat& a, const PointFormat& b)
{
    if (a.commentWords.size() != b.commentWords.size())
        return false;
    for (size_t i = 0; i < a.commentWords.size(); ++i) {
        if (std::strcmp(a.commentWords[i], b.commentWords[i]) != 0)
            return false;
    }
    return true;
}

void RequireSameModel(const PointFormat& a, const PointFormat& b)
{
    FuzzRequire(a.fields == b.fields, "the fields differ after the round trip");
    FuzzRequire(a.coordSystem == b.coordSystem, "the coordinate system differs after the round trip");
    FuzzRequire(a.decimalComma == b.decimalComma, "the decimal comma differs after the round trip");
    FuzzRequire(std::strcmp(a.fieldSeparators, b.fieldSeparators) == 0,
                "the field separators differ after the round trip");
    FuzzRequire(a.decimals[0] == b.decimals[0], "the decimals differ after the round trip");
    if (HasTextCode(a))
        FuzzRequire(std::strcmp(a.textCodeSeparators, b.textCodeSeparators) == 0,
                    "the text-code separators differ after the round trip");
    if (!a.commentWords.empty())
        FuzzRequire(SameWords(a, b), "the comment words differ after the round trip");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t length = std::strlen(text.c_str()); // the string ends at its first NUL

    PointFormat first;
    uint32_t stop = 0;
    const int32_t result = ParseFormatText(first, text.c_str(), &stop);
    FuzzRequire(result == 0 || result == 1, "a result other than 0 or 1");
    FuzzRequire(stop <= length, "the stop offset lies behind the string");
    FuzzRequire(result == 1 || stop == length, "a successful read stopped before the end");

    if (WordsCannotBeCarried(first))
        first.commentWords.clear();
    const CString printed = PrintFormatText(first);
    PointFormat second;
    uint32_t printedStop = 0;
    FuzzRequire(ParseFormatText(second, printed, &printedStop) == 0, "the normal form does not read back");
    FuzzRequire(printedStop == static_cast<uint32_t>(printed.GetLength()), "the normal form is not read whole");
    RequireSameModel(first, second);
    if (!first.commentWords.empty())
        FuzzRequire(std::strcmp(PrintFormatText(second), printed) == 0, "the normal form is no fixed point");
    return 0;
}
