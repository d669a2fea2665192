// Wildcard matching: '*' stands for any run of characters, possibly empty.
//
// The pattern is taken as literal segments between stars. The segment before
// the first star must stand at the start of the text and the one after the
// last star at its end; every segment in between is matched at its leftmost
// place after the previous one, which finds a match whenever one exists, so
// the text is scanned forward only once per star.
#include "common/text_compare.h"
#include "common/text_keys.h"

using namespace textkeys;

namespace {

template <class Ch, class KeyOf>
bool SegmentAt(const Ch* text, const Ch* segment, size_t length, KeyOf key)
{
    for (size_t i = 0; i < length; ++i) {
        if (!text[i] || key(text[i]) != key(segment[i]))
            return false;
    }
    return true;
}

template <class Ch>
size_t SegmentLength(const Ch* pattern)
{
    size_t n = 0;
    while (pattern[n] && pattern[n] != '*')
        ++n;
    return n;
}

template <class Ch, class KeyOf>
int Match(const Ch* text, const Ch* pattern, KeyOf key)
{
    if (!*text)
        return 1;
    size_t length = SegmentLength(pattern);
    if (!SegmentAt(text, pattern, length, key))
        return 1;
    text += length;
    pattern += length;
    if (!*pattern)
        return *text ? 1 : 0;

    size_t rest = Length(text);
    for (;;) {
        while (*pattern == '*')
            ++pattern;
        if (!*pattern)
            return 0;
        length = SegmentLength(pattern);
        if (!pattern[length]) // the last segment ends the text
            return rest >= length && SegmentAt(text + rest - length, pattern, length, key) ? 0 : 1;
        while (rest >= length && !SegmentAt(text, pattern, length, key)) {
            ++text;
            --rest;
        }
        if (rest < length)
            return 1;
        text += length;
        rest -= length;
        pattern += length;
    }
}

} // namespace

int WildMatch(const char* text, const char* pattern, bool useMap, const unsigned char* map)
{
    if (useMap && map)
        return Match(text, pattern, [map](char c) { return static_cast<unsigned>(map[static_cast<unsigned char>(c)]); });
    return Match(text, pattern, [](char c) { return static_cast<unsigned>(static_cast<unsigned char>(c)); });
}

int WildMatchNoCase(const char* text, const char* pattern)
{
    return WildMatch(text, pattern, true, GetCaseTable()->upperA);
}

int WildMatchNoCase(const WideChar* text, const WideChar* pattern)
{
    const CTabVelkaMala& t = *GetCaseTable();
    return Match(text, pattern, [&t](WideChar c) { return Upper(t, c); });
}
