#include "tools/velortrdcd/guess_text.h"

#include "tools/velortrdcd/text_codec.h"

std::string LinesText(const FormatGuess& g)
{
    const VelorFormatGuessFacts& f = g.facts;
    const uint32_t first = f.firstLine > 1 ? static_cast<uint32_t>(f.firstLine) : 1;
    const uint32_t last = f.lastLine ? f.lastLine : f.fileLines;
    return std::to_string(first) + "-" + std::to_string(last);
}

std::string CheckText(const FormatGuess& g)
{
    const VelorFormatGuessFacts& f = g.facts;
    std::string text = std::to_string(f.checkedLines) + " data lines of the sample decoded, " +
                       std::to_string(f.undecodedLines) + " refused";
    if (f.undecodedLines)
        text += " (first: line " + std::to_string(f.firstUndecoded) + ")";
    text += ", " + std::to_string(f.unusedValues) + " values unused";
    if (f.unusedValues)
        text += " (first: line " + std::to_string(f.firstUnused) + ")";
    return text;
}

std::string GuessAnnouncement(const FormatGuess& g)
{
    const VelorFormatGuessFacts& f = g.facts;
    std::string line = "velortrdcd: " + std::string(f.decided ? "format guessed: \"" : "warning: format not recognised: ");
    if (f.decided)
        line += AnsiToUtf8(g.format.c_str()) + "\", lines " + LinesText(g);
    else
        line += AnsiToUtf8(g.warning.c_str()) + "; reading with \"" + AnsiToUtf8(g.format.c_str()) + "\"";
    if (f.undecodedLines || f.unusedValues)
        line += "; " + CheckText(g);
    return line + "; --format to set it\n";
}
