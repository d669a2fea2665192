#include "dialogs/decoder_dialogs.h"

#include "decoder/dialog_hooks.h"
#include "dialogs/decode_error_dialog.h"
#include "dialogs/format_dialog.h"

void InstallDialogsInDecoder()
{
    DecoderDialogs dialogs;
    dialogs.askUnknownCommand = &AnswerWithDecodeErrorDialog;
    dialogs.runFormatDialog = &RunFormatDialog;
    InstallDecoderDialogs(dialogs);
}
