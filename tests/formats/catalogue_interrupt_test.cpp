// A save cut short: a child process saves two catalogues in turn into the
// same section until the parent kills it. Whenever it died, the file must
// hold one of the two catalogues whole, and its other sections unchanged.
#include "tests/formats/catalogue_fixture.h"

#include "tests/support/child_process.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

const char kSection[] = "Cat";
const char kOtherSections[] = "; settings\r\n[Before]\r\nKey=1\r\n\r\n[Cat]\r\n\r\n[After]\r\n; comment\r\nKey=2\r\n";

// A catalogue of the ini file holding only entries tag000, tag001, ... (and
// its own "Standard"), each with texts that tell it from the other.
FormatCatalogue Filled(const std::string& ini, const char* tag, int count)
{
    FormatCatalogue catalogue(ini.c_str());
    catalogue.LoadCatalogue(kSection);
    std::vector<CString> names;
    catalogue.ListNames(names);
    for (const CString& name : names)
        catalogue.RemoveEntry(name);
    char name[32], info[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "%s%03d", tag, i);
        std::snprintf(info, sizeof info, "entry %d of catalogue %s", i, tag);
        catalogue.PutEntry(name, "Y X Z Name cmt(; $ ! *)", info, i % 2 ? "txt dat" : "");
    }
    catalogue.PutEntry("Standard", "Y X", tag, "plg");
    return catalogue;
}

std::string Marker(const std::string& ini)
{
    return ini + ".running";
}

bool WaitForFile(const std::string& path, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!std::filesystem::exists(path)) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// The child: saves A and B in turn, after the first pair leaves a marker
// file, and stops by itself after a minute should nobody kill it.
TEST(CatalogueChild, DISABLED_SaveTwoCataloguesInTurn)
{
    const char* ini = ChildTestParameter();
    ASSERT_NE(ini, nullptr);
    const FormatCatalogue a = Filled(ini, "A", 150);
    const FormatCatalogue b = Filled(ini, "B", 90);
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    for (bool first = true; std::chrono::steady_clock::now() < end; first = false) {
        ASSERT_TRUE(a.SaveCatalogue());
        ASSERT_TRUE(b.SaveCatalogue());
        if (first)
            std::ofstream(Marker(ini)) << "saving";
    }
}

TEST_F(CatalogueFiles, AKilledSaveLeavesTheOldOrTheNewCatalogue)
{
    Put("terx.ini", kOtherSections);
    const std::vector<std::string> a = EntriesOf(Filled(ini_, "A", 150));
    const std::vector<std::string> b = EntriesOf(Filled(ini_, "B", 90));
    ASSERT_TRUE(Filled(ini_, "A", 150).SaveCatalogue());
    std::mt19937 random(12345);
    int seenA = 0, seenB = 0;
    for (int round = 0; round < 12; ++round) {
        std::filesystem::remove(Marker(ini_));
        RunningChild child = StartChildTest("CatalogueChild.DISABLED_SaveTwoCataloguesInTurn", ini_.c_str());
        ASSERT_TRUE(child.Started());
        const bool running = WaitForFile(Marker(ini_), std::chrono::seconds(60));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ASSERT_TRUE(KillChildTest(child));
        ASSERT_TRUE(running) << "the child never saved";

        const std::vector<std::string> loaded = EntriesOf(Loaded(kSection));
        ASSERT_TRUE(loaded == a || loaded == b) << "round " << round << ": " << loaded.size() << " entries";
        (loaded == a ? seenA : seenB) += 1;
        EXPECT_EQ(Value("Before", "Key"), "1");
        EXPECT_EQ(Value("After", "Key"), "2");
    }
    std::printf("killed saves: %d left catalogue A, %d catalogue B\n", seenA, seenB);
}

} // namespace
