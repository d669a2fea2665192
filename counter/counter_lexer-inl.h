// The lexical level of the evaluator: white space and comments, operators,
// literals and numbers. Literals are copied out of the caller's text; the
// text itself is never written.
#pragma once

#include "counter/CAtCounter0.h"
#include "counter/counter_number.h"

// Behind white space and comments: "//" to the end of the line (CR LF, LF or
// CR, consumed with it) and "/*" to "*/" or the end of the text.
template <class Ch, class Str>
const Ch* CAtCounter0<Ch, Str>::BlanksEnd(const Ch* p)
{
    for (;;) {
        while (IsCounterBlank(*p))
            ++p;
        if (p[0] != '/' || (p[1] != '/' && p[1] != '*'))
            return p;
        if (p[1] == '/') {
            p += 2;
            while (*p && *p != '\r' && *p != '\n')
                ++p;
            if (*p == '\r' && p[1] == '\n')
                p += 2;
            else if (*p)
                ++p;
            continue;
        }
        p += 2;
        while (*p && !(p[0] == '*' && p[1] == '/'))
            ++p;
        if (*p)
            p += 2;
    }
}

// The binary operator at p (which stands behind white space): its kind and
// the position behind it, or null when none stands there.
template <class Ch, class Str>
const Ch* CAtCounter0<Ch, Str>::ReadOperator(const Ch* p, Op* op)
{
    const Ch c = p[0];
    if (c == 0)
        return nullptr;
    const Ch d = p[1];
    switch (c) {
    case '|': *op = Op::kOr; return p + (d == '|' ? 2 : 1);
    case '&': *op = Op::kAnd; return p + (d == '&' ? 2 : 1);
    case '=': *op = Op::kEq; return p + (d == '=' ? 2 : 1);
    case '!':
        if (d != '=')
            return nullptr;
        *op = Op::kNe;
        return p + 2;
    case '<':
        if (d == '>') { *op = Op::kNe; return p + 2; }
        if (d == '=') { *op = Op::kLe; return p + 2; }
        *op = Op::kLt;
        return p + 1;
    case '>':
        if (d == '=') { *op = Op::kGe; return p + 2; }
        *op = Op::kGt;
        return p + 1;
    case '*':
        if (d == '=') { *op = Op::kWild; return p + 2; }
        if ((d == '!' && p[2] == '=') || (d == '<' && p[2] == '>')) { *op = Op::kNotWild; return p + 3; }
        *op = Op::kMul;
        return p + 1;
    case '+': *op = Op::kAdd; return p + 1;
    case '-': *op = Op::kSub; return p + 1;
    case '/': *op = Op::kDiv; return p + 1;
    case '^': *op = Op::kPow; return p + 1;
    default: break;
    }
    const Ch* q = p;
    if (TurnsUpperInto(c, 'O') && MatchWordAdvance("OR", &q, 1)) { *op = Op::kOr; return q; }
    if (TurnsUpperInto(c, 'A') && MatchWordAdvance("AND", &q, 1)) { *op = Op::kAnd; return q; }
    return nullptr;
}

template <class Ch, class Str>
int CAtCounter0<Ch, Str>::Level(Op op)
{
    switch (op) {
    case Op::kOr: return 2;
    case Op::kAnd: return 3;
    case Op::kAdd:
    case Op::kSub: return 5;
    case Op::kMul:
    case Op::kDiv: return 6;
    case Op::kPow: return 7;
    default: return 4;
    }
}

// Behind the literal that opens at p with a double quote or an apostrophe
// and closes with the same character; null when the text ends first.
template <class Ch, class Str>
const Ch* CAtCounter0<Ch, Str>::LiteralEnd(const Ch* p)
{
    const Ch quote = *p++;
    while (*p && *p != quote)
        ++p;
    return *p ? p + 1 : nullptr;
}

// A text literal with its continuations: behind the closing quote, white
// space, an optional '+' and white space, a literal opening with '"' or '\''
// continues the text.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::TextLiteral()
{
    bool first = true;
    for (;;) {
        const Ch* start = position + 1;
        const Ch* end = LiteralEnd(position);
        if (!end) {
            Fail(kStatusUnclosedText);
            while (*position)
                ++position;
            return {0.0, false};
        }
        if (skipDepth == 0) {
            const int length = static_cast<int>(end - 1 - start);
            if (first)
                TextAssign(*textResult, start, length);
            else
                TextAppend(*textResult, start, length);
        }
        first = false;
        position = end;
        const Ch* next = BlanksEnd(end);
        if (*next == '+')
            next = BlanksEnd(next + 1);
        if (*next != '"' && *next != '\'')
            return {0.0, true};
        position = next;
    }
}

// An apostrophe, one character, an apostrophe: the character's code.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::CharLiteral()
{
    const Ch* p = position + 1;
    if (*p == 0 || p[1] != '\'') {
        Fail(kStatusUnresolved);
        position = *p ? p + 1 : p;
        return {0.0, false};
    }
    position = p + 2;
    return {CharCode(*p), false};
}

template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::NumberOperand()
{
    double value = 0.0;
    switch (ReadCounterNumber(&position, &value)) {
    case NumberOutcome::kNoDigit: Fail(kStatusDigitExpected); break;
    case NumberOutcome::kTooLarge: Fail(kStatusTooLarge); break;
    case NumberOutcome::kRead: break;
    }
    return {value, false};
}
