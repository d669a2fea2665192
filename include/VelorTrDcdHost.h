// What a host passes to the module's extra exports for programs without a
// window (VelorSetUnknownCommandAnswerer): the answers to the decoder's
// question about an unknown command, and who gives them.
#pragma once

#include <cstdint>

// Answers to the unknown-command question.
enum UnknownCommandAnswer : uint16_t {
    kAnswerCancelReading = 0, // stop reading the file
    kAnswerSkipLine = 1,      // skip the line, ask again next time
    kAnswerNoWarnings = 2,    // skip this and every later unknown command of the file
};

// Who answers the unknown-command question: it gets the composed message and
// the parts it was made of, and returns 0, 1 or 2.
typedef uint16_t (*UnknownCommandAnswerer)(void* context, const char* message, const char* fileName,
                                           uint32_t lineNumber, const char* lineText);

// What VelorGuessFacts tells of a format guessed from a file (the texts come
// from VelorGuessText, one call for the length and one for the text).
struct VelorFormatGuessFacts {
    int32_t decided;         // 1 the columns were recognised, 0 the format is a fallback
    int32_t firstLine;       // first data line behind header lines, else 0
    uint32_t lastLine;       // last data line before a footer or end marker, else 0
    uint32_t fileLines;      // lines in the file
    uint32_t columns;        // fields of the format, one reason each
    uint32_t notes;          // notes on the separator, decimal comma, comment words
    uint32_t checkedLines;   // sample lines decoded with the format
    uint32_t undecodedLines; // of them, lines the decoder refused
    uint32_t firstUndecoded; // the first such line's number, else 0
    uint32_t unusedValues;   // values that no field took
    uint32_t firstUnused;    // the first line with such a value, else 0
};
static_assert(sizeof(VelorFormatGuessFacts) == 44, "VelorFormatGuessFacts is 11 32-bit members on every build");

// Which text of a guess VelorGuessText gives.
enum VelorGuessTextKind : int32_t {
    kGuessFormat = 0,       // the proposed format string
    kGuessAlternative = 1,  // the next best format, empty when none
    kGuessWarning = 2,      // why the proposal is not sure, empty when it is
    kGuessColumnReason = 3, // why field `index` was taken for what it is
    kGuessNote = 4,         // note `index`
};
