// Help calls and their record in "terx.out", section "Help".
#include "common/help.h"

#include "common/config.h"

#include <clocale>

namespace {

const char kHelpSection[] = "Help";

const char* HelpFileName(int number)
{
    switch (number) {
    case 0:
    case 4:
        return "TravCOM.chm";
    case 1:
        return "TravCOMAlvo.chm";
    case 2:
        return "TravCOMBeno.chm";
    case 3:
        return "TravCOMCisu.chm";
    default:
        return nullptr;
    }
}

void RecordLocale(const CString& record, const char* key)
{
    const char* locale = std::setlocale(LC_ALL, nullptr);
    WriteIniString(record, kHelpSection, key, locale ? locale : "");
}

} // namespace

void ShowHelp(int contextNumber)
{
    if (const char* file = HelpFileName(PlatformHelpFileNumber(contextNumber)))
        OpenHelpFile(file, contextNumber);
}

void OpenHelpFile(const char* file, int contextNumber)
{
    const bool recordLocale = ReadRegDword(HKEY_CURRENT_USER, ProgramUserKey("pom"), "HelpLocale", 1, true) != 0;
    const CString record = GetLocalPath("terx.out");
    if (recordLocale)
        RecordLocale(record, "LocaleStr0");
    const CString path = GetHelpPath(file);
    WriteIniString(record, kHelpSection, "LastHelpCall", path);
    if (contextNumber != 0)
        PlatformDisplayHelp(path, contextNumber);
    PlatformDisplayHelp(path, 0);
    if (recordLocale)
        RecordLocale(record, "LocaleStr1");
}
