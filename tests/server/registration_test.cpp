// Registration of both classes under HKEY_CLASSES_ROOT, and its removal.
#include "server/exports.h"

#include "VelorTrCounter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The default (or named) value of a key under HKEY_CLASSES_ROOT; "<none>"
// when the key or value is missing.
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
    return data;
}

const char kDecoderKey[] = "CLSID\\{62CBC284-808B-11D7-BA15-00E07DD11238}";
const char kCounterKey[] = "CLSID\\{040E5DFB-EAC1-42CB-A02C-245644BA67CC}";

} // namespace

TEST(Registration, WritesBothClassesAndTheProgramIds)
{
    ASSERT_EQ(DllRegisterServer(), S_OK);
    for (const char* key : {kDecoderKey, kCounterKey}) {
        EXPECT_EQ(Value(key), "Velor Trav Decoder Server") << key;
        EXPECT_EQ(Value(std::string(key) + "\\InprocServer32", "ThreadingModel"), "Apartment") << key;
        EXPECT_EQ(Value(std::string(key) + "\\ProgID"), "VelorTrDcd.1") << key;
        EXPECT_EQ(Value(std::string(key) + "\\VersionIndependentProgID"), "VelorTrDcd") << key;
        const std::string path = Value(std::string(key) + "\\InprocServer32");
        char self[600] = {};
        GetModuleFileNameA(ModuleInstance(), self, sizeof self - 1);
        EXPECT_EQ(path, self) << key;
    }
    // Both classes share the program ids: they name the class registered last.
    EXPECT_EQ(Value("VelorTrDcd.1\\CLSID"), "{040E5DFB-EAC1-42CB-A02C-245644BA67CC}");
    EXPECT_EQ(Value("VelorTrDcd\\CLSID"), "{040E5DFB-EAC1-42CB-A02C-245644BA67CC}");
    EXPECT_EQ(Value("VelorTrDcd\\CurVer"), "VelorTrDcd.1");
    EXPECT_EQ(Value("VelorTrDcd.1"), "Velor Trav Decoder Server");

    ASSERT_EQ(DllUnregisterServer(), S_OK);
    for (const std::string& key : {std::string(kDecoderKey), std::string(kCounterKey) + "\\InprocServer32",
                                   std::string("VelorTrDcd"), std::string("VelorTrDcd.1\\CLSID")}) {
        HKEY handle = nullptr;
        EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle), ERROR_FILE_NOT_FOUND) << key;
    }
    EXPECT_EQ(DllUnregisterServer(), S_OK); // nothing left to remove
}
