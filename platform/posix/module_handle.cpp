// Native build: GetModuleHandleA. The program is found for a null name; a
// shared object by its file name, where "NAME.dll" also finds "libNAME.so"
// (the native name of the system's module).
#include "platform/platform.h"

#include <link.h>
#include <strings.h>
#include <sys/auxv.h>

#include <string>

namespace {

struct Search {
    std::string wanted[2];
    void* found;
};

std::string BaseName(const char* path)
{
    const std::string text = path ? path : "";
    const size_t slash = text.find_last_of("/\\");
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

int Visit(dl_phdr_info* info, size_t, void* data)
{
    auto* search = static_cast<Search*>(data);
    const std::string name = BaseName(info->dlpi_name);
    if (name.empty())
        return 0;
    for (const std::string& wanted : search->wanted)
        if (!wanted.empty() && strcasecmp(name.c_str(), wanted.c_str()) == 0) {
            for (int i = 0; i < info->dlpi_phnum; ++i)
                if (info->dlpi_phdr[i].p_type == PT_LOAD) {
                    search->found = reinterpret_cast<void*>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
                    return 1;
                }
        }
    return 0;
}

} // namespace

HMODULE GetModuleHandleA(LPCSTR name)
{
    if (!name) // an address inside the program's own image
        return reinterpret_cast<HMODULE>(getauxval(AT_PHDR));
    Search search = {{BaseName(name), std::string()}, nullptr};
    const std::string& base = search.wanted[0];
    if (base.size() > 4 && strcasecmp(base.c_str() + base.size() - 4, ".dll") == 0)
        search.wanted[1] = "lib" + base.substr(0, base.size() - 4) + ".so";
    dl_iterate_phdr(&Visit, &search);
    if (!search.found)
        SetLastError(ERROR_MOD_NOT_FOUND);
    return reinterpret_cast<HMODULE>(search.found);
}
