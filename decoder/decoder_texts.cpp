// The decoder's built-in English texts and the table in force.
#include "decoder/decoder_texts.h"

// In the order of DecoderTextId.
#define ENGLISH_DECODER_TEXTS                                                                                     \
    "Warning", "Line will be ignored.", "!!! Unknown command in file:", "Cancel reading", "No warnings",         \
        "!!! Error in input file:", "at line", "Bad number", ".pp command must be used for girs point",          \
        ".db command before first pair of polyg. points", "First point must be Polygon-point", "Separator error", \
        "Bad value", "Unknown command", "Bad number of 1st coordinate", "Bad number of 2nd coordinate",           \
        "Bad number of z-coordinate", "Bad numerical code (priority)", "Bad end of line", "OK"

// Both tables are constant-initialised, so they are complete before any
// code of the module runs.
const char* const kEnglishDecoderTexts[kDecoderTextCount] = {ENGLISH_DECODER_TEXTS};
const char* g_decoderTexts[kDecoderTextCount] = {ENGLISH_DECODER_TEXTS};

static_assert(sizeof(kEnglishDecoderTexts) / sizeof(kEnglishDecoderTexts[0]) == kDecoderTextCount, "one text each");
