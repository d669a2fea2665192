// Native build: one registry root (a hive) in memory, the form in which the
// registry functions read and change a store file.
//
// A key is found by its path: names joined by single backslashes, no
// backslash at either end; the empty path is the hive's root key, which
// always exists. Names are compared after folding ASCII letters to lower
// case; every key keeps the spelling of its full path as it was created.
#pragma once

#include "platform/posix/types.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

struct RegistryValue {
    std::string name;  // as first set; empty for the key's default value
    DWORD type;
    std::string data;  // the value's bytes, exactly as set
};

struct RegistryKey {
    std::string path;  // full path in its spelling
    std::vector<RegistryValue> values;  // in the order they were first set

    std::string_view Name() const;  // the last name of the path
    const RegistryValue* FindValue(std::string_view name) const;
    // Sets a value; a value of that name keeps its first spelling.
    void SetValue(std::string_view name, DWORD type, std::string data);
    bool DeleteValue(std::string_view name);
};

enum class RegistryDeleteResult { Deleted, Missing, HasSubkeys, IsRoot };

class RegistryTree {
public:
    RegistryTree();

    const RegistryKey* Find(std::string_view path) const;
    RegistryKey* Find(std::string_view path);

    // Creates the key and any missing keys above it; created tells whether
    // the key itself was new. Returns the key.
    RegistryKey& Create(std::string_view path, bool* created);

    // Deletes a key that has no subkeys, with its values.
    RegistryDeleteResult Delete(std::string_view path);

    // The index-th direct subkey of path in enumeration order, or null.
    const RegistryKey* Subkey(std::string_view path, size_t index) const;

    // Every key, the root first, each before its subkeys.
    const std::map<std::string, RegistryKey>& Keys() const { return keys_; }

private:
    std::map<std::string, RegistryKey> keys_;  // by folded path
};

// Folds ASCII letters to lower case.
std::string RegistryFold(std::string_view text);
bool RegistryNamesEqual(std::string_view a, std::string_view b);
