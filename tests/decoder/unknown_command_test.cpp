// Unknown commands in a point file: the question, its three answers and the
// composed texts of both reports.
#include "point_file_fixture.h"

#include "common/decoder_texts.h"

namespace {

const char* const kFile = "1 2\n.xx a\n3 4\n  .yy\n.5 6\n7 8\n";

} // namespace

TEST_F(PointFileTest, SkipAsksAgainAtEveryUnknownCommand)
{
    const Reading r = Read(kFile);
    EXPECT_EQ(r.result, 0u);
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[0].lineNumber, 2u);
    EXPECT_EQ(questions[0].lineText, ".xx a");
    EXPECT_EQ(questions[0].message, std::string(ComposeUnknownCommand(path.c_str(), 2, ".xx a")));
    EXPECT_EQ(questions[1].lineNumber, 4u);
    EXPECT_EQ(questions[2].lineText, ".5 6"); // a field that begins with '.' is no point
    ASSERT_EQ(r.items.size(), 1u);
    EXPECT_EQ(r.items[0].points.size(), 3u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PointFileTest, NoWarningsSilencesTheRestOfOneReading)
{
    answers = {2};
    Reading r = Read(kFile);
    EXPECT_EQ(r.result, 0u);
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(r.items[0].points.size(), 3u);
    // The next reading asks again, also with messages off.
    d->EnableErrorMessages(0);
    r = ReadPath(path.c_str(), "Y X");
    EXPECT_EQ(questions.size(), 4u);
}

TEST_F(PointFileTest, CancelReadingEndsWithTwo)
{
    answers = {1, 0};
    const Reading r = Read(kFile);
    EXPECT_EQ(r.status, 1u);
    EXPECT_EQ(r.result, 2u);
    EXPECT_EQ(r.linesRead, 4u);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(r.items[0].points.size(), 2u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PointFileTest, ReportTextsAreComposedFromTheTable)
{
    const std::string unknown = std::string(ComposeUnknownCommand("f.txt", 1234, ".zz"));
    EXPECT_EQ(unknown, std::string(DecoderText(kTextUnknownCommandInFile)) + "\r\n   f.txt\r\n\r\n" +
                           DecoderText(kTextAtLine) + " 1234 :\r\n\".zz\"\r\n\r\n" + DecoderText(kTextLineIgnored));
    const std::string error = std::string(ComposeInputError("f.txt", "Bad number", 12, ""));
    EXPECT_EQ(error, std::string(DecoderText(kTextErrorInFile)) + "\r\n   f.txt\r\n\r\nBad number " +
                         DecoderText(kTextAtLine) + " 12 :\r\n\"\"");
    // The table holds the built-in English texts.
    for (int i = 0; i < kDecoderTextCount; ++i)
        EXPECT_STREQ(g_decoderTexts[i], kEnglishDecoderTexts[i]) << i;
    EXPECT_STREQ(DecoderText(kTextPpFirstPoint), ".pp command must be used for girs point");
    EXPECT_STREQ(DecoderText(kDecoderTextCount), "");
}

TEST_F(PointFileTest, InputErrorClosesTheFileAndShowsOnlyWithMessages)
{
    Write("x\n");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
    d->EnableErrorMessages(0);
    EXPECT_EQ(ReportInputError(*d, file, "f", 9, "m", 1, "t"), 9);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(boxes.empty());
    d->EnableErrorMessages(1);
    EXPECT_EQ(ReportInputError(*d, file, "f", 7, "m", 1, "t"), 7);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], std::string(ComposeInputError("f", "m", 1, "t")));
}
