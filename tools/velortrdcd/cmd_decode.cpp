// velortrdcd decode: each line of stdin decoded as a point line.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/record_out.h"
#include "tools/velortrdcd/text_codec.h"

#include <iostream>

namespace {

const uint32_t kPointLine = 1;

std::string DecodeOne(IVelorTrDcd* decoder, PointRecord* record, const std::string& line)
{
    std::vector<char> text(line.begin(), line.end());
    text.push_back('\0');
    uint32_t id = 0, positional = 0, error = 0;
    char* stop = nullptr;
    ClearPointRecord(record);
    decoder->DecodeLine(text.data(), &id, &positional, &stop, &error);
    JsonWriter json;
    json.BeginObject().Key("command").Integer(id).Key("positional").Integer(positional);
    json.Key("error").Integer(error).Key("stop").Integer(stop ? stop - text.data() : 0);
    json.Key("record");
    WriteRecordJson(json, *record);
    json.EndObject();
    return json.str() + "\n";
}

} // namespace

int RunDecode(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {{"format", true}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    if (!o.Has("format") || !o.positional.empty())
        return UsageError("decode takes --format TEXT and reads stdin", usage);
    auto* decoder = static_cast<IVelorTrDcd*>(CreateComponent(CLSID_CDecodeTxLine, IID_IVelorTrDcd));
    PointRecord* record = decoder ? NewPointRecord() : nullptr;
    int code = 0;
    if (!record) {
        code = 1;
    } else if (decoder->SetPointFormat(nullptr, kPointLine, record, o.Get("format", "").c_str()) != 0) {
        WriteText(stderr, "velortrdcd: the format cannot be read\n");
        code = 1;
    } else {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            Out(DecodeOne(decoder, record, Utf8ToAnsi(line)));
        }
    }
    if (record)
        DeletePointRecord(record);
    ReleaseComponent(decoder);
    return code;
}
