// The character services as the system uses them, on both builds: case
// mapping and character classes in code page 1250 and UTF-16, the code-page
// and UTF-8 conversions with their sizes and errors, and the locale-aware
// comparison under the Czech locale.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

LPSTR NarrowChar(unsigned value)
{
    return reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(value));
}

LPWSTR WideChar(unsigned value)
{
    return reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(value));
}

unsigned CharValue(const void* result)
{
    return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(result));
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

int Compare(const char* a, const char* b)
{
    return Sign(lstrcmpA(a, b));
}

int CompareNoCase(const char* a, const char* b)
{
    return Sign(lstrcmpiA(a, b));
}

std::vector<unsigned> Units(const WCHAR* text, int count)
{
    return std::vector<unsigned>(text, text + count);
}

std::vector<unsigned> Utf8ToUnits(const std::string& bytes, DWORD flags, DWORD& error)
{
    WCHAR out[16] = {};
    SetLastError(0);
    const int count = MultiByteToWideChar(CP_UTF8, flags, bytes.data(), static_cast<int>(bytes.size()), out, 16);
    error = GetLastError();
    return Units(out, count);
}

std::string Bytes(const char* text, int count)
{
    return std::string(text, static_cast<size_t>(count));
}

} // namespace

TEST(Chars, AnsiCodePageIsCentralEuropean)
{
    EXPECT_EQ(GetACP(), 1250u);
}

TEST(Chars, CharUpperAndLowerMapCodePage1250Letters)
{
    char text[] = "\xB9\x9A\xE8\x9E\xF8 \xB5\xDF 1a";
    EXPECT_EQ(CharUpperA(text), text);
    EXPECT_EQ(std::string(text), "\xA5\x8A\xC8\x8E\xD8 \xB5\xDF 1A"); // micro sign and sharp s stay
    EXPECT_EQ(CharLowerA(text), text);
    EXPECT_EQ(std::string(text), "\xB9\x9A\xE8\x9E\xF8 \xB5\xDF 1a");
}

TEST(Chars, SingleCharacterFormsUseTheLowWord)
{
    EXPECT_EQ(CharValue(CharUpperA(NarrowChar(0xB9))), 0xA5u);
    EXPECT_EQ(CharValue(CharUpperA(NarrowChar(0x1B9))), 0xA5u); // only the low byte counts
    EXPECT_EQ(CharValue(CharLowerA(NarrowChar(0xC8))), 0xE8u);
    EXPECT_EQ(CharValue(CharUpperA(NarrowChar('1'))), unsigned('1'));
    EXPECT_EQ(CharValue(CharUpperW(WideChar(0x010D))), 0x010Cu);
    EXPECT_EQ(CharValue(CharLowerW(WideChar(0x0178))), 0x00FFu);
    EXPECT_EQ(CharValue(CharUpperA(nullptr)), 0u);
}

TEST(Chars, WideCaseMapsOnlyPairsThatGoBothWays)
{
    WCHAR upper[] = {0x00FF, 0x00B5, 0x0131, 0x01C5, 0x00DF, 0x010D, 0x03C2, 0x01C6, 0};
    CharUpperW(upper);
    EXPECT_EQ(Units(upper, 8), (std::vector<unsigned>{0x0178, 0x00B5, 0x0131, 0x01C5, 0x00DF, 0x010C, 0x03C2, 0x01C4}));
    WCHAR lower[] = {0x0130, 0x1E9E, 0x212A, 0x216B, 0x03A3, 0xFF21, 0};
    CharLowerW(lower);
    EXPECT_EQ(Units(lower, 6), (std::vector<unsigned>{0x0130, 0x1E9E, 0x212A, 0x217B, 0x03C3, 0xFF41}));
}

TEST(Chars, CharacterClasses)
{
    for (char c : {'a', 'Z', '\xC8', '\x9A', '\xB5', '\xA1'}) // '\xA1' is the caron, a modifier letter
        EXPECT_TRUE(IsCharAlphaA(c)) << int(static_cast<unsigned char>(c));
    for (char c : {'0', '9'}) {
        EXPECT_FALSE(IsCharAlphaA(c));
        EXPECT_TRUE(IsCharAlphaNumericA(c));
    }
    for (char c : {'-', ' ', '_', '\xA7', '\x81', '\xA2', '\0'}) {
        EXPECT_FALSE(IsCharAlphaA(c)) << int(static_cast<unsigned char>(c));
        EXPECT_FALSE(IsCharAlphaNumericA(c)) << int(static_cast<unsigned char>(c));
    }
    EXPECT_TRUE(IsCharAlphaW(0x216B));  // Roman numeral twelve
    EXPECT_FALSE(IsCharAlphaW(0x00B2)); // superscript two: a digit, no letter
    EXPECT_TRUE(IsCharAlphaNumericW(0x00B2));
    EXPECT_FALSE(IsCharAlphaNumericW(0x2075));
    EXPECT_TRUE(IsCharAlphaNumericW(0x0663)); // Arabic-Indic digit three
}

TEST(Chars, EveryAnsiByteRoundTrips)
{
    std::vector<unsigned> seen;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        WCHAR wide = 0;
        ASSERT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &c, 1, &wide, 1), 1) << byte;
        char back = 0;
        BOOL used = TRUE;
        ASSERT_EQ(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, &back, 1, nullptr, &used), 1);
        EXPECT_EQ(back, c) << byte;
        EXPECT_FALSE(used) << byte;
        seen.push_back(wide);
    }
    EXPECT_EQ(seen[0x80], 0x20ACu);
    EXPECT_EQ(seen[0x8A], 0x0160u);
    EXPECT_EQ(seen[0xB9], 0x0105u);
    EXPECT_EQ(seen[0xFF], 0x02D9u);
    for (unsigned undefined : {0x81u, 0x83u, 0x88u, 0x90u, 0x98u})
        EXPECT_EQ(seen[undefined], undefined); // bytes the code page leaves free stand for themselves
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
}

TEST(Chars, WholeCodePageConvertsAsOneString)
{
    char bytes[256];
    for (int i = 1; i < 256; ++i)
        bytes[i - 1] = static_cast<char>(i);
    bytes[255] = 0;
    EXPECT_EQ(MultiByteToWideChar(CP_THREAD_ACP, 0, bytes, -1, nullptr, 0), 256);
    WCHAR wide[256];
    ASSERT_EQ(MultiByteToWideChar(CP_THREAD_ACP, 0, bytes, -1, wide, 256), 256);
    EXPECT_EQ(wide[255], 0);
    char back[256];
    BOOL used = TRUE;
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -1, back, 256, nullptr, &used), 256);
    EXPECT_FALSE(used);
    EXPECT_EQ(std::string(back), std::string(bytes));
}

TEST(Chars, StrictUtf8RefusesMalformedSequences)
{
    const std::string malformed[] = {
        "\xC0\x80",          // overlong NUL
        "\xE0\x80\x80",      // overlong in three bytes
        "\xE4\xB8",          // truncated
        "ab\xE4\xB8",        // truncated after good text
        "\xED\xA0\x80",      // a surrogate
        "\xF4\x90\x80\x80",  // beyond U+10FFFF
        "\x80",              // a lone continuation byte
    };
    for (const std::string& bytes : malformed) {
        DWORD error = 0;
        EXPECT_TRUE(Utf8ToUnits(bytes, MB_ERR_INVALID_CHARS, error).empty()) << bytes;
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION)) << bytes;
    }
    DWORD error = 0;
    EXPECT_EQ(Utf8ToUnits("\xC5\xA1\xC4\x8D", MB_ERR_INVALID_CHARS, error), (std::vector<unsigned>{0x0161, 0x010D}));
    EXPECT_EQ(Utf8ToUnits("\xF0\x9F\x98\x80", MB_ERR_INVALID_CHARS, error), (std::vector<unsigned>{0xD83D, 0xDE00}));
    EXPECT_EQ(Utf8ToUnits("\xEF\xBF\xBF", MB_ERR_INVALID_CHARS, error), (std::vector<unsigned>{0xFFFF}));
}

TEST(Chars, LaxUtf8ReplacesMalformedSequences)
{
    DWORD error = 0;
    EXPECT_EQ(Utf8ToUnits("\xC0\x80", 0, error), (std::vector<unsigned>{0xFFFD, 0xFFFD}));
    EXPECT_EQ(Utf8ToUnits("\xE0\x80\x80", 0, error), (std::vector<unsigned>{0xFFFD, 0xFFFD}));
    EXPECT_EQ(Utf8ToUnits("\xED\xA0\x80", 0, error), (std::vector<unsigned>{0xFFFD, 0xFFFD}));
    EXPECT_EQ(Utf8ToUnits("\xE4\xB8" "a", 0, error), (std::vector<unsigned>{0xFFFD, 'a'}));
    // A sequence cut off by the end of the input takes the rest with it.
    EXPECT_EQ(Utf8ToUnits("\xF0\x9F" "a", 0, error), (std::vector<unsigned>{0xFFFD}));
}

TEST(Chars, SizeQueriesAndShortBuffers)
{
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, nullptr, 0), 3);
    WCHAR wide[3] = {};
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abcdef", -1, wide, 3), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(wide[0], 'a');

    const WCHAR text[] = {'a', 0x0161, 0x20AC, 0x4E00, 0};
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr), 10);
    char narrow[4];
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow, 4, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, 2, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(Bytes(narrow, 2), "a\x9A");
}

TEST(Chars, ConversionsRefuseBadArguments)
{
    WCHAR wide[8];
    char narrow[8];
    const WCHAR text[] = {'a', 0};
    struct Case {
        int result;
        DWORD error;
    };
    const auto run = [](int result) { return Case{result, GetLastError()}; };
    const Case cases[] = {
        run(MultiByteToWideChar(CP_ACP, 0, "abc", 0, wide, 8)),
        run(MultiByteToWideChar(CP_ACP, 0, nullptr, 3, wide, 8)),
        run(MultiByteToWideChar(CP_ACP, 0, "abc", 3, nullptr, 8)),
        run(MultiByteToWideChar(12345, 0, "abc", 3, wide, 8)),
        run(WideCharToMultiByte(CP_ACP, 0, text, 0, narrow, 8, nullptr, nullptr)),
        run(WideCharToMultiByte(CP_UTF8, 0, text, 1, nullptr, 8, nullptr, nullptr)),
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, 0);
        EXPECT_EQ(c.error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0x80, "abc", 3, wide, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
}

TEST(Chars, UnmappableCharactersTakeTheDefaultChar)
{
    const WCHAR text[] = {'a', 0x0161, 0x20AC, 0x4E00, 0};
    char narrow[8] = {};
    BOOL used = FALSE;
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, 8, nullptr, &used), 5);
    EXPECT_EQ(std::string(narrow), "a\x9A\x80?");
    EXPECT_TRUE(used);
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, 8, "#", &used), 5);
    EXPECT_EQ(std::string(narrow), "a\x9A\x80#");
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, text, 3, narrow, 8, nullptr, &used), 3);
    EXPECT_FALSE(used);
    used = TRUE;
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, 3, nullptr, 0, nullptr, &used), 3);
    EXPECT_FALSE(used); // a size query reports it too
}

TEST(Chars, BestFitCanBeRefused)
{
    const WCHAR text[] = {0x00C0, 0x01D6, 0xFF21, 0};
    char narrow[4] = {};
    BOOL used = TRUE;
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, text, 3, narrow, 4, nullptr, &used), 3);
    EXPECT_EQ(Bytes(narrow, 3), "AuA");
    EXPECT_FALSE(used);
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, 3, narrow, 4, nullptr, &used), 3);
    EXPECT_EQ(Bytes(narrow, 3), "???");
    EXPECT_TRUE(used);
}

TEST(Chars, LoneSurrogates)
{
    const WCHAR text[] = {'a', 0xD800, 'b', 0xDC00, 0xD83D, 0xDE00, 0};
    char narrow[32] = {};
    ASSERT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow, 32, nullptr, nullptr), 13);
    EXPECT_EQ(Bytes(narrow, 13), std::string("a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xF0\x9F\x98\x80", 13));
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, -1, narrow, 32, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, 32, nullptr, nullptr), 7);
    EXPECT_EQ(std::string(narrow), "a?b???"); // one default char per code unit
}

TEST(Chars, CzechCollation)
{
    EXPECT_EQ(Compare("ch", "h"), 1);
    EXPECT_EQ(Compare("ch", "i"), -1);
    EXPECT_EQ(Compare("chr", "hr"), 1);
    EXPECT_EQ(Compare("cz", "\xE8"), -1); // c-caron is a letter of its own after c
    EXPECT_EQ(Compare("ea", "\xEC"), 1);  // e-caron is an e with an accent
    EXPECT_EQ(Compare("\xEC", "f"), -1);
    EXPECT_EQ(Compare("r", "\xF8"), -1);
    EXPECT_EQ(Compare("rz", "\xF8"), -1);
    EXPECT_EQ(Compare("\xF8", "s"), -1);
    EXPECT_EQ(Compare("sz", "\x9A"), -1);
    EXPECT_EQ(Compare("zz", "\x9E"), -1);
}

TEST(Chars, CaseDecidesOnlyWhenAllElseIsEqual)
{
    EXPECT_EQ(Compare("a", "A"), -1);
    EXPECT_EQ(Compare("ab", "AB"), -1);
    EXPECT_EQ(Compare("Ab", "ac"), -1);
    EXPECT_EQ(CompareNoCase("ab", "AB"), 0);
    EXPECT_EQ(CompareNoCase("\xE8" "aj", "\xC8" "AJ"), 0);
    EXPECT_EQ(CompareNoCase("CH", "ch"), 0);
    EXPECT_EQ(CompareNoCase("ab", "AC"), -1);
    // "Ch" is the letter ch, "cH" the letters c and H.
    EXPECT_EQ(Compare("Ch", "cH"), 1);
    EXPECT_EQ(CompareNoCase("Ch", "cH"), 1);
}

TEST(Chars, HyphenAndApostropheCountForLittle)
{
    EXPECT_EQ(Compare("coop", "co-op"), -1);
    EXPECT_EQ(Compare("co-op", "cop"), -1);
    EXPECT_EQ(Compare("its", "it's"), -1);
    EXPECT_EQ(Compare("a'b", "a-b"), -1);
    EXPECT_EQ(Compare("-ab", "a-b"), 1); // the earlier hyphen sorts later
    EXPECT_EQ(Compare("a-bc", "ab-c"), 1);
    EXPECT_EQ(Compare("a--b", "a-b"), 1);
    EXPECT_EQ(Compare("co-op", "Coop"), -1); // case outweighs the hyphen
    EXPECT_EQ(CompareNoCase("co-op", "Coop"), 1);
    EXPECT_EQ(Compare("-", ""), 1);
    EXPECT_EQ(Compare("-", "'"), 1);
    EXPECT_EQ(Compare("c-h", "ch"), -1); // the hyphen parts c and h
    // Spaces and other punctuation count in full.
    EXPECT_EQ(Compare("a b", "ab"), -1);
    EXPECT_EQ(Compare("a b", "a-b"), -1);
    EXPECT_EQ(Compare("a\tb", "ab"), -1);
}

TEST(Chars, SingleBytesSortInTheWindowsOrder)
{
    // Each byte sorts strictly after the one before it, as one-character
    // strings (the case table's collation ranks come from this order).
    const unsigned chain[] = {
        0x01, 0x02, 0x1F, 0x7F, 0x27, 0x2D, 0x96, 0x97, 0x20, 0xA0, 0x09, 0x0A, 0x0D, '!', '"', '#', '$', '%', '&',
        '(', ')', '*', ',', '.', '/', ':', ';', '?', '@', '[', '\\', ']', '^', '_', '`', '{', '|', '}', '~', 0xA6,
        0xA8, 0xB4, 0xB8, 0xA1, 0xA2, 0xFF, 0xB2, 0xBD, 0x91, 0x92, 0x82, 0x93, 0x94, 0x84, 0x8B, 0x9B, 0xA4,
        0x80, '+', '<', '=', '>', 0xB1, 0xAB, 0xBB, 0xD7, 0xF7, 0xA7, 0xA9, 0xAC, 0xAE, 0xB0, 0xB5, 0xB6, 0xB7,
        0x85, 0x86, 0x87, 0x95, 0x89, 0x81, 0x83, 0x88, 0x90, 0x98, '0', '9', 'a', 'A', 0xE4, 0xC4, 0xE1, 0xC1,
        0xE2, 0xC2, 0xE3, 0xC3, 0xB9, 0xA5, 'b', 'B', 'c', 'C', 0xE6, 0xC6, 0xE7, 0xC7, 0xE8, 0xC8, 'd', 'D',
        0xEF, 0xCF, 0xF0, 0xD0, 'e', 'E', 0xEB, 0xCB, 0xE9, 0xC9, 0xEC, 0xCC, 0xEA, 0xCA, 'h', 'H', 'i', 'I',
        0xED, 0xCD, 0xEE, 0xCE, 'l', 'L', 0xE5, 0xC5, 0xBE, 0xBC, 0xB3, 0xA3, 'n', 'N', 0xF1, 0xD1, 0xF2, 0xD2,
        'o', 'O', 0xF6, 0xD6, 0xF3, 0xD3, 0xF4, 0xD4, 0xF5, 0xD5, 'r', 'R', 0xE0, 0xC0, 0xF8, 0xD8, 's', 'S',
        0x9C, 0x8C, 0xBA, 0xAA, 0xDF, 0x9A, 0x8A, 't', 'T', 0x9D, 0x8D, 0xFE, 0xDE, 0x99, 'u', 'U', 0xFC, 0xDC,
        0xFA, 0xDA, 0xF9, 0xD9, 0xFB, 0xDB, 'y', 'Y', 0xFD, 0xDD, 'z', 'Z', 0xBF, 0xAF, 0x9F, 0x8F, 0x9E, 0x8E,
    };
    const size_t count = sizeof chain / sizeof chain[0];
    for (size_t i = 1; i < count; ++i) {
        const char before[2] = {static_cast<char>(chain[i - 1]), 0};
        const char after[2] = {static_cast<char>(chain[i]), 0};
        EXPECT_EQ(Compare(before, after), -1) << std::hex << chain[i - 1] << " before " << chain[i];
    }
    // NUL (the empty string) and the soft hyphen are both nothing.
    EXPECT_EQ(Compare("", "\xAD"), 0);
    EXPECT_EQ(Compare("\xAD", "\x01"), -1);
}

TEST(Chars, WideComparison)
{
    const WCHAR ch[] = {'c', 'h', 0}, h[] = {'h', 0}, i[] = {'i', 0};
    EXPECT_EQ(Sign(lstrcmpW(ch, h)), 1);
    EXPECT_EQ(Sign(lstrcmpW(ch, i)), -1);
    const WCHAR lowerTea[] = {0x010D, 'a', 'j', 0}, upperTea[] = {0x010C, 'A', 'J', 0};
    EXPECT_EQ(Sign(lstrcmpW(lowerTea, upperTea)), -1);
    EXPECT_EQ(lstrcmpiW(lowerTea, upperTea), 0);
}

TEST(Chars, NullStrings)
{
    EXPECT_EQ(lstrcmpA(nullptr, nullptr), 0);
    EXPECT_LT(lstrcmpA(nullptr, "a"), 0);
    EXPECT_GT(lstrcmpA("a", nullptr), 0);
    EXPECT_LT(lstrcmpA(nullptr, ""), 0);
    EXPECT_EQ(lstrlenA(nullptr), 0);
    EXPECT_EQ(lstrlenA("\xE8\x9A"), 2);
}
