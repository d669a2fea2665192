// BLOCK chains (guarded alternatives) and the passing over of groups while
// skipping.
#pragma once

#include "counter/counter_names-inl.h"
#include "counter/counter_scan-inl.h"

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
// ")" that closes the group or the end of the text (not found). A BLOCK
// counts as a whole word: the character before it is no word character (a
// literal's closing quote and a comment's end are none).
template <class Ch, class Str>
const Ch* CAtCounter0<Ch, Str>::NextBlock(const Ch* p, bool* found)
{
    ScanStop stop;
    const Ch* at = PassCode(
        p, [](const Ch* q) { return !IsWordChar(q[-1], 1) && MatchWordNoCase("BLOCK", q, 1); }, &stop);
    *found = stop == ScanStop::kFound;
    if (stop == ScanStop::kOpenLiteral)
        Fail(kStatusUnclosedText);
    return *found ? at + 5 : at;
}

// "(" code ")": passes over the group at the position without evaluating it;
// a group or literal left open takes the rest of the text.
template <class Ch, class Str>
void CAtCounter0<Ch, Str>::PassGroup()
{
    ScanStop stop;
    position = PassCode(position + 1, [](const Ch*) { return false; }, &stop);
    if (stop == ScanStop::kClose)
        ++position;
    else
        Fail(stop == ScanStop::kOpenLiteral ? kStatusUnclosedText : kStatusParenthesis);
}
