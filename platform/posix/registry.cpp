#include "platform/posix/registry.h"

#include "platform/posix/registry_handles.h"
#include "platform/posix/registry_store.h"

#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <utility>

namespace {

// Runs the body of a registry function; running out of memory is reported
// as Windows reports it, never thrown to the caller.
template <typename Body>
LSTATUS Guarded(Body&& body)
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return ERROR_INVALID_FUNCTION;
    }
}

// The path of subKey below the handle's key. Empty names (doubled or
// trailing backslashes) are skipped, as Windows does; a leading backslash is
// refused except on HKEY_CLASSES_ROOT itself.
LSTATUS JoinPath(const RegistryHandle& base, LPCSTR subKey, std::string& path)
{
    path = base.path;
    if (!subKey)
        return ERROR_SUCCESS;
    if (subKey[0] == '\\' && !base.classesRoot)
        return ERROR_BAD_PATHNAME;
    const char* p = subKey;
    while (*p) {
        const char* end = std::strchr(p, '\\');
        const size_t length = end ? static_cast<size_t>(end - p) : std::strlen(p);
        if (length) {
            if (!path.empty())
                path += '\\';
            path.append(p, length);
        }
        p += length;
        if (*p)
            ++p;
    }
    return ERROR_SUCCESS;
}

// Whether the handle's own key is still there.
LSTATUS CheckKey(const RegistryTree& tree, const RegistryHandle& handle)
{
    return handle.predefined || tree.Find(handle.path) ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

LSTATUS Resolve(HKEY key, REGSAM needed, RegistryHandle& handle)
{
    const LSTATUS result = RegistryResolve(key, handle);
    if (result != ERROR_SUCCESS)
        return result;
    return (handle.access & needed) == needed ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

bool IsText(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::string_view ValueName(LPCSTR name)
{
    return name ? std::string_view(name) : std::string_view();
}

// Copies a value out under the size rules of RegQueryValueExA.
LSTATUS CopyValue(const RegistryValue& value, LPDWORD type, LPBYTE data, LPDWORD size)
{
    if (type)
        *type = value.type;
    const auto needed = static_cast<DWORD>(value.data.size());
    if (data) {
        if (needed > *size) {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        std::memcpy(data, value.data.data(), needed);
        // Text stored without its NUL gets one when there is room for it.
        if (IsText(value.type) && needed < *size && (needed == 0 || data[needed - 1] != 0))
            data[needed] = 0;
    }
    if (size)
        *size = needed;
    return ERROR_SUCCESS;
}

// Resolves a handle and the path of its subkey.
LSTATUS ResolveSubkey(HKEY key, LPCSTR subKey, RegistryHandle& handle, std::string& path)
{
    const LSTATUS result = RegistryResolve(key, handle);
    return result == ERROR_SUCCESS ? JoinPath(handle, subKey, path) : result;
}

// Loads the hive of a handle whose key must still exist.
LSTATUS LoadHive(const RegistryHandle& handle, RegistryTree& tree)
{
    const LSTATUS result = RegistryLoad(handle.hive, tree);
    return result == ERROR_SUCCESS ? CheckKey(tree, handle) : result;
}

// Resolves a handle that needs the given access right and loads its hive.
LSTATUS LoadForReading(HKEY key, REGSAM needed, RegistryHandle& handle, RegistryTree& tree)
{
    const LSTATUS result = Resolve(key, needed, handle);
    return result == ERROR_SUCCESS ? LoadHive(handle, tree) : result;
}

} // namespace

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult)
{
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    return Guarded([&]() -> LSTATUS {
        RegistryHandle handle;
        LSTATUS result = RegistryResolve(hKey, handle);
        if (result != ERROR_SUCCESS)
            return result;
        if (handle.predefined && (!lpSubKey || !*lpSubKey)) {
            *phkResult = hKey;
            return ERROR_SUCCESS;
        }
        std::string path;
        if ((result = JoinPath(handle, lpSubKey, path)) != ERROR_SUCCESS)
            return result;
        RegistryTree tree;
        if ((result = LoadHive(handle, tree)) != ERROR_SUCCESS)
            return result;
        if (!tree.Find(path))
            return ERROR_FILE_NOT_FOUND;
        handle.path = std::move(path);
        handle.access = RegistryMapAccess(samDesired);
        *phkResult = RegistryAddHandle(std::move(handle));
        return ERROR_SUCCESS;
    });
}

LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR, DWORD, REGSAM samDesired,
                        const LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition)
{
    if (Reserved || !phkResult)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    return Guarded([&]() -> LSTATUS {
        RegistryHandle handle;
        std::string path;
        LSTATUS result = ResolveSubkey(hKey, lpSubKey, handle, path);
        if (result != ERROR_SUCCESS)
            return result;
        // Most calls find the key there already; those need no lock.
        RegistryTree tree;
        if ((result = LoadHive(handle, tree)) != ERROR_SUCCESS)
            return result;
        bool created = false;
        if (!tree.Find(path)) {
            result = RegistryUpdate(handle.hive, [&](RegistryTree& current, bool& changed) -> LONG {
                const LSTATUS there = CheckKey(current, handle);
                if (there == ERROR_SUCCESS)
                    current.Create(path, &created);
                changed = created;
                return there;
            });
            if (result != ERROR_SUCCESS)
                return result;
        }
        if (lpdwDisposition)
            *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
        handle.path = std::move(path);
        handle.access = RegistryMapAccess(samDesired);
        *phkResult = RegistryAddHandle(std::move(handle));
        return ERROR_SUCCESS;
    });
}

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                         LPDWORD lpcbData)
{
    if (lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    return Guarded([&]() -> LSTATUS {
        RegistryHandle handle;
        RegistryTree tree;
        const LSTATUS result = LoadForReading(hKey, KEY_QUERY_VALUE, handle, tree);
        if (result != ERROR_SUCCESS)
            return result;
        const RegistryKey* key = tree.Find(handle.path);
        const RegistryValue* value = key ? key->FindValue(ValueName(lpValueName)) : nullptr;
        if (!value)
            return ERROR_FILE_NOT_FOUND;
        return CopyValue(*value, lpType, lpData, lpcbData);
    });
}

LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    if (!lpData && cbData)
        return ERROR_NOACCESS;
    return Guarded([&]() -> LSTATUS {
        RegistryHandle handle;
        const LSTATUS result = Resolve(hKey, KEY_SET_VALUE, handle);
        if (result != ERROR_SUCCESS)
            return result;
        std::string data(reinterpret_cast<const char*>(lpData), lpData ? cbData : 0);
        return RegistryUpdate(handle.hive, [&](RegistryTree& tree, bool& changed) -> LONG {
            const LSTATUS there = CheckKey(tree, handle);
            if (there != ERROR_SUCCESS)
                return there;
            bool created = false;
            tree.Create(handle.path, &created).SetValue(ValueName(lpValueName), dwType, std::move(data));
            changed = true;
            return there;
        });
    });
}

LSTATUS RegDeleteValueA(HKEY hKey, LPCSTR lpValueName)
{
    return Guarded([&]() -> LSTATUS {
        RegistryHandle handle;
        const LSTATUS result = Resolve(hKey, KEY_SET_VALUE, handle);
        if (result != ERROR_SUCCESS)
            return result;
        return RegistryUpdate(handle.hive, [&](RegistryTree& tree, bool& changed) -> LONG {
            const LSTATUS there = CheckKey(tree, handle);
            if (there != ERROR_SUCCESS)
                return there;
            RegistryKey* key = tree.Find(handle.path);
            changed = key && key->DeleteValue(ValueName(lpValueName));
            return changed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
        });
    });
}

LSTATUS RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey)
{
    if (!lpSubKey)
        return ERROR_INVALID_PARAMETER;
    return Guarded([&]() -> LSTATUS {
        RegistryHandle handle;
        std::string path;
        LSTATUS result = ResolveSubkey(hKey, lpSubKey, handle, path);
        if (result != ERROR_SUCCESS)
            return result;
        if (handle.predefined && path == handle.path)
            return ERROR_ACCESS_DENIED;
        return RegistryUpdate(handle.hive, [&](RegistryTree& tree, bool& changed) -> LONG {
            const LSTATUS there = CheckKey(tree, handle);
            if (there != ERROR_SUCCESS)
                return there;
            switch (tree.Delete(path)) {
            case RegistryDeleteResult::Deleted:
                changed = true;
                return ERROR_SUCCESS;
            case RegistryDeleteResult::Missing:
                return ERROR_FILE_NOT_FOUND;
            default:
                return ERROR_ACCESS_DENIED;
            }
        });
    });
}

LSTATUS RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                      LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime)
{
    if (!lpcchName || lpReserved || (lpClass && !lpcchClass))
        return ERROR_INVALID_PARAMETER;
    return Guarded([&]() -> LSTATUS {
        RegistryHandle handle;
        RegistryTree tree;
        const LSTATUS result = LoadForReading(hKey, KEY_ENUMERATE_SUB_KEYS, handle, tree);
        if (result != ERROR_SUCCESS)
            return result;
        const RegistryKey* key = tree.Subkey(handle.path, dwIndex);
        if (!key)
            return ERROR_NO_MORE_ITEMS;
        // Names and classes count in characters; a too small buffer leaves
        // the count as it was.
        const std::string_view name = key->Name();
        if (name.size() >= *lpcchName || (lpClass && *lpcchClass == 0))
            return ERROR_MORE_DATA;
        if (!lpName)
            return ERROR_INVALID_PARAMETER;
        std::memcpy(lpName, name.data(), name.size());
        lpName[name.size()] = '\0';
        *lpcchName = static_cast<DWORD>(name.size());
        if (lpClass)
            lpClass[0] = '\0';
        if (lpcchClass)
            *lpcchClass = 0;
        if (lpftLastWriteTime)
            std::memset(lpftLastWriteTime, 0, 2 * sizeof(DWORD));  // no times are kept
        return ERROR_SUCCESS;
    });
}

LSTATUS RegCloseKey(HKEY hKey)
{
    return Guarded([&]() -> LSTATUS { return RegistryRemoveHandle(hKey); });
}
