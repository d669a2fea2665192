// Replays the saved inputs of one fuzz target through its entry function:
// the seed corpus, which must be there, and the inputs of the faults that
// fuzzing found, once they are fixed. A fault shows as it did under the
// fuzzer: a sanitizer report or a failed check ends the program, after the
// name of the input on stderr. The test suite is named after the target
// (VELOR_FUZZ_SUITE, e.g. FuzzReplayCounter).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

// The files of the folder in name order; none when it does not exist.
std::vector<std::filesystem::path> InputsIn(const char* folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void Replay(const std::vector<std::filesystem::path>& files)
{
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in) << file.string();
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "replaying %s\n", file.string().c_str());
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0)
            << file.string();
    }
}

} // namespace

TEST(VELOR_FUZZ_SUITE, SeedCorpus)
{
    const auto files = InputsIn(VELOR_FUZZ_CORPUS);
    ASSERT_FALSE(files.empty()) << "no seed inputs in " << VELOR_FUZZ_CORPUS;
    Replay(files);
}

TEST(VELOR_FUZZ_SUITE, FoundFaults)
{
    Replay(InputsIn(VELOR_FUZZ_REGRESSIONS));
}
