// velortrdcd read: a point file read into polygons and listed.
#include "VelorTrDcdFormat.h"
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/record_out.h"
#include "tools/velortrdcd/text_codec.h"

#include <cstdint>
#include <cstdio>
#include <iostream>

namespace {

enum class UnknownMode { kAsk, kSkip, kStop, kQuiet };

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

} // namespace

int RunRead(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {{"format", true}, {"first", true}, {"last", true},
                                                {"output", true}, {"unknown", true}, {"quiet", false}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    if (o.positional.size() != 1)
        return UsageError("read takes one FILE", usage);
    long long first = 0, last = 0;
    if (!ParseInteger(o.Get("first", "0"), 0, INT32_MAX, &first) ||
        !ParseInteger(o.Get("last", "0"), 0, UINT32_MAX, &last))
        return UsageError("--first and --last take a line number", usage);
    const std::string output = o.Get("output", "text");
    if (output != "text" && output != "json" && output != "csv")
        return UsageError("--output is text, json or csv", usage);
    UnknownMode mode = StdinIsTerminal() ? UnknownMode::kAsk : UnknownMode::kSkip;
    if (o.Has("unknown") && !ParseUnknownMode(o.Get("unknown", ""), &mode))
        return UsageError("--unknown is ask, skip, stop or quiet", usage);

    auto* decoder = static_cast<IVelorTrDcd*>(CreateComponent(CLSID_CDecodeTxLine, IID_IVelorTrDcd));
    if (!decoder || !RouteMessageBoxesToStderr() || !SetUnknownAnswerer(AnswerUnknown, &mode)) {
        ReleaseComponent(decoder);
        return 1;
    }
    decoder->EnableErrorMessages(o.Has("quiet") ? 0 : 1);
    PolygonItemList* items = nullptr;
    decoder->GetEmptyItemList(&items);
    uint32_t linesRead = 0, result = 0;
    const std::string format = o.Get("format", DefaultFormat);
    decoder->ReadPointFile(o.positional[0].c_str(), format.c_str(), items, static_cast<int32_t>(first),
                           static_cast<uint32_t>(last), 0, 0, &linesRead, &result);
    PrintItems(output, *items, result, linesRead);
    if (result == 1)
        WriteText(stderr, "velortrdcd: cannot open " + AnsiToUtf8(o.positional[0].c_str()) + "\n");
    decoder->FreeItemList(items);
    SetUnknownAnswerer(nullptr, nullptr);
    ReleaseComponent(decoder);
    return static_cast<int>(result > 255 ? 255 : result);
}
