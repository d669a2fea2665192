// BLOCK chains (guarded alternatives) and the passing over of groups while
// skipping.
#pragma once

#include "counter/counter_names.h"

// BLOCK condition value [BLOCK condition value ...]: the value of the first
// section whose condition is not 0; the sections behind it are passed over.
// A false condition moves on to the next BLOCK of the same group, passing
// over literals and inner groups; the ")" that closes the group ends the
// chain with 0 (as does the end of the text).
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::BlockChain()
{
    for (;;) {
        const Value condition = Operand();
        if (Failed())
            return {0.0, false};
        if (skipDepth > 0) {
            Operand();
            PassSections();
            return {0.0, false};
        }
        if (condition.text) {
            Fail(kStatusKind);
            return {0.0, false};
        }
        if (condition.number != 0) {
            const Value value = Operand();
            if (!Failed())
                PassSections();
            return value;
        }
        bool found = false;
        position = NextBlock(position, &found);
        if (!found)
            return {0.0, false};
    }
}

// Passes over the BLOCK sections that follow, without evaluating them.
template <class Ch, class Str>
void CAtCounter0<Ch, Str>::PassSections()
{
    for (;;) {
        const Ch* p = BlanksEnd(position);
        if (!MatchWordAdvance("BLOCK", &p, 1))
            return;
        position = p;
        Skipped([this] {
            Operand();
            return Operand();
        });
        if (Failed())
            return;
    }
}

// From p to behind the next BLOCK word of the same group (found), or to the
// ")" that closes the group or the end of the text (not found).
template <class Ch, class Str>
const Ch* CAtCounter0<Ch, Str>::NextBlock(const Ch* p, bool* found)
{
    *found = false;
    int level = 0;
    Ch before = p[-1];
    while (*p) {
        const Ch c = *p;
        if (c == '"' || c == '\'') {
            const Ch* end = LiteralEnd(p);
            if (!end) {
                Fail(kStatusUnclosedText);
                while (*p)
                    ++p;
                return p;
            }
            p = end;
            before = c;
            continue;
        }
        if (c == '/' && (p[1] == '/' || p[1] == '*')) {
            p = BlanksEnd(p);
            before = ' ';
            continue;
        }
        if (c == '(') {
            ++level;
        } else if (c == ')') {
            if (level == 0)
                return p;
            --level;
        } else if (level == 0 && !IsWordChar(before, 1) && MatchWordNoCase("BLOCK", p, 1)) {
            *found = true;
            return p + 5;
        }
        before = c;
        ++p;
    }
    return p;
}

// Passes over the group at the position by counting "(" and ")", jumping
// over literals.
template <class Ch, class Str>
void CAtCounter0<Ch, Str>::PassGroup()
{
    int level = 0;
    const Ch* p = position;
    while (*p) {
        if (*p == '"' || *p == '\'') {
            const Ch* end = LiteralEnd(p);
            if (!end)
                break;
            p = end;
            continue;
        }
        if (*p == '(') {
            ++level;
        } else if (*p == ')' && --level == 0) {
            position = p + 1;
            return;
        }
        ++p;
    }
    position = p;
    Fail(*p ? kStatusUnclosedText : kStatusParenthesis);
}
