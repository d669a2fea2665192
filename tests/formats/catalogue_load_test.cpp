// Loading a catalogue from the ini file: the built-in "Standard", the keys
// that are formats, the values that belong to them, and the sort.
#include "tests/formats/catalogue_fixture.h"

#include "common/cp1250.h"

#include <cstdio>

namespace {

const char kCrLf[] = "\r\n";

std::string Section(const std::string& body)
{
    return std::string("[SectFmtPoi]") + kCrLf + body;
}

TEST_F(CatalogueFiles, MissingFileOrSectionGivesTheBuiltInFormatAlone)
{
    const std::vector<std::string> builtIn = {"Standard|Y X cmt(; $ ! *)||plg"};
    EXPECT_EQ(EntriesOf(Loaded()), builtIn); // no file yet
    Put("terx.ini", "[Other]\r\nStandard=X Y\r\nPoly=Y X\r\n");
    FormatCatalogue catalogue(ini_.c_str());
    EXPECT_EQ(catalogue.LoadCatalogue(kDefaultFormatSection), 1);
    EXPECT_EQ(EntriesOf(catalogue), builtIn);
    EXPECT_EQ(EntriesOf(Loaded("Other")), (std::vector<std::string>{"Poly|Y X||", "Standard|X Y||"}));
}

TEST_F(CatalogueFiles, NullOrEmptySectionIsThePointFileSection)
{
    Put("terx.ini", Section("Poly=Y X Z\r\n"));
    for (const char* section : {static_cast<const char*>(nullptr), ""}) {
        FormatCatalogue catalogue(ini_.c_str());
        EXPECT_EQ(catalogue.LoadCatalogue(section), 2);
        EXPECT_EQ(Str(catalogue.Section()), "SectFmtPoi");
        EXPECT_EQ(Str(catalogue.NameAt(0)), "Poly");
    }
}

TEST_F(CatalogueFiles, StoredStandardKeepsItsTextsAndIsNotAddedAgain)
{
    Put("terx.ini", Section("Standard=Y X\r\n"));
    EXPECT_EQ(EntriesOf(Loaded()), std::vector<std::string>{"Standard|Y X||"});

    Put("terx.ini", Section("STANDARD=Y X Z\r\nSTANDARD@ext=txt\r\nSTANDARD@inf=mine\r\n"));
    EXPECT_EQ(EntriesOf(Loaded()), std::vector<std::string>{"STANDARD|Y X Z|mine|txt"});
}

TEST_F(CatalogueFiles, PlgListedByAnotherEntryLeavesStandardWithoutSuffixes)
{
    Put("terx.ini", Section("Poly=Y X Z\r\nPoly@ext=txt plg\r\n"));
    const FormatCatalogue catalogue = Loaded();
    EXPECT_EQ(EntriesOf(catalogue), (std::vector<std::string>{"Poly|Y X Z||txt plg", "Standard|Y X cmt(; $ ! *)||"}));
    EXPECT_EQ(Str(catalogue.FindFormatForSuffix("PLG")), "Poly");
    EXPECT_EQ(Str(catalogue.FindFormatForSuffix("Txt")), "Poly");
    EXPECT_EQ(Str(catalogue.FindFormatForSuffix("")), "");
    EXPECT_EQ(Str(catalogue.FindFormatForSuffix("pl")), "");
}

TEST_F(CatalogueFiles, KeysWithAtAreNoFormatsAndNamesSortWithoutCase)
{
    Put("terx.ini", Section("b=Y X\r\nA=X Y\r\nc@inf=lost\r\nb@inf=second\r\nA@ext=a1  a2\r\n; A comment=1\r\n"));
    const FormatCatalogue catalogue = Loaded();
    EXPECT_EQ(EntriesOf(catalogue), (std::vector<std::string>{"A|X Y||a1  a2", "b|Y X|second|",
                                                               "Standard|Y X cmt(; $ ! *)||plg"}));
}

TEST_F(CatalogueFiles, ValuesReadAsTheConfigurationReadsThem)
{
    // Quotes protect blanks and go; the first key of a name counts; a key's
    // values are found whatever the case of their keys.
    Put("terx.ini", Section("Poly = \" Y X \"\r\nPOLY@INF='quoted'\r\nPoly@ext=txt\r\nPoly@ext=dat\r\n"
                            "Odd=\"half\r\n"));
    EXPECT_EQ(EntriesOf(Loaded()), (std::vector<std::string>{"Odd|\"half||", "Poly| Y X |quoted|txt",
                                                              "Standard|Y X cmt(; $ ! *)||plg"}));
}

TEST_F(CatalogueFiles, CzechLettersSortInTheLocaleOrder)
{
    // "ch" is a letter after "h"; carons make letters of their own after the
    // plain ones.
    const char* const names[] = {VELOR_CP1250("Ida"),  VELOR_CP1250("Chata"), VELOR_CP1250("Šíp"),
                                 VELOR_CP1250("Hora"), VELOR_CP1250("Čáp"),   VELOR_CP1250("Cop"),
                                 VELOR_CP1250("cizí"), VELOR_CP1250("Dům"),   VELOR_CP1250("Žába"),
                                 VELOR_CP1250("Zeď")};
    std::string body;
    for (const char* name : names)
        body += std::string(name) + "=Y X\r\n";
    Put("terx.ini", Section(body));
    const std::vector<std::string> expected = {
        VELOR_CP1250("cizí"), VELOR_CP1250("Cop"),      VELOR_CP1250("Čáp"), VELOR_CP1250("Dům"),
        VELOR_CP1250("Hora"), VELOR_CP1250("Chata"),    VELOR_CP1250("Ida"), VELOR_CP1250("Standard"),
        VELOR_CP1250("Šíp"),  VELOR_CP1250("Zeď"), VELOR_CP1250("Žába")};
    const FormatCatalogue catalogue = Loaded();
    EXPECT_EQ(NamesOf(catalogue), expected);
    EXPECT_EQ(catalogue.FindEntry(VELOR_CP1250("ČÁP")), 2);
    EXPECT_EQ(catalogue.FindEntry(VELOR_CP1250("CHATA")), 5);
    EXPECT_EQ(catalogue.FindEntry("Cap"), kNoCatalogueEntry);
}

TEST_F(CatalogueFiles, ManyKeysAreReadWhole)
{
    // More names than the first key-list buffer holds, and long values.
    std::string body;
    const std::string longFormat = "Y X cmt(" + std::string(3000, 'w') + ")";
    for (int i = 0; i < 300; ++i)
        body += "Format" + std::to_string(1000 + i) + "=" + longFormat + "\r\n";
    Put("terx.ini", Section(body));
    const FormatCatalogue catalogue = Loaded();
    ASSERT_EQ(catalogue.Count(), 301);
    EXPECT_EQ(Str(catalogue.NameAt(299)), "Format1299");
    EXPECT_EQ(Str(catalogue.Entry(299).format), longFormat);
    EXPECT_EQ(Str(catalogue.NameAt(300)), "Standard");
}

TEST_F(CatalogueFiles, LoadingStopsAtTheLimitWithRoomForStandard)
{
    std::string body;
    char line[32];
    for (int i = 0; i <= kMaxCatalogueEntries; ++i) {
        std::snprintf(line, sizeof line, "F%05d=Y X\r\n", i);
        body += line;
    }
    Put("terx.ini", Section(body));
    FormatCatalogue catalogue(ini_.c_str());
    EXPECT_EQ(catalogue.LoadCatalogue(nullptr), 32767);
    EXPECT_EQ(Str(catalogue.NameAt(32765)), "F32765");
    EXPECT_EQ(Str(catalogue.NameAt(32766)), "Standard");
    EXPECT_EQ(catalogue.FindEntry("F32766"), kNoCatalogueEntry);
}

} // namespace
