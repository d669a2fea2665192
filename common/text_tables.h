// The text tables besides the decoder's: the common button texts, the
// display names of the field kinds and of the coordinate systems, and the
// dialog framework's texts. Every slot starts with the English text; filling
// a table for a language overwrites the slots that language has a text for.
// All texts are narrow, in the Windows-1250 code page.
#pragma once

#include "VelorTrDcdFormat.h"
#include "common/language.h"
#include "platform/platform.h"

enum CommonTextId : int { kCommonOk, kCommonCancel, kCommonTextCount };

enum FrameworkTextId : int {
#define DECODER_TEXT(id, text)
#define COMMON_TEXT(id, text)
#define FIELD_NAME(kind, text)
#define COORD_NAME(system, text)
#define FRAMEWORK_TEXT(id, text) id,
#include "common/texts/english.inc"
#undef DECODER_TEXT
#undef COMMON_TEXT
#undef FIELD_NAME
#undef COORD_NAME
#undef FRAMEWORK_TEXT
    kFrameworkTextCount
};

const int kCoordSystemCount = 8;

extern const char* g_commonTexts[kCommonTextCount];
// Indexed by field kind (0 "X" to 16 "Point Number").
extern const char* g_fieldDisplayNames[kFieldKindCount];
// Indexed by coordinate system 0 to 7.
extern const char* g_coordSystemNames[kCoordSystemCount];
extern const char* g_frameworkTexts[kFrameworkTextCount];

inline const char* CommonText(CommonTextId id)
{
    return id >= 0 && id < kCommonTextCount ? g_commonTexts[id] : "";
}

// The load-time fill: the decoder's table with the field names, then the
// common texts, then the coordinate-system names, all for one language.
void FillLoadTimeTables(LanguageIndex language);

// The dialog framework's table for one language.
void FillFrameworkTexts(LanguageIndex language);

// A framework text; the first call of the process fills the table in the
// language of the product's setting.
const char* FrameworkText(FrameworkTextId id);
