// Exports for host programs that run without a window: who answers the
// decoder's questions and message boxes, records and format models made by
// the module itself, and the product's settings as the module reads them. The class library lives inside the module, so a
// record or model whose texts the module writes must be made and destroyed
// here, by the same CString code that writes them.
#include "VelorTrDcd.h"
#include "VelorTrDcdFormat.h"
#include "common/config.h"
#include "common/language.h"
#include "decoder/decode_reports.h"
#include "platform/classlib/DialogDriver.h"
#include "platform/platform.h"

#include <cstring>
#include <new>

extern "C" void VelorSetUnknownCommandAnswerer(UnknownCommandAnswerer answerer, void* context)
{
    SetUnknownCommandAnswerer(answerer, context);
}

// Installs the routine that acts in the module's dialogs and menus as a user
// would (see platform/classlib/DialogDriver.h); null removes it.
extern "C" void VelorSetDialogDriver(DialogDriver driver, void* context)
{
    SetDialogDriver(driver, context);
}

extern "C" void VelorSetMessageBoxResponder(MessageBoxResponder responder, void* context)
{
    SetMessageBoxResponder(responder, context);
}

extern "C" PointRecord* VelorNewPointRecord()
{
    return new (std::nothrow) PointRecord();
}

extern "C" void VelorClearPointRecord(PointRecord* record)
{
    if (record)
        record->Clear();
}

extern "C" void VelorDeletePointRecord(PointRecord* record)
{
    delete record;
}

extern "C" PointFormat* VelorNewPointFormat()
{
    return new (std::nothrow) PointFormat();
}

extern "C" void VelorDeletePointFormat(PointFormat* model)
{
    delete model;
}

// Copies text into out (cut to size - 1 characters and a NUL); returns the
// whole text's length.
static uint32_t CopyOut(const CString& text, char* out, uint32_t size)
{
    if (out && size > 0) {
        const uint32_t length = static_cast<uint32_t>(text.GetLength());
        const uint32_t copied = length < size ? length : size - 1;
        std::memcpy(out, text.GetString(), copied);
        out[copied] = '\0';
    }
    return static_cast<uint32_t>(text.GetLength());
}

// The product's directories as the system finds them: 0 shared, 1 local,
// 2 help, 3 the global ini file. Returns the text's length (0 for an unknown
// which).
extern "C" uint32_t VelorGetProductPath(int32_t which, char* out, uint32_t size)
{
    switch (which) {
    case 0:
        return CopyOut(GetSharedPath(), out, size);
    case 1:
        return CopyOut(GetLocalPath(), out, size);
    case 2:
        return CopyOut(GetHelpPath(), out, size);
    case 3:
        return CopyOut(GetGlobalIniPath(), out, size);
    default:
        return CopyOut(CString(), out, size);
    }
}

// The language setting as stored (into setting) and the index it selects.
extern "C" int32_t VelorGetLanguage(char* setting, uint32_t size)
{
    const CString code = ReadInstallValue("Velor", "Language");
    CopyOut(code, setting, size);
    return LanguageFromCode(code);
}

// The language setting as stored, in the two-call pattern: returns its
// length; out receives it when size holds it and its NUL.
extern "C" uint32_t VelorLanguageSetting(char* out, uint32_t size)
{
    const CString code = ReadInstallValue("Velor", "Language");
    if (out && size > static_cast<uint32_t>(code.GetLength()))
        CopyOut(code, out, size);
    return static_cast<uint32_t>(code.GetLength());
}
