// The byte-to-character table comes straight from ICU's converter. Bytes that
// the code page leaves undefined stand for the character of the same number,
// as Windows treats them (code page 1250 maps 0x81 to U+0081).
//
// The way back holds, beside the exact mappings, the look-alikes Windows
// substitutes when best fit is allowed, as far as they can be derived: ICU's
// own fallback mappings (full-width forms), and for the accented letters of
// the Latin blocks the unaccented base letter (U+00C0 to U+01F0, the range
// where Windows' best-fit tables follow the canonical decomposition).
#include "platform/posix/codepage.h"

#include "platform/posix/locale_env.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#include <cstdio>

namespace velor_native {

namespace {

const UINT kFallbackCodePage = 1250;
const WCHAR kFirstDecomposedLetter = 0x00C0;
const WCHAR kLastDecomposedLetter = 0x01F0;

// ICU's single-byte converter for a Windows code page number, or null.
UConverter* OpenConverter(UINT id)
{
    static const char* const patterns[] = {"windows-%u", "cp%u", "ibm-%u"};
    for (const char* pattern : patterns) {
        char name[32];
        std::snprintf(name, sizeof name, pattern, id);
        UErrorCode status = U_ZERO_ERROR;
        UConverter* converter = ucnv_open(name, &status);
        if (U_SUCCESS(status) && converter) {
            if (ucnv_getMaxCharSize(converter) == 1)
                return converter;
            ucnv_close(converter);
        }
    }
    return nullptr;
}

void FillToWide(UConverter* converter, CodePageTables& tables)
{
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    for (int byte = 0; byte < 256; ++byte) {
        const char in = static_cast<char>(byte);
        UChar out[4] = {0, 0, 0, 0};
        status = U_ZERO_ERROR;
        ucnv_resetToUnicode(converter);
        const int32_t length = ucnv_toUChars(converter, out, 4, &in, 1, &status);
        const bool single = U_SUCCESS(status) && length == 1;
        tables.toWide[byte] = single ? static_cast<WCHAR>(out[0]) : static_cast<WCHAR>(byte);
    }
}

void FillExact(CodePageTables& tables)
{
    // Where two bytes give one character, the lower byte is the way back.
    for (int byte = 255; byte >= 0; --byte) {
        const WCHAR unit = tables.toWide[byte];
        tables.toByte[unit] = static_cast<uint8_t>(byte);
        tables.kind[unit] = kExact;
    }
}

bool IcuFallback(UConverter* converter, WCHAR unit, uint8_t& byte)
{
    const UChar in = static_cast<UChar>(unit);
    char out[4];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(converter);
    const int32_t length = ucnv_fromUChars(converter, out, sizeof out, &in, 1, &status);
    if (U_FAILURE(status) || length != 1)
        return false;
    byte = static_cast<uint8_t>(out[0]);
    return true;
}

// The base letter of an accented Latin letter: its canonical decomposition
// is one code unit the code page has, followed by non-spacing marks only.
bool BaseLetter(const UNormalizer2* nfd, const CodePageTables& tables, WCHAR unit, uint8_t& byte)
{
    if (unit < kFirstDecomposedLetter || unit > kLastDecomposedLetter || !nfd)
        return false;
    UChar parts[16];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = unorm2_getDecomposition(nfd, unit, parts, 16, &status);
    if (U_FAILURE(status) || length < 2 || U16_IS_SURROGATE(parts[0]) || tables.kind[parts[0]] != kExact)
        return false;
    for (int32_t i = 1; i < length; ++i) {
        if (u_charType(parts[i]) != U_NON_SPACING_MARK)
            return false;
    }
    byte = tables.toByte[parts[0]];
    return true;
}

void FillBestFit(UConverter* converter, CodePageTables& tables)
{
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setFallback(converter, TRUE);
    ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    status = U_ZERO_ERROR;
    const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
    if (U_FAILURE(status))
        nfd = nullptr;
    for (uint32_t u = 1; u < 65536; ++u) {
        const WCHAR unit = static_cast<WCHAR>(u);
        if (tables.kind[unit] != kUnmapped || U16_IS_SURROGATE(unit))
            continue;
        uint8_t byte = 0;
        if (IcuFallback(converter, unit, byte) || BaseLetter(nfd, tables, unit, byte)) {
            tables.toByte[unit] = byte;
            tables.kind[unit] = kBestFit;
        }
    }
}

// Latin-1 as the last resort: when ICU has no converter at all.
void FillIdentity(CodePageTables& tables)
{
    for (int byte = 0; byte < 256; ++byte)
        tables.toWide[byte] = static_cast<WCHAR>(byte);
    FillExact(tables);
}

void Build(CodePageTables& tables)
{
    tables.defaultChar = '?';
    tables.id = AnsiCodePageFromEnvironment();
    UConverter* converter = OpenConverter(tables.id);
    if (!converter && tables.id != kFallbackCodePage) {
        tables.id = kFallbackCodePage;
        converter = OpenConverter(tables.id);
    }
    if (!converter) {
        FillIdentity(tables);
        return;
    }
    FillToWide(converter, tables);
    FillExact(tables);
    FillBestFit(converter, tables);
    ucnv_close(converter);
}

struct AnsiHolder {
    CodePageTables tables{};
    AnsiHolder() { Build(tables); }
};

} // namespace

const CodePageTables& AnsiCodePage()
{
    static const AnsiHolder holder;
    return holder.tables;
}

} // namespace velor_native
