// The configured dialog font and the dialog-unit ratio, once per process.
#include "framework/MVDialogFont.h"

#include "common/config.h"
#include "platform/classlib/Font.h"

namespace {

CFont g_font;
bool g_fontSettled = false;
bool g_ratioWritten = false;

} // namespace

HFONT ConfiguredDialogFont()
{
    if (!g_fontSettled) {
        g_fontSettled = true;
        const CString key = ProgramUserKey("Options");
        const CString face = ReadRegString(HKEY_CURRENT_USER, key, "DiaFont", "", true);
        if (!face.IsEmpty()) {
            const DWORD size = ReadRegDword(HKEY_CURRENT_USER, key, "DiaFontSize", 80, true);
            g_font.CreatePointFont(static_cast<int>(size), face);
        }
    }
    return g_font.GetSafeHandle();
}

void WriteDialogUnitRatio(HWND dialog)
{
    if (g_ratioWritten)
        return;
    RECT units = {0, 0, 10000, 10000};
    if (!MapDialogRect(dialog, &units))
        return;
    g_ratioWritten = true;
    const CString key = ProductUserKey("info");
    WriteRegDword(HKEY_CURRENT_USER, key, "DiaRatioX10000", static_cast<DWORD>(units.right));
    WriteRegDword(HKEY_CURRENT_USER, key, "DiaRatioY10000", static_cast<DWORD>(units.bottom));
}

void ResetDialogSettings()
{
    g_font.DeleteObject();
    g_fontSettled = false;
    g_ratioWritten = false;
}
