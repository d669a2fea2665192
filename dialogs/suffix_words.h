// Suffix lists of the save-format dialog: words separated by blanks (any
// character of code 32 or below), compared without regard to case.
#pragma once

#include "platform/platform.h"

#include <vector>

// The words of list, in order.
std::vector<CString> SuffixWords(const char* list);
// Whether two suffixes are the same word without regard to case.
bool SameSuffix(const char* a, const char* b);
// The words of list that are not suffix, joined by one blank.
CString SuffixListWithout(const char* list, const char* suffix);
