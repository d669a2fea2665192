// A code unit changes case only where the mapping goes both ways, as in
// Windows' case tables: 'a' and 'A' map to each other, while U+00B5 MICRO
// SIGN (whose upper case U+039C lowers to U+03BC), U+0131 DOTLESS I or the
// title-case U+01C5 stay as they are.
//
// Letters are the letters of Unicode and the letter numbers (Roman numerals);
// digits the decimal digits and, in Latin-1, the superscript digits.
//
// A byte is mapped as Windows maps it: to its character in the code page,
// through the wide map, and back into the code page (best fit allowed, the
// default character where nothing fits).
#include "platform/posix/casing.h"

#include "platform/posix/codepage.h"

#include <unicode/uchar.h>

namespace velor_native {

namespace {

WCHAR Upper(WCHAR unit)
{
    const UChar32 upper = u_toupper(unit);
    if (upper > 0xFFFF || u_tolower(upper) != unit)
        return unit;
    return static_cast<WCHAR>(upper);
}

WCHAR Lower(WCHAR unit)
{
    const UChar32 lower = u_tolower(unit);
    if (lower > 0xFFFF || u_toupper(lower) != unit)
        return unit;
    return static_cast<WCHAR>(lower);
}

uint8_t ClassOf(WCHAR unit)
{
    if (U16_IS_SURROGATE(unit))
        return 0;
    uint8_t bits = 0;
    if (u_isalpha(unit) || u_charType(unit) == U_LETTER_NUMBER)
        bits |= kAlphaBit;
    if (u_isdigit(unit) || (unit < 0x100 && u_getIntPropertyValue(unit, UCHAR_NUMERIC_TYPE) == U_NT_DIGIT))
        bits |= kDigitBit;
    return bits;
}

uint8_t ToAnsi(const CodePageTables& page, WCHAR unit)
{
    return page.kind[unit] == kUnmapped ? static_cast<uint8_t>(page.defaultChar) : page.toByte[unit];
}

void Build(CaseTables& tables)
{
    for (uint32_t u = 0; u < 65536; ++u) {
        const WCHAR unit = static_cast<WCHAR>(u);
        tables.upper[unit] = Upper(unit);
        tables.lower[unit] = Lower(unit);
        tables.classes[unit] = ClassOf(unit);
    }
    const CodePageTables& page = AnsiCodePage();
    for (int byte = 0; byte < 256; ++byte) {
        const WCHAR unit = page.toWide[byte];
        tables.upperA[byte] = ToAnsi(page, tables.upper[unit]);
        tables.lowerA[byte] = ToAnsi(page, tables.lower[unit]);
        tables.classesA[byte] = tables.classes[unit];
    }
}

struct CaseHolder {
    CaseTables tables{};
    CaseHolder() { Build(tables); }
};

} // namespace

const CaseTables& Cases()
{
    static const CaseHolder holder;
    return holder.tables;
}

} // namespace velor_native
