// Native build: the file names of loaded modules. The program's own is
// /proc/self/exe; a shared object is found from an address inside it, which
// is what the native instance handle of the module is.
#include "platform/platform.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

bool ProgramPath(char (&path)[PATH_MAX])
{
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length < 0)
        return false;
    path[length] = '\0';
    return true;
}

bool ModulePath(HMODULE module, char (&path)[PATH_MAX])
{
    if (!module)
        return ProgramPath(path);
    Dl_info info;
    link_map* map = nullptr;
    if (!dladdr1(module, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) || !map || !map->l_name)
        return false;
    const char* name = map->l_name;
    if (!*name) // the program itself
        return ProgramPath(path);
    if (name[0] == '/' || !realpath(name, path)) {
        if (std::strlen(name) >= sizeof path)
            return false;
        std::strcpy(path, name);
    }
    return true;
}

} // namespace

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size)
{
    char path[PATH_MAX];
    if (!fileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!ModulePath(module, path)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    const size_t length = std::strlen(path);
    if (length < size) {
        std::memcpy(fileName, path, length + 1);
        return static_cast<DWORD>(length);
    }
    if (size > 0) {
        std::memcpy(fileName, path, size - 1);
        fileName[size - 1] = '\0';
    }
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}
