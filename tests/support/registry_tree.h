// Test support: removing a registry key with everything below it.
#pragma once

#include "platform/platform.h"

#include <string>

// Deletes the key with all its subkeys, first subkey first, as the system's
// own unregistration does. Returns the first error, ERROR_SUCCESS when done.
LONG DeleteTree(HKEY root, const std::string& path);
