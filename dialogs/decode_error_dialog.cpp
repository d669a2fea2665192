// The decode-error dialog's instance and its use as the answerer of the
// unknown-command question.
#include "dialogs/decode_error_dialog.h"

#include "common/decoder_texts.h"
#include "common/text_tables.h"
#include "decoder/decode_reports.h"
#include "dialogs/dialog_ids.h"

namespace {

CDlgDecodePoiErr* g_dialog = nullptr;

} // namespace

void OpenDecodeErrorDialog()
{
    if (!g_dialog)
        g_dialog = new CDlgDecodePoiErr();
}

void CloseDecodeErrorDialog()
{
    delete g_dialog;
    g_dialog = nullptr;
}

CDlgDecodePoiErr& DecodeErrorDialog()
{
    OpenDecodeErrorDialog();
    return *g_dialog;
}

uint16_t AnswerWithDecodeErrorDialog(void*, const char* message, const char*, uint32_t, const char*)
{
    CDlgDecodePoiErr& dialog = DecodeErrorDialog();
    if (dialog.modal)
        return kAnswerCancelReading;
    dialog.caption = DecoderText(kTextWarningTitle);
    dialog.okButton.text = CommonText(kCommonOk);
    dialog.cancelReadingButton.text = DecoderText(kTextCancelReading);
    dialog.noWarningsButton.text = DecoderText(kTextNoWarnings);
    dialog.message = message ? message : "";
    if (dialog.DoModal(kSystemModuleName) == -1)
        return kAnswerSkipLine;
    return static_cast<uint16_t>(dialog.result);
}
