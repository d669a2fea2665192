// velortrdcd paths and velortrdcd language: the product's settings as the
// module reads them on this machine.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/text_codec.h"

namespace {

// The --output option: "text" or "json"; empty when it is neither.
std::string OutputOf(const ParsedOptions& o)
{
    const std::string output = o.Get("output", "text");
    return output == "text" || output == "json" ? output : std::string();
}

} // namespace

int RunPaths(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {{"output", true}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    const std::string output = OutputOf(o);
    if (output.empty() || !o.positional.empty())
        return UsageError("paths takes only --output text|json", usage);
    static const char* const kNames[] = {"shared", "local", "help", "ini"};
    std::string paths[4];
    for (int which = 0; which < 4; ++which)
        if (!ProductPath(which, &paths[which]))
            return 1;
    std::string setting;
    int language = 0;
    if (!LanguageSetting(&setting, &language))
        return 1;
    if (output == "json") {
        JsonWriter json;
        json.BeginObject();
        for (int which = 0; which < 4; ++which)
            json.Key(kNames[which]).Text(paths[which].c_str());
        json.Key("language").Integer(language).EndObject();
        Out(json.str() + "\n");
        return 0;
    }
    std::string text;
    for (int which = 0; which < 4; ++which)
        text += std::string(kNames[which]) + "\t" + AnsiToUtf8(paths[which].c_str()) + "\n";
    Out(text + "language\t" + std::to_string(language) + "\n");
    return 0;
}

int RunLanguage(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {{"output", true}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    const std::string output = OutputOf(o);
    if (output.empty() || !o.positional.empty())
        return UsageError("language takes only --output text|json", usage);
    std::string setting;
    int language = 0;
    if (!LanguageSetting(&setting, &language))
        return 1;
    if (output == "json") {
        JsonWriter json;
        json.BeginObject().Key("setting").Text(setting.c_str()).Key("index").Integer(language).EndObject();
        Out(json.str() + "\n");
    } else {
        Out("setting\t" + AnsiToUtf8(setting.c_str()) + "\nindex\t" + std::to_string(language) + "\n");
    }
    return 0;
}
