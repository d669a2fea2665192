// velortrdcd format-dialog: the format dialog run on a data file, and the
// name and format string the user confirmed printed.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/text_codec.h"

#include <fstream>
#include <vector>

namespace {

struct DialogCall {
    std::string section, name, dataFile, format, limit, ini;
    bool hasLimit = false;
    bool given = false;
    bool variant = false;
};

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

std::streamoff FileSize(const std::string& path)
{
    if (path.empty())
        return 0;
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    return size > 0 ? size : 0;
}

// The dialog copies the name and the format string into the caller's
// buffers whole, without a size. The name is a catalogue name or the one
// given; the format string is printed from the dialog's definition, whose
// texts come from the given format texts, the catalogue's ini file, the
// data file's own ".fmt" line and what the user types into the dialog's
// edit fields (each holds at most 32 K characters) and its field list.
// Room for all of these together, with a generous margin for what the user
// adds, keeps the copy within the buffer.
size_t ResultBufferSize(const DialogCall& call)
{
    std::string ini = call.ini;
    if (ini.empty())
        ProductPath(3, &ini);
    const size_t kUserMargin = 256 * 1024;
    return kUserMargin + call.name.size() + call.format.size() + call.limit.size() +
           static_cast<size_t>(FileSize(call.dataFile)) + static_cast<size_t>(FileSize(ini));
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
// module could not run it.
int RunDialog(const DialogCall& call, bool json)
{
    if (!SetCatalogueIni(call.ini))
        return 1;
    auto* decoder = static_cast<IVelorTrDcd*>(CreateComponent(CLSID_CDecodeTxLine, IID_IVelorTrDcd));
    if (!decoder)
        return 1;
    const size_t size = ResultBufferSize(call);
    std::vector<char> name(size, '\0'), format(size, '\0');
    const uint32_t result = decoder->EditFormatDialog(
        call.section.empty() ? nullptr : call.section.c_str(), call.name.c_str(), call.dataFile.c_str(),
        call.hasLimit ? call.limit.c_str() : nullptr, call.format.c_str(), call.given ? 1 : 0, call.variant ? 1 : 0,
        name.data(), format.data());
    ReleaseComponent(decoder);
    PrintResult(result == 0, json, name.data(), format.data());
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
    DialogCall call;
    call.section = o.Get("section", "");
    call.name = o.Get("name", "");
    call.dataFile = o.positional.empty() ? std::string() : o.positional[0];
    call.format = o.Get("format", "");
    call.limit = o.Get("limit", "");
    call.hasLimit = o.Has("limit");
    call.ini = o.Get("ini", "");
    call.given = o.Has("given");
    call.variant = o.Has("variant");
    return RunDialog(call, o.Get("output", "text") == "json");
}
