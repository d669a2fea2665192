// A catalogue of 10,000 formats: it loads, sorts and saves whole. The times
// are printed for the record; they are not checked.
#include "tests/formats/catalogue_fixture.h"

#include "common/cp1250.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace {

const int kFormats = 10000;

// The processor time of this process so far, in seconds (the machines that
// run the tests are often busy with other work, which the wall clock counts).
double ProcessorSeconds()
{
#if defined(_WIN32)
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7;
#else
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

struct Stopwatch {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    double processor = ProcessorSeconds();

    std::string Text() const
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.3f s (processor %.3f s)",
                      std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count(),
                      ProcessorSeconds() - processor);
        return text;
    }
};

// The section's text with the formats in a shuffled order, names with and
// without Czech letters.
std::string ShuffledSection(std::vector<std::string>& sortedNames)
{
    std::vector<int> order(kFormats);
    for (int i = 0; i < kFormats; ++i)
        order[static_cast<size_t>(i)] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    std::string text = "[Other]\r\nKey=1\r\n[SectFmtPoi]\r\n";
    char name[32];
    for (int i : order) {
        std::snprintf(name, sizeof name, "%s%05d", i % 2 ? VELOR_CP1250("Čára") : "Cesta", i);
        text += std::string(name) + "=Y X Z cmt(;)\r\n" + name + "@inf=format " + std::to_string(i) + "\r\n" + name +
                "@ext=x" + std::to_string(i) + "\r\n";
    }
    for (int i = 0; i < kFormats; i += 2) {
        std::snprintf(name, sizeof name, "Cesta%05d", i);
        sortedNames.push_back(name);
    }
    for (int i = 1; i < kFormats; i += 2) {
        std::snprintf(name, sizeof name, "%s%05d", VELOR_CP1250("Čára"), i);
        sortedNames.push_back(name);
    }
    sortedNames.push_back("Standard");
    return text + "[After]\r\nKey=2\r\n";
}

TEST_F(CatalogueFiles, TenThousandFormatsLoadSortAndSave)
{
    std::vector<std::string> sortedNames;
    Put("terx.ini", ShuffledSection(sortedNames));

    Stopwatch watch;
    FormatCatalogue catalogue(ini_.c_str());
    ASSERT_EQ(catalogue.LoadCatalogue(kDefaultFormatSection), kFormats + 1);
    const std::string load = watch.Text();
    ASSERT_EQ(NamesOf(catalogue), sortedNames);
    EXPECT_EQ(Str(catalogue.FindFormatForSuffix("X9999")), VELOR_CP1250("Čára09999"));

    ASSERT_TRUE(catalogue.PutEntry("Cesta10000", "Y X", "added", ""));
    watch = Stopwatch();
    ASSERT_TRUE(catalogue.SaveCatalogue());
    const std::string save = watch.Text();

    watch = Stopwatch();
    const FormatCatalogue again = Loaded();
    const std::string reload = watch.Text();
    EXPECT_EQ(EntriesOf(again), EntriesOf(catalogue));
    EXPECT_EQ(Value("Other", "Key"), "1");
    EXPECT_EQ(Value("After", "Key"), "2");
    std::printf("10000 formats: load and sort %s, save %s, load the saved file %s\n", load.c_str(), save.c_str(),
                reload.c_str());
}

} // namespace
