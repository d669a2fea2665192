// What a save never does: write back a catalogue that was read only in
// part, write a value that would break into lines of the ini file, or
// replace a read-only file; and what it tidies: copies that writers ended
// while writing left beside the file.
#include "tests/formats/catalogue_fixture.h"

#include <cstdio>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// A section of count formats named F00000, F00001, ..., with "Standard"
// among them or not.
std::string SectionOf(int count, bool withStandard)
{
    std::string text = "[Other]\r\nKey=1\r\n[SectFmtPoi]\r\n";
    char name[16];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "F%05d", i);
        text += std::string(name) + "=Y X\r\n" + name + "@inf=\r\n" + name + "@ext=\r\n";
    }
    if (withStandard)
        text += "Standard=Y X Z\r\n";
    return text + "[After]\r\nKey=2\r\n";
}

void MakeReadOnly(const std::string& path)
{
#if defined(_WIN32)
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
#else
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
#endif
}

void MakeWritable(const std::string& path)
{
#if defined(_WIN32)
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
#else
    chmod(path.c_str(), 0644);
#endif
}

unsigned long OwnProcessId()
{
#if defined(_WIN32)
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(getpid());
#endif
}

TEST_F(CatalogueFiles, ACatalogueReadInPartIsNeverWrittenBack)
{
    for (const bool withStandard : {true, false}) {
        // 32,767 formats without "Standard" leave no room for the built-in
        // one: the last is dropped at load, and so the load is not whole.
        const int count = withStandard ? kMaxCatalogueEntries + 500 : kMaxCatalogueEntries;
        const std::string text = SectionOf(count, withStandard);
        Put("terx.ini", text);
        FormatCatalogue catalogue = Loaded();
        EXPECT_EQ(catalogue.Count(), kMaxCatalogueEntries);
        EXPECT_FALSE(catalogue.LoadedWhole());
        EXPECT_TRUE(catalogue.RemoveEntry("F00001"));
        EXPECT_FALSE(catalogue.SaveCatalogue());
        EXPECT_EQ(Get("terx.ini"), text) << "with Standard: " << withStandard;
    }
    Put("terx.ini", SectionOf(kMaxCatalogueEntries - 1, false));
    FormatCatalogue full = Loaded();
    EXPECT_TRUE(full.LoadedWhole());
    EXPECT_EQ(full.Count(), kMaxCatalogueEntries);
    EXPECT_TRUE(full.RemoveEntry("F00001"));
    EXPECT_TRUE(full.SaveCatalogue());
    EXPECT_EQ(Loaded().Count(), kMaxCatalogueEntries - 1);
}

TEST_F(CatalogueFiles, ValuesWithLineBreaksAreRefused)
{
    FormatCatalogue catalogue = Loaded();
    for (const char* bad : {"x\r\n[OtherProgram]\r\nPath=c:\\evil", "a\nb", "a\rb", "\n"}) {
        EXPECT_FALSE(IsStorableFormatValue(bad));
        EXPECT_FALSE(catalogue.PutEntry("New", "Y X", bad, "")) << bad;
        EXPECT_FALSE(catalogue.PutEntry("New", "Y X", "", bad)) << bad;
        EXPECT_FALSE(catalogue.PutEntry("Standard", bad, "", "")) << bad;
    }
    EXPECT_EQ(EntriesOf(catalogue), EntriesOf(Loaded()));
    for (const char* good : {"", "a b\tc", "x=y", "[s]", ";c", "@"})
        EXPECT_TRUE(IsStorableFormatValue(good)) << good;
    EXPECT_TRUE(IsStorableFormatValue(nullptr));
}

TEST_F(CatalogueFiles, AReadOnlyIniFileIsLeftAsItIs)
{
    const std::string text = SectionOf(3, true);
    Put("terx.ini", text);
    MakeReadOnly(ini_);
    FormatCatalogue catalogue = Loaded();
    ASSERT_TRUE(catalogue.PutEntry("New", "Y X Z", "", ""));
    SetLastError(0);
    EXPECT_FALSE(catalogue.SaveCatalogue());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Get("terx.ini"), text);
    MakeWritable(ini_);
    EXPECT_TRUE(catalogue.SaveCatalogue());
    EXPECT_NE(Loaded().FindEntry("New"), kNoCatalogueEntry);
}

TEST_F(CatalogueFiles, CopiesOfWritersThatNoLongerRunAreRemoved)
{
    Put("terx.ini", SectionOf(2, true));
    // No system gives out process id 99999996 (pids are far smaller).
    const std::string stale = ".velor-ini-99999996-0", own = ".velor-ini-" + std::to_string(OwnProcessId()) + "-999";
    for (const std::string& name : {stale, std::string(".velor-ini-notes"), own, std::string(".velor-ini--1")})
        Put(name, "[SectFmtPoi]\r\nHalf=");
    FormatCatalogue catalogue = Loaded();
    ASSERT_TRUE(catalogue.PutEntry("New", "Y X Z", "", ""));
    ASSERT_TRUE(catalogue.SaveCatalogue());
    EXPECT_FALSE(Exists(stale));
    EXPECT_TRUE(Exists(".velor-ini-notes"));
    EXPECT_TRUE(Exists(own)); // this process may still be writing it
    EXPECT_TRUE(Exists(".velor-ini--1"));
    EXPECT_NE(Loaded().FindEntry("New"), kNoCatalogueEntry);
}

} // namespace
