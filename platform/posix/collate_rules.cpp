#include "platform/posix/collate_rules.h"

namespace velor_native {

namespace {

enum Level : char { kPrimary = 1, kSecondary = 2, kTertiary = 3 };

struct Step {
    WCHAR c;
    Level level; // how far it sorts after the one before it
};

// Spaces, punctuation and symbols, placed at the start of the order (before
// every other punctuation and symbol, which keep the order ICU gives them).
const Step kSymbols[] = {
    {0x0020, kPrimary}, {0x00A0, kPrimary}, {0x0009, kPrimary}, {0x000A, kPrimary}, {0x000B, kPrimary},
    {0x000C, kPrimary}, {0x000D, kPrimary}, {0x0021, kPrimary}, {0x0022, kPrimary}, {0x0023, kPrimary},
    {0x0024, kPrimary}, {0x0025, kPrimary}, {0x0026, kPrimary}, {0x0028, kPrimary}, {0x0029, kPrimary},
    {0x002A, kPrimary}, {0x002C, kPrimary}, {0x002E, kPrimary}, {0x002F, kPrimary}, {0x003A, kPrimary},
    {0x003B, kPrimary}, {0x003F, kPrimary}, {0x0040, kPrimary}, {0x005B, kPrimary}, {0x005C, kPrimary},
    {0x005D, kPrimary}, {0x005E, kPrimary}, {0x005F, kPrimary}, {0x0060, kPrimary}, {0x007B, kPrimary},
    {0x007C, kPrimary}, {0x007D, kPrimary}, {0x007E, kPrimary}, {0x00A6, kPrimary}, {0x00A8, kPrimary},
    {0x00B4, kPrimary}, {0x00B8, kPrimary}, {0x02C7, kPrimary}, {0x02D8, kSecondary}, {0x02D9, kPrimary},
    {0x02DB, kPrimary}, {0x02DD, kPrimary}, {0x2018, kPrimary}, {0x2019, kPrimary}, {0x201A, kPrimary},
    {0x201C, kPrimary}, {0x201D, kPrimary}, {0x201E, kPrimary}, {0x2039, kPrimary}, {0x203A, kPrimary},
    {0x00A4, kPrimary}, {0x20AC, kPrimary}, {0x002B, kPrimary}, {0x003C, kPrimary}, {0x003D, kPrimary},
    {0x003E, kPrimary}, {0x00B1, kPrimary}, {0x00AB, kPrimary}, {0x00BB, kPrimary}, {0x00D7, kPrimary},
    {0x00F7, kPrimary}, {0x00A7, kPrimary}, {0x00A9, kPrimary}, {0x00AC, kPrimary}, {0x00AE, kPrimary},
    {0x00B0, kPrimary}, {0x00B5, kPrimary}, {0x00B6, kPrimary}, {0x00B7, kPrimary}, {0x2026, kPrimary},
    {0x2020, kPrimary}, {0x2021, kPrimary}, {0x2022, kPrimary}, {0x2030, kPrimary},
};

// The C1 control characters follow the symbols, one primary weight for all.
const WCHAR kFirstC1 = 0x0080;
const WCHAR kLastC1 = 0x009F;

// Accented letters after their base letter, lower case before upper case,
// accents in the order Windows gives them. Each run starts at its base.
const WCHAR kAccented[][13] = {
    {'a', 0x00E4, 0x00C4, 0x00E1, 0x00C1, 0x00E2, 0x00C2, 0x0103, 0x0102, 0x0105, 0x0104},
    {'c', 0x0107, 0x0106, 0x00E7, 0x00C7},
    {'d', 0x010F, 0x010E, 0x0111, 0x0110},
    {'e', 0x00EB, 0x00CB, 0x00E9, 0x00C9, 0x011B, 0x011A, 0x0119, 0x0118},
    {'i', 0x00ED, 0x00CD, 0x00EE, 0x00CE},
    {'l', 0x013A, 0x0139, 0x013E, 0x013D, 0x0142, 0x0141},
    {'n', 0x0144, 0x0143, 0x0148, 0x0147},
    {'o', 0x00F6, 0x00D6, 0x00F3, 0x00D3, 0x00F4, 0x00D4, 0x0151, 0x0150},
    {'r', 0x0155, 0x0154},
    {'s', 0x015B, 0x015A, 0x015F, 0x015E},
    {'t', 0x0165, 0x0164, 0x0163, 0x0162},
    {'u', 0x00FC, 0x00DC, 0x00FA, 0x00DA, 0x016F, 0x016E, 0x0171, 0x0170},
    {'y', 0x00FD, 0x00DD},
    {'z', 0x017C, 0x017B, 0x017A, 0x0179},
};

// The characters of the word sort that count for little, in their order.
const WCHAR kSpecials[] = {
    0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006, 0x0007, 0x0008, 0x000E, 0x000F, 0x0010, 0x0011,
    0x0012, 0x0013, 0x0014, 0x0015, 0x0016, 0x0017, 0x0018, 0x0019, 0x001A, 0x001B, 0x001C, 0x001D,
    0x001E, 0x001F, 0x007F, 0x0027, 0xFF07, 0x07F4, 0x07F5, 0x002D, 0xFF0D, 0xFE63, 0x2212, 0x208B,
    0x207B, 0x2010, 0x058A, 0x2011, 0x2027, 0x2043, 0x2012, 0x2013, 0xFE32, 0x2014, 0xFE58, 0xFE31,
    0x2015, 0x301C, 0x3030,
};

void Append(std::u16string& rules, const char* text)
{
    while (*text)
        rules += static_cast<char16_t>(*text++);
}

// Every character goes in quotes, so that none is taken for syntax.
void AppendChar(std::u16string& rules, WCHAR c)
{
    rules += u'\'';
    rules += static_cast<char16_t>(c);
    if (c == u'\'')
        rules += u'\'';
    rules += u'\'';
}

void AppendRelation(std::u16string& rules, Level level)
{
    static const char* const relations[] = {"", " < ", " << ", " <<< "};
    Append(rules, relations[level]);
}

} // namespace

std::u16string WindowsOrderRules()
{
    std::u16string rules;
    Append(rules, "&[first variable]");
    for (const Step& step : kSymbols) {
        AppendRelation(rules, step.level);
        AppendChar(rules, step.c);
    }
    for (WCHAR c = kFirstC1; c <= kLastC1; ++c) {
        AppendRelation(rules, c == kFirstC1 ? kPrimary : kSecondary);
        AppendChar(rules, c);
    }
    for (const auto& run : kAccented) {
        Append(rules, "\n&");
        AppendChar(rules, run[0]);
        for (size_t i = 1; i < sizeof run / sizeof run[0] && run[i]; ++i) {
            AppendRelation(rules, i % 2 ? kSecondary : kTertiary);
            AppendChar(rules, run[i]);
        }
    }
    // The trade mark sign sorts as the letters it shows.
    Append(rules, "\n&tm <<< ");
    AppendChar(rules, 0x2122);
    return rules;
}

uint16_t WordSortSpecialWeight(WCHAR c)
{
    if (c > 0x7F && c < 0x058A)
        return 0;
    for (size_t i = 0; i < sizeof kSpecials / sizeof kSpecials[0]; ++i) {
        if (kSpecials[i] == c)
            return static_cast<uint16_t>(i + 1);
    }
    return 0;
}

} // namespace velor_native
