// The scan of a data file for its own format: a ".fmt" line among its first
// lines, and whether its first significant line holds only a model name.
#include "formats/catalogue.h"

#include "common/chars.h"
#include "common/text_compare.h"
#include "common/text_file.h"
#include "formats/format_text.h"

namespace {

const int kFormatLineLimit = 51;

const char* SkipBlanks(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return p;
}

// The end of the run of characters above code 32 at p.
const char* SkipWord(const char* p)
{
    while (static_cast<unsigned char>(*p) > 32)
        ++p;
    return p;
}

bool BeginsWithCommentWord(const char* text, const PointFormat& model)
{
    for (const CString& word : model.commentWords) {
        if (!word.IsEmpty() && StartsWithNoCase(text, word))
            return true;
    }
    return false;
}

// Reads the first lines of the open file for a ".fmt" line; sets text to
// what follows ".fmt" on it and returns its 1-based line number, or 0 when
// there is none.
int FindFormatLine(CMVFile<CFile>& file, CString& text)
{
    CString line;
    for (int count = 0; count < kFormatLineLimit && file.ReadLine(line); ++count) {
        const char* after = nullptr;
        if (StartsWithNoCase(SkipBlanks(line), ".fmt", &after)) {
            text = after;
            return count + 1;
        }
    }
    return 0;
}

// Reads the first lines of the open file for a ".fmt" line; returns the
// result of reading its format, or -1 when there is none.
int ReadFormatLine(CMVFile<CFile>& file, PointFormat& model, bool& found)
{
    CString text;
    found = FindFormatLine(file, text) > 0;
    return found ? ParseFormatText(model, text, nullptr) : -1;
}

// Whether the first line of the open file that is neither blank nor a
// comment holds one word and nothing else.
bool FirstLineIsOneWord(CMVFile<CFile>& file, const PointFormat& model)
{
    CString line;
    while (file.ReadLine(line)) {
        const char* text = SkipBlanks(line);
        if (*text == '\0' || BeginsWithCommentWord(text, model))
            continue;
        const char* end = SkipWord(text);
        return end > text && *SkipBlanks(end) == '\0';
    }
    return false;
}

} // namespace

int ScanFileForFormat(const char* path, PointFormat& model, bool& found)
{
    found = false;
    CMVFile<CFile> file;
    if (!path || !file.Open(path, kOpenForReading, FALSE))
        return -1;
    const int parsed = ReadFormatLine(file, model, found);
    file.Close();
    if (parsed > 0)
        return 0; // a bad ".fmt" line: the model stays as far as it was read
    model.modelNameInHeader = 0;
    if (file.Open(path, kOpenForReading, FALSE)) {
        model.modelNameInHeader = FirstLineIsOneWord(file, model) ? 1 : 0;
        file.Close();
    }
    return 0;
}

int ReadFileFormatLine(const char* path, CString& text)
{
    text.Empty();
    CMVFile<CFile> file;
    if (!path || !file.Open(path, kOpenForReading, FALSE))
        return -1;
    const int lineNumber = FindFormatLine(file, text);
    file.Close();
    return lineNumber;
}
