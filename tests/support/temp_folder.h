// A folder of its own for a test, under the system's temporary folder and
// named after the test, removed with everything in it at the end; and
// short ways to write and read the files in it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class TempFolder {
protected:
    // Makes the folder "velor-<kind>-<test>-<random number>".
    void MakeFolder(const std::string& kind)
    {
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '-'); // parametrised names hold '/'
        std::random_device random;
        do {
            dir_ = std::filesystem::temp_directory_path() /
                   ("velor-" + kind + "-" + test + "-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(dir_));
    }

    void RemoveFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    void Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    std::string Get(const std::string& name) const
    {
        std::ifstream file(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

    std::filesystem::path dir_;
};
