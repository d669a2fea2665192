// Suffix lists of the save-format dialog.
#include "dialogs/suffix_words.h"

#include "common/chars.h"
#include "formats/catalogue.h"

std::vector<CString> SuffixWords(const char* list)
{
    std::vector<CString> words;
    const char* at = list ? list : "";
    for (;;) {
        while (*at && IsBlank(*at))
            ++at;
        if (!*at)
            return words;
        const char* start = at;
        while (*at && !IsBlank(*at))
            ++at;
        words.emplace_back(start, static_cast<int>(at - start));
    }
}

bool SameSuffix(const char* a, const char* b)
{
    // b as a list of one word: the catalogue's own suffix comparison.
    return a && b && *b && MatchListWord(a, b, '\0') == 1;
}

CString SuffixListWithout(const char* list, const char* suffix)
{
    CString kept;
    for (const CString& word : SuffixWords(list)) {
        if (SameSuffix(word, suffix))
            continue;
        if (!kept.IsEmpty())
            kept += ' ';
        kept += word;
    }
    return kept;
}
