// Native build: libVelorTrDcd.so from the executable's folder, through dlopen.
#include "tools/velortrdcd/module_loader.h"

#include "platform/platform.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

// The class-factory interface's id; a Windows host takes it from the system.
const IID IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace {

void* g_module = nullptr;

std::string ExecutableFolder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    std::string text(path, static_cast<size_t>(n));
    const size_t slash = text.rfind('/');
    return slash == std::string::npos ? "." : text.substr(0, slash);
}

} // namespace

bool LoadModule(std::string* error)
{
    if (g_module)
        return true;
    const std::string path = ExecutableFolder() + "/libVelorTrDcd.so";
    g_module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!g_module && error) {
        const char* why = dlerror();
        *error = why ? why : path;
    }
    return g_module != nullptr;
}

void* ModuleExport(const char* name)
{
    return g_module ? dlsym(g_module, name) : nullptr;
}
