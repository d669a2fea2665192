// The decoder's messages and the labels of the format dialogs, in one table
// indexed by text id. It holds the English texts until the language of the
// product's settings fills it in at load (see text_tables.h).
#pragma once

enum DecoderTextId : int {
#define DECODER_TEXT(id, text) id,
#define COMMON_TEXT(id, text)
#define FIELD_NAME(kind, text)
#define COORD_NAME(system, text)
#define FRAMEWORK_TEXT(id, text)
#include "common/texts/english.inc"
#undef DECODER_TEXT
#undef COMMON_TEXT
#undef FIELD_NAME
#undef COORD_NAME
#undef FRAMEWORK_TEXT
    kDecoderTextCount
};

// The texts now in force (narrow, Windows-1250), filled once at load.
extern const char* g_decoderTexts[kDecoderTextCount];

// The built-in English texts.
extern const char* const kEnglishDecoderTexts[kDecoderTextCount];

inline const char* DecoderText(DecoderTextId id)
{
    return id >= 0 && id < kDecoderTextCount ? g_decoderTexts[id] : "";
}
