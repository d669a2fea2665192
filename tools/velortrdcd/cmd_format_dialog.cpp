// velortrdcd format-dialog: the format dialog run on a data file, and the
// name and format string the user confirmed printed.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/text_codec.h"

namespace {

// Usage errors of the options; empty when there is none.
std::string OptionError(const ParsedOptions& o)
{
    if (o.positional.size() > 1)
        return "format-dialog takes at most one FILE";
    const std::string output = o.Get("output", "text");
    if (output != "text" && output != "json")
        return "--output is text or json";
    if (o.Has("given") && !o.Has("format"))
        return "--given goes with --format";
    return std::string();
}

void PrintResult(bool confirmed, bool json, const char* name, const char* format)
{
    if (json) {
        JsonWriter out;
        out.BeginObject().Key("confirmed").Bool(confirmed);
        if (confirmed)
            out.Key("name").Text(name).Key("format").Text(format);
        Out(out.EndObject().str() + "\n");
    } else if (confirmed) {
        Out("name: " + AnsiToUtf8(name) + "\nformat: " + AnsiToUtf8(format) + "\n");
    }
}

// Runs the dialog; 0 when the user confirmed, 1 when cancelled or when the
// module could not run it. The name and the format come whole, however
// long, once the dialog has closed.
int RunDialog(const FormatDialogCall& call, const std::string& ini, bool json)
{
    if (!SetCatalogueIni(ini))
        return 1;
    std::string name, format;
    const int result = EditFormatInDialog(call, &name, &format);
    PrintResult(result == 0, json, name.c_str(), format.c_str());
    return result == 0 ? 0 : 1;
}

} // namespace

int RunFormatDialog(const Args& args, const char* usage)
{
    const ParsedOptions o =
        ParseOptions(args, {{"section", true}, {"name", true}, {"format", true}, {"given", false}, {"limit", true},
                            {"variant", false}, {"ini", true}, {"output", true}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    if (!OptionError(o).empty())
        return UsageError(OptionError(o), usage);
    FormatDialogCall call;
    call.section = o.Get("section", "");
    call.name = o.Get("name", "");
    call.dataFile = o.positional.empty() ? std::string() : o.positional[0];
    call.format = o.Get("format", "");
    call.limit = o.Get("limit", "");
    call.hasLimit = o.Has("limit");
    call.given = o.Has("given");
    call.variant = o.Has("variant");
    return RunDialog(call, o.Get("ini", ""), o.Get("output", "text") == "json");
}
