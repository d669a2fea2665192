// Per-character look-ups into the case table for narrow and wide text, so
// that the matching routines are written once for both widths.
#pragma once

#include "common/case_table.h"
#include "common/text_compare.h"

namespace textkeys {

inline unsigned Upper(const CTabVelkaMala& t, char c)
{
    return t.upperA[static_cast<unsigned char>(c)];
}
inline unsigned Upper(const CTabVelkaMala& t, WideChar c)
{
    return t.upperW[c];
}
inline unsigned Class(const CTabVelkaMala& t, char c)
{
    return t.classA[static_cast<unsigned char>(c)];
}
inline unsigned Class(const CTabVelkaMala& t, WideChar c)
{
    return t.classW[c];
}
inline unsigned Rank(const CTabVelkaMala& t, char c)
{
    return t.sortA[static_cast<unsigned char>(c)];
}
inline unsigned Rank(const CTabVelkaMala& t, WideChar c)
{
    return t.sortW[c];
}
inline unsigned RankNoCase(const CTabVelkaMala& t, char c)
{
    return t.sortNoCaseA[static_cast<unsigned char>(c)];
}
inline unsigned RankNoCase(const CTabVelkaMala& t, WideChar c)
{
    return t.sortNoCaseW[c];
}

template <class Ch>
size_t Length(const Ch* s)
{
    size_t n = 0;
    while (s[n])
        ++n;
    return n;
}

} // namespace textkeys
