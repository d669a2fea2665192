// Status codes of the evaluator and the limits of its evaluation.
#pragma once

#include <cstdint>

enum CounterStatus : int32_t {
    kStatusOk = 0,
    kStatusText = -1,          // the value is a text, in the text result
    kStatusTooLarge = 2,       // the decimal exponent would reach 308; a text beyond kMaxTextLength
    kStatusDigitExpected = 5,  // a number was expected and no digit stands there
    kStatusUnresolved = 6,     // unclosed character literal; a name nobody resolved
    kStatusParenthesis = 7,    // "(" or ")" missing
    kStatusArgumentCount = 9,  // ',' or ")" missing in a fixed-length list
    kStatusKind = 10,          // a number where a text is needed, or the other way round
    kStatusInvalidName = 22,   // empty name, or longer than 254 characters
    kStatusUnclosedText = 24,  // a text literal runs to the end of the text
    kStatusListSeparator = 26, // neither ',' nor ")" behind an argument of a list of any length
    kStatusHookRejected = 28,  // the hook refused a name
    kStatusTooDeep = 30,       // nesting beyond kMaxNesting operands
};

// Operands nested inside one another (groups, prefixes, right sides of
// assignments and BLOCK sections) beyond this depth stop the evaluation with
// kStatusTooDeep, so no text can exhaust the stack.
const int kMaxNesting = 200;

// The longest name of a variable.
const int kMaxNameLength = 254;

// The longest text that joining two texts with "+" may give; a longer one
// stops the evaluation with kStatusTooLarge, so that no expression can make
// its texts grow without bound (each "a := a + a" doubles one).
const int kMaxTextLength = 65535;

// The value of an operand whose name nobody resolved.
const double kUnresolvedValue = 999.0;
