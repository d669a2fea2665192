// The components and the module's extra exports, as the commands use them.
#include "tools/velortrdcd/host.h"

#include "tools/velortrdcd/module_loader.h"

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

int ResponderToStderr(void*, HWND, const char* text, const char* caption, UINT, DWORD)
{
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
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
    if (!get)
        return false;
    char code[256];
    *index = get(code, sizeof code);
    setting->assign(code);
    return true;
}
