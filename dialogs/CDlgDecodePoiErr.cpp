// The decode-error dialog.
#include "dialogs/CDlgDecodePoiErr.h"

#include "decoder/decode_reports.h"
#include "dialogs/dialog_ids.h"

const char* const kSystemModuleName = "VelorTrDcd.dll";

CDlgDecodePoiErr::CMVButton_prerus::CMVButton_prerus() : CMVButton(kDecodeErrorCancelReading) {}

CDlgDecodePoiErr::CMVButton_nehlas::CMVButton_nehlas() : CMVButton(kDecodeErrorNoWarnings) {}

CDlgDecodePoiErr::CDlgDecodePoiErr() : CMVDialog(kTemplateDecodeError) {}

// The framework's exchange, then the message and its static control.
void CDlgDecodePoiErr::DoDataExchange(CDataExchange* exchange)
{
    CMVDialog::DoDataExchange(exchange);
    if (exchange->Failed())
        return;
    ExchangeItemText(exchange, kDecodeErrorMessage, message);
}

bool CDlgDecodePoiErr::OnCommandMap(UINT id, int code)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDOK: result = kAnswerSkipLine; break;
    case kDecodeErrorCancelReading: result = kAnswerCancelReading; break;
    case kDecodeErrorNoWarnings: result = kAnswerNoWarnings; break;
    default: return false;
    }
    CMVDialog::OnOK();
    return true;
}

void CDlgDecodePoiErr::OnCancel()
{
    result = kAnswerCancelReading;
    CMVDialog::OnCancel();
}
