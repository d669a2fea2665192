// The check box's states and the OK and Cancel buttons.
#include "framework/MVButton.h"

#include "framework/MVUndefined.h"
#include "framework/ShowTip.h"

// A three-state object shows its states on a three-state window.
void CMVCheckBox<int, CMVButtonTpl<CButton>>::Attach()
{
    CMVButtonTpl<CButton>::Attach();
    if (threeState && m_hWnd && (GetButtonStyle() & BS_TYPEMASK) == BS_AUTOCHECKBOX)
        SetButtonStyle(BS_AUTO3STATE, FALSE);
}

bool CMVCheckBox<int, CMVButtonTpl<CButton>>::ValueFromWindow()
{
    value = GetCheck();
    return true;
}

void CMVCheckBox<int, CMVButtonTpl<CButton>>::ValueToWindow()
{
    SetCheck(value);
}

void CMVCheckBox<int, CMVButtonTpl<CButton>>::SetDefined(bool defined)
{
    if (!defined)
        value = BST_INDETERMINATE;
    else if (value == BST_INDETERMINATE)
        value = BST_UNCHECKED;
}

int CMVCheckBox<int, CMVButtonTpl<CButton>>::NextState(int state) const
{
    const int count = threeState ? 3 : 2;
    if (state < 0 || state >= count)
        return reverse ? count - 1 : 0;
    return reverse ? (state + count - 1) % count : (state + 1) % count;
}

bool CMVCheckBox<int, CMVButtonTpl<CButton>>::CommandFilter(UINT commandId, int code)
{
    if (commandId == static_cast<UINT>(id) && code == BN_CLICKED && m_hWnd) {
        if (value == BST_INDETERMINATE && explain)
            ShowTip(kTipCheckBox, UndefinedExplanation(kFrameworkUndefinedCheckBox, nullptr));
        value = NextState(value);
        SetCheck(value);
    }
    return CMVCtr::CommandFilter(commandId, code);
}

CMVOKButI::CMVOKButI(CMVDialog* owner) : CMVButton(IDOK, owner)
{
    text = FrameworkText(kFrameworkOk);
}

CMVCancelButI::CMVCancelButI(CMVDialog* owner) : CMVButton(IDCANCEL, owner)
{
    text = FrameworkText(kFrameworkCancel);
}
