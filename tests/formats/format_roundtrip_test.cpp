// Printing a parsed format string and parsing the print again gives the same
// model, for many generated strings, except where the text form cannot carry
// a value: text-code separators without a TCode field, separators or words
// holding ")" or blanks, and the four decimals. An empty comment list comes
// back empty: it prints as " cmt()".
#include "formats/format_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

const char* const kTokens[] = {
    "X", "y", "Z", "st", "Name", "NCODE", "PlgP", "vdesc", "NoLn", "TPri", "TType", "EType", "null",
    "R", "TCodeEnd", "PNr", "TCode", "TCode(;)", "TCode(,;)", "tcode(.)", "sep(;)", "sep(t)", "sep(,T)",
    "decc", "dec=0", "dec=15", "dec = 7", "sys=0", "sys=7", "sys = 3", "cmt(#)", "cmt(; rem)",
    "cmt()", "cmt( // )",
};

std::string Generate(std::mt19937& rng)
{
    std::uniform_int_distribution<int> count(0, 8);
    std::uniform_int_distribution<size_t> pick(0, sizeof kTokens / sizeof kTokens[0] - 1);
    std::uniform_int_distribution<int> blanks(1, 3);
    std::string text;
    bool system = false;
    for (int n = count(rng); n > 0; --n) {
        std::string token = kTokens[pick(rng)];
        if (token.rfind("sys", 0) == 0) {
            if (system)
                continue; // one system per string
            system = true;
        }
        text += std::string(static_cast<size_t>(blanks(rng)), ' ') + token;
    }
    return text;
}

void ExpectSameModel(const PointFormat& a, const PointFormat& b, const std::string& text)
{
    EXPECT_EQ(a.fields, b.fields) << text;
    EXPECT_EQ(a.coordSystem, b.coordSystem) << text;
    EXPECT_EQ(a.decimalComma, b.decimalComma) << text;
    EXPECT_STREQ(a.fieldSeparators, b.fieldSeparators) << text;
    EXPECT_EQ(a.decimals[0], b.decimals[0]) << text;
    bool hasTCode = false;
    for (FieldKind k : a.fields)
        hasTCode = hasTCode || k == kFieldTCode;
    if (hasTCode) {
        EXPECT_STREQ(a.textCodeSeparators, b.textCodeSeparators) << text;
    }
    ASSERT_EQ(a.commentWords.size(), b.commentWords.size()) << text;
    for (size_t i = 0; i < a.commentWords.size(); ++i)
        EXPECT_STREQ(a.commentWords[i], b.commentWords[i]) << text;
}

} // namespace

TEST(FormatRoundTrip, PrintThenParseGivesTheSameModel)
{
    std::mt19937 rng(20261207);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = Generate(rng);
        PointFormat first;
        ASSERT_EQ(ParseFormatText(first, text.c_str(), nullptr), 0) << text;
        const CString printed = PrintFormatText(first);
        PointFormat second;
        uint32_t stop = 0;
        ASSERT_EQ(ParseFormatText(second, printed, &stop), 0) << text << " -> " << printed;
        EXPECT_EQ(stop, static_cast<uint32_t>(printed.GetLength()));
        ExpectSameModel(first, second, text);
        EXPECT_STREQ(PrintFormatText(second), printed) << text; // the normal form is a fixed point
    }
}
