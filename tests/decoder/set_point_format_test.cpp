// Point lines defined from format strings, decoding data lines of several
// formats into a point record.
#include "decoder_fixture.h"

#include "VelorTrDcdFormat.h"

#include <cstring>

class PointFormatLine : public DecoderTest {
protected:
    void Use(const char* format)
    {
        ASSERT_EQ(d->SetPointFormat(nullptr, 1, &rec, format), 0u) << format;
    }
    Decoded Line(const std::string& text)
    {
        rec.Clear();
        return Decode(text);
    }
    PointRecord rec;
};

TEST_F(PointFormatLine, BadFormatDefinesNothing)
{
    EXPECT_EQ(d->SetPointFormat(nullptr, 1, &rec, "Y X Q"), 1u);
    EXPECT_TRUE(d->commands.empty());
    EXPECT_TRUE(d->commentWords.empty());
    EXPECT_EQ(d->keywordThreshold, 0u);
}

TEST_F(PointFormatLine, DefinitionFollowsTheFormat)
{
    Use("Y X NCode sep(;) decc TCode(,) cmt(# //)");
    ASSERT_EQ(d->commands.size(), 1u);
    const DecodeCommand& c = d->commands[0];
    EXPECT_TRUE(c.isPointLine);
    EXPECT_EQ(c.params.size(), 4u + 18u); // four fields, every kind once more, and "p:"
    EXPECT_STREQ(c.params[0].keyword, "Y=");
    EXPECT_EQ(c.params[0].keywordOnly, 0u);
    EXPECT_STREQ(c.params[4].keyword, "X=");
    EXPECT_EQ(c.params[4].keywordOnly, 1u);
    EXPECT_STREQ(c.params[11].keyword, "P:");
    EXPECT_EQ(d->keywordThreshold, 65u);
    ASSERT_EQ(d->commentWords.size(), 2u);
    EXPECT_STREQ(d->commentWords[1], "//");
    EXPECT_STREQ(d->fieldSeparator, ";");
    EXPECT_STREQ(d->textCodeSeparators, ",");
    EXPECT_TRUE(d->decimalComma);
}

TEST_F(PointFormatLine, BlankSeparatedFields)
{
    Use("Y X Z");
    const Decoded r = Line("  1 2 3");
    EXPECT_EQ(r.error, kErrorNone);
    EXPECT_EQ(r.positional, 3u);
    EXPECT_EQ(rec.y, 1.0);
    EXPECT_EQ(rec.x, 2.0);
    EXPECT_EQ(rec.z, 3.0);
}

TEST_F(PointFormatLine, KeywordValuesAnywhere)
{
    Use("Name Y X");
    const Decoded r = Line("z=5 1 2");
    EXPECT_EQ(r.error, kErrorNone);
    EXPECT_EQ(rec.z, 5.0);
    EXPECT_EQ(rec.y, 0.0);
    EXPECT_STREQ(rec.na, "");
    Line("P7 10 20 Z=3.5 p:12 tc=AB");
    EXPECT_STREQ(rec.na, "P7");
    EXPECT_EQ(rec.x, 20.0);
    EXPECT_EQ(rec.z, 3.5);
    EXPECT_EQ(rec.nc, 12);
    EXPECT_STREQ(rec.tc, "AB");
}

TEST_F(PointFormatLine, DigitsAndSignsAreNeverKeywords)
{
    // A name field that starts like a keyword below 'A' is data.
    Use("Name Y");
    EXPECT_EQ(Line("1x=7 5").error, kErrorNone);
    EXPECT_STREQ(rec.na, "1x=7");
    EXPECT_EQ(rec.y, 5.0);
}

TEST_F(PointFormatLine, SemicolonAndTabSeparators)
{
    Use("Y X Null Z sep(;) cmt(#)");
    EXPECT_EQ(Line("1;2;;4").error, kErrorNone);
    EXPECT_EQ(rec.z, 4.0);
    const Decoded bad = Line("1;2 a");
    EXPECT_EQ(bad.error, kErrorSeparator);

    d->ResetDefinitions();
    Use("Name Y X sep(t)");
    EXPECT_EQ(Line("P 1\t5.5\t6").error, kErrorNone);
    EXPECT_STREQ(rec.na, "P 1");
    EXPECT_EQ(rec.y, 5.5);
    EXPECT_EQ(rec.x, 6.0);
}

TEST_F(PointFormatLine, DecimalComma)
{
    Use("Y X decc");
    EXPECT_EQ(Line("1,5 2,25").error, kErrorNone);
    EXPECT_EQ(rec.y, 1.5);
    EXPECT_EQ(rec.x, 2.25);
    EXPECT_EQ(Line("1.5 2").error, kErrorNumber);
}

TEST_F(PointFormatLine, QuotedNumbersReadAsNumbers)
{
    // A spreadsheet's CSV: quoted numbers with the decimal comma inside the
    // quotes, the comma outside them the separator.
    Use("Name Y X Z R NCode sep(,) decc");
    const std::string line = "\"P1\",\"745123,25\", \"1045000,5\" ,\" 250 \",\"7\",\"12\"";
    const Decoded r = Line(line);
    EXPECT_EQ(r.error, kErrorNone);
    EXPECT_EQ(r.positional, 6u);
    EXPECT_STREQ(rec.na, "P1");
    EXPECT_EQ(rec.y, 745123.25);
    EXPECT_EQ(rec.x, 1045000.5);
    EXPECT_EQ(rec.z, 250.0);
    EXPECT_EQ(rec.r, 7.0);
    EXPECT_EQ(rec.nc, 12);

    // What the quotes hold must be one whole number; the error stands at the
    // opening quote, as for any value that is no number.
    const struct {
        const char* line;
        int stop;
    } bad[] = {{"\"\",1", 0}, {"\"1,5x\",1", 0}, {"1,\"2", 2}, {"1,\"\" 2", 2}};
    d->ResetDefinitions();
    Use("Y X sep(,)");
    for (const auto& c : bad) {
        const Decoded e = Line(c.line);
        EXPECT_EQ(e.error, kErrorNumber) << c.line;
        EXPECT_EQ(e.stop, c.stop) << c.line;
    }
    EXPECT_EQ(Line("1,\"2\"3").error, kErrorSeparator) << "the quoted number ends at its quote";
    d->ResetDefinitions();
    Use("Y NCode");
    EXPECT_EQ(Line("1 \"12x\"").error, kErrorNumber);
    EXPECT_EQ(Line("1 \"99999999999\"").error, kErrorNumber);
}

TEST_F(PointFormatLine, YesNoFieldsAndTypeCodes)
{
    Use("Y PlgP VDesc NoLn TType EType");
    rec.lineFlags = 0x0001;
    d->record.lineFlags = 0;
    EXPECT_EQ(Decode("1 ne ano y e L").error, kErrorNone);
    EXPECT_EQ(rec.noBreak, 1);
    EXPECT_EQ(rec.lineFlags, 0x0001 | kLineVerticalDescription | kLineNotDrawn);
    EXPECT_EQ(rec.triangleType, kTriangleTypeE);
    EXPECT_EQ(rec.edgeType, kEdgeTypeL);
    EXPECT_EQ(d->record.lineFlags, 0); // the host's record is completed, not the decoder's
    EXPECT_EQ(Line("1 y n n Q P").error, kErrorYesNo);
    EXPECT_EQ(Line("1 y n n O Z").error, kErrorEdgeType);
    EXPECT_EQ(Line("1 maybe").error, kErrorInteger);
}

TEST_F(PointFormatLine, RadiusWordsAndNumbers)
{
    Use("Y R");
    Line("1 yes");
    EXPECT_EQ(rec.r, 999999.0);
    Line("1 n");
    EXPECT_EQ(rec.r, 0.0);
    Line("1 7");
    EXPECT_EQ(rec.r, 7.0);
    EXPECT_EQ(Line("1 round").error, kErrorYesNo);
}

TEST_F(PointFormatLine, TextCodesSplitAndToTheEnd)
{
    Use("Y TCode(,)");
    Line("1 a,b,,c");
    EXPECT_STREQ(rec.tc, "a\x01" "b\x01" "c");
    d->ResetDefinitions();
    Use("Y X TCodeEnd");
    Line("1 2 the code; with blanks   ");
    EXPECT_STREQ(rec.tc, "the code");  // ';' is a default comment word
    d->ResetDefinitions();
    Use("Y X TCodeEnd cmt(#)");
    Line("1 2 the code; with blanks   ");
    EXPECT_STREQ(rec.tc, "the code; with blanks");
}

TEST_F(PointFormatLine, ShortIntegerMembersRefuseWhatDoesNotFit)
{
    Use("NCode TPri");
    EXPECT_EQ(Line("-32768 255").error, kErrorNone);
    EXPECT_EQ(rec.nc, -32768);
    EXPECT_EQ(rec.tp, 255);
    EXPECT_EQ(Line("40000 1").error, kErrorNumber);
    EXPECT_EQ(Line("1 256").error, kErrorNumber);
    EXPECT_EQ(Line("1 -1").error, kErrorNumber);
    EXPECT_EQ(rec.recordFlags, 0); // the member behind tp is untouched
}

TEST_F(PointFormatLine, StationMarksTheRecord)
{
    Use("Y St");
    Line("1 250.5");
    EXPECT_EQ(rec.st, 250.5);
    EXPECT_EQ(rec.recordFlags, kRecordStationing);
    Line("1");
    EXPECT_EQ(rec.recordFlags, 0);
}

TEST_F(PointFormatLine, FormatSlotsParseAndPrint)
{
    PointFormat model;
    uint32_t result = 9, stop = 0;
    EXPECT_EQ(d->ParseFormat(&model, "y x sys=2 Q", &result, &stop), 1u);
    EXPECT_EQ(result, 1u);
    EXPECT_EQ(stop, 10u);
    EXPECT_EQ(d->ParseFormat(&model, "y x sys=2", &result, &stop), 0u);
    EXPECT_EQ(result, 0u);
    char out[64];
    EXPECT_EQ(d->FormatToString(&model, out), 0u);
    EXPECT_STREQ(out, "Y X sys=2 cmt(; $ ! *)");
    EXPECT_EQ(d->ParseFormat(nullptr, "Y", &result, nullptr), 1u);
    EXPECT_EQ(d->FormatToString(nullptr, out), 1u);
}
