// Native build: what the environment chooses for the character services.
#pragma once

#include "platform/posix/types.h"

#include <cstddef>

namespace velor_native {

// The code page that VELOR_ACP names, or 1250 when it is unset or no number.
UINT AnsiCodePageFromEnvironment();

// The language to collate for, from the first of LC_ALL, LC_COLLATE and LANG
// that is set ("cs_CZ.UTF-8" gives "cs"); "cs" when none names a language
// (unset, empty, "C" or "POSIX"). Always NUL-terminated within size bytes.
void CollationLanguageFromEnvironment(char* language, size_t size);

} // namespace velor_native
