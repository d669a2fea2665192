// Ini entries read with a default and an optional write-back, and the
// once-per-run question about a missing ini file.
#include "common/config.h"
#include "common/config_number.h"
#include "common/cp1250.h"

#include <cstring>

namespace {

// Cleared for the rest of the run when the user answers Yes to "do not
// report again"; never set back.
bool reportMissingIni = true;

const char kMissingSentinel[] = "#MaVoChyba#";

// The entry as the private-profile read gives it, growing the buffer until
// the text is known not to have been cut.
CString ReadWholeEntry(const char* file, const char* section, const char* key)
{
    CString text;
    for (DWORD size = 512;; size *= 2) {
        char* buffer = text.GetBuffer(static_cast<int>(size));
        const DWORD length = GetPrivateProfileStringA(section, key, "", buffer, size, file);
        text.ReleaseBuffer(static_cast<int>(length < size ? length : size - 1));
        if (length < size - 2 || size >= 0x40000000u)
            return text;
    }
}

bool NeedsQuotes(const char* text)
{
    const size_t length = std::strlen(text);
    return length > 0 && (static_cast<unsigned char>(text[0]) < 33 ||
                          static_cast<unsigned char>(text[length - 1]) < 33);
}

} // namespace

bool MissingIniReported()
{
    return reportMissingIni;
}

bool FileExists(const char* path)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path ? path : "", &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        return true;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        SetLastError(0);
    return false;
}

bool CheckIniFile(const char* file, const char* section, const char* key)
{
    if (FileExists(file))
        return true;
    if (reportMissingIni) {
        const CString text = CString(VELOR_CP1250("Čtení položky ")) + (key ? key : "") + " ze sekce [" +
                             (section ? section : "") + "] z ini, soubor nebyl nalzezen:" + "\r\n" +
                             (file ? file : "") + "\r\n\r\n" + VELOR_CP1250("JIŽ NEHLÁSIT (za tohoto běhu programu) ?");
        if (AskYesNo(text, 0) == 1)
            reportMissingIni = false;
    }
    return false;
}

CString ReadIniString(const char* file, const char* section, const char* key, const char* defaultText,
                      bool writeDefault, bool check)
{
    const bool ok = check ? CheckIniFile(file, section, key) : true;
    char buffer[256];
    const DWORD length = GetPrivateProfileStringA(section, key, kMissingSentinel, buffer, sizeof buffer, file);
    if (std::memcmp(buffer, kMissingSentinel, sizeof kMissingSentinel) == 0) {
        if (writeDefault && ok)
            WriteIniString(file, section, key, defaultText ? defaultText : "");
        return CString(defaultText ? defaultText : "");
    }
    if (length < 254)
        return CString(buffer);
    return ReadWholeEntry(file, section, key);
}

double ReadIniNumber(const char* file, const char* section, const char* key, double defaultValue, bool writeDefault,
                     bool check)
{
    const bool ok = check ? CheckIniFile(file, section, key) : true;
    const CString text = ReadIniString(file, section, key, "", false, false);
    if (!text.IsEmpty()) {
        double value = 0.0;
        return ParseNumberText(text, &value) ? value : defaultValue;
    }
    if (writeDefault && ok)
        WriteIniString(file, section, key, FormatTrimmed(defaultValue));
    return defaultValue;
}

bool WriteIniString(const char* file, const char* section, const char* key, const char* text)
{
    const char* value = text ? text : "";
    if (NeedsQuotes(value))
        return WritePrivateProfileStringA(section, key, CString('"') + value + '"', file) != FALSE;
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

bool WriteIniNumber(const char* file, const char* section, const char* key, double value, int decimals)
{
    return WriteIniString(file, section, key, FormatFixed(value, decimals));
}
