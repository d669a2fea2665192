// DecodeLine: command choice, positional and keyword values, every value
// type with its errors and stop positions.
#include "decoder_fixture.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

using CommandChoice = DecoderTest;
using Values = DecoderTest;
using Numbers = DecoderTest;
using Texts = DecoderTest;
using Flags = DecoderTest;

TEST_F(CommandChoice, EmptyBlankAndCommentLinesAreNoCommand)
{
    d->AddCommentWord("rem");
    d->AddCommand(nullptr, 1);
    for (const char* text : {"", "   \t ", "  REM anything", "rem"}) {
        const Decoded r = Decode(text);
        EXPECT_EQ(r.result, 0u) << text;
        EXPECT_EQ(r.id, 0u) << text;
        EXPECT_EQ(r.error, kErrorNone) << text;
    }
    uint32_t id = 9, count = 9, error = 9;
    char* stop = reinterpret_cast<char*>(1);
    EXPECT_EQ(d->DecodeLine(nullptr, &id, &count, &stop, &error), 0u);
    EXPECT_EQ(id, 0u);
    EXPECT_EQ(d->DecodeLine(&line[0], nullptr, nullptr, nullptr, nullptr), 0u);
}

TEST_F(CommandChoice, PrefixWithoutRegardToCaseFirstMatchWins)
{
    d->AddCommand(".np", 2);
    d->AddCommand(".n", 3);
    d->AddCommand(nullptr, 1);
    EXPECT_EQ(Decode(".NP x").id, 2u);
    EXPECT_EQ(Decode("  .nx").id, 3u);
    EXPECT_EQ(Decode("1 2 3").id, 1u);
}

TEST_F(CommandChoice, WithoutDefaultCommandUnknownLinesAreNoCommand)
{
    d->AddCommand(".np", 2);
    const Decoded r = Decode("data");
    EXPECT_EQ(r.id, 0u);
    EXPECT_EQ(r.result, 0u);
}

TEST_F(CommandChoice, EmptyTableGetsOneEmptyCommand)
{
    const Decoded r = Decode("anything at all");
    EXPECT_EQ(r.id, 0u);
    EXPECT_EQ(r.error, kErrorNone);
    ASSERT_EQ(d->commands.size(), 1u);
    EXPECT_FALSE(d->commands[0].hasPrefix);
}

TEST_F(CommandChoice, SharedParametersDecodeTheRestOfTheLine)
{
    double x = 0, y = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueNumber, 0, &x, nullptr, "x=");
    d->AddParam(kValueNumber, 0, &y, nullptr, "y=");
    d->AddCommandSharingParams(".pp", 5, 1);
    const Decoded r = Decode(".pp 3 4");
    EXPECT_EQ(r.id, 5u);
    EXPECT_EQ(r.positional, 2u);
    EXPECT_EQ(x, 3.0);
    EXPECT_EQ(y, 4.0);
}

TEST_F(Values, KeywordValueEndsThePositionalOnes)
{
    double x = 0, y = 0, z = 0;
    uint32_t zCount = 7;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueNumber, 0, &y, nullptr, "y=");
    d->AddParam(kValueNumber, 0, &x, nullptr, "x=");
    d->AddParam(kValueNumber, 0, &z, &zCount, "z=");
    const Decoded r = Decode("z=5 1 2");
    EXPECT_EQ(r.positional, 0u);
    EXPECT_EQ(z, 5.0);
    EXPECT_EQ(zCount, 1u);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);

    const Decoded s = Decode("  1 2 3");
    EXPECT_EQ(s.positional, 3u);
    EXPECT_EQ(y, 1.0);
    EXPECT_EQ(x, 2.0);
    EXPECT_EQ(z, 3.0);
    EXPECT_EQ(zCount, 1u); // reset at the start of the line, then counted once
    EXPECT_EQ(s.stop, 7);
}

// A value is tried against the keywords that begin with its first letter in
// upper case (through the case table, so "\xE8" (c caron) finds "\xC8="), and
// a keyword added after a decoded line is found as well.
TEST_F(Values, KeywordsAreFoundByTheirFirstLetterInAnyCase)
{
    CString text;
    double ab = 0, ac = 0, caron = 0, late = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueText, 0, &text, nullptr, "");
    d->AddParam(kValueNumber, 1, &ab, nullptr, "ab=");
    d->AddParam(kValueNumber, 1, &ac, nullptr, "AC=");
    d->AddParam(kValueNumber, 1, &caron, nullptr, "\xC8=");
    EXPECT_EQ(Decode("abc ac=5 Ab=6 \xE8=7").error, kErrorNone);
    EXPECT_STREQ(text, "abc"); // begins like two keywords, is neither
    EXPECT_EQ(ac, 5.0);
    EXPECT_EQ(ab, 6.0);
    EXPECT_EQ(caron, 7.0);
    d->AddParam(kValueNumber, 1, &late, nullptr, "w=");
    EXPECT_EQ(Decode("W=8").positional, 0u);
    EXPECT_EQ(late, 8.0);
    // A keyword of one character, and one whose second letter is found in
    // any case as well.
    double single = 0, second = 0;
    d->AddParam(kValueNumber, 1, &single, nullptr, "@");
    d->AddParam(kValueNumber, 1, &second, nullptr, "z\xC8=");
    EXPECT_EQ(Decode("zc=5 @9 Z\xE8=4").error, kErrorNone);
    EXPECT_EQ(single, 9.0);
    EXPECT_EQ(second, 4.0);
    EXPECT_STREQ(text, "zc=5");
}

TEST_F(Values, KeywordOnlyTextOnACommandLine)
{
    CString name;
    d->AddCommand(".np", 2);
    d->AddParam(kValueText, 1, &name, nullptr, "SName=");
    EXPECT_EQ(Decode(".np SName=abc").id, 2u);
    EXPECT_STREQ(name, "abc");
    Decode(".np sname=def");
    EXPECT_STREQ(name, "def");
    Decode(".np def"); // not positional: passed over
    EXPECT_STREQ(name, "def");
}

TEST_F(Values, SurplusTokensArePassedOver)
{
    int32_t a = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueInteger, 0, &a, nullptr, "");
    const Decoded r = Decode("12 \"quoted text\" more");
    EXPECT_EQ(r.error, kErrorNone);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(r.positional, 1u);
    EXPECT_EQ(r.stop, static_cast<long>(line.size()));
}

TEST_F(Values, TypesOutsideTheRangeReadNothing)
{
    int32_t a = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(0, 0, nullptr, nullptr, "");
    d->AddParam(-10, 0, nullptr, nullptr, "");
    d->AddParam(kValueInteger, 0, &a, nullptr, "");
    const Decoded r = Decode("5");
    EXPECT_EQ(r.error, kErrorNone);
    EXPECT_EQ(a, 5);
    EXPECT_EQ(r.positional, 3u);
}

TEST_F(Numbers, DecimalTextGivesTheNearestDouble)
{
    double v = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueNumber, 0, &v, nullptr, "");
    const struct {
        const char* text;
        double value;
    } cases[] = {{"1.5E2", 150.0}, {"2e-3", 0.002}, {"0.3", 0.3}, {"-12.25", -12.25}, {"+ 7", 7.0},
                 {"123456789.987654321", 123456789.987654321}, {"5.", 5.0}, {"1e", 1.0},
                 {"0.1e1", 1.0}, {"9007199254740993", 9007199254740993.0}, {"1e307", 1e307},
                 {"000000000000000000000000000000001.5", 1.5}};
    for (const auto& c : cases) {
        const Decoded r = Decode(c.text);
        EXPECT_EQ(r.error, kErrorNone) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    std::string manyDigits = "0." + std::string(1000, '3');
    Decode(manyDigits);
    EXPECT_EQ(v, 1.0 / 3.0);
}

// Short numbers take a faster path than long ones; both must give the
// correctly rounded double, which from_chars gives too. The cases straddle
// the path's limits: 15 and 16 digits, powers of ten up to 10^22 and beyond,
// and digits whose value lies near a rounding boundary.
TEST_F(Numbers, ShortAndLongNumbersRoundAlike)
{
    double v = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueNumber, 0, &v, nullptr, "");
    uint64_t state = 0x9E3779B97F4A7C15u;
    const auto next = [&state] {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return state >> 33;
    };
    int mismatches = 0;
    for (int i = 0; i < 20000 && mismatches < 5; ++i) {
        const int digits = 1 + static_cast<int>(next() % 17);
        std::string text;
        for (int k = 0; k < digits; ++k)
            text += static_cast<char>('0' + next() % 10);
        const size_t point = next() % (text.size() + 1);
        if (point < text.size())
            text.insert(point, ".");
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "e%d", static_cast<int>(next() % 61) - 30);
        if (next() % 2)
            text += exponent;
        if (text[0] == '.')
            text.insert(0, "0");
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const Decoded r = Decode(text);
        if (r.error != kErrorNone || v != expected) {
            ++mismatches;
            ADD_FAILURE() << text << " gave " << v << ", expected " << expected;
        }
    }
    for (const char* text : {"900719925474099e-22", "1.00000000000001", "123456789012345e22", "123456789012345e23",
                             "0.3000000000000000444089209850062616169452667236328125", "2.2250738585072011e-308"}) {
        double expected = 0;
        std::from_chars(text, text + std::strlen(text), expected);
        EXPECT_EQ(Decode(text).error, kErrorNone) << text;
        EXPECT_EQ(v, expected) << text;
    }
}

TEST_F(Numbers, WhatIsNotANumberIsANumberErrorAtTheValue)
{
    double v = 42;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueNumber, 0, &v, nullptr, "");
    for (const char* text : {"x", "-", "+ x", ".5", "1e400", "1e308", "-2e308"}) {
        const Decoded r = Decode(std::string("  ") + text);
        EXPECT_EQ(r.result, 1u) << text;
        EXPECT_EQ(r.error, kErrorNumber) << text;
        EXPECT_EQ(r.stop, 2) << text;
        EXPECT_EQ(v, 42.0) << text;
    }
    std::string huge(400, '9');
    EXPECT_EQ(Decode(huge).error, kErrorNumber);
    EXPECT_EQ(Decode("1e-400").error, kErrorNone);
    EXPECT_EQ(v, 0.0);
}

TEST_F(Numbers, StopsBehindTheNumberAndItsBlanks)
{
    double a = 0, b = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueNumber, 0, &a, nullptr, "");
    d->AddParam(kValueNumber, 0, &b, nullptr, "");
    const Decoded r = Decode("1.5   2 ");
    EXPECT_EQ(r.error, kErrorNone);
    EXPECT_EQ(a, 1.5);
    EXPECT_EQ(b, 2.0);
    EXPECT_EQ(r.stop, 8);
    // ',' is no decimal separator outside a point line: the number ends there
    // and the next value, ",5", is no number.
    const Decoded comma = Decode("1,5 2");
    EXPECT_EQ(a, 1.0);
    EXPECT_EQ(comma.error, kErrorNumber);
    EXPECT_EQ(comma.stop, 1);
}

TEST_F(Numbers, IntegersStayInTheir32Bits)
{
    int32_t v = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueInteger, 0, &v, nullptr, "");
    EXPECT_EQ(Decode("2147483647").error, kErrorNone);
    EXPECT_EQ(v, INT_MAX);
    EXPECT_EQ(Decode("-2147483648").error, kErrorNone);
    EXPECT_EQ(v, INT_MIN);
    EXPECT_EQ(Decode("2147483648").error, kErrorNumber);
    EXPECT_EQ(Decode("-99999999999999999999").error, kErrorNumber);
    EXPECT_EQ(v, INT_MIN);
    EXPECT_EQ(Decode("-").error, kErrorNumber);
    EXPECT_EQ(Decode("12.7").error, kErrorNone); // the integer ends at the point
    EXPECT_EQ(v, 12);
}

TEST_F(Flags, IntegersAndYesNoWordsBecomeOneOrZero)
{
    int32_t wide = 5;
    uint8_t narrow = 5, alt = 5;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueFlag32, 0, &wide, nullptr, "");
    d->AddParam(kValueFlag8, 0, &narrow, nullptr, "");
    d->AddParam(kValueFlag8Alt, 0, &alt, nullptr, "");
    EXPECT_EQ(Decode("3 0 -1").error, kErrorNone);
    EXPECT_EQ(wide, 1);
    EXPECT_EQ(narrow, 0);
    EXPECT_EQ(alt, 1);
    EXPECT_EQ(Decode("ANO ne Y").error, kErrorNone);
    EXPECT_EQ(wide, 1);
    EXPECT_EQ(narrow, 0);
    EXPECT_EQ(alt, 1);
    EXPECT_EQ(Decode("n oui nein").error, kErrorNone);
    EXPECT_EQ(wide, 0);
    EXPECT_EQ(narrow, 1);
    EXPECT_EQ(alt, 0);
    EXPECT_EQ(Decode("99999999999 0 0").error, kErrorNone);
    EXPECT_EQ(wide, 1); // out of range is still not zero
    const Decoded bad = Decode("1 maybe 0");
    EXPECT_EQ(bad.error, kErrorInteger);
    EXPECT_EQ(bad.stop, 2);
}

TEST_F(Flags, YesNoDoublesKeepTheirMarkers)
{
    double v = 0;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueYesNoNumber, 0, &v, nullptr, "");
    Decode("yes");
    EXPECT_EQ(v, YES_VALUE);
    Decode("Nein");
    EXPECT_EQ(v, NO_VALUE);
    Decode("7.5");
    EXPECT_EQ(v, 7.5);
    const Decoded bad = Decode(" maybe");
    EXPECT_EQ(bad.error, kErrorYesNo);
    EXPECT_EQ(bad.stop, 1);
    EXPECT_EQ(Decode("-x").error, kErrorNumber);
}

TEST_F(Texts, QuotesAndEscapedQuotes)
{
    CString a, b;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueText, 0, &a, nullptr, "");
    d->AddParam(kValueText, 0, &b, nullptr, "");
    EXPECT_EQ(Decode("\"say \\\"hi\\\" now\" next").error, kErrorNone);
    EXPECT_STREQ(a, "say \"hi\" now");
    EXPECT_STREQ(b, "next");
    Decode("\"\" x\\y");
    EXPECT_STREQ(a, "");
    EXPECT_STREQ(b, "x\\y"); // a backslash before anything but a quote stays
    const Decoded bad = Decode("ok \"never closed");
    EXPECT_EQ(bad.error, kErrorQuote);
    EXPECT_EQ(bad.stop, 3);
}

TEST_F(Texts, CollectedTextsAreJoinedBy0x01)
{
    CString codes;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueTextCollect, 0, &codes, nullptr, "tc=");
    Decode("AB tc=CD tc=\"E F\"");
    EXPECT_STREQ(codes, "AB\x01" "CD\x01" "E F");
}

TEST_F(Texts, ManyCollectedTextsAreJoinedExactly)
{
    // Tokens of growing length cross every power-of-two boundary of the
    // joined value, so a slip in the room asked for shows as a wrong text.
    CString codes;
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueTextCollect, 0, &codes, nullptr, "tc=");
    std::string line = "first";
    std::string expected = "first";
    for (int i = 0; i < 3000; ++i) {
        const std::string token(static_cast<size_t>(1 + i % 37), static_cast<char>('a' + i % 26));
        line += " tc=" + token;
        expected += '\x01' + token;
    }
    EXPECT_EQ(Decode(line).error, kErrorNone);
    ASSERT_EQ(codes.GetLength(), static_cast<int>(expected.size()));
    EXPECT_EQ(std::string(codes.GetString()), expected);
}

TEST_F(Texts, RestOfTheLineUpToAComment)
{
    CString rest;
    int32_t n = 0;
    d->AddCommentWord("//");
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueInteger, 0, &n, nullptr, "");
    d->AddParam(kValueRestOfLine, 0, &rest, nullptr, "");
    EXPECT_EQ(Decode("7 the rest  of it   // remark").error, kErrorNone);
    EXPECT_STREQ(rest, "the rest  of it");
    Decode("8 \"quoted \\\"rest\\\"\"  ");
    EXPECT_STREQ(rest, "quoted \"rest\"");
    EXPECT_EQ(Decode("9 \"open").error, kErrorQuote);
}

TEST_F(Texts, FixedTextKeepsTheRawTokenCut)
{
    char buffer[5];
    std::memset(buffer, 'x', sizeof buffer);
    d->AddCommand(nullptr, 1);
    d->AddParam(4, 0, buffer, nullptr, "");
    Decode("abcdefgh");
    EXPECT_STREQ(buffer, "abcd");
    Decode("\"q\" z");
    EXPECT_STREQ(buffer, "\"q\"");
    EXPECT_EQ(Decode("\"abc").error, kErrorQuote);
}

TEST_F(Texts, CommentWordEndsATokenWithoutBlank)
{
    CString a;
    d->AddCommentWord("#");
    d->AddCommand(nullptr, 1);
    d->AddParam(kValueText, 0, &a, nullptr, "");
    const Decoded r = Decode("name#comment");
    EXPECT_STREQ(a, "name");
    EXPECT_EQ(r.stop, 4);
}
