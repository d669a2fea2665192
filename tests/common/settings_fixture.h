// The product's own registry keys, emptied before and after every test, a
// folder of the test's own for ini files, and a message-box responder that
// records the boxes and answers from a queue.
#pragma once

#include "common/config.h"
#include "platform/platform.h"
#include "tests/support/registry_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

struct ShownBox {
    std::string text;
    std::string caption;
    UINT type;
};

class ProductSettings : public ::testing::Test {
protected:
    static constexpr const char* kInstall = "Software\\Velor Terx\\Ini\\";
    static constexpr const char* kInstall32 = "SOFTWARE\\Wow6432Node\\Velor Terx\\Ini\\";

    void SetUp() override
    {
        ClearProductKeys();
        std::random_device random;
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        do {
            dir_ = std::filesystem::temp_directory_path() / ("velor-settings-" + test + "-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(dir_));
        SetMessageBoxResponder(&ProductSettings::Respond, this);
    }

    void TearDown() override
    {
        SetMessageBoxResponder(nullptr, nullptr);
        ClearProductKeys();
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    static void ClearProductKeys()
    {
        DeleteTree(HKEY_CURRENT_USER, "Software\\Velor Terx");
        DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Velor Terx");
        DeleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Velor Terx");
    }

    // Sets an installation value under "Software\Velor Terx\Ini\" + program.
    static void Install(const char* program, const char* name, const char* value, bool view32 = false)
    {
        ASSERT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, (std::string(view32 ? kInstall32 : kInstall) + program).c_str(),
                                   name, value));
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Dir() const { return dir_.string(); }

    void Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

    std::string Get(const std::string& name) const
    {
        std::ifstream file(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // Whether the file holds this line, whatever its line ends.
    ::testing::AssertionResult HasLine(const std::string& name, const std::string& line) const
    {
        std::string file = Get(name);
        file.erase(std::remove(file.begin(), file.end(), '\r'), file.end());
        if (("\n" + file + "\n").find("\n" + line + "\n") != std::string::npos)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "no line \"" << line << "\" in:\n" << file;
    }

    static int Respond(void* context, HWND, const char* text, const char* caption, UINT type, DWORD)
    {
        auto* self = static_cast<ProductSettings*>(context);
        self->boxes_.push_back({text ? text : "", caption ? caption : "", type});
        if (self->answers_.empty())
            return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
        const int answer = self->answers_.front();
        self->answers_.pop_front();
        return answer;
    }

    std::filesystem::path dir_;
    std::vector<ShownBox> boxes_;
    std::deque<int> answers_;
};

// Code page 1250 text as UTF-8, through the platform's conversions.
inline std::string Utf8From1250(const char* text)
{
    WCHAR wide[4096];
    const int count = MultiByteToWideChar(1250, 0, text, -1, wide, 4096);
    char utf8[8192];
    const int length = count > 0 ? WideCharToMultiByte(CP_UTF8, 0, wide, count, utf8, sizeof utf8, nullptr, nullptr) : 0;
    return length > 0 ? std::string(utf8, length - 1) : std::string("<unconvertible>");
}
