// Lines of a point-line command: field separators, the decimal comma, the
// per-line flags and the after-work on the record.
#include "decoder_fixture.h"

class PointLine : public DecoderTest {
protected:
    // A point line over the decoder's own record and flags, fields in the
    // given order: 'x', 'y', 'z', 'n' name, 't' text code, 'p' PlgP,
    // 'v' VDesc, 'T' TType, 'E' EType, 'r' R, 's' St.
    void Define(const char* prefix, const char* fields, const char* separator = "", bool comma = false)
    {
        d->AddCommand(prefix, 1);
        PointRecord& rec = d->record;
        for (const char* f = fields; *f; ++f) {
            switch (*f) {
            case 'x': d->AddParam(kValueNumber, 0, &rec.x, nullptr, "x="); break;
            case 'y': d->AddParam(kValueNumber, 0, &rec.y, nullptr, "y="); break;
            case 'z': d->AddParam(kValueNumber, 0, &rec.z, nullptr, "z="); break;
            case 'n': d->AddParam(kValueText, 0, &rec.na, nullptr, "na="); break;
            case 't': d->AddParam(kValueTextCollect, 0, &rec.tc, nullptr, "tc="); break;
            case 'p': d->AddParam(kValueFlag8Alt, 0, &d->ppFlag, &d->ppCount, "pp="); break;
            case 'v': d->AddParam(kValueFlag8Alt, 0, &d->vdFlag, nullptr, "vd="); break;
            case 'T': d->AddParam(kValueText, 0, &d->ttText, &d->ttCount, "tt="); break;
            case 'E': d->AddParam(kValueText, 0, &d->etText, &d->etCount, "et="); break;
            case 'r': d->AddParam(kValueYesNoNumber, 0, &rec.r, &d->rCount, "r="); break;
            case 's': d->AddParam(kValueNumber, 0, &rec.st, &d->stCount, "st="); break;
            }
        }
        MarkPointLine(separator, comma);
    }
};

TEST_F(PointLine, SeparatedFieldsStartBehindThePrefix)
{
    Define(".pt", "yxz", ";");
    const Decoded r = Decode(".pt1;2;3");
    EXPECT_EQ(r.error, kErrorNone);
    EXPECT_EQ(r.positional, 3u);
    EXPECT_EQ(d->record.y, 1.0);
    EXPECT_EQ(d->record.x, 2.0);
    EXPECT_EQ(d->record.z, 3.0);
}

TEST_F(PointLine, WithoutPrefixLeadingFieldsCount)
{
    Define(nullptr, "nyx", ";");
    const Decoded r = Decode(" A1 ;5;6");
    EXPECT_EQ(r.error, kErrorNone);
    EXPECT_STREQ(d->record.na, "A1 "); // blanks before a field are skipped, inside it they stay
    EXPECT_EQ(d->record.y, 5.0);
    EXPECT_EQ(d->record.x, 6.0);
}

TEST_F(PointLine, MissingSeparatorIsAnErrorAndCommentEndsTheData)
{
    d->AddCommentWord("#");
    Define(nullptr, "yx", ";");
    const Decoded bad = Decode("1;2 a");
    EXPECT_EQ(bad.error, kErrorSeparator);
    EXPECT_EQ(bad.stop, 4);
    const Decoded ok = Decode("1;2 # remark");
    EXPECT_EQ(ok.error, kErrorNone);
    EXPECT_EQ(d->record.x, 2.0);
    const Decoded empty = Decode("1;;3");
    EXPECT_EQ(empty.error, kErrorNumber); // an empty number field
    EXPECT_EQ(empty.stop, 2);
}

TEST_F(PointLine, LeadingTabIsAnEmptyFirstField)
{
    Define(nullptr, "tyx", "\t");
    const Decoded r = Decode("\t5\t6");
    EXPECT_EQ(r.error, kErrorNone);
    EXPECT_STREQ(d->record.tc, "");
    EXPECT_EQ(d->record.y, 5.0);
    EXPECT_EQ(d->record.x, 6.0);
}

TEST_F(PointLine, TabSeparatorIsNotSkippedAsABlank)
{
    Define(nullptr, "yxz", "\t");
    const Decoded r = Decode("1\t\t3");
    EXPECT_EQ(r.error, kErrorNumber); // the empty second field does not take the third one's value
    EXPECT_EQ(d->record.y, 1.0);
    EXPECT_EQ(d->record.x, 0.0);
}

TEST_F(PointLine, DecimalCommaOnlyOnPointLines)
{
    Define(nullptr, "yx", "", true);
    EXPECT_EQ(Decode("1,5 2,25").error, kErrorNone);
    EXPECT_EQ(d->record.y, 1.5);
    EXPECT_EQ(d->record.x, 2.25);
    EXPECT_EQ(Decode("1.5 2").error, kErrorNumber); // a point ends the number, ".5" is no number
}

TEST_F(PointLine, AfterWorkCompletesTheRecord)
{
    d->textCodeSeparators = ",";
    Define(nullptr, "ytpvTEr");
    d->record.lineFlags = 0x0101;
    EXPECT_EQ(Decode("1 a,b,,c no yes o p yes").error, kErrorNone);
    const PointRecord& rec = d->record;
    EXPECT_STREQ(rec.tc, "a\x01" "b\x01" "c");
    EXPECT_EQ(rec.noBreak, 1);           // PlgP no: a break point
    EXPECT_EQ(rec.lineFlags, 0x0101 | kLineVerticalDescription); // other bits kept
    EXPECT_EQ(rec.triangleType, kTriangleTypeO);
    EXPECT_EQ(rec.edgeType, kEdgeTypeP);
    EXPECT_EQ(rec.r, 999999.0);
}

TEST_F(PointLine, TypeCodesAreCheckedAfterTheValues)
{
    Define(nullptr, "yTEr");
    const Decoded tt = Decode("1 X P 7");
    EXPECT_EQ(tt.error, kErrorYesNo);
    EXPECT_EQ(d->record.r, 7.0); // stored before the check
    EXPECT_EQ(Decode("1 \" e \" q 0").error, kErrorEdgeType);
    EXPECT_EQ(Decode("1 n N n").error, kErrorNone);
    EXPECT_EQ(d->record.r, 0.0);
    EXPECT_EQ(Decode("1 N U maybe").error, kErrorYesNo);
}

TEST_F(PointLine, FlagsAndCountersStartAfreshOnEachLine)
{
    Define(nullptr, "yps");
    Decode("1 yes 5");
    EXPECT_EQ(d->record.noBreak, 0);
    EXPECT_EQ(d->record.recordFlags, kRecordStationing);
    d->record.Clear();
    Decode("2");
    EXPECT_EQ(d->ppCount, 0u);
    EXPECT_EQ(d->stCount, 0u);
    EXPECT_EQ(d->record.noBreak, 0);       // PlgP not given: left as it was
    EXPECT_EQ(d->record.recordFlags, 0);
}

TEST_F(PointLine, CommentAfterSomeFieldsStillCompletesTheRecord)
{
    d->AddCommentWord("*");
    Define(nullptr, "yv");
    d->record.lineFlags = 0;
    EXPECT_EQ(Decode("4 yes * the rest").error, kErrorNone);
    EXPECT_EQ(d->record.lineFlags, kLineVerticalDescription);
}
