// Expressions: operands with their prefix, binary operators by precedence
// climbing, short-circuit skipping and the text operators.
#pragma once

#include "counter/counter_lexer-inl.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace counter_detail {

// NOTB: the value truncated to a 64-bit integer (NaN and values out of range
// give the processor's integer indefinite, the most negative one), its low
// 32 bits inverted and read unsigned.
inline double NotBits(double x)
{
    int64_t integer = INT64_MIN;
    if (x > -9223372036854775808.0 && x < 9223372036854775808.0)
        integer = static_cast<int64_t>(x);
    return static_cast<uint32_t>(~static_cast<uint64_t>(integer));
}

} // namespace counter_detail

// Reads operands and operators whose level is at least minLevel; equal
// levels associate to the left.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Binary(int minLevel)
{
    Value left = Operand();
    while (!Failed()) {
        SkipBlanks();
        Op op;
        const Ch* after = ReadOperator(position, &op);
        if (!after)
            break;
        const int level = Level(op);
        if (level < minLevel)
            break;
        const bool textOperator = op == Op::kEq || op == Op::kNe || op == Op::kWild || op == Op::kNotWild ||
                                  op == Op::kAdd;
        if (left.text && !textOperator)
            break; // the expression ends before it
        if (!left.text && (op == Op::kWild || op == Op::kNotWild)) {
            Fail(kStatusKind);
            break;
        }
        position = after;
        if (left.text) {
            left = TextOperation(op, level);
            continue;
        }
        const bool decided = (op == Op::kAnd && left.number == 0) || (op == Op::kOr && left.number != 0);
        if (decided) {
            Skipped([this, level] { return Binary(level + 1); });
            left = {op == Op::kOr ? 1.0 : 0.0, false};
            continue;
        }
        const Value right = Binary(level + 1);
        left = NumberOperation(op, left, right);
    }
    return left;
}

// Evaluates in skip mode: nothing is computed or stored, and an error found
// on the way is dropped (except the nesting limit).
template <class Ch, class Str>
template <class F>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Skipped(F evaluate)
{
    const int32_t saved = status;
    ++skipDepth;
    const Value value = evaluate();
    --skipDepth;
    if (status != kStatusTooDeep)
        status = saved;
    return value;
}

template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::NumberOperation(Op op, Value left, Value right)
{
    if (Failed())
        return {right.number, false}; // the failed operand's value stands
    if (right.text) {
        Fail(kStatusKind);
        return {0.0, false};
    }
    const double a = left.number, b = right.number;
    switch (op) {
    case Op::kOr: return {(a != 0 || b != 0) ? 1.0 : 0.0, false};
    case Op::kAnd: return {(a != 0 && b != 0) ? 1.0 : 0.0, false};
    case Op::kEq: return {a == b ? 1.0 : 0.0, false};
    case Op::kNe: return {a != b ? 1.0 : 0.0, false};
    case Op::kLt: return {a < b ? 1.0 : 0.0, false};
    case Op::kLe: return {a <= b ? 1.0 : 0.0, false};
    case Op::kGt: return {a > b ? 1.0 : 0.0, false};
    case Op::kGe: return {a >= b ? 1.0 : 0.0, false};
    case Op::kAdd: return {a + b, false};
    case Op::kSub: return {a - b, false};
    case Op::kMul: return {a * b, false};
    case Op::kDiv: return {a / b, false};
    case Op::kPow: return {std::pow(a, b), false};
    default: return {0.0, false};
    }
}

// The left text stands in the text result; the right side must be a text.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::TextOperation(Op op, int level)
{
    Str left(std::move(*textResult));
    ++textNesting;
    const Value right = Binary(level + 1);
    --textNesting;
    if (Failed())
        return {right.number, false};
    if (!right.text) {
        Fail(kStatusKind);
        return {0.0, false};
    }
    const Ch* a = TextChars(left);
    const Ch* b = TextChars(*textResult);
    switch (op) {
    case Op::kAdd:
        if (skipDepth == 0) {
            if (left.GetLength() > kMaxTextLength - textResult->GetLength()) {
                Fail(kStatusTooLarge);
                return {0.0, false};
            }
            TextAppend(left, b, textResult->GetLength());
            *textResult = std::move(left);
        }
        return {0.0, true};
    case Op::kEq: return {CompareCollateNoCase(a, b) == 0 ? 1.0 : 0.0, false};
    case Op::kNe: return {CompareCollateNoCase(a, b) != 0 ? 1.0 : 0.0, false};
    case Op::kWild: return {WildMatchNoCase(a, b) == 0 ? 1.0 : 0.0, false};
    default: return {WildMatchNoCase(a, b) != 0 ? 1.0 : 0.0, false};
    }
}

// An operand with at most one prefix: "-", "+", "!", NOT, NOTB.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Operand()
{
    if (nesting_ >= kMaxNesting) {
        Fail(kStatusTooDeep);
        return {0.0, false};
    }
    ++nesting_;
    SkipBlanks();
    char prefix = 0;
    if (*position == '-' || *position == '+' || *position == '!')
        prefix = static_cast<char>(*position++);
    else if (TurnsUpperInto(*position, 'N') && MatchWordAdvance("NOTB", &position, 1))
        prefix = 'b';
    else if (TurnsUpperInto(*position, 'N') && MatchWordAdvance("NOT", &position, 1))
        prefix = '!';
    if (prefix)
        SkipBlanks();
    Value value = Primary();
    --nesting_;
    if (!prefix || prefix == '+' || Failed())
        return value;
    if (value.text) {
        Fail(kStatusKind);
        return {0.0, false};
    }
    switch (prefix) {
    case '-': value.number = -value.number; break;
    case '!': value.number = value.number == 0 ? 1.0 : 0.0; break;
    default: value.number = counter_detail::NotBits(value.number); break;
    }
    return value;
}

// The operand forms, tried in order on the first character.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Primary()
{
    if (TurnsUpperInto(*position, 'B') && MatchWordAdvance("BLOCK", &position, 1))
        return BlockChain();
    const Ch c = *position;
    if (c == '(')
        return Group();
    if (c == '\'')
        return CharLiteral();
    if (IsDecimalDigit(c))
        return NumberOperand();
    if (c == '"')
        return TextLiteral();
    if (c == '.') {
        Fail(kStatusDigitExpected); // a number must begin with a digit
        return {0.0, false};
    }
    return NameOperand();
}

// "(" expression ")", one nesting level deeper; passed over when skipping.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Group()
{
    if (skipDepth > 0) {
        PassGroup();
        return {0.0, false};
    }
    ++position;
    ++depth;
    const Value value = Expression();
    --depth;
    if (Failed())
        return value;
    SkipBlanks();
    if (*position != ')') {
        Fail(kStatusParenthesis);
        return value;
    }
    ++position;
    return value;
}
