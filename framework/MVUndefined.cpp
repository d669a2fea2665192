// The undefined state's tips.
#include "framework/MVUndefined.h"

#include "framework/ShowTip.h"

const char* const kTipNumberBox = "{F82ACBF3-EB16-4742-887A-3FEF0827793E}";
const char* const kTipTextBox = "{60440013-692B-4CD2-A4D1-568F86600336}";
const char* const kTipCheckBox = "{3C29DEBF-04C4-45F0-A55E-57569CC12DC3}";
const char* const kTipDropDown = "{08C6B27F-2279-4E70-A270-D3EDD6A5524A}";
const char* const kTipListBox = "{78DD1E7A-C283-4435-8723-EFF59D0010A4}";

CString UndefinedExplanation(FrameworkTextId slot, const char* ending)
{
    CString text = FrameworkText(slot);
    if (ending) {
        text += " ";
        text += UndefinedMarker;
        text += ending;
    }
    return text;
}

void OfferTipOnClick(const CMVCtr& control, HWND window, const MSG* message, const char* tipId,
                     const CString& text)
{
    if (message->message == WM_LBUTTONDOWN && !control.IsDefined() && GetFocus() != window)
        ShowTip(tipId, text);
}
