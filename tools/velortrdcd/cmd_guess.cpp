// velortrdcd guess: the format the module finds from a data file, with the
// reason for each column, the lines it covers, the next best choice and the
// check of the proposal on the file's sample.
#include "VelorTrDcdFormat.h"
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/guess_text.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/text_codec.h"

namespace {

const char* FieldName(int field)
{
    return field >= 0 && field < kFieldKindCount ? FieldKeywordTable[field] : "?";
}

std::string GuessAsText(const FormatGuess& g)
{
    std::string text = "format: " + AnsiToUtf8(g.format.c_str()) + "\n";
    text += "lines: " + LinesText(g) + " of " + std::to_string(g.facts.fileLines) + "\n";
    for (size_t i = 0; i < g.columns.size(); ++i)
        text += "field " + std::to_string(i + 1) + ": " + FieldName(g.columns[i].field) + " (" +
                std::to_string(g.columns[i].confidence) + "%): " + AnsiToUtf8(g.columns[i].reason.c_str()) + "\n";
    for (const std::string& note : g.notes)
        text += "note: " + AnsiToUtf8(note.c_str()) + "\n";
    if (!g.alternative.empty())
        text += "alternative: " + AnsiToUtf8(g.alternative.c_str()) + "\n";
    if (!g.warning.empty())
        text += "warning: " + AnsiToUtf8(g.warning.c_str()) + "\n";
    text += "check: " + CheckText(g) + "\n";
    return text;
}

void OptionalText(JsonWriter& json, const char* key, const std::string& ansi)
{
    json.Key(key);
    if (ansi.empty())
        json.Null();
    else
        json.Text(ansi.c_str());
}

std::string GuessAsJson(const FormatGuess& g)
{
    const VelorFormatGuessFacts& f = g.facts;
    JsonWriter json;
    json.BeginObject().Key("format").Text(g.format.c_str()).Key("decided").Bool(f.decided != 0);
    json.Key("firstLine").Integer(f.firstLine).Key("lastLine").Integer(f.lastLine);
    json.Key("fileLines").Integer(f.fileLines).Key("fields").BeginArray();
    for (const FormatGuess::Column& c : g.columns) {
        json.BeginObject().Key("field").Text(FieldName(c.field)).Key("confidence").Integer(c.confidence);
        json.Key("reason").Text(c.reason.c_str()).EndObject();
    }
    json.EndArray().Key("notes").BeginArray();
    for (const std::string& note : g.notes)
        json.Text(note.c_str());
    json.EndArray();
    OptionalText(json, "alternative", g.alternative);
    OptionalText(json, "warning", g.warning);
    json.Key("check").BeginObject().Key("lines").Integer(f.checkedLines).Key("undecoded").Integer(f.undecodedLines);
    json.Key("firstUndecoded").Integer(f.firstUndecoded).Key("unused").Integer(f.unusedValues);
    json.Key("firstUnused").Integer(f.firstUnused).EndObject();
    return json.EndObject().str() + "\n";
}

} // namespace

int RunGuess(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {{"output", true}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    const std::string output = o.Get("output", "text");
    if (output != "text" && output != "json")
        return UsageError("--output is text or json", usage);
    if (o.positional.size() != 1)
        return UsageError("guess takes one FILE", usage);
    FormatGuess guess;
    const int made = GuessFormat(o.positional[0], &guess);
    if (made == 1)
        WriteText(stderr, "velortrdcd: cannot open " + AnsiToUtf8(o.positional[0].c_str()) + "\n");
    if (made != 0)
        return 1;
    Out(output == "json" ? GuessAsJson(guess) : GuessAsText(guess));
    return guess.facts.decided ? 0 : 3;
}
