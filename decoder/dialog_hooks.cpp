// The process's one set of decoder dialogs (see dialog_hooks.h).
#include "decoder/dialog_hooks.h"

namespace {
DecoderDialogs g_dialogs;
}

void InstallDecoderDialogs(const DecoderDialogs& dialogs)
{
    g_dialogs = dialogs;
}

const DecoderDialogs& InstalledDecoderDialogs()
{
    return g_dialogs;
}
