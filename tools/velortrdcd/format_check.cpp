// A format string read through the module before the tool uses it.
#include "tools/velortrdcd/format_check.h"

#include "VelorTrDcdFormat.h"
#include "tools/velortrdcd/format_error.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/text_codec.h"

namespace {

// The format dialog's own words for a comment word that is the field
// separator (it refuses such a format).
const char kSeparatorIsComment[] = "Oddělovač údajů nesmí být mezi znaky znamenajícími komentář !";

// Whether word is one of the separator characters or the whole separator
// text: a comment word that cuts the line where a field or a code ends.
bool IsSeparator(const std::string& word, const std::string& separators)
{
    if (word.empty() || separators.empty())
        return false;
    return word == separators || (word.size() == 1 && separators.find(word[0]) != std::string::npos);
}

void WarnOfCuttingComments(const PointFormat& model, const std::string& source)
{
    const std::string fieldSeparators = model.fieldSeparators.GetString();
    const std::string codeSeparators = model.textCodeSeparators.GetString();
    for (const CString& comment : model.commentWords) {
        const std::string word = comment.GetString();
        const bool field = IsSeparator(word, fieldSeparators);
        if (!field && !IsSeparator(word, codeSeparators))
            continue;
        WriteText(stderr, "velortrdcd: warning: " + source + kSeparatorIsComment + " (the comment word \"" +
                              AnsiToUtf8(word.c_str()) + "\" is also a " + (field ? "field" : "text-code") +
                              " separator: values after it are lost; leave it out of cmt(...))\n");
    }
}

} // namespace

bool CheckFormat(IVelorTrDcd* decoder, PointFormat* model, const std::string& format, const std::string& source)
{
    uint32_t result = 1, stop = 0;
    decoder->ParseFormat(model, format.c_str(), &result, &stop);
    if (result == 0) {
        WarnOfCuttingComments(*model, source);
        return true;
    }
    WriteText(stderr, "velortrdcd: " + source + "the format does not read at offset " + std::to_string(stop) +
                          ": " + AnsiToUtf8(FormatExpectation(format, stop).c_str()) + "\n" +
                          AnsiToUtf8(FormatCaret(format, stop).c_str()));
    return false;
}

bool CheckFormat(IVelorTrDcd* decoder, const std::string& format, const std::string& source)
{
    PointFormat* model = NewPointFormat();
    if (!model)
        return false;
    const bool ok = CheckFormat(decoder, model, format, source);
    DeletePointFormat(model);
    return ok;
}
