// The module as the tool reaches it: loaded at run time from beside the
// executable, like any host loads it, and asked for its exports by name.
#pragma once

#include <string>

// Loads the module once; false with a description in *error when it cannot.
bool LoadModule(std::string* error);

// The address of an export of the loaded module, or null.
void* ModuleExport(const char* name);
