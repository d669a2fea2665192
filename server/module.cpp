// The module's process-wide identity and its unload: the instance handle
// under which it was loaded (registration writes the module's file name from
// it), the text tables it fills in the product's language when it comes, and
// the process-wide objects it destroys when it goes.
#include "platform/platform.h"

#include "common/language.h"
#include "common/text_tables.h"
#include "decoder/dialog_hooks.h"
#include "decoder/item_list.h"
#include "dialogs/decode_error_dialog.h"
#include "dialogs/decoder_dialogs.h"
#include "server/exports.h"

namespace {
HINSTANCE moduleInstance = nullptr;
}

void ModuleAttach(HINSTANCE instance)
{
    moduleInstance = instance;
    // The texts keep the language of the product's setting until unload.
    FillLoadTimeTables(GetLanguage());
    // The decoder shows the dialogs through its hooks; the one decode-error
    // dialog lives as long as the module.
    InstallDialogsInDecoder();
    OpenDecodeErrorDialog();
}

void ModuleDetach()
{
    ReleaseStaticDecoder();
    ReleaseEmptyItemList();
    CloseDecodeErrorDialog();
    InstallDecoderDialogs(DecoderDialogs());
    moduleInstance = nullptr;
}

HINSTANCE ModuleInstance()
{
    return moduleInstance;
}
