// ReadPointFile: polygons, their headers, texts and points, the commands of a
// point file and its result codes.
#include "point_file_fixture.h"

#include "common/decoder_texts.h"

#include <utility>

namespace {

typedef std::vector<std::pair<double, double>> YX;
typedef std::vector<int> Breaks;

YX PointsOf(const PolygonItem& item)
{
    YX out;
    for (const PointRecord& p : item.points)
        out.emplace_back(p.y, p.x);
    return out;
}

Breaks BreaksOf(const PolygonItem& item)
{
    Breaks out;
    for (const PointRecord& p : item.points)
        out.push_back(p.noBreak);
    return out;
}

std::vector<std::string> TextsOf(const PolygonItem& item)
{
    return std::vector<std::string>(item.texts.begin(), item.texts.end());
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(PointFileTest, DataLinesMakeOnePolygonOfPolygonPoints)
{
    const Reading r = Read("1 2\r\n  3.5 -4\r\n; a comment\r\n\r\n5 6 * trailing comment\r\n");
    EXPECT_EQ(r.status, 0u);
    EXPECT_EQ(r.result, 0u);
    EXPECT_EQ(r.linesRead, 5u);
    ASSERT_EQ(r.items.size(), 1u);
    EXPECT_EQ(PointsOf(r.items[0]), (YX{{1, 2}, {3.5, -4}, {5, 6}}));
    EXPECT_EQ(BreaksOf(r.items[0]), (Breaks{0, 0, 0}));
    EXPECT_TRUE(r.items[0].texts.empty());
    EXPECT_EQ(r.items[0].hasStation, 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(questions.empty());
}

// Each polygon is given room for as many points as the one before; a long
// polygon followed by short ones must not leave each of them that room.
TEST_F(PointFileTest, PolygonsKeepAtMostTwiceTheRoomOfTheirPoints)
{
    std::string file;
    for (int i = 0; i < 5000; ++i)
        file += std::to_string(i) + " 1\n";
    for (int i = 0; i < 50; ++i)
        file += ".np\n7 " + std::to_string(i) + "\n";
    file += ".np\n";
    for (int i = 0; i < 300; ++i)
        file += "1 " + std::to_string(i) + "\n";
    Reading r = Read(file);
    ASSERT_EQ(r.status, 0u);
    ASSERT_EQ(r.items.size(), 52u);
    EXPECT_EQ(r.items[0].points.size(), 5000u);
    for (size_t i = 1; i <= 50; ++i) {
        ASSERT_EQ(r.items[i].points.size(), 1u);
        EXPECT_EQ(r.items[i].points[0].x, static_cast<double>(i - 1)); // X is the second field
        EXPECT_LE(r.items[i].points.capacity(), 2u) << "polygon " << i;
    }
    EXPECT_EQ(r.items[51].points.size(), 300u);
    EXPECT_LE(r.items[51].points.capacity(), 600u);
    EXPECT_EQ(r.items[51].points[299].x, 299.0);
    d->FreeItemList(&r.items);
}

TEST_F(PointFileTest, NewPolygonLinesSetHeadersAndStartItems)
{
    const Reading r = Read(".np SName=first SSName=s1 SSTName=s2 STName=t NS=1 PLClos=y SLayer=L StP=2.5\n"
                           ".np sname=again\n"
                           "1 2\n3 4\n"
                           ".NP STitle=\"two words\"\n"
                           "5 6\n");
    ASSERT_EQ(r.result, 0u);
    ASSERT_EQ(r.items.size(), 2u);
    const PolygonItem& a = r.items[0];
    EXPECT_STREQ(a.sName, "again"); // the second ".np" before any point only changed item 0
    EXPECT_STREQ(a.ssName, "s1");
    EXPECT_STREQ(a.sstName, "s2");
    EXPECT_STREQ(a.stName, "t");
    EXPECT_STREQ(a.sLayer, "L");
    EXPECT_EQ(a.ns, 1);
    EXPECT_EQ(a.plClos, 1);
    EXPECT_EQ(a.stP, 2.5);
    EXPECT_EQ(a.hasStP, 0); // the ".np" line that counted gave no StP=
    EXPECT_EQ(PointsOf(a), (YX{{1, 2}, {3, 4}}));
    const PolygonItem& b = r.items[1];
    EXPECT_STREQ(b.sName, "again"); // header values carry over between ".np" lines
    EXPECT_STREQ(b.sTitle, "two words");
    EXPECT_EQ(b.plClos, 1);
    EXPECT_EQ(PointsOf(b), (YX{{5, 6}}));
    EXPECT_TRUE(b.extraText.IsEmpty());
    EXPECT_EQ(b.extraValue, 0);
    EXPECT_TRUE(b.extraLists.empty());

    // The definitions stay usable after the reading.
    char line[] = ".np SName=later StP=1";
    uint32_t id = 0;
    EXPECT_EQ(d->DecodeLine(line, &id, nullptr, nullptr, nullptr), 0u);
    EXPECT_EQ(id, 2u);
}

TEST_F(PointFileTest, HasStPFollowsTheLineThatStartsThePolygon)
{
    const Reading r = Read(".np StP=7\n1 2\n.np\n3 4\n");
    ASSERT_EQ(r.items.size(), 2u);
    EXPECT_EQ(r.items[0].hasStP, 1);
    EXPECT_EQ(r.items[0].stP, 7.0);
    EXPECT_EQ(r.items[1].hasStP, 0);
}

TEST_F(PointFileTest, StationingComesFromTheOwnHeaderOrFromZero)
{
    const Reading r = Read(".np St=12.5\n1 2\n.np\n3 4\n.np\n.sp\n5 6\n.np St=3\n.sp\n7 8\n");
    ASSERT_EQ(r.items.size(), 4u);
    EXPECT_EQ(r.items[0].station, 12.5);
    EXPECT_EQ(r.items[0].hasStation, 1);
    EXPECT_EQ(r.items[1].station, 0.0); // the St= of the ".np" before does not carry
    EXPECT_EQ(r.items[1].hasStation, 0);
    EXPECT_EQ(r.items[2].station, 0.0); // ".sp": stationing from zero
    EXPECT_EQ(r.items[2].hasStation, 1);
    EXPECT_EQ(r.items[3].station, 0.0); // ".sp" after St= starts again from zero
    EXPECT_EQ(r.items[3].hasStation, 1);
}

TEST_F(PointFileTest, PendingCarriedAndTitleTexts)
{
    const Reading r = Read("  C:\\data\\survey.txt  \n"
                           ".tn   first text  \n"
                           "1 2\n"
                           ".np\n3 4\n"
                           ".np\n.tn other\n5 6\n");
    ASSERT_EQ(r.result, 0u);
    ASSERT_EQ(r.items.size(), 3u);
    const std::vector<std::string> first = {"C:\\data\\survey.txt", "first text"};
    EXPECT_EQ(TextsOf(r.items[0]), first);
    EXPECT_EQ(TextsOf(r.items[1]), first); // no texts of its own: the carried ones
    EXPECT_EQ(TextsOf(r.items[2]), std::vector<std::string>{"other"});
    EXPECT_EQ(PointsOf(r.items[0]), (YX{{1, 2}}));

    // Without a title or ".tn" the first polygons get none; a drive path
    // after the first line is a data line.
    const Reading plain = Read("1 2\n.np\n.tn late\n3 4\n");
    ASSERT_EQ(plain.items.size(), 2u);
    EXPECT_TRUE(plain.items[0].texts.empty());
    EXPECT_EQ(TextsOf(plain.items[1]), std::vector<std::string>{"late"});
    EXPECT_EQ(Read("1 2\nC:\\x\n").result, 4u);
}

// A long text carried over many polygons is held once: every polygon's copy
// shares it, so memory stays near the file's size.
TEST_F(PointFileTest, CarriedTextsShareOneCopy)
{
    std::string file = ".tn " + std::string(100000, 'T') + "\n";
    for (int i = 0; i < 2000; ++i)
        file += ".np\n1 2\n";
    const Reading r = Read(file);
    ASSERT_EQ(r.result, 0u);
    ASSERT_EQ(r.items.size(), 2000u);
    const char* text = r.items[0].texts.at(0).GetString();
    for (const PolygonItem& item : r.items) {
        ASSERT_EQ(item.texts.size(), 1u);
        EXPECT_EQ(item.texts[0].GetString(), text);
    }
    EXPECT_EQ(r.items[1999].texts[0].GetLength(), 100000);
}

TEST_F(PointFileTest, PolygonPointMarkers)
{
    Reading r = Read(".pp 1 2\n3 4\n.pp 5 6\n");
    ASSERT_EQ(r.result, 0u);
    EXPECT_EQ(BreaksOf(r.items[0]), (Breaks{0, 1, 0}));

    r = Read("1 2\n3 4\n.db 5 6\n7 8\n");
    ASSERT_EQ(r.result, 0u);
    EXPECT_EQ(PointsOf(r.items[0]), (YX{{1, 2}, {5, 6}, {3, 4}, {7, 8}}));
    EXPECT_EQ(BreaksOf(r.items[0]), (Breaks{0, 1, 0, 0}));

    // A new polygon takes plain points as polygon points again.
    r = Read(".pp 1 2\n3 4\n.np\n5 6\n");
    ASSERT_EQ(r.items.size(), 2u);
    EXPECT_EQ(BreaksOf(r.items[1]), (Breaks{0}));
}

TEST_F(PointFileTest, MisplacedMarkersEndTheReading)
{
    Reading r = Read("1 2\n3 4\n  .pp 5 6\n7 8\n");
    EXPECT_EQ(r.status, 1u);
    EXPECT_EQ(r.result, 2u);
    EXPECT_EQ(r.linesRead, 3u);
    ASSERT_EQ(r.items.size(), 1u);
    EXPECT_EQ(r.items[0].points.size(), 2u); // what was read so far
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], std::string(ComposeInputError(path.c_str(), DecoderText(kTextPpFirstPoint), 3, ".pp 5 6")));

    r = Read("1 2\n.db 3 4\n");
    EXPECT_EQ(r.result, 2u);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(Contains(boxes[1], DecoderText(kTextDbFirstPair)));
    // ".db" counts the points of the current polygon only.
    EXPECT_EQ(Read("1 2\n3 4\n.np\n5 6\n.db 7 8\n").result, 2u);
}

TEST_F(PointFileTest, PolygonPointFieldOfTheFirstPoint)
{
    Reading r = Read("1 2 n\n", "Y X PlgP");
    EXPECT_EQ(r.result, 5u);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(Contains(boxes[0], DecoderText(kTextFirstPointPolygon)));
    EXPECT_TRUE(Contains(boxes[0], "\"1 2 n\""));

    // A first point marked as a polygon point makes plain points breaks.
    r = Read("1 2 y\n3 4\n5 6 y\n7 8 n\n", "Y X PlgP");
    ASSERT_EQ(r.result, 0u);
    EXPECT_EQ(BreaksOf(r.items[0]), (Breaks{0, 1, 0, 1}));
}

TEST_F(PointFileTest, FirstAndLastLineCountCommentsAndBlanks)
{
    std::string text;
    YX between;
    for (int n = 1; n <= 30; ++n) {
        if (n % 4 == 0)
            text += "; comment\n";
        else if (n % 7 == 0)
            text += "   \n";
        else {
            text += std::to_string(n) + " 0\n";
            if (n >= 10 && n <= 20)
                between.emplace_back(n, 0);
        }
    }
    Reading r = Read(text, "Y X cmt(;)", 10, 20);
    ASSERT_EQ(r.result, 0u);
    EXPECT_EQ(PointsOf(r.items[0]), between);
    EXPECT_EQ(r.linesRead, 20u);

    r = ReadPath(path.c_str(), "Y X cmt(;)", 40, 0); // past the end
    EXPECT_EQ(r.linesRead, 30u);
    ASSERT_EQ(r.items.size(), 1u);
    EXPECT_TRUE(r.items[0].points.empty());

    r = ReadPath(path.c_str(), "Y X cmt(;)", 0, 3);
    EXPECT_EQ(PointsOf(r.items[0]), (YX{{1, 0}, {2, 0}, {3, 0}}));
    EXPECT_EQ(r.linesRead, 3u);
}

TEST_F(PointFileTest, DataLineErrorsAreReportedWithTheirCode)
{
    Reading r = Read("1 2\n3 x4\n5 6\n");
    EXPECT_EQ(r.result, 4u);
    EXPECT_EQ(r.linesRead, 2u);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], std::string(ComposeInputError(path.c_str(), DecoderText(kTextBadNumber), 2, "x4")));

    EXPECT_EQ(Read("1 2 \"open\n", "Y X Name").result, 7u);
    r = Read("1;2\n1;2 z\n", "Y X sep(;)");
    EXPECT_EQ(r.result, 9u);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(Contains(boxes[2], std::string(DecoderText(kTextSeparatorError)) + " " + DecoderText(kTextAtLine) +
                                       " 2 :\r\n\"z\""));
    EXPECT_EQ(Read("1 2 Q\n", "Y X TType").result, 3u);
    EXPECT_EQ(Read("1 2 Q\n", "Y X EType").result, 8u);
    ASSERT_EQ(boxes.size(), 5u);

    // Without messages the code comes back and no box is shown.
    d->EnableErrorMessages(0);
    EXPECT_EQ(Read("1 2\n3 x4\n").result, 4u);
    EXPECT_EQ(boxes.size(), 5u);
}

TEST_F(PointFileTest, ValueErrorsOfPointAndHeaderCommandsEndTheReading)
{
    // A bad header value stops the reading wherever it stands.
    Reading r = Read(".np St=x\n1 2\n");
    EXPECT_EQ(r.result, 4u);
    EXPECT_EQ(r.status, 1u);
    EXPECT_EQ(r.linesRead, 1u);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], std::string(ComposeInputError(path.c_str(), DecoderText(kTextBadNumber), 1, "x")));
    // No half-decoded point is placed by ".pp" or ".db".
    r = Read(".np\n.pp 1 x\n3 4\n");
    EXPECT_EQ(r.result, 4u);
    EXPECT_EQ(r.linesRead, 2u);
    for (const auto& item : r.items)
        EXPECT_TRUE(item.points.empty());
    r = Read("1 2\n3 4\n.db 5 x\n");
    EXPECT_EQ(r.result, 4u);
    EXPECT_EQ(r.linesRead, 3u);
    ASSERT_FALSE(r.items.empty());
    EXPECT_EQ(r.items[0].points.size(), 2u);
    EXPECT_EQ(boxes.size(), 3u);
}

TEST_F(PointFileTest, ALineWithANulIsABadNumber)
{
    Reading r = Read(std::string("1 2\nP1\0X 1 2\n3 4\n", 17), "Name Y X");
    EXPECT_EQ(r.result, 4u);
    EXPECT_EQ(r.linesRead, 2u);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], std::string(ComposeInputError(path.c_str(), DecoderText(kTextBadNumber), 2, "")));
    // A line that holds nothing before its NUL is not skipped as blank.
    EXPECT_EQ(Read(std::string("1 2\n\0 3 4\n", 10)).result, 4u);
    // The NULs of UTF-16 without a mark are no part of its lines.
    std::string wide;
    for (char c : std::string("P1 1 2\r\nP2 3 4\r\n"))
        wide += std::string(1, c) + '\0';
    r = Read(wide, "Name Y X");
    EXPECT_EQ(r.result, 0u);
    ASSERT_EQ(r.items.size(), 1u);
    ASSERT_EQ(r.items[0].points.size(), 2u);
    EXPECT_EQ(r.items[0].points[1].x, 4.0);
}

TEST_F(PointFileTest, FilesAndFormatsThatCannotBeUsed)
{
    Reading r;
    r.items.resize(2);
    const std::string missing = path + "missing";
    r.status = d->ReadPointFile(missing.c_str(), "Y X", &r.items, 0, 0, 0, 0, &r.linesRead, &r.result);
    EXPECT_EQ(r.status, 1u);
    EXPECT_EQ(r.result, 1u);
    EXPECT_EQ(r.items.size(), 2u); // nothing was made
    Write("1 2\n");
    r.status = d->ReadPointFile(path.c_str(), "Y X Q", &r.items, 0, 0, 0, 0, nullptr, &r.result);
    EXPECT_EQ(r.result, 6u);
    EXPECT_EQ(r.items.size(), 2u);
    // Null outputs and a null list are allowed.
    EXPECT_EQ(d->ReadPointFile(path.c_str(), "Y X", nullptr, 0, 0, 0, 0, nullptr, nullptr), 0u);
    EXPECT_EQ(d->ReadPointFile(nullptr, "Y X", nullptr, 0, 0, 0, 0, nullptr, nullptr), 1u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PointFileTest, SeparatedFieldsOfMarkedLinesStartBehindTheCommand)
{
    const Reading r = Read(".pp 4;5;6\n1;2;3\n.DB 7;8;9\n", "Y X Z sep(;)");
    ASSERT_EQ(r.result, 0u);
    ASSERT_EQ(r.items[0].points.size(), 3u);
    const PointRecord& inserted = r.items[0].points[1];
    EXPECT_EQ(inserted.y, 7.0);
    EXPECT_EQ(inserted.x, 8.0);
    EXPECT_EQ(inserted.z, 9.0);
    EXPECT_EQ(inserted.noBreak, 1);
    const PointRecord& marked = r.items[0].points[0];
    EXPECT_EQ(marked.y, 4.0);
    EXPECT_EQ(marked.x, 5.0);
    EXPECT_EQ(marked.z, 6.0);
}

TEST_F(PointFileTest, RecordsAreClearedBetweenLines)
{
    const Reading r = Read("1 2 name1 TC\n3 4\n", "Y X Name TCode");
    ASSERT_EQ(r.items[0].points.size(), 2u);
    EXPECT_STREQ(r.items[0].points[0].na, "name1");
    EXPECT_STREQ(r.items[0].points[0].tc, "TC");
    EXPECT_TRUE(r.items[0].points[1].na.IsEmpty());
    EXPECT_TRUE(r.items[0].points[1].tc.IsEmpty());
}

TEST_F(PointFileTest, EncodedFilesReadAlike)
{
    std::string utf16 = "\xFE\xFF";
    for (char16_t c : std::u16string(u"1 2 \u010Dep\r\n.np\r\n3 4 b")) {
        utf16 += static_cast<char>(c >> 8);
        utf16 += static_cast<char>(c & 0xFF);
    }
    for (const std::string& bytes : {utf16, std::string("\xEF\xBB\xBF" "1 2 \xC4\x8D" "ep\r.np\r3 4 b"),
                                     std::string("1 2 \xE8" "ep\n.np\n3 4 b")}) {
        const Reading r = Read(bytes, "Y X Name");
        ASSERT_EQ(r.result, 0u);
        ASSERT_EQ(r.items.size(), 2u);
        EXPECT_STREQ(r.items[0].points[0].na, "\xE8" "ep");
        EXPECT_EQ(PointsOf(r.items[1]), (YX{{3, 4}}));
    }
}
