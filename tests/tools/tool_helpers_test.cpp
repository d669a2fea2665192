// The tool's own helpers: JSON text, numbers that read back, UTF-8 and the
// ANSI conversions, and the command-line reading.
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/text_codec.h"
#include "tools/velortrdcd/utf8.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

TEST(ToolJson, NumbersReadBackExactlyInTheirShortestForm)
{
    std::mt19937_64 random(12345);
    for (int i = 0; i < 20000; ++i) {
        uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const std::string text = ShortestNumber(value);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
    }
    EXPECT_EQ(ShortestNumber(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(ShortestNumber(1e300 * 1e300), "null");
}

TEST(ToolJson, StringsEscapeControlsQuotesAndBackslashes)
{
    EXPECT_EQ(JsonString(std::string("a\x01" "b\"c\\d\n\t\x1f")), "\"a\\u0001b\\\"c\\\\d\\n\\t\\u001f\"");
    JsonWriter json;
    json.BeginObject().Key("a").BeginArray().Integer(-3).Bool(false).Text(nullptr).EndArray();
    json.Key("b").BeginObject().EndObject().EndObject();
    EXPECT_EQ(json.str(), "{\"a\":[-3,false,\"\"],\"b\":{}}");
}

TEST(ToolText, Utf8AndUtf16RoundTripAndRefuseIllFormedBytes)
{
    const std::string text = "a\xC4\x8D\xE2\x82\xAC\xF0\x9F\x98\x80"; // a, c-caron, euro, an emoji
    const std::u16string wide = Utf8ToUtf16(text);
    ASSERT_EQ(wide.size(), 5u); // the emoji takes a surrogate pair
    EXPECT_EQ(Utf16ToUtf8(wide.data(), wide.size()), text);
    for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xE2\x82", "\x80", "\xF4\x90\x80\x80"}) {
        size_t at = 0;
        uint32_t c = 0;
        EXPECT_FALSE(ReadUtf8(bad, &at, &c)) << bad;
        EXPECT_EQ(at, 1u);
    }
    const char16_t lone[] = {0xD800, u'x'};
    EXPECT_EQ(Utf16ToUtf8(lone, 2), "\xEF\xBF\xBDx");
}

TEST(ToolText, AnsiConversionsOfTheCentralEuropeanCodePage)
{
    // Every byte of the code page goes to UTF-8 and comes back unchanged.
    for (int b = 1; b < 256; ++b) {
        const char ansi[2] = {static_cast<char>(b), 0};
        EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(ansi)), std::string(ansi)) << b;
    }
    EXPECT_EQ(AnsiToUtf8("\xE8\x9A\x80"), "\xC4\x8D\xC5\xA1\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToAnsi("\xC3\xA5 \xE8"), "? \xE8"); // a-ring is not in the code page; a bare byte stays
}

TEST(ToolOptions, ValuesFlagsPositionalsAndErrors)
{
    const std::vector<OptionDef> defs = {{"format", true}, {"quiet", false}};
    ParsedOptions o = ParseOptions({"f.txt", "--format", "Y X", "--quiet", "-1", "--", "--quiet"}, defs);
    EXPECT_TRUE(o.error.empty());
    EXPECT_EQ(o.Get("format", ""), "Y X");
    EXPECT_TRUE(o.Has("quiet"));
    EXPECT_EQ(o.positional, (std::vector<std::string>{"f.txt", "-1", "--quiet"}));
    EXPECT_EQ(ParseOptions({"--format=a=b"}, defs).Get("format", ""), "a=b");
    EXPECT_FALSE(ParseOptions({"--format"}, defs).error.empty());
    EXPECT_FALSE(ParseOptions({"--quiet=1"}, defs).error.empty());
    EXPECT_FALSE(ParseOptions({"--loud"}, defs).error.empty());

    long long n = 0;
    EXPECT_TRUE(ParseInteger("42", 0, 100, &n));
    EXPECT_EQ(n, 42);
    for (const char* bad : {"", "4x", "-1", "101", "99999999999999999999"})
        EXPECT_FALSE(ParseInteger(bad, 0, 100, &n)) << bad;
    double d = 0;
    EXPECT_TRUE(ParseDouble("-2.5e1", &d));
    EXPECT_EQ(d, -25.0);
    EXPECT_FALSE(ParseDouble("1,5", &d));
}
