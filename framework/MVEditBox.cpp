// The text box.
#include "framework/MVEditBox.h"

#include "framework/MVUndefined.h"

bool CMVEditBoxTpl<CEdit>::ValueFromWindow()
{
    value = GetWindowText();
    defined = value != UndefinedMarker;
    return true;
}

void CMVEditBoxTpl<CEdit>::ValueToWindow()
{
    SetWindowText(defined ? value.GetString() : UndefinedMarker);
}

// A double click defines the box (with its value) and, when the box allows
// it, makes it undefined again.
bool CMVEditBoxTpl<CEdit>::PreFilter(MSG* message)
{
    OfferTipOnClick(*this, m_hWnd, message, kTipTextBox, UndefinedExplanation(kFrameworkUndefinedText, " ."));
    if (message->message != WM_LBUTTONDBLCLK || (defined && !allowsUndefined))
        return false;
    defined = !defined;
    ValueToWindow();
    return true;
}
