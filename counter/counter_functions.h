// The names of the built-in functions and constants. Numeric ones are found
// by the upper-cased first letter of the name and then by the rest of the
// name (its tail) in the letter's list; text ones by their whole name, after
// the numeric ones. A name matches only as a whole word: the character
// behind it is no letter, digit or '_'.
#pragma once

#include "common/text_compare.h"
#include "common/text_keys.h"
#include "counter/counter_chars.h"

#include <cstdint>

enum class CounterFunction : uint8_t {
    kNone,
    // Numeric functions and constants.
    kAbs, kAcos, kAsin, kAtan, kAtan2, kAng400, kAng360, kAng2Pi,
    kCos,
    kDegToRad, kDegToGrad,
    kGradToDeg, kGradToRad, kGetTickCount,
    kIf,
    kLog, kLog10,
    kMax, kMin,
    kPi, kPow,
    kRadToDeg, kRadToGrad, kRandomNum, kRandomNumMax, kRound,
    kSin, kSqr, kSqrt, kSlen, kScmp, kScmpi, kSstr, kSstri,
    kTan, kTrunc,
    // Text functions.
    kSubs, kRtos, kRtos3, kRtosc, kRtosc3, kItos, kItos3, kDataPath, kDegToDms, kIfs, kPut, kPut0,
};

inline bool IsTextFunction(CounterFunction function)
{
    return function >= CounterFunction::kSubs;
}

struct FunctionName {
    const char* name; // without its first letter in the numeric lists
    CounterFunction function;
};

// The numeric names that begin with the upper-case letter first, their tails
// in lookup order, ended by a null name; null when no name begins so.
const FunctionName* NumericFunctionTails(unsigned first);
// The text functions' whole names, ended by a null name.
const FunctionName* TextFunctionNames();

// The number of arguments of a numeric function whose arguments are read as
// one fixed-length list: 0 for the constants, 2 for ATAN2 and POW, else 1.
uint32_t FixedArgumentCount(CounterFunction function);

// The numeric function or constant whose name stands at name, or kNone.
template <class Ch>
CounterFunction FindNumericFunction(const Ch* name)
{
    for (const FunctionName* tail = NumericFunctionTails(UpperCode(name[0])); tail && tail->name; ++tail)
        if (MatchWordNoCase(tail->name, name + 1, 1) > 0)
            return tail->function;
    return CounterFunction::kNone;
}

// The text function whose name stands at name, or kNone.
template <class Ch>
CounterFunction FindTextFunction(const Ch* name)
{
    const CTabVelkaMala& table = *GetCaseTable();
    const unsigned first = textkeys::Upper(table, name[0]);
    for (const FunctionName* entry = TextFunctionNames(); entry->name; ++entry)
        if (textkeys::Upper(table, entry->name[0]) == first && MatchWordNoCase(entry->name, name, 1) > 0)
            return entry->function;
    return CounterFunction::kNone;
}
