// Saving a catalogue: what the section holds afterwards, what the rest of
// the file keeps, and values that need quotes to read back.
#include "tests/formats/catalogue_fixture.h"

#include "common/config.h"
#include "common/cp1250.h"

#include <algorithm>
#include <sstream>

namespace {

// The lines of a text that are not blank, without their line ends (the
// Windows profile functions rewrite the file in their own layout, with
// blank lines of their own).
std::vector<std::string> TextLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") != std::string::npos)
            lines.push_back(line);
    }
    return lines;
}

TEST_F(CatalogueFiles, SaveAfterLoadingAnEmptySectionWritesTheBuiltInFormat)
{
    FormatCatalogue catalogue = Loaded();
    ASSERT_TRUE(catalogue.SaveCatalogue());
    EXPECT_EQ(TextLines(Get("terx.ini")), (std::vector<std::string>{"[SectFmtPoi]", "Standard=Y X cmt(; $ ! *)",
                                                                      "Standard@inf=", "Standard@ext=plg"}));
    // From now on "Standard" is read from the file like any other entry.
    Put("terx.ini", "[SectFmtPoi]\r\nStandard=X Y\r\n");
    EXPECT_EQ(EntriesOf(Loaded()), std::vector<std::string>{"Standard|X Y||"});
}

TEST_F(CatalogueFiles, SaveReplacesTheSectionAndKeepsTheRestOfTheFile)
{
    Put("terx.ini", "; product settings\r\n[General]\r\nLang=cs\r\n; keep me\r\n\r\n"
                    "[SectFmtPoi]\r\n; old formats\r\nOld=Y X\r\nOld@inf=gone\r\nOld@ext=old\r\n\r\n"
                    "[After]\r\nKey=Value\r\n");
    FormatCatalogue catalogue = Loaded();
    ASSERT_TRUE(catalogue.RemoveEntry("Old"));
    ASSERT_TRUE(catalogue.PutEntry("Poly", "Y X Z", "survey", "txt"));
    ASSERT_TRUE(catalogue.SaveCatalogue());
    EXPECT_EQ(TextLines(Get("terx.ini")),
              (std::vector<std::string>{"; product settings", "[General]", "Lang=cs", "; keep me", "[SectFmtPoi]",
                                        "Poly=Y X Z", "Poly@inf=survey", "Poly@ext=txt",
                                        "Standard=Y X cmt(; $ ! *)", "Standard@inf=", "Standard@ext=plg",
                                        "[After]", "Key=Value"}));
}

TEST_F(CatalogueFiles, SaveWritesToTheSectionLastLoaded)
{
    Put("terx.ini", "[Mine]\r\nA=X Y\r\n");
    FormatCatalogue catalogue = Loaded("Mine");
    ASSERT_TRUE(catalogue.PutEntry("B", "Y X", "", ""));
    ASSERT_TRUE(catalogue.SaveCatalogue());
    EXPECT_EQ(NamesOf(Loaded("Mine")), (std::vector<std::string>{"A", "B", "Standard"}));
    EXPECT_EQ(NamesOf(Loaded()), std::vector<std::string>{"Standard"});
}

TEST_F(CatalogueFiles, ValuesWithBlanksAtTheirEndsAreQuotedAndReadBack)
{
    FormatCatalogue catalogue = Loaded();
    ASSERT_TRUE(catalogue.PutEntry("Poly", "Y X\t", " lead", "plg "));
    ASSERT_TRUE(catalogue.PutEntry("Quoted", "\"Y X\"", "'a'", "in side"));
    ASSERT_TRUE(catalogue.SaveCatalogue());
    const std::vector<std::string> lines = TextLines(Get("terx.ini"));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Poly=\"Y X\t\""), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Poly@inf=\" lead\""), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Quoted@ext=in side"), lines.end());
    // The configuration writes the same value the same way.
    ASSERT_TRUE(WriteIniString(ini_.c_str(), "Check", "Poly@inf", " lead"));
    EXPECT_EQ(Value("SectFmtPoi", "Poly@inf"), Value("Check", "Poly@inf"));
    // Quotes that are the value's own get a pair around them and are kept.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Quoted=\"\"Y X\"\""), lines.end());
    EXPECT_EQ(EntriesOf(Loaded()), (std::vector<std::string>{"Poly|Y X\t| lead|plg ", "Quoted|\"Y X\"|'a'|in side",
                                                              "Standard|Y X cmt(; $ ! *)||plg"}));
    EXPECT_EQ(Value("SectFmtPoi", "Quoted@inf"), "'a'");
}

TEST_F(CatalogueFiles, SavedEntriesLoadAsTheyWere)
{
    FormatCatalogue catalogue = Loaded();
    ASSERT_TRUE(
        catalogue.PutEntry(VELOR_CP1250("Měření"), "Y X Z Name sep(;) decc", VELOR_CP1250("Hráz"), "txt dat"));
    ASSERT_TRUE(catalogue.PutEntry("a b", "X Y", "", ""));
    ASSERT_TRUE(catalogue.PutEntry("Standard", "Y X Z", "own", "plg"));
    ASSERT_TRUE(catalogue.SaveCatalogue());
    EXPECT_EQ(EntriesOf(Loaded()), EntriesOf(catalogue));
}

TEST_F(CatalogueFiles, ACatalogueWithoutAnIniFileIsNotSaved)
{
    FormatCatalogue catalogue("");
    catalogue.LoadCatalogue(nullptr);
    EXPECT_FALSE(catalogue.SaveCatalogue());
}

TEST(CatalogueBlock, ThreeKeysAnEntryEndedByNuls)
{
    const std::vector<FormatEntry> entries = {{"A", "Y X", "", " x"}, {"B", "X Y", "d", "plg"}};
    static const char kBlock[] = "A=Y X\0A@inf=\0A@ext=\" x\"\0B=X Y\0B@inf=d\0B@ext=plg\0\0";
    const std::string expected(kBlock, sizeof kBlock - 1);
    EXPECT_EQ(CatalogueSectionBlock(entries), expected);
    EXPECT_EQ(CatalogueSectionBlock({}), std::string(1, '\0'));
}

} // namespace
