// The native registry store: where it lives, its text form, and that it
// stays whole when a writer is killed or two processes write at once. Each
// test points VELOR_REGISTRY at a folder of its own.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char kKey[] = "Software\\VelorStore";

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

LONG SetBinary(const char* name, const std::string& data)
{
    HKEY key;
    LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(data.data()),
                            static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return result;
}

// The value's bytes, or the error as text.
std::string Query(const char* path, const char* name, DWORD* type = nullptr)
{
    HKEY key;
    LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
    if (result != ERROR_SUCCESS)
        return "error " + std::to_string(result);
    DWORD size = 0;
    result = RegQueryValueExA(key, name, nullptr, type, nullptr, &size);
    std::string data(size, '\0');
    if (result == ERROR_SUCCESS)
        result = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? data : "error " + std::to_string(result);
}

std::vector<fs::path> SetAsideFiles(const fs::path& folder)
{
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().find(".malformed-") != std::string::npos)
            found.push_back(entry.path());
    }
    return found;
}

// A payload whose every byte tells which round wrote it.
std::string Payload(unsigned round)
{
    std::string data(65536, static_cast<char>(round & 0xFF));
    std::memcpy(data.data(), &round, sizeof round);
    return data;
}

class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("VELOR_REGISTRY");
        hadOld_ = old != nullptr;
        old_ = old ? old : "";
        std::string pattern = (fs::temp_directory_path() / "velor-registry-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        setenv("VELOR_REGISTRY", folder_.c_str(), 1);
    }

    void TearDown() override
    {
        if (hadOld_)
            setenv("VELOR_REGISTRY", old_.c_str(), 1);
        else
            unsetenv("VELOR_REGISTRY");
        fs::remove_all(folder_);
    }

    fs::path UserFile() const { return folder_ / "HKEY_CURRENT_USER.txt"; }

    fs::path folder_;
    std::string old_;
    bool hadOld_ = false;
};

TEST_F(RegistryStore, KeepsReadableTextWhereTheEnvironmentSays)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Velor Terx\\Empty", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Velor Terx", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    const DWORD number = 42;
    RegSetValueExA(key, "NoMsgTimeProblem", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    RegSetValueExA(key, "Quote", 0, REG_SZ, reinterpret_cast<const BYTE*>("a\"b%c\xE8"), 7);
    RegSetValueExA(key, "Odd", 0, REG_DWORD, reinterpret_cast<const BYTE*>("\x01\x02"), 2);
    RegCloseKey(key);

    const std::string text = ReadFile(UserFile());
    EXPECT_NE(text.find("\n[Software\\Velor Terx]\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n[Software\\Velor Terx\\Empty]\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\"NoMsgTimeProblem\"=dword:0000002a\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\"Quote\"=sz:\"a%22b%25c%e8\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\"Odd\"=hex(4):01,02\n"), std::string::npos) << text;
    EXPECT_FALSE(fs::exists(folder_ / "HKEY_LOCAL_MACHINE.txt"));

    // Without the variable the store is in the user's data folder.
    unsetenv("VELOR_REGISTRY");
    setenv("XDG_DATA_HOME", folder_.c_str(), 1);
    EXPECT_EQ(SetBinary("x", "1"), ERROR_SUCCESS);
    unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(fs::exists(folder_ / "velor-registry" / "HKEY_CURRENT_USER.txt"));
}

TEST_F(RegistryStore, ReadsTextWrittenByHand)
{
    WriteFile(UserFile(),
              "VelorRegistry 1\n"
              "; written by hand\r\n"
              "\n"
              "[Software\\VelorStore\\Deep]\n"
              "@=sz:\"default %c3 text\"\n"
              "\"Path\"=expand_sz:\"%25TEMP%25\\x\"\n"
              "\"Big\"=qword:1122334455667788\n"
              "\"Multi\"=hex(7):61,00,62,00,00\n"
              "\"Nothing\"=hex:\n"
              "End\n");
    DWORD type = 0;
    EXPECT_EQ(Query("Software\\VelorStore\\Deep", nullptr, &type), std::string("default \xC3 text", 15));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(Query("Software\\VelorStore\\Deep", "path", &type), std::string("%TEMP%\\x", 9));
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(Query("Software\\VelorStore\\Deep", "Big", &type), "\x88\x77\x66\x55\x44\x33\x22\x11");
    EXPECT_EQ(type, static_cast<DWORD>(REG_QWORD));
    EXPECT_EQ(Query("Software\\VelorStore\\Deep", "Multi", &type), std::string("a\0b\0\0", 5));
    EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
    EXPECT_EQ(Query("Software\\VelorStore\\Deep", "Nothing", &type), "");
    EXPECT_EQ(Query("Software\\VelorStore", "Path"), "error 2");  // the key above exists, empty

    // Names with any bytes go through the file and come back.
    const std::string odd = "we%ird\"]\xE8name";
    const std::string blob("\0\x01\0\xFF", 4);
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, ("Software\\VelorStore\\" + odd).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, odd.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(blob.data()), 4);
    RegCloseKey(key);
    EXPECT_EQ(Query(("Software\\VelorStore\\" + odd).c_str(), odd.c_str()), blob);
    EXPECT_TRUE(SetAsideFiles(folder_).empty());
}

TEST_F(RegistryStore, MalformedFileIsKeptAsideAndReadsAsEmpty)
{
    ASSERT_EQ(SetBinary("v", "kept"), ERROR_SUCCESS);
    const std::string whole = ReadFile(UserFile());
    const std::string cut = whole.substr(0, whole.size() - 4);  // without the closing line
    const std::string broken[] = {cut, "VelorRegistry 1\n[Software]\ngarbage line\nEnd\n", "not a store at all"};
    for (const std::string& text : broken) {
        fs::remove_all(folder_);
        fs::create_directory(folder_);
        WriteFile(UserFile(), text);
        EXPECT_EQ(Query(kKey, "v"), "error 2");
        const auto aside = SetAsideFiles(folder_);
        ASSERT_EQ(aside.size(), 1u) << text;
        EXPECT_EQ(ReadFile(aside[0]), text);

        // Writing starts a new store and leaves the old one where it was.
        EXPECT_EQ(SetBinary("w", "new"), ERROR_SUCCESS);
        EXPECT_EQ(Query(kKey, "w"), "new");
        EXPECT_EQ(SetAsideFiles(folder_).size(), 1u);
        EXPECT_EQ(ReadFile(aside[0]), text);
    }
}

TEST_F(RegistryStore, WriterKilledWhileWritingLeavesWholeStore)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned round = 1;; ++round)
                SetBinary("payload", Payload(round));
        }
        // Let it write a few rounds, then kill it at some point of a write.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (Query(kKey, "payload").size() != 65536 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(5 * attempt + 2));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string data = Query(kKey, "payload");
        ASSERT_EQ(data.size(), 65536u) << data.substr(0, 20);
        unsigned round = 0;
        std::memcpy(&round, data.data(), sizeof round);
        EXPECT_GE(round, 1u);
        EXPECT_EQ(data.find_first_not_of(static_cast<char>(round & 0xFF), sizeof round), std::string::npos);
        EXPECT_TRUE(SetAsideFiles(folder_).empty());
        // The lock went with the killed writer.
        EXPECT_EQ(SetBinary("after", std::to_string(attempt)), ERROR_SUCCESS);
    }
}

TEST_F(RegistryStore, ConcurrentWritersLoseNothing)
{
    const int kWriters = 3;
    const int kValues = 30;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int failures = 0;
            for (int i = 0; i < kValues; ++i) {
                const std::string name = "w" + std::to_string(writer) + "-" + std::to_string(i);
                failures += SetBinary(name.c_str(), name) != ERROR_SUCCESS;
            }
            _exit(failures);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    int missing = 0;
    for (int writer = 0; writer < kWriters; ++writer) {
        for (int i = 0; i < kValues; ++i) {
            const std::string name = "w" + std::to_string(writer) + "-" + std::to_string(i);
            missing += Query(kKey, name.c_str()) != name;
        }
    }
    EXPECT_EQ(missing, 0);
}

} // namespace
