// The product's settings: registry values under "Software\Velor Terx", ini
// entries, and the product's directories. Reads never fail: a missing or
// malformed value gives the caller's default (and, when asked, writes it
// back); only a missing ini file is reported, once per run.
#pragma once

#include "platform/platform.h"

// Key paths (no registry access).
// "Software\Velor Terx", then "\" and subkey when subkey is given.
CString ProductUserKey(const char* subkey = nullptr);
// The same on "Software\Velor Terx\TravCOM".
CString ProgramUserKey(const char* subkey = nullptr);

// Typed registry access; root is HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER,
// a null subkey means the root itself. Only REG_SZ counts as a string and
// only a 4-byte REG_DWORD as a DWORD.
CString ReadRegString(HKEY root, const char* subkey, const char* name, const char* defaultText, bool writeDefault);
DWORD ReadRegDword(HKEY root, const char* subkey, const char* name, DWORD defaultValue, bool writeDefault);
bool WriteRegString(HKEY root, const char* subkey, const char* name, const char* text);
bool WriteRegDword(HKEY root, const char* subkey, const char* name, DWORD value);
// A number kept as text; a text that is not a number is overwritten by the
// default when writeDefault is set.
double ReadRegNumber(HKEY root, const char* subkey, const char* name, double defaultValue, bool writeDefault,
                     int decimals);
bool WriteRegNumber(HKEY root, const char* subkey, const char* name, double value, int decimals);

// A value of the installation key "Software\Velor Terx\Ini\" + program, read
// again under the 32-bit view's path when it comes back empty.
CString ReadInstallValue(const char* program, const char* name);

// Ini files.
bool FileExists(const char* path);
bool CheckIniFile(const char* file, const char* section, const char* key);
CString ReadIniString(const char* file, const char* section, const char* key, const char* defaultText,
                      bool writeDefault, bool check);
double ReadIniNumber(const char* file, const char* section, const char* key, double defaultValue, bool writeDefault,
                     bool check);
bool WriteIniString(const char* file, const char* section, const char* key, const char* text);
bool WriteIniNumber(const char* file, const char* section, const char* key, double value, int decimals);

// Whether a missing ini file is still to be reported in this run: true until
// the user answers Yes to "do not report again".
bool MissingIniReported();

// Directories of the product, each joined with name when name is given.
CString GetSharedPath(const char* name = nullptr);
CString GetLocalPath(const char* name = nullptr);
CString GetHelpPath(const char* name = nullptr);
// The product's global ini file "terx.ini" in the local directory.
CString GetGlobalIniPath();

// Paths. On Windows the separator is the backslash; the native build also
// takes '/' and writes '/'.
CString JoinPath(const char* name, const char* directory);
CString DirectoryOf(const char* path);
CString FileNameOf(const char* path);

// A Yes/No question box; defaultChoice 1 makes Yes the default button, 0 No,
// -1 the third. Returns 1 for Yes, 0 for No, -1 for anything else.
int AskYesNo(const char* text, int defaultChoice);

// Opens file in the product's text editor; returns the editor's result, 0
// when no editor could be started.
short EditTextFile(const char* file, short flag);
