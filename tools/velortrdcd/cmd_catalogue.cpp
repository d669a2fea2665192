// velortrdcd catalogue: the named point-file formats of the product's ini
// file (or of the file given by --ini) listed, looked up, added, removed,
// and a data file's own ".fmt" line detected.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/format_check.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/text_codec.h"

namespace {

struct CatalogueCall {
    std::string section; // empty: the module's default
    bool json = false;
    std::vector<std::string> words; // after the action
    std::string ini;                // empty: the product's ini file
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

int Show(const CatalogueCall& call)
{
    const std::string& name = call.words[0];
    CatalogueEntryTexts entry{name, "", "", ""};
    bool found = false;
    std::string* texts[] = {&entry.format, &entry.description, &entry.suffixes};
    for (int which = 0; which < 3; ++which)
        if (!CatalogueText(call.section, name, which, texts[which], &found))
            return 1;
    if (!found)
        return Fail("no format " + AnsiToUtf8(name.c_str()) + " in the catalogue");
    if (call.json) {
        JsonWriter json;
        WriteEntryJson(json, entry);
        Out(json.str() + "\n");
    } else {
        Out(EntryLine(entry));
    }
    return 0;
}

int Suffix(const CatalogueCall& call)
{
    std::string name;
    if (!CatalogueSuffixOwner(call.section, call.words[0], &name))
        return 1;
    if (call.json) {
        JsonWriter json;
        json.BeginObject().Key("suffix").Text(call.words[0].c_str()).Key("name").Text(name.c_str()).EndObject();
        Out(json.str() + "\n");
    } else if (!name.empty()) {
        Out(AnsiToUtf8(name.c_str()) + "\n");
    }
    return !name.empty() ? 0 : Fail("no format for the suffix " + AnsiToUtf8(call.words[0].c_str()));
}

// The file's own ".fmt" line in its normal form; without one, that none was
// found and no format. A line that does not read is said with where it stops.
int Detect(const CatalogueCall& call, IVelorTrDcd* decoder)
{
    const std::string& path = call.words[0];
    std::string line, normal;
    int lineNumber = 0;
    const int found = FileFormatLine(path, &line, &lineNumber);
    if (found == -1)
        return Fail("cannot open " + AnsiToUtf8(path.c_str()));
    if (found < -1)
        return 1;
    PointFormat* model = found == 1 ? NewPointFormat() : nullptr;
    const bool reads = model && CheckFormat(decoder, model, line,
                                            "the \".fmt\" line (line " + std::to_string(lineNumber) + ") of " +
                                                AnsiToUtf8(path.c_str()) + ": ");
    if (reads)
        PrintFormat(model, &normal);
    if (model)
        DeletePointFormat(model);
    if (found == 1 && !reads)
        return kExitBadFormat;
    if (call.json) {
        JsonWriter json;
        json.BeginObject().Key("found").Bool(found == 1);
        if (found == 1)
            json.Key("line").Integer(lineNumber).Key("format").Text(normal.c_str());
        Out(json.EndObject().str() + "\n");
    } else if (found == 1) {
        Out("found\tyes\nline\t" + std::to_string(lineNumber) + "\nformat\t" + AnsiToUtf8(normal.c_str()) + "\n");
    } else {
        Out("found\tno\n");
    }
    return 0;
}

// The ini file and section a message names.
std::string Where(const CatalogueCall& call)
{
    const std::string section = call.section.empty() ? "SectFmtPoi" : call.section;
    return "section [" + AnsiToUtf8(section.c_str()) + "] of " +
           (call.ini.empty() ? std::string("the product's ini file") : call.ini);
}

// The module's answer to a put or remove as an exit code.
int Changed(int result, const CatalogueCall& call)
{
    const std::string name = AnsiToUtf8(call.words[0].c_str());
    switch (result) {
    case 0: return 0;
    case 1: return Fail("the name " + name + " cannot be kept in the ini file: it must not be empty, hold '=', "
                        "'@', a line break or blanks at either end, or begin with '[' or ';'");
    case 2: return Fail("no format " + name + " in the catalogue");
    case 3: return Fail("the " + Where(call) + " could not be written (read-only, not a regular file, or no "
                        "access); nothing was changed");
    case 4: return Fail("the " + Where(call) + " holds more than 32767 formats, more than a catalogue reads, "
                        "so it is never written back (that would drop the others); nothing was changed");
    case 5: return Fail("the format, description and suffixes of " + name + " must not hold a line break "
                        "(CR or LF); nothing was changed");
    case 6: return Fail("the catalogue is full (32767 formats); " + name + " was not added");
    default: return 1;
    }
}

int Put(const CatalogueCall& call, const ParsedOptions& o, IVelorTrDcd* decoder)
{
    const std::string& format = call.words[1];
    if (!CheckFormat(decoder, format, ""))
        return kExitBadFormat;
    const std::string info = o.Get("info", ""), ext = o.Get("ext", "");
    return Changed(PutCatalogueEntry(call.section, call.words[0], format, o.Has("info") ? &info : nullptr,
                                     o.Has("ext") ? &ext : nullptr),
                   call);
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
        return Changed(RemoveCatalogueEntry(call.section, call.words[0]), call);
    IVelorTrDcd* decoder = NewDecoder();
    if (!decoder)
        return 1;
    const int code = action == "show" ? Show(call)
                   : action == "suffix" ? Suffix(call)
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
                       std::vector<std::string>(o.positional.begin() + 1, o.positional.end()), o.Get("ini", "")};
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
