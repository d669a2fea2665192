// Format strings: reading every token kind, the error positions, what a
// failed read leaves, and the normal form printed back.
#include "formats/format_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
    int32_t result;
    uint32_t stop;
    PointFormat model;
};

Parsed Parse(const char* text)
{
    Parsed p{};
    p.result = ParseFormatText(p.model, text, &p.stop);
    return p;
}

std::string Print(const char* text)
{
    PointFormat model;
    ParseFormatText(model, text, nullptr);
    return std::string(PrintFormatText(model));
}

std::vector<std::string> Words(const PointFormat& m)
{
    std::vector<std::string> out;
    for (const CString& w : m.commentWords)
        out.emplace_back(w);
    return out;
}

const std::vector<std::string> kDefaultWords = {";", "$", "!", "*"};

} // namespace

TEST(FormatModel, FreshModelHasItsConstructionValues)
{
    const PointFormat m;
    EXPECT_TRUE(m.fields.empty());
    EXPECT_EQ(m.coordSystem, 0);
    EXPECT_EQ(m.decimalComma, 0);
    EXPECT_STREQ(m.textCodeSeparators, ";");
    EXPECT_TRUE(m.commentWords.empty());
    EXPECT_EQ(m.decimals[3], 3);
    EXPECT_EQ(m.hostSettings[0], 11);
    // No comment words at all, said as " cmt()" so that the form reads back
    // as none rather than as the standard four.
    EXPECT_EQ(std::string(PrintFormatText(m)), " sys=0 cmt()");
    EXPECT_EQ(std::string(PrintFormatText(m, false)), " sys=0");
}

TEST(FormatModel, CopiesCarryHostMembersAndOwnTheirTexts)
{
    PointFormat a;
    ParseFormatText(a, "Y X sep(;) cmt(#)", nullptr);
    a.hostValues[0] = 7;
    a.hostValues[1] = -9;
    a.hostBytes[2] = 42;
    a.hostSettings[1] = 5;
    a.modelNameInHeader = 1;
    PointFormat b = a;
    a.commentWords[0] = "changed";
    a.fieldSeparators = ",";
    EXPECT_EQ(b.hostValues[0], 7);
    EXPECT_EQ(b.hostValues[1], -9);
    EXPECT_EQ(b.hostBytes[2], 42);
    EXPECT_EQ(b.hostSettings[1], 5);
    EXPECT_EQ(b.modelNameInHeader, 1);
    EXPECT_STREQ(b.commentWords[0], "#");
    EXPECT_STREQ(b.fieldSeparators, ";");
    PointFormat c;
    c = b;
    EXPECT_EQ(c.fields, b.fields);
    EXPECT_EQ(c.hostBytes[2], 42);
}

TEST(FormatParse, EmptyAndBlankStringsGiveTheDefaults)
{
    for (const char* text : {"", "   \t"}) {
        const Parsed p = Parse(text);
        EXPECT_EQ(p.result, 0);
        EXPECT_EQ(p.stop, std::string(text).size());
        EXPECT_TRUE(p.model.fields.empty());
        EXPECT_EQ(p.model.coordSystem, -1);
        EXPECT_EQ(Words(p.model), kDefaultWords);
        EXPECT_STREQ(p.model.textCodeSeparators, "");
    }
}

TEST(FormatParse, FieldsInOrderWithoutRegardToCase)
{
    const Parsed p = Parse("y x  z st NAME ncode plgp vdesc noln tpri ttype etype null r tcodeend pnr tcode");
    EXPECT_EQ(p.result, 0);
    const std::vector<FieldKind> want = {1, 0, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 5};
    EXPECT_EQ(p.model.fields, want);
    EXPECT_EQ(Parse("X Y X").model.fields, (std::vector<FieldKind>{0, 1, 0}));
}

TEST(FormatParse, OptionsAndTheirForms)
{
    const Parsed p = Parse("Y X sep(t;) decc dec = 2 sys= 1 TCode(;,)");
    EXPECT_EQ(p.result, 0);
    EXPECT_STREQ(p.model.fieldSeparators, "\t;");
    EXPECT_EQ(p.model.decimalComma, 1);
    EXPECT_EQ(p.model.decimals[0], 2);
    EXPECT_EQ(p.model.decimals[3], 2);
    EXPECT_EQ(p.model.coordSystem, 1);
    EXPECT_STREQ(p.model.textCodeSeparators, ";,");

    const Parsed next = Parse("dec=2x");
    EXPECT_EQ(next.result, 0);
    EXPECT_EQ(next.model.fields, std::vector<FieldKind>{0});
    EXPECT_EQ(Parse("dec=4 dec=6").model.decimals[1], 6);
    EXPECT_EQ(Parse("sys=-0").model.coordSystem, 0);
}

TEST(FormatParse, TCodeWithoutListTakesTheNextCharacter)
{
    const Parsed end = Parse("Y X TCode");
    EXPECT_EQ(end.result, 0);
    EXPECT_STREQ(end.model.textCodeSeparators, "");
    const Parsed eq = Parse("TCode=Y");
    EXPECT_EQ(eq.result, 0);
    EXPECT_EQ(eq.model.fields, (std::vector<FieldKind>{5, 1}));
}

TEST(FormatParse, CommentWordLists)
{
    EXPECT_EQ(Words(Parse("cmt(; $ ! *)").model), kDefaultWords);
    EXPECT_EQ(Words(Parse("cmt(a b )").model), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Words(Parse("cmt(a) cmt(b)").model), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(Parse("cmt()").model.commentWords.empty());
    EXPECT_EQ(Words(Parse("cmt(  // rem)").model), (std::vector<std::string>{"//", "rem"}));
}

TEST(FormatParse, ErrorPositions)
{
    const struct {
        const char* text;
        uint32_t stop;
    } cases[] = {
        {"sys=8", 4},     {"sys=-1", 4},  {"dec=16", 4},     {"sys=", 4},       {"sys=1 sys=2", 6},
        {"cmt", 3},       {"sep=3", 3},   {"sep (x)", 3},    {"Name=", 4},      {"cmt(a b", 7},
        {"sep(;", 5},     {"TCode(;", 7}, {"Y X Q", 4},      {"sys x", 4},      {"dec", 3},
        {"XY", 0},        {"Y(", 1},      {"dec=99999999999999999999", 4},
    };
    for (const auto& c : cases) {
        const Parsed p = Parse(c.text);
        EXPECT_EQ(p.result, 1) << c.text;
        EXPECT_EQ(p.stop, c.stop) << c.text;
    }
}

TEST(FormatParse, FailedReadKeepsWhatCameBefore)
{
    PointFormat m;
    m.hostValues[0] = 99;
    uint32_t stop = 0;
    EXPECT_EQ(ParseFormatText(m, "Y X sys=2 Q decc", &stop), 1);
    EXPECT_EQ(m.fields, (std::vector<FieldKind>{1, 0}));
    EXPECT_EQ(m.coordSystem, 2);
    EXPECT_EQ(m.decimalComma, 0);
    EXPECT_EQ(m.hostValues[0], 99);
    EXPECT_EQ(m.modelNameInHeader, 0);
}

TEST(FormatPrint, NormalForm)
{
    EXPECT_EQ(Print("Y X cmt(; $ ! *)"), "Y X cmt(; $ ! *)");
    EXPECT_EQ(Print("y   x"), "Y X cmt(; $ ! *)");
    EXPECT_EQ(Print("Y X sep(T) decc dec=2 sys=1"), "Y X sep(T) decc dec=2 sys=1 cmt(; $ ! *)");
    EXPECT_EQ(Print("sep(t;)"), " sep(T;) cmt($ ! *)");
    EXPECT_EQ(Print("TCode(;,) Name"), "TCode(;,) Name cmt($ ! *)");
    EXPECT_EQ(Print("cmt() dec=3 x"), "X cmt()");
    EXPECT_EQ(Print("sys=0 cmt(#) ncode tcodeend"), "NCode TCodeEnd sys=0 cmt(#)");
}

// Without "cmt(" the standard comment words leave out every separator
// character of the format: a default must never cut a line where a value
// ends. Written words are kept as they stand.
TEST(FormatParse, StandardCommentWordsLeaveOutTheSeparators)
{
    const struct {
        const char* text;
        const char* printed;
    } cases[] = {
        {"X Y Null Z sep(;)", "X Y Null Z sep(;) cmt($ ! *)"},
        {"Name TCode(;*) Y X", "Name TCode(;*) Y X cmt($ !)"},
        {"Y X sep(!$)", "Y X sep(!$) cmt(; *)"},
        {"Y X sep(;) cmt(; #)", "Y X sep(;) cmt(; #)"},
        {"Y X sep(,) cmt()", "Y X sep(,) cmt()"},
        {"Y X", "Y X cmt(; $ ! *)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Print(c.text), c.printed) << c.text;
}

