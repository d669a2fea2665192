// The components and the module's extra exports, as the commands use them.
#include "tools/velortrdcd/host.h"

#include "tools/velortrdcd/module_loader.h"
#include "tools/velortrdcd/text_codec.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

typedef HRESULT(WINAPI* GetClassObjectFn)(REFCLSID, REFIID, LPVOID*);
typedef void (*SetAnswererFn)(UnknownCommandAnswerer, void*);
typedef void (*SetResponderFn)(MessageBoxResponder, void*);
typedef PointRecord* (*NewRecordFn)();
typedef void (*RecordFn)(PointRecord*);
typedef PointFormat* (*NewFormatFn)();
typedef void (*FormatFn)(PointFormat*);
typedef void (*FromDtmExFn)(double*, double*, double, double, short);
typedef uint32_t (*GetTextFn)(int32_t, char*, uint32_t);
typedef int32_t (*GetLanguageFn)(char*, uint32_t);
typedef uint32_t (*LanguageSettingFn)(char*, uint32_t);
typedef void (*SetCatalogueIniFn)(const char*);
typedef uint32_t (*ListCatalogueFn)(const char*, char*, uint32_t);
typedef int32_t (*PutCatalogueFn)(const char*, const char*, const char*, const char*, const char*);
typedef int32_t (*RemoveCatalogueFn)(const char*, const char*);
typedef uint32_t (*PrintFormatFn)(const PointFormat*, char*, uint32_t);
typedef uint32_t (*FileFormatLineFn)(const char*, int32_t*, char*, uint32_t);
typedef uint32_t (*CatalogueTextFn)(const char*, const char*, int32_t, int32_t*, char*, uint32_t);
typedef uint32_t (*SuffixOwnerFn)(const char*, const char*, char*, uint32_t);
struct DialogResult;
typedef DialogResult* (*RunDialogFn)(const char*, const char*, const char*, const char*, const char*, uint8_t,
                                     uint8_t);
typedef uint32_t (*DialogTextFn)(const DialogResult*, int32_t, char*, uint32_t);
typedef void (*FreeDialogFn)(DialogResult*);
struct GuessObject;
typedef GuessObject* (*GuessFn)(const char*, int32_t*);
typedef int32_t (*GuessFactsFn)(const GuessObject*, VelorFormatGuessFacts*);
typedef int32_t (*GuessColumnFn)(const GuessObject*, uint32_t, int32_t*, int32_t*);
typedef uint32_t (*GuessTextFn)(const GuessObject*, int32_t, uint32_t, char*, uint32_t);
typedef void (*FreeGuessFn)(GuessObject*);

// The export of the given name, loading the module when needed.
template <class F>
F Export(const char* name)
{
    std::string error;
    if (!LoadModule(&error)) {
        std::fprintf(stderr, "velortrdcd: %s\n", error.c_str());
        return nullptr;
    }
    F f = reinterpret_cast<F>(ModuleExport(name));
    if (!f)
        std::fprintf(stderr, "velortrdcd: the module has no export %s\n", name);
    return f;
}

// A section argument for the module: null for the default one.
const char* SectionArgument(const std::string& section)
{
    return section.empty() ? nullptr : section.c_str();
}

// The texts of a block of NUL-ended texts, four an entry.
std::vector<CatalogueEntryTexts> EntriesOfBlock(const std::vector<char>& block)
{
    std::vector<CatalogueEntryTexts> entries;
    std::string texts[4];
    size_t at = 0;
    while (at < block.size() && block[at] != '\0') {
        for (std::string& text : texts) {
            text.assign(block.data() + at);
            at += text.size() + 1;
        }
        entries.push_back({texts[0], texts[1], texts[2], texts[3]});
    }
    return entries;
}

// A text fetched in two calls: fetch(null, 0) gives the length, then a
// buffer one longer receives it. The text may have grown in between (a file
// written meanwhile): then the call is repeated with the new length.
template <class Fetch>
std::string WholeText(Fetch fetch)
{
    std::vector<char> buffer;
    for (uint32_t length = fetch(nullptr, 0); buffer.size() <= length;) {
        buffer.assign(static_cast<size_t>(length) + 1, '\0');
        length = fetch(buffer.data(), static_cast<uint32_t>(buffer.size()));
        if (length < buffer.size())
            return std::string(buffer.data(), length);
    }
    return std::string();
}

// The module's message boxes as lines on stderr, in UTF-8 like every other
// output of the tool; a box without a caption shows its text alone.
int ResponderToStderr(void*, HWND, const char* text, const char* caption, UINT, DWORD)
{
    std::string line = "velortrdcd: ";
    if (caption && *caption)
        line += AnsiToUtf8(caption) + ": ";
    WriteText(stderr, line + AnsiToUtf8(text ? text : "") + "\n");
    return IDOK;
}

} // namespace

IUnknown* CreateComponent(REFCLSID clsid, REFIID iid)
{
    const auto get = Export<GetClassObjectFn>("DllGetClassObject");
    if (!get)
        return nullptr;
    IClassFactory* factory = nullptr;
    if (get(clsid, IID_IClassFactory, reinterpret_cast<LPVOID*>(&factory)) != S_OK || !factory) {
        std::fprintf(stderr, "velortrdcd: the module has no such class\n");
        return nullptr;
    }
    IUnknown* object = nullptr;
    if (factory->CreateInstance(nullptr, iid, reinterpret_cast<void**>(&object)) != S_OK)
        object = nullptr;
    factory->Release();
    if (!object)
        std::fprintf(stderr, "velortrdcd: the component could not be made\n");
    return object;
}

bool RouteMessageBoxesToStderr()
{
    const auto set = Export<SetResponderFn>("VelorSetMessageBoxResponder");
    if (set)
        set(ResponderToStderr, nullptr);
    return set != nullptr;
}

bool SetUnknownAnswerer(UnknownCommandAnswerer answerer, void* context)
{
    const auto set = Export<SetAnswererFn>("VelorSetUnknownCommandAnswerer");
    if (set)
        set(answerer, context);
    return set != nullptr;
}

PointRecord* NewPointRecord()
{
    const auto make = Export<NewRecordFn>("VelorNewPointRecord");
    return make ? make() : nullptr;
}

void ClearPointRecord(PointRecord* record)
{
    if (const auto clear = Export<RecordFn>("VelorClearPointRecord"))
        clear(record);
}

void DeletePointRecord(PointRecord* record)
{
    if (const auto destroy = Export<RecordFn>("VelorDeletePointRecord"))
        destroy(record);
}

PointFormat* NewPointFormat()
{
    const auto make = Export<NewFormatFn>("VelorNewPointFormat");
    return make ? make() : nullptr;
}

void DeletePointFormat(PointFormat* model)
{
    if (const auto destroy = Export<FormatFn>("VelorDeletePointFormat"))
        destroy(model);
}

bool CallFromDtmEx(double* outX, double* outY, double x, double y, short system)
{
    const auto convert = Export<FromDtmExFn>("FromDtmEx");
    if (convert)
        convert(outX, outY, x, y, system);
    return convert != nullptr;
}

bool ProductPath(int which, std::string* path)
{
    const auto get = Export<GetTextFn>("VelorGetProductPath");
    if (!get)
        return false;
    path->assign(get(which, nullptr, 0), '\0');
    std::vector<char> buffer(path->size() + 1);
    get(which, buffer.data(), static_cast<uint32_t>(buffer.size()));
    path->assign(buffer.data());
    return true;
}

bool LanguageSetting(std::string* setting, int* index)
{
    const auto get = Export<GetLanguageFn>("VelorGetLanguage");
    const auto text = Export<LanguageSettingFn>("VelorLanguageSetting");
    if (!get || !text)
        return false;
    *index = get(nullptr, 0);
    *setting = WholeText(text);
    return true;
}

bool SetCatalogueIni(const std::string& path)
{
    const auto set = Export<SetCatalogueIniFn>("VelorSetCatalogueIni");
    if (set)
        set(path.empty() ? nullptr : path.c_str());
    return set != nullptr;
}

bool ListCatalogue(const std::string& section, std::vector<CatalogueEntryTexts>* entries)
{
    const auto list = Export<ListCatalogueFn>("VelorCatalogueList");
    if (!list)
        return false;
    std::vector<char> block;
    for (uint32_t size = list(SectionArgument(section), nullptr, 0); block.size() < size;) {
        block.assign(size, '\0');
        size = list(SectionArgument(section), block.data(), size); // the file may have grown
    }
    *entries = EntriesOfBlock(block);
    return true;
}

int PutCatalogueEntry(const std::string& section, const std::string& name, const std::string& format,
                      const std::string* description, const std::string* suffixes)
{
    const auto put = Export<PutCatalogueFn>("VelorCataloguePut");
    if (!put)
        return -1;
    return put(SectionArgument(section), name.c_str(), format.c_str(), description ? description->c_str() : nullptr,
               suffixes ? suffixes->c_str() : nullptr);
}

int RemoveCatalogueEntry(const std::string& section, const std::string& name)
{
    const auto remove = Export<RemoveCatalogueFn>("VelorCatalogueRemove");
    return remove ? remove(SectionArgument(section), name.c_str()) : -1;
}

bool PrintFormat(const PointFormat* model, std::string* text)
{
    const auto print = Export<PrintFormatFn>("VelorPrintFormat");
    if (print)
        *text = WholeText([&](char* out, uint32_t size) { return print(model, out, size); });
    return print != nullptr;
}

int FileFormatLine(const std::string& path, std::string* text, int* lineNumber)
{
    const auto get = Export<FileFormatLineFn>("VelorFileFormatLine");
    if (!get)
        return -2;
    int32_t found = 0;
    *text = WholeText([&](char* out, uint32_t size) { return get(path.c_str(), &found, out, size); });
    *lineNumber = found > 0 ? found : 0;
    return found > 0 ? 1 : found;
}

bool CatalogueText(const std::string& section, const std::string& name, int which, std::string* text, bool* found)
{
    const auto get = Export<CatalogueTextFn>("VelorCatalogueText");
    if (!get)
        return false;
    int32_t there = 0;
    *text = WholeText([&](char* out, uint32_t size) {
        return get(SectionArgument(section), name.c_str(), which, &there, out, size);
    });
    *found = there == 1;
    return true;
}

bool CatalogueSuffixOwner(const std::string& section, const std::string& suffix, std::string* name)
{
    const auto get = Export<SuffixOwnerFn>("VelorCatalogueSuffixOwner");
    if (get)
        *name = WholeText([&](char* out, uint32_t size) {
            return get(SectionArgument(section), suffix.c_str(), out, size);
        });
    return get != nullptr;
}

int EditFormatInDialog(const FormatDialogCall& call, std::string* name, std::string* format)
{
    const auto run = Export<RunDialogFn>("VelorRunFormatDialog");
    const auto text = Export<DialogTextFn>("VelorFormatDialogText");
    const auto free = Export<FreeDialogFn>("VelorFreeFormatDialogResult");
    if (!run || !text || !free)
        return -1;
    DialogResult* result = run(SectionArgument(call.section), call.name.c_str(), call.dataFile.c_str(),
                               call.hasLimit ? call.limit.c_str() : nullptr, call.format.c_str(), call.given ? 1 : 0,
                               call.variant ? 1 : 0);
    if (!result)
        return 1;
    *name = WholeText([&](char* out, uint32_t size) { return text(result, 0, out, size); });
    *format = WholeText([&](char* out, uint32_t size) { return text(result, 1, out, size); });
    free(result);
    return 0;
}

int GuessFormat(const std::string& path, FormatGuess* guess)
{
    const auto make = Export<GuessFn>("VelorGuessPointFormat");
    const auto facts = Export<GuessFactsFn>("VelorGuessFacts");
    const auto column = Export<GuessColumnFn>("VelorGuessColumn");
    const auto text = Export<GuessTextFn>("VelorGuessText");
    const auto free = Export<FreeGuessFn>("VelorFreeFormatGuess");
    if (!make || !facts || !column || !text || !free)
        return -2;
    int32_t result = -1;
    GuessObject* g = make(path.c_str(), &result);
    if (!g)
        return result == 1 ? 1 : -1;
    const auto fetch = [&](int32_t which, uint32_t index) {
        return WholeText([&](char* out, uint32_t size) { return text(g, which, index, out, size); });
    };
    facts(g, &guess->facts);
    guess->format = fetch(kGuessFormat, 0);
    guess->alternative = fetch(kGuessAlternative, 0);
    guess->warning = fetch(kGuessWarning, 0);
    guess->columns.assign(guess->facts.columns, FormatGuess::Column());
    for (uint32_t i = 0; i < guess->facts.columns; ++i) {
        int32_t field = 0, confidence = 0;
        column(g, i, &field, &confidence);
        guess->columns[i] = {field, confidence, fetch(kGuessColumnReason, i)};
    }
    for (uint32_t i = 0; i < guess->facts.notes; ++i)
        guess->notes.push_back(fetch(kGuessNote, i));
    free(g);
    return 0;
}
