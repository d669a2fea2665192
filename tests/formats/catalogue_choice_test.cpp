// The format the format dialog starts with for a data file.
#include "tests/formats/catalogue_fixture.h"

#include "formats/format_text.h"

namespace {

class Choice : public CatalogueFiles {
protected:
    void SetUp() override
    {
        CatalogueFiles::SetUp();
        Put("terx.ini", "[SectFmtPoi]\r\nPoly=Y X Z cmt(; $ ! *)\r\nPoly@ext=dat xyz\r\nBroken=Y X Q\r\n"
                        "Loose=y  x z\r\n"
                        "[Mine]\r\nOwn=X Y\r\nOwn@ext=dat\r\n");
    }

    FormatChoice Choose(const char* section, const char* name, const char* dataFile)
    {
        FormatChoice choice;
        choice.name = name;
        FormatCatalogue catalogue(ini_.c_str());
        ChooseFormatForFile(catalogue, section, dataFile, choice);
        EXPECT_EQ(Str(catalogue.Section()), section && *section ? section : "SectFmtPoi");
        return choice;
    }

    FormatChoice ChooseGiven(const char* name, const char* format)
    {
        FormatChoice choice;
        choice.name = name;
        choice.format = format;
        choice.formatGiven = true;
        choice.foundInFile = true;
        FormatCatalogue catalogue(ini_.c_str());
        ChooseFormatForFile(catalogue, "", Path("data.dat").c_str(), choice);
        return choice;
    }
};

TEST_F(Choice, TheSuffixOfTheDataFileChoosesTheCatalogueFormat)
{
    Put("data.dat", "1 2 3\r\n");
    const FormatChoice choice = Choose(nullptr, "Standard", Path("data.dat").c_str());
    EXPECT_EQ(Str(choice.name), "Poly");
    EXPECT_EQ(Str(PrintFormatText(choice.model)), "Y X Z cmt(; $ ! *)");
    EXPECT_FALSE(choice.foundInFile);
    EXPECT_EQ(Str(Choose("Mine", "", Path("data.dat").c_str()).name), "Own");
}

TEST_F(Choice, WithoutASuffixTheNameOrStandardDecides)
{
    Put("data.txt", "1 2 3\r\n");
    FormatChoice choice = Choose("", "poly", Path("data.txt").c_str());
    EXPECT_EQ(Str(choice.name), "poly");
    EXPECT_EQ(Str(PrintFormatText(choice.model)), "Y X Z cmt(; $ ! *)");
    choice = Choose("", "Unknown", nullptr);
    EXPECT_EQ(Str(choice.name), "Unknown");
    EXPECT_EQ(Str(PrintFormatText(choice.model)), "Y X cmt(; $ ! *)");
}

TEST_F(Choice, AStoredFormatThatDoesNotReadGivesTheDefaultFormat)
{
    const FormatChoice choice = Choose(nullptr, "Broken", nullptr);
    EXPECT_EQ(Str(choice.name), "Broken");
    EXPECT_EQ(Str(PrintFormatText(choice.model)), "Y X cmt(; $ ! *)");
}

TEST_F(Choice, TheDataFilesOwnFormatLineOverridesTheCatalogue)
{
    Put("data.dat", "Model7\r\n.fmt Name Y X\r\n");
    const FormatChoice choice = Choose(nullptr, "", Path("data.dat").c_str());
    EXPECT_EQ(Str(choice.name), "Poly");
    EXPECT_TRUE(choice.foundInFile);
    EXPECT_EQ(Str(PrintFormatText(choice.model)), "Name Y X cmt(; $ ! *)");
    EXPECT_EQ(choice.model.modelNameInHeader, 1);
}

TEST_F(Choice, AGivenFormatKeepsTheNameOnlyWhenTheEntryHoldsIt)
{
    Put("data.dat", ".fmt Name Y X\r\n");
    FormatChoice choice = ChooseGiven("POLY", "y x z");
    EXPECT_EQ(Str(choice.name), "POLY");
    EXPECT_EQ(Str(PrintFormatText(choice.model)), "Y X Z cmt(; $ ! *)");
    EXPECT_FALSE(choice.foundInFile); // the data file is not looked at
    EXPECT_EQ(Str(ChooseGiven("Poly", "Y X").name), "");
    EXPECT_EQ(Str(ChooseGiven("Nothing", "Y X Z").name), "");
    // The entry's text is compared as stored, not in its normal form.
    EXPECT_EQ(Str(ChooseGiven("Loose", "y  x z").name), "");
    // A format that does not read is compared as far as it was read.
    choice = ChooseGiven("Poly", "Y X Z Q");
    EXPECT_EQ(Str(choice.name), "Poly");
    EXPECT_EQ(Str(PrintFormatText(choice.model)), "Y X Z cmt(; $ ! *)");
}

} // namespace
