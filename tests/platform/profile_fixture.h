// A folder of its own for every ini-file test, and short ways to write,
// read and query the files in it.
#pragma once

#include "platform/platform.h"

#include "../support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

class ProfileFiles : public ::testing::Test, protected TempFolder {
protected:
    void SetUp() override
    {
        MakeFolder("profile");
    }

    void TearDown() override
    {
        RemoveFolder();
    }

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

    mutable std::string last_;  // the whole buffer of the last Read
};
