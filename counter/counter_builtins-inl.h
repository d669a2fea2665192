// The built-in functions and constants: found by name after the hook, their
// arguments read by the three argument-list readers, computed. The numeric
// group is offered in every operand but the right side of a text operator.
#pragma once

#include "counter/counter_compute-inl.h"
#include "counter/counter_functions.h"
#include "counter/counter_math.h"
#include "counter/counter_text_functions-inl.h"

namespace counter_detail {

// The index of the first place where key stands in text, exact characters;
// -1 when none. Places are tried while the rest of text is as long as key.
template <class Ch>
int FindExact(const Ch* text, const Ch* key)
{
    int keyLength = 0;
    while (key[keyLength])
        ++keyLength;
    for (int at = 0;; ++at) {
        int i = 0;
        while (i < keyLength && text[at + i] == key[i])
            ++i;
        if (i == keyLength)
            return at;
        if (!text[at + i])
            return -1; // the rest of text is shorter than key
    }
}

} // namespace counter_detail

// Numeric names first (except on the right of a text operator), then text
// names; the position moves behind the name before the arguments are read.
template <class Ch, class Str>
bool CAtCounter0<Ch, Str>::BuiltIn(const Ch* name, int length, Value* value)
{
    CounterFunction function = CounterFunction::kNone;
    if (textNesting == 0)
        function = FindNumericFunction(name);
    if (function == CounterFunction::kNone)
        function = FindTextFunction(name);
    if (function == CounterFunction::kNone)
        return false;
    position = name + length;
    *value = IsTextFunction(function) ? TextFunction(function) : NumericFunction(function);
    return true;
}

template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::NumericFunction(CounterFunction function)
{
    typedef CounterFunction F;
    switch (function) {
    case F::kIf: return Alternative(false);
    case F::kMax: return Extremum(true);
    case F::kMin: return Extremum(false);
    case F::kSlen:
    case F::kScmp:
    case F::kScmpi:
    case F::kSstr:
    case F::kSstri: return TextMeasure(function);
    default: break;
    }
    double arguments[2] = {0.0, 0.0};
    ReadFixedArguments(FixedArgumentCount(function), arguments, false);
    if (Failed())
        return {0.0, false};
    return {ApplyNumeric(function, arguments), false};
}

// MAX and MIN: "(" numbers separated by ',' ")", none giving 0.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Extremum(bool largest)
{
    if (!OpenArguments(kStatusParenthesis))
        return {0.0, false};
    SkipBlanks();
    if (*position == ')') {
        ++position;
        return {0.0, false};
    }
    double result = 0.0;
    for (bool first = true, more = true; more; first = false) {
        bool isText = false;
        const double value = ReadListArgument(&more, &isText);
        if (!Failed() && isText)
            Fail(kStatusKind);
        if (Failed())
            return {0.0, false};
        if (first || (largest ? value > result : value < result))
            result = value;
    }
    return {result, false};
}

// IF and IFS: "(" condition, then the alternative it chooses; the other one
// is passed over by its characters, never evaluated, so nothing in it runs
// and no error in it counts, except a text literal that never ends.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::Alternative(bool text)
{
    if (!OpenArguments(kStatusParenthesis))
        return {0.0, false};
    bool isText = false;
    const double condition = ReadOneArgument(false, &isText);
    if (!Failed() && isText)
        Fail(kStatusKind);
    if (Failed())
        return {0.0, false};
    Value chosen{0.0, false};
    if (condition != 0) { // NaN too
        chosen.number = ReadOneArgument(false, &chosen.text);
        if (!Failed())
            PassArgument(true);
    } else {
        PassArgument(false);
        if (!Failed())
            chosen.number = ReadOneArgument(true, &chosen.text);
    }
    if (!Failed() && chosen.text != text)
        Fail(kStatusKind);
    if (Failed())
        return {0.0, false};
    return chosen;
}

// From the position to behind the ',' (the ")" of the last argument) that
// ends an argument at parenthesis level 0, passing over groups, literals
// and comments. Status 9 when the list ends before the ',', 7 when a ','
// stands where the ")" should, 24 for a literal that never ends.
template <class Ch, class Str>
void CAtCounter0<Ch, Str>::PassArgument(bool last)
{
    ScanStop stop;
    position = PassCode(position, [](const Ch* q) { return *q == ','; }, &stop);
    if (stop == ScanStop::kOpenLiteral)
        Fail(kStatusUnclosedText);
    else if (stop != ScanStop::kEnd && *position == (last ? ')' : ','))
        ++position;
    else
        Fail(last ? kStatusParenthesis : kStatusArgumentCount);
}

template <class Ch, class Str>
bool CAtCounter0<Ch, Str>::TextArgument(bool last)
{
    bool isText = false;
    ReadOneArgument(last, &isText);
    if (!Failed() && !isText)
        Fail(kStatusKind);
    return !Failed();
}

template <class Ch, class Str>
bool CAtCounter0<Ch, Str>::NumberArgument(bool last, double* value)
{
    bool isText = false;
    *value = ReadOneArgument(last, &isText);
    if (!Failed() && isText)
        Fail(kStatusKind);
    return !Failed();
}

// SLEN(t), and SCMP, SCMPI, SSTR, SSTRI of (t1, t2): numbers from texts.
template <class Ch, class Str>
typename CAtCounter0<Ch, Str>::Value CAtCounter0<Ch, Str>::TextMeasure(CounterFunction function)
{
    typedef CounterFunction F;
    const bool single = function == F::kSlen;
    if (!OpenArguments(kStatusParenthesis) || !TextArgument(single))
        return {0.0, false};
    if (single)
        return {static_cast<double>(textResult->GetLength()), false};
    const Str first(std::move(*textResult));
    if (!TextArgument(true))
        return {0.0, false};
    const Ch* a = TextChars(first);
    const Ch* b = TextChars(*textResult);
    switch (function) {
    case F::kScmp: return {static_cast<double>(CompareCollate(a, b)), false};
    case F::kScmpi: return {static_cast<double>(CompareCollateNoCase(a, b)), false};
    case F::kSstr: return {static_cast<double>(counter_detail::FindExact(a, b)), false};
    default: return {static_cast<double>(FindNoCase(a, b)), false};
    }
}
