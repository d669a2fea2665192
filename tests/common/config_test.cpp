// The product's settings: typed registry values with their defaults and
// write-back, the 32-bit fallback of the installation key, ini entries with
// the missing-file question, and the directories and paths built from them.
#include "common/config.h"
#include "common/config_number.h"
#include "tests/common/settings_fixture.h"

#include <clocale>
#include <cmath>
#include <cstring>

namespace {

const char kUserKey[] = "Software\\Velor Terx\\test";

DWORD ValueType(HKEY root, const char* subkey, const char* name, DWORD* size = nullptr)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return REG_NONE;
    DWORD type = REG_NONE, bytes = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
        type = REG_NONE;
    RegCloseKey(key);
    if (size)
        *size = bytes;
    return type;
}

void SetRaw(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kUserKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

using RegistrySettings = ProductSettings;

TEST_F(RegistrySettings, KeyBuildersAddOneBackslash)
{
    EXPECT_STREQ(ProductUserKey(), "Software\\Velor Terx");
    EXPECT_STREQ(ProductUserKey(""), "Software\\Velor Terx");
    EXPECT_STREQ(ProductUserKey("info"), "Software\\Velor Terx\\info");
    EXPECT_STREQ(ProductUserKey("\\info"), "Software\\Velor Terx\\info");
    EXPECT_STREQ(ProgramUserKey("pom"), "Software\\Velor Terx\\TravCOM\\pom");
}

TEST_F(RegistrySettings, OnlyPlainStringsCountAndOthersAreReplacedByTheDefault)
{
    EXPECT_STREQ(ReadRegString(HKEY_CURRENT_USER, kUserKey, "Missing", "d", false), "d");
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, kUserKey, "Missing"), static_cast<DWORD>(REG_NONE));

    const char expand[] = "%TEMP%\\x";
    SetRaw("Expand", REG_EXPAND_SZ, expand, sizeof expand);
    EXPECT_STREQ(ReadRegString(HKEY_CURRENT_USER, kUserKey, "Expand", "plain", true), "plain");
    DWORD size = 0;
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, kUserKey, "Expand", &size), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 6u) << "the terminating NUL is counted";
    EXPECT_STREQ(ReadRegString(HKEY_CURRENT_USER, kUserKey, "Expand", "other", true), "plain");

    // Stored without its NUL, a string still reads whole and no further.
    SetRaw("Bare", REG_SZ, "abc", 3);
    EXPECT_STREQ(ReadRegString(HKEY_CURRENT_USER, kUserKey, "Bare", "", false), "abc");

    // A long value is read whole.
    const std::string longText(3000, 'L');
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kUserKey, "Long", longText.c_str()));
    EXPECT_EQ(std::string(ReadRegString(HKEY_CURRENT_USER, kUserKey, "Long", "", false)), longText);
}

TEST_F(RegistrySettings, OnlyFourByteDwordsCount)
{
    const unsigned long long wide = 5;
    SetRaw("Qword", REG_QWORD, &wide, 8);
    SetRaw("Binary8", REG_BINARY, &wide, 8);
    const DWORD four = 5;
    SetRaw("Binary4", REG_BINARY, &four, 4);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kUserKey, "Qword", 7, false), 7u);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kUserKey, "Binary8", 7, false), 7u);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kUserKey, "Binary4", 7, false), 7u);

    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kUserKey, "Qword", 9, true), 9u);
    DWORD size = 0;
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, kUserKey, "Qword", &size), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kUserKey, "Qword", 1, false), 9u);
    // A missing key is created by the write-back.
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, "Software\\Velor Terx\\new\\deep", "N", 3, true), 3u);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, "Software\\Velor Terx\\new\\deep", "N", 0, false), 3u);
}

TEST_F(RegistrySettings, NumberTextThatIsNoNumberIsOverwrittenOnlyWhenAsked)
{
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kUserKey, "Num", "12abc"));
    EXPECT_EQ(ReadRegNumber(HKEY_CURRENT_USER, kUserKey, "Num", 2.5, false, 2), 2.5);
    EXPECT_STREQ(ReadRegString(HKEY_CURRENT_USER, kUserKey, "Num", "", false), "12abc");
    EXPECT_EQ(ReadRegNumber(HKEY_CURRENT_USER, kUserKey, "Num", 2.5, true, 2), 2.5);
    EXPECT_STREQ(ReadRegString(HKEY_CURRENT_USER, kUserKey, "Num", "", false), "2.50");
    EXPECT_EQ(ReadRegNumber(HKEY_CURRENT_USER, kUserKey, "Num", 0, false, 2), 2.5);

    ASSERT_TRUE(WriteRegNumber(HKEY_CURRENT_USER, kUserKey, "Int", 41.6, 0));
    EXPECT_STREQ(ReadRegString(HKEY_CURRENT_USER, kUserKey, "Int", "", false), "42");
}

TEST_F(RegistrySettings, InstallValuesFallBackToThe32BitViewOnlyWhenEmpty)
{
    Install("Terx", "SharedPath", "C:\\shared32", true);
    EXPECT_STREQ(ReadInstallValue("Terx", "SharedPath"), "C:\\shared32") << "fallback taken for a missing key";
    Install("Terx", "SharedPath", "");
    EXPECT_STREQ(ReadInstallValue("Terx", "SharedPath"), "C:\\shared32") << "fallback taken for an empty value";
    Install("Terx", "SharedPath", "C:\\shared");
    EXPECT_STREQ(ReadInstallValue("Terx", "SharedPath"), "C:\\shared") << "fallback not taken";
    EXPECT_STREQ(ReadInstallValue("Terx", "Nothing"), "");
    // Neither read writes anything back.
    EXPECT_EQ(ValueType(HKEY_LOCAL_MACHINE, "Software\\Velor Terx\\Ini\\Terx", "Nothing"), static_cast<DWORD>(REG_NONE));
}

TEST(NumberText, ReadsWhatTheCLocaleConversionReadsWhole)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"1.5", true, 1.5},       {"  -2e3", true, -2000},   {"+.5", true, 0.5},      {"0x10", true, 16},
        {"0x1p-1", true, 0.5},    {"1e999", true, HUGE_VAL}, {"-1e999", true, -HUGE_VAL}, {"1e-999", true, 0},
        {"1.5 ", false, 0},       {"1,5", false, 0},         {"", false, 0},          {"  ", false, 0},
        {"12abc", false, 0},      {"+-1", false, 0},         {"0x", false, 0},        {"infinity", true, HUGE_VAL},
        {"infin", false, 0},      {"-", false, 0},           {"e5", false, 0},        {"5e", false, 0},
    };
    for (const Case& c : cases) {
        double value = -123.0;
        EXPECT_EQ(ParseNumberText(c.text, &value), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        }
    }
    double nan = 0;
    EXPECT_TRUE(ParseNumberText("nan", &nan));
    EXPECT_TRUE(std::isnan(nan));
}

TEST(NumberText, WritesFixedAndTrimmedDecimals)
{
    EXPECT_STREQ(FormatFixed(2.0, 0), "2");
    EXPECT_STREQ(FormatFixed(2.0, 3), "2.000");
    EXPECT_STREQ(FormatFixed(-0.125, 2), "-0.12");
    EXPECT_STREQ(FormatFixed(1.0, -4), "1");
    EXPECT_STREQ(FormatTrimmed(2.5), "2.5");
    EXPECT_STREQ(FormatTrimmed(3.0), "3");
    EXPECT_STREQ(FormatTrimmed(1.0 / 3.0), "0.33333333");
    EXPECT_STREQ(FormatTrimmed(1e-9), "0");
}

// A host may have set a locale whose decimal character is a comma; the
// stored numbers keep '.' both ways.
TEST_F(RegistrySettings, NumbersIgnoreTheProcessLocale)
{
#if defined(_WIN32)
    const char* czech = std::setlocale(LC_ALL, "Czech_Czechia.1250");
    if (!czech)
        czech = std::setlocale(LC_ALL, "Czech");
#else
    const char* czech = std::setlocale(LC_ALL, "cs_CZ.UTF-8");
#endif
    ASSERT_NE(czech, nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const std::string ini = Path("n.ini");
    Put("n.ini", "[S]\nA=1.5\nB=1,5\n");
    EXPECT_EQ(ReadIniNumber(ini.c_str(), "S", "A", 0, false, false), 1.5);
    EXPECT_EQ(ReadIniNumber(ini.c_str(), "S", "B", 7, false, false), 7);
    ASSERT_TRUE(WriteIniNumber(ini.c_str(), "S", "C", 2.25, 2));
    EXPECT_EQ(ReadIniNumber(ini.c_str(), "S", "C", 0, false, false), 2.25);
    ASSERT_TRUE(WriteRegNumber(HKEY_CURRENT_USER, kUserKey, "R", 0.5, 1));
    EXPECT_STREQ(ReadRegString(HKEY_CURRENT_USER, kUserKey, "R", "", false), "0.5");
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(Get("n.ini").find("C=2.25"), std::string::npos) << Get("n.ini");
}

} // namespace
