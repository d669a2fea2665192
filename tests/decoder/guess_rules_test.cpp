// The rules a format guess is made of, one table of cases each: cells of a
// line, header words, the S-JTSK forms, point identifiers; and the guess on
// files whose traps a plain reading would fall into.
#include "decoder/guess_cells.h"
#include "decoder/guess_format.h"
#include "decoder/guess_rules.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>

namespace {

std::vector<std::string> Cells(const std::string& line, CellSeparator separator)
{
    std::vector<Cell> cells;
    SplitCells(line, separator, cells);
    std::vector<std::string> texts;
    for (const Cell& c : cells)
        texts.push_back(CellText(c));
    return texts;
}

TEST(GuessCells, QuotesHoldACellTogetherAndAreTakenOff)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(Cells("\"P 1\",\"18,1307\", 5 ,", CellSeparator::kComma), (V{"P 1", "18,1307", "5", ""}));
    EXPECT_EQ(Cells("  a \"b c\"  d", CellSeparator::kBlanks), (V{"a", "b c", "d"}));
    EXPECT_EQ(Cells("1;;3", CellSeparator::kSemicolon), (V{"1", "", "3"}));
    EXPECT_EQ(Cells("x\"y;z\"", CellSeparator::kSemicolon), (V{"x\"y", "z\""})) << "a quote inside a cell";
    EXPECT_EQ(Cells("\"open;end", CellSeparator::kSemicolon), (V{"\"open;end"})) << "unclosed to the end";

    const struct {
        const char* text;
        CellSeparator separator;
        CellKind kind;
    } kinds[] = {{"12.5", CellSeparator::kBlanks, CellKind::kNumber},
                 {"12,5", CellSeparator::kBlanks, CellKind::kCommaNumber},
                 {"-7", CellSeparator::kSemicolon, CellKind::kNumber},
                 {"z=4", CellSeparator::kBlanks, CellKind::kKeyword},
                 {"NA=P1", CellSeparator::kBlanks, CellKind::kKeyword},
                 {"zed", CellSeparator::kBlanks, CellKind::kText},
                 {"12.5.1", CellSeparator::kBlanks, CellKind::kText},
                 {"1e400", CellSeparator::kBlanks, CellKind::kText}};
    for (const auto& k : kinds) {
        std::vector<Cell> cells;
        const std::string line = k.text;
        SplitCells(line, k.separator, cells);
        double value = 0;
        ASSERT_EQ(cells.size(), 1u) << k.text;
        EXPECT_EQ(KindOfCell(cells[0], k.separator, &value), k.kind) << k.text;
    }
    std::vector<Cell> cells;
    const std::string quoted = "\"12,5\",12";
    SplitCells(quoted, CellSeparator::kComma, cells);
    double value = 0;
    EXPECT_EQ(KindOfCell(cells[0], CellSeparator::kComma, &value), CellKind::kCommaNumber);
    EXPECT_EQ(value, 12.5);
}

TEST(GuessRules, HeaderWordsNameTheirColumns)
{
    const struct {
        const char* word;
        HeaderMeaning meaning;
    } words[] = {{"pt", HeaderMeaning::kName},       {"\xC8.B.", HeaderMeaning::kName},
                 {"N", HeaderMeaning::kNorthing},    {"easting", HeaderMeaning::kEasting},
                 {"Y [m]", HeaderMeaning::kY},       {" H (Bpv) ", HeaderMeaning::kHeight},
                 {"k\xD3" "d", HeaderMeaning::kCode}, {"V\xDD\x8A" "KA", HeaderMeaning::kHeight},
                 {"Ne", HeaderMeaning::kNone},       {"", HeaderMeaning::kNone},
                 {"Points", HeaderMeaning::kNone}};
    for (const auto& w : words)
        EXPECT_EQ(MeaningOfHeader(w.word), w.meaning) << w.word;
}

TEST(GuessRules, SjtskFormsByTheirRanges)
{
    const std::vector<double> y = {745321.12, 600000.0}, x = {1045123.45, 1100000.0};
    const auto negated = [](std::vector<double> v) {
        for (double& d : v)
            d = -d;
        return v;
    };
    const struct {
        std::vector<double> first, second;
        bool found;
        bool yFirst;
        int16_t system;
    } cases[] = {{y, x, true, true, 0},
                 {x, y, true, false, 0},
                 {negated(y), negated(x), true, true, 6},
                 {negated(x), negated(y), true, false, 6},
                 {y, negated(x), false, false, 0},
                 {{960000.0}, {1300000.0}, false, false, 0}, // Y beyond the grid in either order
                 {{100000.0}, {1045123.0}, false, false, 0}, // Y outside the grid
                 {{NAN}, {NAN}, false, false, 0}};
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        const SjtskForm* form = SjtskPairForm(cases[i].first, cases[i].second);
        ASSERT_EQ(form != nullptr, cases[i].found) << i;
        if (form) {
            EXPECT_EQ(form->yFirst, cases[i].yFirst) << i;
            EXPECT_EQ(form->system, cases[i].system) << i;
        }
    }
}

ColumnStats Column(std::vector<double> numbers, std::vector<std::string> texts)
{
    ColumnStats s;
    double before = NAN;
    for (double v : numbers) {
        s.min = s.numbers == 0 || v < s.min ? v : s.min;
        s.max = s.numbers == 0 || v > s.max ? v : s.max;
        ++s.numbers;
        s.integers += v == std::floor(v);
        s.rising += v == std::floor(v) && before < v;
        before = v;
        s.values.push_back(v);
    }
    for (const std::string& t : texts) {
        ++s.texts;
        s.longestText = t.size() > s.longestText ? t.size() : s.longestText;
        s.textWithBlanks = s.textWithBlanks || t.find(' ') != std::string::npos;
        s.textsWithDigit += t.find_first_of("0123456789") != std::string::npos;
        s.values.push_back(NAN);
    }
    std::vector<std::string> sorted = texts;
    std::sort(sorted.begin(), sorted.end());
    s.distinctTexts = static_cast<size_t>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
    return s;
}

TEST(GuessRules, IdentifiersAndNames)
{
    EXPECT_EQ(IdentifierOf(Column({1, 2, 3, 5}, {})), IdentifierKind::kSequence);
    EXPECT_EQ(IdentifierOf(Column({5, 3, 9, 1}, {})), IdentifierKind::kNone) << "no sequence";
    EXPECT_EQ(IdentifierOf(Column({1.5, 2.5}, {})), IdentifierKind::kNone);
    EXPECT_EQ(IdentifierOf(Column({4001}, {"P12", "4002a"})), IdentifierKind::kCode);
    EXPECT_EQ(IdentifierOf(Column({}, {"big oak"})), IdentifierKind::kNone);
    EXPECT_TRUE(IsNameColumn(Column({}, {"P1", "P2", "P3"})));
    EXPECT_FALSE(IsNameColumn(Column({}, {"KR", "KR", "PL"}))) << "codes repeat";
    EXPECT_FALSE(IsNameColumn(Column({}, {"P1", "P1"})));
    EXPECT_FALSE(IsNameColumn(Column({1}, {"P1", "P2"}))) << "numbers among them";
    EXPECT_TRUE(ColumnWithin(Column({250.5, 2999}, {}), kSjtskHeight));
    EXPECT_FALSE(ColumnWithin(Column({99.5, 250}, {}), kSjtskHeight));
}

class GuessFile : public ::testing::Test, protected TempFolder {
protected:
    void SetUp() override { MakeFolder("guess"); }
    void TearDown() override { RemoveFolder(); }
    PointFormatGuess Guess(const std::string& text)
    {
        Put("points.txt", text);
        PointFormatGuess g;
        EXPECT_EQ(GuessPointFormat(Path("points.txt").c_str(), g), kGuessMade);
        return g;
    }
};

TEST_F(GuessFile, ProposalsOfTrapsAndTheirChecks)
{
    const struct {
        const char* text;
        const char* format;
        bool decided;
        int32_t firstLine;
        uint32_t lastLine;
    } cases[] = {
        {"1 745000.5 1045000.25 250.1\n2 745010 1045010 251\n", "Name Y X Z sys=0", true, 0, 0},
        {"1 10.5 20.5\n2 11.5 21.5\n3 12 22\n", "Name Y X", false, 0, 0},
        {"10.5 20.5\n11.5 21.5\n", "Y X", false, 0, 0},
        {"Pt;N;E\nA1;1045000,5;745000,25\nA2;1045010;745010\n3\n", "Name X Y sep(;) decc sys=0", true, 2, 3},
        {"C:\\\\data\\\\p.txt\n745000.5 1045000.25 z=5\n; note\n745010 1045010\n", "Y X sys=0", true, 0, 0},
        {"just words\nand more\n", DefaultFormat, false, 0, 0},
        {"", DefaultFormat, false, 0, 0},
    };
    for (const auto& c : cases) {
        const PointFormatGuess g = Guess(c.text);
        EXPECT_EQ(g.format, c.format) << c.text;
        EXPECT_EQ(g.decided, c.decided) << c.text;
        EXPECT_EQ(g.decided, g.warning.empty()) << c.text;
        EXPECT_EQ(g.firstLine, c.firstLine) << c.text;
        EXPECT_EQ(g.lastLine, c.lastLine) << c.text;
    }
    const PointFormatGuess exchanged = Guess("1 10.5 20.5\n2 11.5 21.5\n3 12 22\n");
    EXPECT_EQ(exchanged.alternative, "Name X Y");
}

TEST_F(GuessFile, SampleKeepsHeadAndTailAndCountsEveryLine)
{
    std::string text = "Pt Y X\n";
    for (int i = 1; i <= 5000; ++i)
        text += std::to_string(i) + " 745000." + std::to_string(i % 10) + " 1045000\n\n";
    text += "END\n";
    const PointFormatGuess g = Guess(text);
    EXPECT_EQ(g.format, "Name Y X sys=0");
    EXPECT_EQ(g.fileLines, 10002u);
    EXPECT_EQ(g.firstLine, 2);
    EXPECT_EQ(g.lastLine, 10000u) << "the last data line, behind it a blank line and the end marker";
    EXPECT_EQ(g.checkedLines, 1999u + 199u) << "the head's and the tail's data lines, the header and marker apart";
    EXPECT_EQ(g.undecodedLines, 0u);
}

} // namespace
