// The uptime warning, once per run of the host process.
#include "common/uptime.h"

#include "common/config.h"
#include "common/cp1250.h"
#include "common/decoder_texts.h"

namespace {

bool uptimeWarningShown = false;

const char* WarningText()
{
    return VELOR_CP1250(
        "The operating system is running continuously for at least 49 days.\r\nSome Windows functions have problem "
        "with it, it can cause retardation of program or another problem.\r\n\r\n(This message is reported only "
        "once at program runtime, very experienced users may suppress this message (if it is important) in Windows "
        "Register entering DWORD value NoMsgTimeProblem=1 in key HKEY_CURRENT_USER\\Software\\Velor "
        "Terx.\r\n\r\n\r\n\r\nOperační systém běží nepřetržitě nejméně 49 dní.\r\nNěkteré funkce Windows s tím mají "
        "problém, který může vést ke zpomalení ale i k funkčním problémům.\r\n\r\n(Toto hlášení je zobrazeno pouze "
        "jednou za běhu programu, pokud není možné restartovat systém, velmi zkušení uživatelé mohou potlačit toto "
        "hlášení v registrech Windows zápisem DWORD hodnoty NoMsgTimeProblem=1 do klíče "
        "HKEY_CURRENT_USER\\Software\\Velor Terx.");
}

} // namespace

DWORD GetTickCountChecked()
{
    const DWORD ticks = PlatformTickCount();
    if (ticks != 0 || uptimeWarningShown)
        return ticks;
    uptimeWarningShown = true;
    // A missing key or value is created with 0, which asks for the warning.
    if (ReadRegDword(HKEY_CURRENT_USER, ProductUserKey(), "NoMsgTimeProblem", 0, true) == 0)
        VelorMessageBox(nullptr, WarningText(), DecoderText(kTextWarningTitle), MB_OK);
    return ticks;
}

bool UptimeWarningShown()
{
    return uptimeWarningShown;
}
