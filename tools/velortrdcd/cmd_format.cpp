// velortrdcd format: format strings read and printed in their normal form.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/format_check.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/text_codec.h"

namespace {

// One format's line of output; *ok tells whether it was read. A format that
// does not read is said on stderr too, with a caret under where it stops.
std::string FormatLine(IVelorTrDcd* decoder, PointFormat* model, const std::string& text, bool json, bool* ok)
{
    uint32_t result = 1, stop = 0;
    decoder->ParseFormat(model, text.c_str(), &result, &stop);
    *ok = CheckFormat(decoder, model, text, "");
    std::string normal;
    if (*ok && !PrintFormat(model, &normal))
        *ok = false;
    if (json) {
        JsonWriter w;
        w.BeginObject().Key("ok").Bool(*ok);
        if (*ok)
            w.Key("normal").Text(normal.c_str());
        else
            w.Key("stop").Integer(stop);
        return w.EndObject().str() + "\n";
    }
    if (*ok)
        return AnsiToUtf8(normal.c_str()) + "\n";
    return "error at offset " + std::to_string(stop) + ": " + AnsiToUtf8(text.c_str()) + "\n";
}

} // namespace

int RunFormat(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {{"output", true}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    const std::string output = o.Get("output", "text");
    if (output != "text" && output != "json")
        return UsageError("--output is text or json", usage);
    if (o.positional.empty())
        return UsageError("format takes at least one TEXT", usage);
    auto* decoder = static_cast<IVelorTrDcd*>(CreateComponent(CLSID_CDecodeTxLine, IID_IVelorTrDcd));
    PointFormat* model = decoder ? NewPointFormat() : nullptr;
    if (!model) {
        ReleaseComponent(decoder);
        return 1;
    }
    bool allRead = true;
    for (const std::string& text : o.positional) {
        bool ok = false;
        Out(FormatLine(decoder, model, text, output == "json", &ok));
        allRead = allRead && ok;
    }
    DeletePointFormat(model);
    ReleaseComponent(decoder);
    return allRead ? 0 : kExitBadFormat;
}
