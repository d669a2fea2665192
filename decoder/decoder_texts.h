// The decoder's messages and the captions of its reports, in one table
// indexed by message. It holds the English texts until the language of the
// product's settings fills it in at load.
#pragma once

enum DecoderTextId : int {
    kTextWarningTitle,
    kTextLineIgnored,
    kTextUnknownCommandInFile,
    kTextCancelReading,
    kTextNoWarnings,
    kTextErrorInFile,
    kTextAtLine,
    kTextBadNumber,
    kTextPpFirstPoint,
    kTextDbFirstPair,
    kTextFirstPointPolygon,
    kTextSeparatorError,
    kTextBadValue,
    kTextUnknownCommand,
    kTextBadCoord1,
    kTextBadCoord2,
    kTextBadCoordZ,
    kTextBadNumericalCode,
    kTextBadEndOfLine,
    kTextOk,
    kDecoderTextCount
};

// The texts now in force (narrow, in the ANSI code page), filled once at load.
extern const char* g_decoderTexts[kDecoderTextCount];

// The built-in English texts.
extern const char* const kEnglishDecoderTexts[kDecoderTextCount];

inline const char* DecoderText(DecoderTextId id)
{
    return id >= 0 && id < kDecoderTextCount ? g_decoderTexts[id] : "";
}
