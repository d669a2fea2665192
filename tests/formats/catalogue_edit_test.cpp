// A catalogue changed in memory: entries added at their sorted place,
// replaced and removed by name, found, listed, and names the ini file could
// not keep refused.
#include "tests/formats/catalogue_fixture.h"

#include "common/cp1250.h"

namespace {

// A catalogue of no file: the built-in format alone.
FormatCatalogue BuiltInOnly()
{
    FormatCatalogue catalogue("");
    catalogue.LoadCatalogue(nullptr);
    return catalogue;
}

TEST(CatalogueEdit, PutInsertsAtTheSortedPlace)
{
    FormatCatalogue catalogue = BuiltInOnly();
    EXPECT_TRUE(catalogue.PutEntry("poly", "Y X Z", "survey", "txt"));
    EXPECT_TRUE(catalogue.PutEntry("Abc", "X Y", "", ""));
    EXPECT_TRUE(catalogue.PutEntry("zeta", "Y X", nullptr, nullptr));
    EXPECT_TRUE(catalogue.PutEntry(VELOR_CP1250("Čára"), "Y X", "", ""));
    EXPECT_EQ(EntriesOf(catalogue),
              (std::vector<std::string>{"Abc|X Y||", VELOR_CP1250("Čára|Y X||"), "poly|Y X Z|survey|txt",
                                        "Standard|Y X cmt(; $ ! *)||plg", "zeta|Y X||"}));
}

TEST(CatalogueEdit, PutReplacesByNameWithTheNewSpelling)
{
    FormatCatalogue catalogue = BuiltInOnly();
    ASSERT_TRUE(catalogue.PutEntry("Poly", "Y X", "old", "txt"));
    EXPECT_TRUE(catalogue.PutEntry("standard", "X Y", "mine", ""));
    EXPECT_TRUE(catalogue.PutEntry("POLY", "Y X Z", "", "dat"));
    EXPECT_EQ(EntriesOf(catalogue), (std::vector<std::string>{"POLY|Y X Z||dat", "standard|X Y|mine|"}));
    EXPECT_EQ(catalogue.FindEntry("Standard"), 1);
}

TEST(CatalogueEdit, RemoveTakesTheEntryOfThatNameOnly)
{
    FormatCatalogue catalogue = BuiltInOnly();
    for (const char* name : {"a", "b", "c"})
        ASSERT_TRUE(catalogue.PutEntry(name, "Y X", "", ""));
    EXPECT_TRUE(catalogue.RemoveEntry("B"));
    EXPECT_FALSE(catalogue.RemoveEntry("b"));
    EXPECT_FALSE(catalogue.RemoveEntry("d"));
    EXPECT_EQ(NamesOf(catalogue), (std::vector<std::string>{"a", "c", "Standard"}));
    EXPECT_TRUE(catalogue.RemoveEntry("STANDARD"));
    EXPECT_EQ(NamesOf(catalogue), (std::vector<std::string>{"a", "c"}));
}

TEST(CatalogueEdit, FindGetAndLookup)
{
    FormatCatalogue catalogue = BuiltInOnly();
    ASSERT_TRUE(catalogue.PutEntry("Poly", "Y X Z", "survey", "txt dat"));
    EXPECT_EQ(catalogue.FindEntry("poly"), 0);
    EXPECT_EQ(catalogue.FindEntry("Pol"), kNoCatalogueEntry);
    EXPECT_EQ(catalogue.FindEntry("Polyx"), kNoCatalogueEntry);
    EXPECT_EQ(static_cast<uint16_t>(catalogue.FindEntry("zzz")), 65535);

    CString format = "f", description = "d", suffixes = "s";
    EXPECT_FALSE(catalogue.GetEntry(-1, format, description, suffixes));
    EXPECT_FALSE(catalogue.GetEntry(2, format, description, suffixes));
    EXPECT_FALSE(catalogue.LookupEntry("none", format, description, suffixes));
    EXPECT_EQ(Str(format) + Str(description) + Str(suffixes), "fds");
    EXPECT_TRUE(catalogue.GetEntry(1, format, description, suffixes));
    EXPECT_EQ(Str(format) + "|" + Str(description) + "|" + Str(suffixes), "Y X cmt(; $ ! *)||plg");
    EXPECT_TRUE(catalogue.LookupEntry("POLY", format, description, suffixes));
    EXPECT_EQ(Str(format) + "|" + Str(description) + "|" + Str(suffixes), "Y X Z|survey|txt dat");
}

TEST(CatalogueEdit, ListShowsTheDescriptionInParentheses)
{
    FormatCatalogue catalogue = BuiltInOnly();
    ASSERT_TRUE(catalogue.PutEntry("Poly", "Y X Z", "survey", ""));
    EXPECT_EQ(Str(CatalogueListText(catalogue.Entry(0))), "Poly (survey)");
    EXPECT_EQ(Str(CatalogueListText(catalogue.Entry(1))), "Standard");
}

TEST(CatalogueEdit, SuffixesMatchWholeWordsInCatalogueOrder)
{
    FormatCatalogue catalogue = BuiltInOnly();
    ASSERT_TRUE(catalogue.PutEntry("b", "Y X", "", "xyz  TXT"));
    ASSERT_TRUE(catalogue.PutEntry("a", "Y X", "", "txt"));
    EXPECT_EQ(Str(catalogue.FindFormatForSuffix("txt")), "a"); // the first in order, not in time
    EXPECT_EQ(Str(catalogue.FindFormatForSuffix("xy")), "");
    EXPECT_EQ(Str(catalogue.FindFormatForSuffix("PLG")), "Standard");
    EXPECT_EQ(Str(catalogue.FindFormatForSuffix(nullptr)), "");
}

TEST(CatalogueEdit, NamesTheIniFileCouldNotKeepAreRefused)
{
    FormatCatalogue catalogue = BuiltInOnly();
    for (const char* name : {"", "a=b", "a@b", "a@inf", "a\rb", "a\nb", "[a]", ";a", " a", "a ", "\ta", "a\x1A"}) {
        EXPECT_FALSE(catalogue.PutEntry(name, "Y X", "", "")) << "\"" << name << "\"";
        EXPECT_FALSE(IsStorableFormatName(name)) << "\"" << name << "\"";
    }
    EXPECT_FALSE(catalogue.PutEntry(nullptr, "Y X", "", ""));
    EXPECT_EQ(NamesOf(catalogue), std::vector<std::string>{"Standard"});
    for (const char* name : {"a]", "a[b", "a;b", "a b", "a\tb", "'a'", VELOR_CP1250("Čáp")})
        EXPECT_TRUE(IsStorableFormatName(name)) << "\"" << name << "\"";
}

TEST(CatalogueEdit, AFullCatalogueTakesNoNewEntry)
{
    FormatCatalogue catalogue = BuiltInOnly();
    char name[16];
    for (int i = 1; i < kMaxCatalogueEntries; ++i) {
        std::snprintf(name, sizeof name, "F%05d", i);
        ASSERT_TRUE(catalogue.PutEntry(name, "Y X", "", "")) << name;
    }
    ASSERT_EQ(catalogue.Count(), 32767);
    EXPECT_FALSE(catalogue.PutEntry("New", "Y X", "", ""));
    EXPECT_TRUE(catalogue.PutEntry("f00001", "X Y", "", "")); // replacing still works
    EXPECT_EQ(catalogue.Count(), 32767);
    EXPECT_EQ(Str(catalogue.NameAt(0)), "f00001");
    EXPECT_EQ(catalogue.FindEntry("F32766"), 32765);
}

} // namespace
