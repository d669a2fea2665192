// Typed registry reads with a default and an optional write-back, and the
// writes they use.
#include "common/config.h"
#include "common/config_number.h"

#include <cstring>
#include <vector>

namespace {

const char kProductKey[] = "Software\\Velor Terx";
const char kProgramKey[] = "Software\\Velor Terx\\TravCOM";
const char kInstallKey[] = "Software\\Velor Terx\\Ini\\";
const char kInstallKey32[] = "SOFTWARE\\Wow6432Node\\Velor Terx\\Ini\\";

CString KeyWithSubkey(const char* base, const char* subkey)
{
    CString key(base);
    if (subkey && *subkey) {
        if (*subkey != '\\')
            key += '\\';
        key += subkey;
    }
    return key;
}

// The value's type and bytes; false when the key or the value is missing.
bool QueryValue(HKEY root, const char* subkey, const char* name, DWORD* type, std::vector<BYTE>* data)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey ? subkey : "", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExA(key, name, nullptr, type, nullptr, &size);
    // The value may grow between the two queries; ask again until it fits.
    for (int attempt = 0; status == ERROR_SUCCESS && attempt < 4; ++attempt) {
        data->resize(size);
        DWORD got = size;
        status = RegQueryValueExA(key, name, nullptr, type, data->empty() ? nullptr : data->data(), &got);
        if (status == ERROR_SUCCESS) {
            data->resize(got);
            break;
        }
        if (status == ERROR_MORE_DATA) {
            size = got > size ? got : size * 2 + 1;
            status = ERROR_SUCCESS;
        }
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool SetValue(HKEY root, const char* subkey, const char* name, DWORD type, const BYTE* data, DWORD size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subkey ? subkey : "", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const bool done = RegSetValueExA(key, name, 0, type, data, size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return done;
}

// A REG_SZ value's text, up to its first NUL (stored data need not end with one).
bool QueryString(HKEY root, const char* subkey, const char* name, CString* text)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!QueryValue(root, subkey, name, &type, &data) || type != REG_SZ)
        return false;
    const char* chars = reinterpret_cast<const char*>(data.data());
    const void* nul = data.empty() ? nullptr : std::memchr(chars, 0, data.size());
    const size_t length = nul ? static_cast<const char*>(nul) - chars : data.size();
    text->SetString(data.empty() ? "" : chars, static_cast<int>(length));
    return true;
}

} // namespace

CString ProductUserKey(const char* subkey)
{
    return KeyWithSubkey(kProductKey, subkey);
}

CString ProgramUserKey(const char* subkey)
{
    return KeyWithSubkey(kProgramKey, subkey);
}

CString ReadRegString(HKEY root, const char* subkey, const char* name, const char* defaultText, bool writeDefault)
{
    CString text;
    if (QueryString(root, subkey, name, &text))
        return text;
    if (writeDefault)
        WriteRegString(root, subkey, name, defaultText ? defaultText : "");
    return CString(defaultText ? defaultText : "");
}

DWORD ReadRegDword(HKEY root, const char* subkey, const char* name, DWORD defaultValue, bool writeDefault)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    if (QueryValue(root, subkey, name, &type, &data) && type == REG_DWORD && data.size() == sizeof(DWORD)) {
        DWORD value = 0;
        std::memcpy(&value, data.data(), sizeof value);
        return value;
    }
    if (writeDefault)
        WriteRegDword(root, subkey, name, defaultValue);
    return defaultValue;
}

bool WriteRegString(HKEY root, const char* subkey, const char* name, const char* text)
{
    const char* value = text ? text : "";
    return SetValue(root, subkey, name, REG_SZ, reinterpret_cast<const BYTE*>(value),
                    static_cast<DWORD>(std::strlen(value) + 1));
}

bool WriteRegDword(HKEY root, const char* subkey, const char* name, DWORD value)
{
    return SetValue(root, subkey, name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

double ReadRegNumber(HKEY root, const char* subkey, const char* name, double defaultValue, bool writeDefault,
                     int decimals)
{
    const CString text = ReadRegString(root, subkey, name, "", false);
    double value = 0.0;
    if (!text.IsEmpty() && ParseNumberText(text, &value))
        return value;
    if (writeDefault)
        WriteRegNumber(root, subkey, name, defaultValue, decimals);
    return defaultValue;
}

bool WriteRegNumber(HKEY root, const char* subkey, const char* name, double value, int decimals)
{
    return WriteRegString(root, subkey, name, FormatFixed(value, decimals));
}

CString ReadInstallValue(const char* program, const char* name)
{
    const CString text = ReadRegString(HKEY_LOCAL_MACHINE, CString(kInstallKey) + program, name, "", false);
    if (!text.IsEmpty())
        return text;
    return ReadRegString(HKEY_LOCAL_MACHINE, CString(kInstallKey32) + program, name, "", false);
}
