// Native build: the persistent store behind the registry functions.
//
// The store is a folder: the one named by the environment variable
// VELOR_REGISTRY, else "velor-registry" in $XDG_DATA_HOME, else in
// ~/.local/share. The variable is read on every call, so a process may move
// its store. Each hive is one text file there (HKEY_LOCAL_MACHINE.txt,
// HKEY_CURRENT_USER.txt, in the form of registry_text.h) with a lock file
// beside it (*.lock).
//
// Reads take no lock: a file is only ever replaced whole. A change holds an
// exclusive flock on the hive's lock file across read-modify-write: it reads
// the file anew under the lock, so no change of another process is lost,
// writes the new text to a temporary file, syncs it, renames it over the
// store file and syncs the folder. A process killed at any point leaves the
// old or the new store, and its lock goes with it.
//
// A store file that does not read back is renamed aside to
// "<file>.malformed-<date>-<pid>" (kept for whoever wants to repair it,
// never overwritten), and the hive then reads as empty.
#pragma once

#include "platform/posix/registry_tree.h"
#include "platform/posix/types.h"

#include <functional>
#include <string>

enum class RegistryHive { LocalMachine, CurrentUser };

std::string RegistryStoreDirectory();
std::string RegistryStoreFile(RegistryHive hive);

// Reads the hive as it is now: ERROR_SUCCESS, or ERROR_CANTREAD when the
// file is there but cannot be read.
LONG RegistryLoad(RegistryHive hive, RegistryTree& tree);

// Applies change to the hive under its lock. change returns the result of
// the call and sets changed when the tree is to be written back; a failed
// write gives ERROR_CANTWRITE.
using RegistryChange = std::function<LONG(RegistryTree& tree, bool& changed)>;
LONG RegistryUpdate(RegistryHive hive, const RegistryChange& change);
