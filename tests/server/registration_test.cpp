// Registration of both classes under HKEY_CLASSES_ROOT, and its removal.
#include "server/exports.h"

#include "VelorTrCounter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The default (or named) value of a key under HKEY_CLASSES_ROOT; "<none>"
// when the key or value is missing, "<unterminated>" when the stored bytes
// do not end with the text's one NUL.
std::string Value(const std::string& key, const char* name = nullptr)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return "<none>";
    char data[600] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    const LONG status = RegQueryValueExA(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return "<none>";
    if (size != std::strlen(data) + 1)
        return "<unterminated>";
    return data;
}

bool KeyExists(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

const char kDecoderKey[] = "CLSID\\{62CBC284-808B-11D7-BA15-00E07DD11238}";
const char kCounterKey[] = "CLSID\\{040E5DFB-EAC1-42CB-A02C-245644BA67CC}";
const char kFriendlyName[] = "Velor Trav Decoder Server";
// Both classes share the program ids: they name the class registered last.
const char kLastClass[] = "{040E5DFB-EAC1-42CB-A02C-245644BA67CC}";

std::string ModulePath()
{
    char self[600] = {};
    GetModuleFileNameA(ModuleInstance(), self, sizeof self - 1);
    return self;
}

} // namespace

TEST(Registration, WritesBothClassesAndTheProgramIds)
{
    ASSERT_EQ(DllRegisterServer(), S_OK);
    const struct {
        std::string key;
        const char* name;
        std::string expected;
    } values[] = {
        {"VelorTrDcd", nullptr, kFriendlyName},
        {"VelorTrDcd\\CLSID", nullptr, kLastClass},
        {"VelorTrDcd\\CurVer", nullptr, "VelorTrDcd.1"},
        {"VelorTrDcd.1", nullptr, kFriendlyName},
        {"VelorTrDcd.1\\CLSID", nullptr, kLastClass},
    };
    for (const auto& value : values)
        EXPECT_EQ(Value(value.key, value.name), value.expected) << value.key;
    for (const std::string key : {kDecoderKey, kCounterKey}) {
        const struct {
            const char* subkey;
            const char* name;
            std::string expected;
        } classValues[] = {
            {"", nullptr, kFriendlyName},
            {"\\InprocServer32", nullptr, ModulePath()},
            {"\\InprocServer32", "ThreadingModel", "Apartment"},
            {"\\ProgID", nullptr, "VelorTrDcd.1"},
            {"\\VersionIndependentProgID", nullptr, "VelorTrDcd"},
        };
        for (const auto& value : classValues)
            EXPECT_EQ(Value(key + value.subkey, value.name), value.expected) << key << value.subkey;
    }

    ASSERT_EQ(DllUnregisterServer(), S_OK);
    for (const std::string key : {kDecoderKey, kCounterKey, "VelorTrDcd", "VelorTrDcd.1"})
        EXPECT_FALSE(KeyExists(key)) << key;
    EXPECT_EQ(DllUnregisterServer(), S_OK); // nothing left to remove
}
