#include "platform/posix/registry_handles.h"

#include "platform/posix/registry.h"

#include <map>
#include <mutex>
#include <utility>

namespace {

// Open handles are numbers from 0x1000 upwards in steps of 4, never reused
// within a process (so a stale handle is reported as invalid rather than
// reaching another key).
struct HandleTable {
    std::mutex lock;
    std::map<ULONG_PTR, RegistryHandle> entries;
    ULONG_PTR next = 0x1000;
};

HandleTable& Table()
{
    static HandleTable* table = new HandleTable;  // lives until the process ends
    return *table;
}

bool Predefined(HKEY key, RegistryHandle& out)
{
    out = RegistryHandle();
    out.access = KEY_ALL_ACCESS;
    out.predefined = true;
    if (key == HKEY_LOCAL_MACHINE) {
        out.hive = RegistryHive::LocalMachine;
    } else if (key == HKEY_CURRENT_USER) {
        out.hive = RegistryHive::CurrentUser;
    } else if (key == HKEY_CLASSES_ROOT) {
        out.hive = RegistryHive::LocalMachine;
        out.path = "Software\\Classes";
        out.classesRoot = true;
    } else {
        return false;
    }
    return true;
}

} // namespace

LONG RegistryResolve(HKEY key, RegistryHandle& out)
{
    if (Predefined(key, out))
        return ERROR_SUCCESS;
    HandleTable& table = Table();
    const std::lock_guard<std::mutex> guard(table.lock);
    const auto it = table.entries.find(reinterpret_cast<ULONG_PTR>(key));
    if (it == table.entries.end())
        return ERROR_INVALID_HANDLE;
    out = it->second;
    return ERROR_SUCCESS;
}

HKEY RegistryAddHandle(RegistryHandle handle)
{
    handle.predefined = false;
    handle.classesRoot = false;
    HandleTable& table = Table();
    const std::lock_guard<std::mutex> guard(table.lock);
    const ULONG_PTR value = table.next;
    table.next += 4;
    table.entries.emplace(value, std::move(handle));
    return reinterpret_cast<HKEY>(value);
}

LONG RegistryRemoveHandle(HKEY key)
{
    RegistryHandle unused;
    if (Predefined(key, unused))
        return ERROR_SUCCESS;
    HandleTable& table = Table();
    const std::lock_guard<std::mutex> guard(table.lock);
    return table.entries.erase(reinterpret_cast<ULONG_PTR>(key)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

REGSAM RegistryMapAccess(REGSAM desired)
{
    const REGSAM genericRead = 0x80000000u;
    const REGSAM genericWrite = 0x40000000u;
    const REGSAM genericExecute = 0x20000000u;
    const REGSAM genericAll = 0x10000000u;
    REGSAM granted = desired & 0x00FFFFFFu;  // specific and standard rights
    if (desired & (genericRead | genericExecute))
        granted |= KEY_READ;
    if (desired & genericWrite)
        granted |= KEY_WRITE;
    if (desired & (genericAll | MAXIMUM_ALLOWED))
        granted |= KEY_ALL_ACCESS;
    return granted;
}
