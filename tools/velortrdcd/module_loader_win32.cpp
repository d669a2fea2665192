// Windows build: VelorTrDcd.dll from the executable's folder.
#include "tools/velortrdcd/module_loader.h"

#include <windows.h>

namespace {

HMODULE g_module = nullptr;

std::string ExecutableFolder()
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return ".";
    std::string text(path, n);
    const size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? "." : text.substr(0, slash);
}

} // namespace

bool LoadModule(std::string* error)
{
    if (g_module)
        return true;
    const std::string path = ExecutableFolder() + "\\VelorTrDcd.dll";
    g_module = LoadLibraryA(path.c_str());
    if (!g_module && error)
        *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return g_module != nullptr;
}

void* ModuleExport(const char* name)
{
    return g_module ? reinterpret_cast<void*>(GetProcAddress(g_module, name)) : nullptr;
}
