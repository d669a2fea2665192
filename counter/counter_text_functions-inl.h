// The text functions: SUBS, the number texts (RTOS family, ITOS, ITOS3,
// DEGTODMS), DataPath, and PUT / PUT0, which assign to a variable from inside
// an expression. IFS is the text form of IF (counter_builtins-inl.h).
#pragma once

#include "counter/counter_compute-inl.h"
#include "counter/counter_format.h"
#include "counter/counter_functions.h"
#include "counter/counter_math.h"

#include "common/config.h"

template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::TextFunction(CounterFunction function)
{
    typedef CounterFunction F;
    switch (function) {
    case F::kSubs: return Substring();
    case F::kDataPath: return DataPathText();
    case F::kDegToDms: return DegreesText();
    case F::kIfs: return Alternative(true);
    case F::kPut: return Put(false);
    case F::kPut0: return Put(true);
    default: return NumberText(function);
    }
}

// The narrow text as the text value, converted for the wide evaluator.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::AnsiResult(const char* text, int length)
{
    AssignAnsi(*textResult, text, length);
    return {0.0, true};
}

// SUBS(t, i, j): the characters of t from index i through index j; i below 1
// counts as 0, j beyond the end or -1 as the last; empty when j < i.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Substring()
{
    if (!OpenArguments(kStatusParenthesis) || !TextArgument(false))
        return {0.0, false};
    const Str text(std::move(*textResult)); // the numbers may compute texts
    double from = 0.0, through = 0.0;
    if (!NumberArgument(false, &from) || !NumberArgument(true, &through))
        return {0.0, false};
    const int length = text.GetLength();
    int32_t first = TruncateToInt32(from), last = TruncateToInt32(through);
    if (first < 1)
        first = 0;
    if (last == -1 || last >= length)
        last = length - 1;
    if (last < first)
        textResult->Empty();
    else
        TextAssign(*textResult, TextChars(text) + first, last - first + 1);
    return {0.0, true};
}

// RTOS, RTOS3, RTOSC, RTOSC3 of (x, w, d); ITOS and ITOS3 of (x).
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::NumberText(CounterFunction function)
{
    typedef CounterFunction F;
    const bool integer = function == F::kItos || function == F::kItos3;
    double arguments[3] = {0.0, 0.0, 0.0};
    ReadFixedArguments(integer ? 1 : 3, arguments, false);
    if (Failed())
        return {0.0, false};
    char text[kMaxNumberText + 1];
    if (integer)
        return AnsiResult(text, FormatInteger(TruncateToInt32(arguments[0]), function == F::kItos3 ? ' ' : 0, text));
    const bool comma = function == F::kRtosc || function == F::kRtosc3;
    const bool grouped = function == F::kRtos3 || function == F::kRtosc3;
    const int length = FormatNumber(arguments[0], TruncateToInt32(arguments[1]), TruncateToInt32(arguments[2]),
                                    comma ? ',' : static_cast<char>(decimalChar), grouped ? ' ' : 0, text);
    return AnsiResult(text, length);
}

// DEGTODMS(x, d, s).
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::DegreesText()
{
    double arguments[3] = {0.0, 0.0, 0.0};
    ReadFixedArguments(3, arguments, false);
    if (Failed())
        return {0.0, false};
    char text[kMaxNumberText + 1];
    const int length =
        FormatDegrees(arguments[0], TruncateToInt32(arguments[1]), TruncateToInt32(arguments[2]), text);
    return AnsiResult(text, length);
}

// DataPath, DataPath() or DataPath(t): the product's local data directory,
// or t joined to it.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::DataPathText()
{
    const Ch* after = BlanksEnd(position);
    CString path;
    if (*after == '(' && *BlanksEnd(after + 1) != ')') {
        position = after + 1;
        if (!TextArgument(true))
            return {0.0, false};
        path = GetLocalPath(AnsiCopy(*textResult).GetString());
    } else {
        if (*after == '(')
            position = BlanksEnd(after + 1) + 1;
        path = GetLocalPath();
    }
    return AnsiResult(path.GetString(), path.GetLength());
}

// PUT(name, value) and PUT0(name, value): the value stored under the name as
// ":=" stores it, with the same ',' sequencing behind it. PUT's operand is
// the value assigned (a number, or the text); PUT0's is an empty text, so it
// adds nothing to a text expression.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Put(bool emptyText)
{
    if (!OpenArguments(kStatusArgumentCount))
        return {0.0, false};
    SkipBlanks();
    const Ch* name = position;
    int length = 0;
    while (length <= kMaxNameLength && IsWordChar(name[length], 1))
        ++length;
    if (length == 0 || length > kMaxNameLength) {
        Fail(kStatusInvalidName);
        return {0.0, false};
    }
    position = BlanksEnd(name + length);
    if (*position != ',') {
        Fail(kStatusArgumentCount);
        return {0.0, false};
    }
    ++position;
    const Value value = ArgumentExpression();
    if (Failed())
        return {0.0, false};
    SkipBlanks();
    if (*position != ')') {
        Fail(kStatusParenthesis);
        return {7.0, false};
    }
    ++position;
    if (!StoreVariable(name, length, value))
        return {0.0, false};
    const Ch* after = BlanksEnd(position);
    if (*after == ',' && depth > 1) {
        position = after + 1;
        return Expression();
    }
    if (!emptyText)
        return value;
    textResult->Empty();
    return {0.0, true};
}
