// A folder of its own for every ini-file test, and short ways to write,
// read and query the files in it.
#pragma once

#include "platform/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class ProfileFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::random_device random;
        do {
            dir_ = std::filesystem::temp_directory_path() /
                   ("velor-profile-" + test + "-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(dir_));
    }

    void TearDown() override
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

    // GetPrivateProfileStringA into a buffer of size bytes (at most 256),
    // filled with 0x7F first. Returns the result; bytes receives the first
    // result + 1 bytes of the buffer (at most size).
    DWORD Read(const std::string& file, const char* section, const char* key, const char* def,
               DWORD size, std::string& bytes) const
    {
        char buffer[256];
        std::fill(std::begin(buffer), std::end(buffer), '\x7F');
        DWORD result = GetPrivateProfileStringA(section, key, def, buffer, size, Path(file).c_str());
        bytes.assign(buffer, std::min<DWORD>(result + 1, size));
        last_ = std::string(buffer, size);
        return result;
    }

    // A value read with "D" as the default; the result must be its length.
    std::string Value(const std::string& file, const char* section, const char* key,
                      const char* def = "D") const
    {
        std::string bytes;
        DWORD result = Read(file, section, key, def, 256, bytes);
        EXPECT_EQ(bytes.size(), result + 1);
        EXPECT_EQ(bytes.back(), '\0');
        return bytes.substr(0, result);
    }

    BOOL Write(const std::string& file, const char* section, const char* key, const char* value) const
    {
        return WritePrivateProfileStringA(section, key, value, Path(file).c_str());
    }

    std::filesystem::path dir_;
    mutable std::string last_;  // the whole buffer of the last Read
};
