// The one scanner for code that is passed over without being evaluated: the
// skipped group, the alternative of IF and IFS that is not chosen, and the
// search for the next BLOCK section. All three pass over literals, comments
// and inner groups in the same way.
#pragma once

#include "counter/counter_lexer-inl.h"

// Behind the literal that opens at p as a scan passes over it: an
// apostrophe, one character and an apostrophe is a character literal (the
// apostrophe itself among them); otherwise a literal closing with its own
// quote. Null when the text ends first.
template <class Ch, class Str>
const Ch* CAtCounter0<Ch, Str>::PassedLiteralEnd(const Ch* p)
{
    if (p[0] == '\'' && p[1] != 0 && p[2] == '\'')
        return p + 3;
    return LiteralEnd(p);
}

// code: { literal | comment | "(" code ")" | character }
// From p over literals, comments and inner groups to the first character at
// parenthesis level 0 that found accepts (kFound), to a ")" that closes no
// group of the scan (kClose) or to the end of the text (kEnd, or kOpenLiteral
// when a literal is still open there). Returns the position reached.
template <class Ch, class Str>
template <class Found>
const Ch* CAtCounter0<Ch, Str>::PassCode(const Ch* p, Found found, ScanStop* stop)
{
    int level = 0; // cannot pass the length of the text
    while (*p) {
        const Ch c = *p;
        if (c == '"' || c == '\'') {
            const Ch* end = PassedLiteralEnd(p);
            if (!end) {
                while (*p)
                    ++p;
                *stop = ScanStop::kOpenLiteral;
                return p;
            }
            p = end;
            continue;
        }
        if (c == '/' && (p[1] == '/' || p[1] == '*')) {
            p = BlanksEnd(p);
            continue;
        }
        if (c == ')') {
            if (level == 0) {
                *stop = ScanStop::kClose;
                return p;
            }
            --level;
        } else if (c == '(') {
            ++level;
        } else if (level == 0 && found(p)) {
            *stop = ScanStop::kFound;
            return p;
        }
        ++p;
    }
    *stop = ScanStop::kEnd;
    return p;
}
