// Native build: the pieces of the Windows word sort that ICU's collator does
// not give by itself.
#pragma once

#include "platform/posix/types.h"

#include <string>

namespace velor_native {

// Collation rules, in ICU's syntax, that order the punctuation, symbols and
// accented letters of the central European code page as Windows does. They
// go before the language's own rules, which win where both speak.
std::u16string WindowsOrderRules();

// Apostrophes, hyphens, dashes and most control characters count for little
// in the Windows word sort: two strings that differ only in them compare by
// everything else first. Returns the character's weight among them (from
// 1), or 0 for every other character.
uint16_t WordSortSpecialWeight(WCHAR c);

} // namespace velor_native
