// The list controls' values and their undefined states.
#include "framework/MVListBox.h"

#include "framework/MVUndefined.h"

bool CMVListBox::ValueFromWindow()
{
    value = GetCurSel();
    if (allowsUndefined)
        defined = value >= 0;
    return true;
}

void CMVListBox::ValueToWindow()
{
    if (fillsOwnItems) {
        ResetContent();
        for (const CString& item : items)
            AddString(item);
    }
    SetCurSel(defined ? value : -1);
}

// A double click defines the list (with its value) and, when it allows it,
// makes it undefined again.
bool CMVListBox::PreFilter(MSG* message)
{
    OfferTipOnClick(*this, m_hWnd, message, kTipListBox, UndefinedExplanation(kFrameworkUndefinedListBox, nullptr));
    if (message->message != WM_LBUTTONDBLCLK || (defined && !allowsUndefined))
        return false;
    defined = !defined;
    ValueToWindow();
    return true;
}

bool CMVDropLBox::ValueFromWindow()
{
    const int position = GetCurSel();
    value = position - (undefinedItemShown && position >= 0 ? 1 : 0);
    if (undefinedItemShown && position == 0)
        value = -1;
    if (allowsUndefined)
        defined = value >= 0;
    return true;
}

void CMVDropLBox::ValueToWindow()
{
    if (fillsOwnItems) {
        ResetContent();
        for (const CString& item : items)
            AddString(item);
        undefinedItemShown = false;
    } else if (undefinedItemShown) {
        DeleteString(0);
        undefinedItemShown = false;
    }
    if (defined) {
        SetCurSel(value);
    } else if (fillsOwnItems) {
        InsertString(0, UndefinedMarker);
        undefinedItemShown = true;
        SetCurSel(0);
    } else {
        SetCurSel(-1);
    }
}

// Dropping the list down while nothing is selected selects the value (the
// "(?)" item stays to be chosen when it is there).
bool CMVDropLBox::CommandFilter(UINT commandId, int code)
{
    if (commandId == static_cast<UINT>(id) && code == CBN_DROPDOWN && m_hWnd) {
        if (GetCurSel() < 0) {
            defined = true;
            ValueToWindow();
        }
    }
    return CMVCtr::CommandFilter(commandId, code);
}

bool CMVDropLBox::PreFilter(MSG* message)
{
    OfferTipOnClick(*this, m_hWnd, message, kTipDropDown, UndefinedExplanation(kFrameworkUndefinedDropDown, " ."));
    return false;
}

bool CMVComboBox::ValueFromWindow()
{
    value = GetWindowText();
    defined = value != UndefinedMarker;
    return true;
}

void CMVComboBox::ValueToWindow()
{
    SetWindowText(defined ? value.GetString() : UndefinedMarker);
}
