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
