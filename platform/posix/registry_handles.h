// Native build: the key handles of the registry functions. A handle is a
// number standing for an entry of a process-wide table; the entry names a
// hive, a key path in it and the rights the handle was opened with. The
// predefined keys are fixed entries that always exist.
#pragma once

#include "platform/posix/registry_store.h"
#include "platform/posix/types.h"

#include <string>

struct RegistryHandle {
    RegistryHive hive = RegistryHive::CurrentUser;
    std::string path;  // the key's path in the hive
    REGSAM access = 0;  // specific rights (generic ones mapped)
    bool predefined = false;  // a root: always there, never deleted
    bool classesRoot = false;  // HKEY_CLASSES_ROOT itself
};

// Finds the entry of a handle: ERROR_SUCCESS or ERROR_INVALID_HANDLE.
LONG RegistryResolve(HKEY key, RegistryHandle& out);

// Adds an entry and returns its new handle.
HKEY RegistryAddHandle(RegistryHandle handle);

// Removes an entry; closing a predefined key succeeds and changes nothing.
LONG RegistryRemoveHandle(HKEY key);

// The specific rights that a requested access mask grants.
REGSAM RegistryMapAccess(REGSAM desired);
