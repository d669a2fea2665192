// The registry functions as the system calls them: typed values with their
// sizes, missing keys and values, enumeration, deletion, case and the
// classes root. Every test works in a key of its own, named after the test,
// below HKEY_CURRENT_USER\Software\VelorTest, and removes it again.
#include "platform/platform.h"
#include "tests/support/registry_tree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Subkeys(HKEY key)
{
    std::vector<std::string> names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        const LONG result = RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS) {
            EXPECT_EQ(result, ERROR_NO_MORE_ITEMS);
            return names;
        }
        EXPECT_EQ(length, std::strlen(name));
        names.push_back(name);
    }
}

LONG SetText(HKEY key, const char* name, const char* text, DWORD type = REG_SZ)
{
    return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1));
}

// A text value, or the error as text.
std::string Text(HKEY key, const char* name, DWORD* type = nullptr)
{
    char text[64] = {};
    DWORD size = sizeof text;
    const LONG result = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(text), &size);
    return result == ERROR_SUCCESS ? std::string(text) : "error " + std::to_string(result);
}

class Registry : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = std::string("Software\\VelorTest\\") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        DeleteTree(HKEY_CURRENT_USER, path_);
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }

    void TearDown() override
    {
        RegCloseKey(key_);
        EXPECT_EQ(DeleteTree(HKEY_CURRENT_USER, path_), ERROR_SUCCESS);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VelorTest");  // fails while other tests use it
    }

    HKEY Create(const char* subKey, DWORD* disposition = nullptr, REGSAM access = KEY_ALL_ACCESS)
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(key_, subKey, 0, nullptr, 0, access, nullptr, &key, disposition), ERROR_SUCCESS);
        return key;
    }

    std::string path_;
    HKEY key_ = nullptr;
};

TEST_F(Registry, CreateTellsNewFromExistingAndMakesIntermediateKeys)
{
    DWORD disposition = 0;
    RegCloseKey(Create("a\\b\\c", &disposition));
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    RegCloseKey(Create("a\\b\\c", &disposition));
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    RegCloseKey(Create("a\\b", &disposition));
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));

    // Doubled and trailing backslashes name the same key; a leading one is
    // refused outside the classes root.
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(key_, "a\\\\b\\c\\", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegOpenKeyExA(key_, "\\a", 0, KEY_READ, &key), ERROR_BAD_PATHNAME);
}

TEST_F(Registry, TextValuesKeepTheirTypeAndCountTheirTerminator)
{
    ASSERT_EQ(SetText(key_, "Plain", "C:\\data"), ERROR_SUCCESS);
    ASSERT_EQ(SetText(key_, "Expand", "%TEMP%\\x", REG_EXPAND_SZ), ERROR_SUCCESS);

    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(Text(key_, "Plain", &type), "C:\\data");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    ASSERT_EQ(RegQueryValueExA(key_, "Plain", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(Text(key_, "Expand", &type), "%TEMP%\\x");  // not expanded
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));

    // Text set without its NUL reads back without it in the size, and gets
    // one only when the buffer has room beyond the data.
    ASSERT_EQ(RegSetValueExA(key_, "Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>("abcXYZ"), 3), ERROR_SUCCESS);
    char text[8];
    std::memset(text, 'Q', sizeof text);
    size = sizeof text;
    ASSERT_EQ(RegQueryValueExA(key_, "Bare", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(text[3], '\0');
    std::memset(text, 'Q', sizeof text);
    size = 3;
    ASSERT_EQ(RegQueryValueExA(key_, "Bare", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_EQ(text[3], 'Q');
}

TEST_F(Registry, NumbersKeepTheirWidth)
{
    const ULONGLONG big = 0x1122334455667788ull;
    const DWORD small = 0xCAFEF00Du;
    ASSERT_EQ(RegSetValueExA(key_, "Big", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&big), 8), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key_, "Small", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&small), 4), ERROR_SUCCESS);

    ULONGLONG bigRead = 0;
    DWORD type = 0;
    DWORD size = sizeof bigRead;
    ASSERT_EQ(RegQueryValueExA(key_, "Big", nullptr, &type, reinterpret_cast<BYTE*>(&bigRead), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_QWORD));
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(bigRead, big);

    // An 8-byte value does not fit where a DWORD is expected.
    DWORD dword = 0;
    size = sizeof dword;
    EXPECT_EQ(RegQueryValueExA(key_, "Big", nullptr, &type, reinterpret_cast<BYTE*>(&dword), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_QWORD));

    size = sizeof dword;
    ASSERT_EQ(RegQueryValueExA(key_, "Small", nullptr, &type, reinterpret_cast<BYTE*>(&dword), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dword, small);
}

TEST_F(Registry, SizeQueriesAndTooSmallBuffers)
{
    ASSERT_EQ(SetText(key_, "Name", "hello"), ERROR_SUCCESS);
    const BYTE blob[] = {0, 1, 0, 2, 0xFF};
    ASSERT_EQ(RegSetValueExA(key_, "Blob", 0, REG_BINARY, blob, sizeof blob), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key_, "Empty", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);

    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key_, "Name", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    char text[8];
    std::memset(text, 'Q', sizeof text);
    size = 5;
    EXPECT_EQ(RegQueryValueExA(key_, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    size = 6;
    EXPECT_EQ(RegQueryValueExA(key_, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "hello");

    BYTE read[8] = {};
    size = sizeof read;
    EXPECT_EQ(RegQueryValueExA(key_, "Blob", nullptr, &type, read, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(size, sizeof blob);
    EXPECT_EQ(std::memcmp(read, blob, sizeof blob), 0);

    size = 99;
    EXPECT_EQ(RegQueryValueExA(key_, "Empty", nullptr, nullptr, read, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);

    // Data without a size, and a size without data to set, are refused.
    EXPECT_EQ(RegQueryValueExA(key_, "Name", nullptr, nullptr, read, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExA(key_, "Bad", 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);
    EXPECT_EQ(RegQueryValueExA(key_, "Name", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
}

TEST_F(Registry, MissingKeysValuesAndHandles)
{
    HKEY key = reinterpret_cast<HKEY>(&key_);
    EXPECT_EQ(RegOpenKeyExA(key_, "none\\deeper", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(RegQueryValueExA(key_, "none", nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExA(key_, nullptr, nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueA(key_, "none"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(key_, "none"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(key_, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyExA(nullptr, "x", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);

    // The default value is the one without a name.
    ASSERT_EQ(SetText(key_, nullptr, "default"), ERROR_SUCCESS);
    EXPECT_EQ(Text(key_, ""), "default");
    EXPECT_EQ(RegDeleteValueA(key_, ""), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(key_, nullptr, nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, EnumeratesSubkeysByNameWithoutRegardToCase)
{
    for (const char* name : {"b", "a1", "AB", "Z", "a\\inner", "c\\deeper"})
        RegCloseKey(Create(name));
    EXPECT_EQ(Subkeys(key_), (std::vector<std::string>{"a", "a1", "AB", "b", "c", "Z"}));

    // A buffer must hold the name and its NUL; too small a one leaves the
    // count as it was.
    char name[4];
    DWORD length = 2;
    EXPECT_EQ(RegEnumKeyExA(key_, 1, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    EXPECT_EQ(length, 2u);
    length = 3;
    EXPECT_EQ(RegEnumKeyExA(key_, 1, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(length, 2u);
    EXPECT_STREQ(name, "a1");
    length = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(key_, 6, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
}

TEST_F(Registry, KeyWithSubkeysIsNotDeleted)
{
    RegCloseKey(Create("parent\\child"));
    EXPECT_EQ(RegDeleteKeyA(key_, "parent"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyA(key_, "parent\\child"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(key_, "parent"), ERROR_SUCCESS);
    HKEY key;
    EXPECT_EQ(RegOpenKeyExA(key_, "parent", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, ""), ERROR_ACCESS_DENIED);
}

TEST_F(Registry, NamesMatchWithoutCaseAndKeepTheirSpelling)
{
    RegCloseKey(Create("MixedCase"));
    DWORD disposition = 0;
    HKEY key = Create("MIXEDcase", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    ASSERT_EQ(SetText(key, "ValueName", "first"), ERROR_SUCCESS);
    ASSERT_EQ(SetText(key, "VALUENAME", "second"), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(Subkeys(key_), std::vector<std::string>{"MixedCase"});

    ASSERT_EQ(RegOpenKeyExA(key_, "mixedcase", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(Text(key, "valuename"), "second");
    // A value set again with another type takes the new type.
    const DWORD number = 42;
    ASSERT_EQ(RegSetValueExA(key_, "n", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4), ERROR_SUCCESS);
    ASSERT_EQ(SetText(key_, "N", "now text"), ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(Text(key_, "n", &type), "now text");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    RegCloseKey(key);
}

TEST_F(Registry, HandleRightsLimitWhatItDoes)
{
    ASSERT_EQ(SetText(key_, "v", "x"), ERROR_SUCCESS);
    RegCloseKey(Create("sub"));
    HKEY reader = nullptr;
    HKEY writer = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &reader), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_SET_VALUE, &writer), ERROR_SUCCESS);

    EXPECT_EQ(SetText(reader, "v", "y"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(reader, "v"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegQueryValueExA(reader, "v", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);

    EXPECT_EQ(RegQueryValueExA(writer, "v", nullptr, nullptr, nullptr, nullptr), ERROR_ACCESS_DENIED);
    char name[8];
    DWORD length = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(writer, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_ACCESS_DENIED);
    EXPECT_EQ(SetText(writer, "v", "z"), ERROR_SUCCESS);
    RegCloseKey(reader);
    RegCloseKey(writer);
}

TEST_F(Registry, HandleOfDeletedKeyReportsIt)
{
    HKEY key = Create("gone");
    ASSERT_EQ(RegDeleteKeyA(key_, "gone"), ERROR_SUCCESS);
    EXPECT_EQ(SetText(key, "v", "x"), ERROR_KEY_DELETED);
    EXPECT_EQ(RegQueryValueExA(key, "v", nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    char name[8];
    DWORD length = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    HKEY below = nullptr;
    EXPECT_EQ(RegCreateKeyExA(key, "sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &below, nullptr), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(Registry, ClassesRootLivesInMachineClasses)
{
    const std::string name = "VelorTest." + path_.substr(path_.rfind('\\') + 1);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, (name + "\\CLSID").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(SetText(key, nullptr, "{00000000-0000-0000-0000-000000000001}"), ERROR_SUCCESS);
    RegCloseKey(key);

    const std::string machine = "Software\\Classes\\" + name + "\\CLSID";
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, machine.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 39u);
    RegCloseKey(key);

    // The classes root takes a leading backslash.
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ("\\" + name).c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(DeleteTree(HKEY_CLASSES_ROOT, name), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, machine.c_str(), 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

} // namespace
