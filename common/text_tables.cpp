// The text tables and their fills. The rows come from the lists in texts/,
// one file per language; a fill is the straight list of a language's
// assignments, laid over the English texts.
#include "common/text_tables.h"

#include "common/cp1250.h"
#include "common/decoder_texts.h"

#include <algorithm>

#define NO_ROW(id, text)
#define ENGLISH_ROW(id, text) text,

// Every table is constant-initialised with the English texts, so it is
// complete before any code of the module runs.
#define DECODER_TEXT ENGLISH_ROW
#define COMMON_TEXT NO_ROW
#define FIELD_NAME NO_ROW
#define COORD_NAME NO_ROW
#define FRAMEWORK_TEXT NO_ROW
const char* const kEnglishDecoderTexts[kDecoderTextCount] = {
#include "common/texts/english.inc"
};
const char* g_decoderTexts[kDecoderTextCount] = {
#include "common/texts/english.inc"
};
#undef DECODER_TEXT
#undef COMMON_TEXT
#define DECODER_TEXT NO_ROW
#define COMMON_TEXT ENGLISH_ROW
namespace {
const char* const kEnglishCommonTexts[kCommonTextCount] = {
#include "common/texts/english.inc"
};
}
const char* g_commonTexts[kCommonTextCount] = {
#include "common/texts/english.inc"
};
#undef COMMON_TEXT
#undef FIELD_NAME
#define COMMON_TEXT NO_ROW
#define FIELD_NAME ENGLISH_ROW
namespace {
const char* const kEnglishFieldNames[kFieldKindCount] = {
#include "common/texts/english.inc"
};
}
const char* g_fieldDisplayNames[kFieldKindCount] = {
#include "common/texts/english.inc"
};
#undef FIELD_NAME
#undef COORD_NAME
#define FIELD_NAME NO_ROW
#define COORD_NAME ENGLISH_ROW
namespace {
const char* const kEnglishCoordNames[kCoordSystemCount] = {
#include "common/texts/english.inc"
};
}
const char* g_coordSystemNames[kCoordSystemCount] = {
#include "common/texts/english.inc"
};
#undef COORD_NAME
#undef FRAMEWORK_TEXT
#define COORD_NAME NO_ROW
#define FRAMEWORK_TEXT ENGLISH_ROW
namespace {
const char* const kEnglishFrameworkTexts[kFrameworkTextCount] = {
#include "common/texts/english.inc"
};
}
const char* g_frameworkTexts[kFrameworkTextCount] = {
#include "common/texts/english.inc"
};
#undef DECODER_TEXT
#undef COMMON_TEXT
#undef FIELD_NAME
#undef COORD_NAME
#undef FRAMEWORK_TEXT

namespace {

template <class T, size_t N>
void CopyTable(const T (&from)[N], T (&to)[N])
{
    std::copy(from, from + N, to);
}

// The rows a load-time fill assigns.
#define DECODER_TEXT(id, text) g_decoderTexts[id] = VELOR_CP1250(text);
#define COMMON_TEXT(id, text) g_commonTexts[id] = VELOR_CP1250(text);
#define FIELD_NAME(kind, text) g_fieldDisplayNames[kind] = VELOR_CP1250(text);
#define COORD_NAME(system, text) g_coordSystemNames[system] = VELOR_CP1250(text);
#define FRAMEWORK_TEXT NO_ROW

void FillLoadTimeCzech()
{
#include "common/texts/czech.inc"
}

void FillLoadTimeGerman()
{
#include "common/texts/german.inc"
}

void FillLoadTimeSlovak()
{
#include "common/texts/slovak.inc"
}

#undef DECODER_TEXT
#undef COMMON_TEXT
#undef FIELD_NAME
#undef COORD_NAME
#undef FRAMEWORK_TEXT

// The rows the framework's fill assigns.
#define DECODER_TEXT NO_ROW
#define COMMON_TEXT NO_ROW
#define FIELD_NAME NO_ROW
#define COORD_NAME NO_ROW
#define FRAMEWORK_TEXT(id, text) g_frameworkTexts[id] = VELOR_CP1250(text);

void FillFrameworkCzech()
{
#include "common/texts/czech.inc"
}

void FillFrameworkGerman()
{
#include "common/texts/german.inc"
}

#undef DECODER_TEXT
#undef COMMON_TEXT
#undef FIELD_NAME
#undef COORD_NAME
#undef FRAMEWORK_TEXT

bool frameworkTextsFilled = false;

} // namespace

void FillLoadTimeTables(LanguageIndex language)
{
    CopyTable(kEnglishDecoderTexts, g_decoderTexts);
    CopyTable(kEnglishFieldNames, g_fieldDisplayNames);
    CopyTable(kEnglishCommonTexts, g_commonTexts);
    CopyTable(kEnglishCoordNames, g_coordSystemNames);
    if (language == kLanguageCzech)
        FillLoadTimeCzech();
    else if (language == kLanguageGerman)
        FillLoadTimeGerman();
    else if (language == kLanguageSlovak)
        FillLoadTimeSlovak();
}

void FillFrameworkTexts(LanguageIndex language)
{
    CopyTable(kEnglishFrameworkTexts, g_frameworkTexts);
    if (language == kLanguageCzech)
        FillFrameworkCzech();
    else if (language == kLanguageGerman)
        FillFrameworkGerman();
    frameworkTextsFilled = true;
}

const char* FrameworkText(FrameworkTextId id)
{
    if (!frameworkTextsFilled)
        FillFrameworkTexts(GetLanguage());
    return id >= 0 && id < kFrameworkTextCount ? g_frameworkTexts[id] : "";
}
