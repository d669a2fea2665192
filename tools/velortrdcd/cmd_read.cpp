// velortrdcd read: a point file read into polygons and listed.
#include "VelorTrDcdFormat.h"
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/geojson_out.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/reading_format.h"
#include "tools/velortrdcd/record_out.h"
#include "tools/velortrdcd/text_codec.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

enum class UnknownMode { kAsk, kSkip, kStop, kQuiet, kDialog };

// Asks on the terminal; an empty or unreadable answer skips the line.
uint16_t AskOnTerminal(const char* message)
{
    WriteText(stderr, AnsiToUtf8(message) + "\n[o]k, [c]ancel reading, [n]o warnings? ");
    std::string answer;
    if (!std::getline(std::cin, answer) || answer.empty())
        return kAnswerSkipLine;
    switch (answer[0]) {
    case 'c': case 'C': return kAnswerCancelReading;
    case 'n': case 'N': return kAnswerNoWarnings;
    default: return kAnswerSkipLine;
    }
}

uint16_t AnswerUnknown(void* context, const char* message, const char*, uint32_t, const char*)
{
    switch (*static_cast<UnknownMode*>(context)) {
    case UnknownMode::kAsk: return AskOnTerminal(message);
    case UnknownMode::kStop: return kAnswerCancelReading;
    case UnknownMode::kQuiet: return kAnswerNoWarnings;
    default: return kAnswerSkipLine;
    }
}

bool ParseUnknownMode(const std::string& text, UnknownMode* mode)
{
    if (text == "ask") *mode = UnknownMode::kAsk;
    else if (text == "skip") *mode = UnknownMode::kSkip;
    else if (text == "stop") *mode = UnknownMode::kStop;
    else if (text == "quiet") *mode = UnknownMode::kQuiet;
    else if (text == "dialog") *mode = UnknownMode::kDialog;
    else return false;
    return true;
}

void PrintItems(const std::string& output, const PolygonItemList& items, uint32_t result, uint32_t linesRead)
{
    if (output == "json") {
        JsonWriter json;
        json.BeginObject().Key("result").Integer(result).Key("linesRead").Integer(linesRead);
        json.Key("items").BeginArray();
        for (const PolygonItem& item : items)
            WriteItemJson(json, item);
        json.EndArray().EndObject();
        Out(json.str() + "\n");
        return;
    }
    std::string text = output == "csv" ? CsvHeader() : std::string();
    for (size_t i = 0; i < items.size(); ++i)
        text += output == "csv" ? CsvRows(i, items[i]) : TextBlock(i, items[i]);
    Out(text);
}

// Usage errors of the format and output options; empty when there is none.
std::string FormatOptionError(const ParsedOptions& o)
{
    const std::string catalogue = CatalogueOptionError(o);
    if (!catalogue.empty())
        return catalogue;
    const std::string output = o.Get("output", "text");
    if (output != "text" && output != "json" && output != "csv" && output != "geojson")
        return "--output is text, json, csv or geojson";
    if ((o.Has("points") || o.Has("crs")) && output != "geojson")
        return "--points and --crs go with --output geojson";
    if (o.Has("crs") && o.Get("crs", "") != "5514" && o.Get("crs", "") != "none")
        return "--crs is 5514 or none";
    return std::string();
}

void ModuleToInternal(double* x, double* y, double fileX, double fileY, short system)
{
    if (!CallFromDtmEx(x, y, fileX, fileY, system)) {
        *x = fileX;
        *y = fileY;
    }
}

// The GeoJSON settings of the format read with: its coordinate system and
// whether it has a z field. A format without "sys=" names no system: its
// values are written as they stand, with a warning, and --crs 5514 cannot
// be had (a usage error, *code).
bool GeoJsonSettings(const ParsedOptions& o, IVelorTrDcd* decoder, const std::string& format, GeoJsonOptions* g,
                     int* code)
{
    FormatFacts facts;
    if (!ReadFormatFacts(decoder, format, &facts))
        return false;
    g->coordSystem = facts.coordSystem;
    g->hasZ = facts.hasZ;
    g->crs = o.Get("crs", "5514") != "none";
    g->points = o.Has("points");
    g->toInternal = ModuleToInternal;
    if (g->coordSystem >= 0 && g->coordSystem <= 7)
        return true;
    const std::string advice = SystemAdvice();
    if (o.Get("crs", "") == "5514") {
        WriteText(stderr, std::string("velortrdcd: --crs 5514: the format names no coordinate system; ") + advice +
                              "\n");
        *code = kExitUsage;
        return false;
    }
    if (g->crs)
        WriteText(stderr, std::string("velortrdcd: warning: the format names no coordinate system, so the "
                                      "coordinates are written as they stand, with no \"crs\"; to write "
                                      "EPSG:5514, ") + advice + "\n");
    return true;
}

} // namespace

int RunRead(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {{"format", true}, {"first", true}, {"last", true},
                                                {"output", true}, {"unknown", true}, {"quiet", false},
                                                {"name", true}, {"by-suffix", false}, {"section", true},
                                                {"ini", true}, {"points", false}, {"crs", true}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    if (!FormatOptionError(o).empty())
        return UsageError(FormatOptionError(o), usage);
    if (o.positional.size() != 1)
        return UsageError("read takes one FILE", usage);
    long long first = 0, last = 0;
    if (!ParseInteger(o.Get("first", "0"), 0, INT32_MAX, &first) ||
        !ParseInteger(o.Get("last", "0"), 0, UINT32_MAX, &last))
        return UsageError("--first and --last take a line number", usage);
    const std::string output = o.Get("output", "text");
    UnknownMode mode = StdinIsTerminal() ? UnknownMode::kAsk : UnknownMode::kSkip;
    if (o.Has("unknown") && !ParseUnknownMode(o.Get("unknown", ""), &mode))
        return UsageError("--unknown is ask, skip, stop, quiet or dialog", usage);

    auto* decoder = static_cast<IVelorTrDcd*>(CreateComponent(CLSID_CDecodeTxLine, IID_IVelorTrDcd));
    std::string format;
    GuessedLines guessed;
    GeoJsonOptions geojson;
    // With "dialog" the module's own answerer, the decode-error dialog, stays.
    const UnknownCommandAnswerer answerer = mode == UnknownMode::kDialog ? nullptr : &AnswerUnknown;
    int code = 1;
    if (!decoder || !RouteMessageBoxesToStderr() || !SetUnknownAnswerer(answerer, &mode) ||
        (o.Has("ini") && !SetCatalogueIni(o.Get("ini", ""))) || !ReadingFormat(o, decoder, &format, &guessed, &code) ||
        (output == "geojson" && !GeoJsonSettings(o, decoder, format, &geojson, &code))) {
        ReleaseComponent(decoder);
        return code;
    }
    decoder->EnableErrorMessages(o.Has("quiet") ? 0 : 1);
    PolygonItemList* items = nullptr;
    decoder->GetEmptyItemList(&items);
    uint32_t linesRead = 0, result = 0;
    if (!o.Has("first"))
        first = guessed.first;
    if (!o.Has("last"))
        last = guessed.last;
    decoder->ReadPointFile(o.positional[0].c_str(), format.c_str(), items, static_cast<int32_t>(first),
                           static_cast<uint32_t>(last), 0, 0, &linesRead, &result);
    if (output == "geojson")
        Out(GeoJson(*items, geojson));
    else
        PrintItems(output, *items, result, linesRead);
    if (result == 1)
        WriteText(stderr, "velortrdcd: cannot open " + AnsiToUtf8(o.positional[0].c_str()) + "\n");
    decoder->FreeItemList(items);
    SetUnknownAnswerer(nullptr, nullptr);
    ReleaseComponent(decoder);
    return static_cast<int>(result > 255 ? 255 : result);
}
