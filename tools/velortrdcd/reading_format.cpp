// The format a point file is read with.
#include "tools/velortrdcd/reading_format.h"

#include "VelorTrDcdFormat.h"
#include "tools/velortrdcd/format_check.h"
#include "tools/velortrdcd/guess_text.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/text_codec.h"

#include <algorithm>

namespace {

// The format guessed from the file, announced on stderr; the built-in
// format when the module cannot guess (a file that cannot be opened is left
// to the reading, which says so).
void GuessedFormat(const std::string& path, std::string* format, GuessedLines* lines)
{
    FormatGuess guess;
    if (GuessFormat(path, &guess) != 0) {
        *format = DefaultFormat;
        return;
    }
    *format = guess.format;
    lines->first = guess.facts.firstLine;
    lines->last = guess.facts.lastLine;
    WriteText(stderr, GuessAnnouncement(guess));
}

// The format of the file's own ".fmt" line, else the one guessed from the
// file. False when that line does not read (said on stderr).
bool FileFormat(IVelorTrDcd* decoder, const std::string& path, std::string* format, GuessedLines* lines)
{
    int lineNumber = 0;
    const int found = FileFormatLine(path, format, &lineNumber);
    if (found < -1)
        return false;
    if (found != 1) {
        GuessedFormat(path, format, lines);
        return true;
    }
    return CheckFormat(decoder, *format,
                       "the \".fmt\" line (line " + std::to_string(lineNumber) + ") of " +
                           AnsiToUtf8(path.c_str()) + ": ");
}

} // namespace

std::string SuffixOf(const std::string& path)
{
    const size_t dot = path.rfind('.');
    const size_t separator = path.find_last_of("\\/");
    if (dot == std::string::npos || (separator != std::string::npos && separator > dot))
        return std::string();
    return path.substr(dot + 1);
}

bool TakesCatalogue(const ParsedOptions& o)
{
    return o.Has("name") || o.Has("by-suffix");
}

std::string CatalogueOptionError(const ParsedOptions& o)
{
    if (o.Has("format") && TakesCatalogue(o))
        return "--format goes without --name and --by-suffix";
    if ((o.Has("section") || o.Has("ini")) && !TakesCatalogue(o))
        return "--section and --ini go with --name or --by-suffix";
    return std::string();
}

// The format to read with: --format, or the catalogue's by --name or by the
// file's suffix (else --name, else "Standard"), or else the file's ".fmt"
// line, else the format guessed from the file ("default": the built-in
// format). False when there is no such format or it does not read (said on
// stderr); *code is then the exit code.
bool ReadingFormat(const ParsedOptions& o, IVelorTrDcd* decoder, std::string* format, GuessedLines* lines,
                   int* code)
{
    *code = kExitBadFormat;
    if (o.Has("format")) {
        *format = o.Get("format", "") == "default" ? std::string(DefaultFormat) : o.Get("format", "");
        return CheckFormat(decoder, *format, "--format: ");
    }
    if (!TakesCatalogue(o))
        return FileFormat(decoder, o.positional[0], format, lines);
    const std::string section = o.Get("section", "");
    std::string name = o.Get("name", "");
    if (o.Has("by-suffix")) {
        std::string owner;
        if (!CatalogueSuffixOwner(section, SuffixOf(o.positional[0]), &owner))
            return false;
        if (!owner.empty())
            name = owner;
    }
    bool found = false;
    if (!CatalogueText(section, name, 0, format, &found))
        return false;
    if (!found) {
        *code = 1;
        WriteText(stderr, "velortrdcd: no format " + AnsiToUtf8(name.c_str()) + " in the catalogue\n");
        return false;
    }
    return CheckFormat(decoder, *format,
                       "the catalogue's format " + AnsiToUtf8(name.empty() ? "Standard" : name.c_str()) + ": ");
}

bool ReadFormatFacts(IVelorTrDcd* decoder, const std::string& format, FormatFacts* facts)
{
    PointFormat* model = NewPointFormat();
    if (!model)
        return false;
    uint32_t result = 0;
    decoder->ParseFormat(model, format.c_str(), &result, nullptr);
    facts->coordSystem = model->coordSystem;
    facts->hasZ = std::find(model->fields.begin(), model->fields.end(), FieldKind(2)) != model->fields.end();
    DeletePointFormat(model);
    return true;
}

std::string SystemAdvice()
{
    return "name the file's system in the format with \"sys=N\" (0 to 7; sys=0 for S-JTSK with Y and X as "
           "the file has them), for example --format \"Y X Z sys=0\"";
}
