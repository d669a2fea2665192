// DllRegisterServer and DllUnregisterServer: the class keys of both
// components and the program ids under HKEY_CLASSES_ROOT. Failures of single
// steps are not reported.
#include "server/exports.h"

#include "VelorTrCounter.h"

#include <cstring>
#include <string>

namespace {

const char kFriendlyName[] = "Velor Trav Decoder Server";
const char kProgId[] = "VelorTrDcd.1";
const char kIndependentProgId[] = "VelorTrDcd";
const char kThreadingModel[] = "Apartment";

// The class ids in the order they are registered: the program-id keys end up
// naming the last one.
const CLSID* const kClasses[] = {&CLSID_CDecodeTxLine, &CLSID_CAtCounterI};

std::string ClassIdText(REFCLSID clsid)
{
    LPOLESTR wide = nullptr;
    if (FAILED(StringFromCLSID(clsid, &wide)) || !wide)
        return std::string();
    std::string text;
    for (const OLECHAR* p = wide; *p; ++p)
        text += static_cast<char>(*p); // the text form is plain ASCII
    CoTaskMemFree(wide);
    return text;
}

// Creates or opens key (with full access) and sets its default value or the
// named value; a null value only makes the key.
void SetKey(const std::string& key, const char* valueName, const char* value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExA(handle, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(std::strlen(value) + 1));
    RegCloseKey(handle);
}

void RegisterClassId(REFCLSID clsid, const char* modulePath)
{
    const std::string id = ClassIdText(clsid);
    const std::string key = "CLSID\\" + id;
    SetKey(key, nullptr, kFriendlyName);
    SetKey(key + "\\InprocServer32", nullptr, modulePath);
    SetKey(key + "\\InprocServer32", "ThreadingModel", kThreadingModel);
    SetKey(key + "\\ProgID", nullptr, kProgId);
    SetKey(key + "\\VersionIndependentProgID", nullptr, kIndependentProgId);
    SetKey(kIndependentProgId, nullptr, kFriendlyName);
    SetKey(std::string(kIndependentProgId) + "\\CLSID", nullptr, id.c_str());
    SetKey(std::string(kIndependentProgId) + "\\CurVer", nullptr, kProgId);
    SetKey(kProgId, nullptr, kFriendlyName);
    SetKey(std::string(kProgId) + "\\CLSID", nullptr, id.c_str());
}

// Deletes key and everything below it; the first failure is returned.
LONG DeleteTree(HKEY parent, const char* key)
{
    HKEY handle = nullptr;
    LONG status = RegOpenKeyExA(parent, key, 0, KEY_ALL_ACCESS, &handle);
    if (status != ERROR_SUCCESS)
        return status;
    char child[256];
    DWORD length = sizeof child;
    while ((status = RegEnumKeyExA(handle, 0, child, &length, nullptr, nullptr, nullptr, nullptr)) ==
           ERROR_SUCCESS) {
        status = DeleteTree(handle, child);
        if (status != ERROR_SUCCESS) {
            RegCloseKey(handle);
            return status;
        }
        length = sizeof child;
    }
    RegCloseKey(handle);
    return RegDeleteKeyA(parent, key);
}

void UnregisterClassId(REFCLSID clsid)
{
    DeleteTree(HKEY_CLASSES_ROOT, ("CLSID\\" + ClassIdText(clsid)).c_str());
    DeleteTree(HKEY_CLASSES_ROOT, kIndependentProgId);
    DeleteTree(HKEY_CLASSES_ROOT, kProgId);
}

} // namespace

STDAPI DllRegisterServer(void)
{
    char path[512 + 1] = {};
    GetModuleFileNameA(ModuleInstance(), path, 512);
    path[512] = 0;
    for (const CLSID* clsid : kClasses)
        RegisterClassId(*clsid, path);
    return S_OK;
}

STDAPI DllUnregisterServer(void)
{
    for (const CLSID* clsid : kClasses)
        UnregisterClassId(*clsid);
    return S_OK;
}
