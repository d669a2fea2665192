// velortrdcd catalogue: the named point-file formats of the product's ini
// file (or of the file given by --ini) listed, looked up, added, removed,
// and a data file's own ".fmt" line detected.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/text_codec.h"

#include <fstream>

namespace {

struct CatalogueCall {
    std::string section; // empty: the module's default
    bool json = false;
    std::vector<std::string> words; // after the action
};

int Fail(const std::string& message)
{
    WriteText(stderr, "velortrdcd: " + message + "\n");
    return 1;
}

IVelorTrDcd* NewDecoder()
{
    return static_cast<IVelorTrDcd*>(CreateComponent(CLSID_CDecodeTxLine, IID_IVelorTrDcd));
}

void WriteEntryJson(JsonWriter& json, const CatalogueEntryTexts& entry)
{
    json.BeginObject().Key("name").Text(entry.name.c_str()).Key("format").Text(entry.format.c_str());
    json.Key("description").Text(entry.description.c_str()).Key("suffixes").Text(entry.suffixes.c_str());
    json.EndObject();
}

std::string EntryLine(const CatalogueEntryTexts& entry)
{
    return AnsiToUtf8(entry.name.c_str()) + "\t" + AnsiToUtf8(entry.format.c_str()) + "\t" +
           AnsiToUtf8(entry.description.c_str()) + "\t" + AnsiToUtf8(entry.suffixes.c_str()) + "\n";
}

int List(const CatalogueCall& call)
{
    std::vector<CatalogueEntryTexts> entries;
    if (!ListCatalogue(call.section, &entries))
        return 1;
    if (call.json) {
        JsonWriter json;
        json.BeginObject().Key("entries").BeginArray();
        for (const CatalogueEntryTexts& entry : entries)
            WriteEntryJson(json, entry);
        Out(json.EndArray().EndObject().str() + "\n");
        return 0;
    }
    std::string text;
    for (const CatalogueEntryTexts& entry : entries)
        text += EntryLine(entry);
    Out(text);
    return 0;
}

int Show(const CatalogueCall& call, IVelorTrDcd* decoder)
{
    char format[256], description[256], suffixes[256];
    const std::string& name = call.words[0];
    if (decoder->GetFormatEntry(call.section.empty() ? nullptr : call.section.c_str(), name.c_str(), format,
                                description, suffixes) != 0)
        return Fail("no format " + AnsiToUtf8(name.c_str()) + " in the catalogue");
    const CatalogueEntryTexts entry{name, format, description, suffixes};
    if (call.json) {
        JsonWriter json;
        WriteEntryJson(json, entry);
        Out(json.str() + "\n");
    } else {
        Out(EntryLine(entry));
    }
    return 0;
}

int Suffix(const CatalogueCall& call, IVelorTrDcd* decoder)
{
    char name[256];
    decoder->GetFormatForSuffix(call.section.empty() ? nullptr : call.section.c_str(), call.words[0].c_str(), name);
    if (call.json) {
        JsonWriter json;
        json.BeginObject().Key("suffix").Text(call.words[0].c_str()).Key("name").Text(name).EndObject();
        Out(json.str() + "\n");
    } else if (name[0]) {
        Out(AnsiToUtf8(name) + "\n");
    }
    return name[0] ? 0 : Fail("no format for the suffix " + AnsiToUtf8(call.words[0].c_str()));
}

// The printed form of a file's format is never much longer than the file.
size_t FormatBufferSize(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    return 65536 + static_cast<size_t>(size > 0 ? size : 0);
}

int Detect(const CatalogueCall& call, IVelorTrDcd* decoder)
{
    const std::string& path = call.words[0];
    std::vector<char> format(FormatBufferSize(path), '\0');
    uint32_t found = 0;
    if (decoder->DetectFileFormat(path.c_str(), format.data(), &found, 0) != 0)
        return Fail("cannot open " + AnsiToUtf8(path.c_str()));
    if (call.json) {
        JsonWriter json;
        json.BeginObject().Key("found").Bool(found != 0).Key("format").Text(format.data()).EndObject();
        Out(json.str() + "\n");
    } else {
        Out(std::string("found\t") + (found ? "yes" : "no") + "\nformat\t" + AnsiToUtf8(format.data()) + "\n");
    }
    return 0;
}

// The module's answer to a put or remove as an exit code.
int Changed(int result, const std::string& name)
{
    switch (result) {
    case 0: return 0;
    case 1: return Fail("the name " + AnsiToUtf8(name.c_str()) + " cannot be kept in the ini file, or the "
                        "catalogue is full");
    case 2: return Fail("no format " + AnsiToUtf8(name.c_str()) + " in the catalogue");
    case 3: return Fail("the ini file could not be written");
    default: return 1;
    }
}

int Put(const CatalogueCall& call, const ParsedOptions& o, IVelorTrDcd* decoder)
{
    const std::string& format = call.words[1];
    PointFormat* model = NewPointFormat();
    if (!model)
        return 1;
    uint32_t result = 1, stop = 0;
    decoder->ParseFormat(model, format.c_str(), &result, &stop);
    DeletePointFormat(model);
    if (result != 0)
        return Fail("the format does not read, at offset " + std::to_string(stop) + ": " + AnsiToUtf8(format.c_str()));
    const std::string info = o.Get("info", ""), ext = o.Get("ext", "");
    return Changed(PutCatalogueEntry(call.section, call.words[0], format, o.Has("info") ? &info : nullptr,
                                     o.Has("ext") ? &ext : nullptr),
                   call.words[0]);
}

struct Action {
    const char* name;
    size_t words;
};
const Action kActions[] = {{"list", 0}, {"show", 1}, {"suffix", 1}, {"put", 2}, {"remove", 1}, {"detect", 1}};

int Run(const std::string& action, const CatalogueCall& call, const ParsedOptions& o)
{
    if (action == "list")
        return List(call);
    if (action == "remove")
        return Changed(RemoveCatalogueEntry(call.section, call.words[0]), call.words[0]);
    IVelorTrDcd* decoder = NewDecoder();
    if (!decoder)
        return 1;
    const int code = action == "show" ? Show(call, decoder)
                   : action == "suffix" ? Suffix(call, decoder)
                   : action == "put" ? Put(call, o, decoder)
                                      : Detect(call, decoder);
    ReleaseComponent(decoder);
    return code;
}

} // namespace

int RunCatalogue(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(
        args, {{"section", true}, {"ini", true}, {"output", true}, {"info", true}, {"ext", true}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    const std::string output = o.Get("output", "text");
    if (output != "text" && output != "json")
        return UsageError("--output is text or json", usage);
    if (o.positional.empty())
        return UsageError("catalogue takes an action", usage);
    const std::string action = o.positional[0];
    CatalogueCall call{o.Get("section", ""), output == "json",
                       std::vector<std::string>(o.positional.begin() + 1, o.positional.end())};
    bool known = false;
    for (const Action& a : kActions)
        if (action == a.name) {
            if (call.words.size() != a.words)
                return UsageError("catalogue " + action + " takes " + std::to_string(a.words) + " argument(s)", usage);
            known = true;
        }
    if (!known)
        return UsageError("unknown catalogue action " + action, usage);
    if ((o.Has("info") || o.Has("ext")) && action != "put")
        return UsageError("--info and --ext go with put", usage);
    if (!RouteMessageBoxesToStderr() || !SetCatalogueIni(o.Get("ini", "")))
        return 1;
    return Run(action, call, o);
}
