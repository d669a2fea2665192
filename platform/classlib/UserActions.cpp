// The user's actions for the dialog driver.
#include "platform/classlib/UserActions.h"

namespace {

HWND UsableControl(HWND dialog, int id)
{
    const HWND control = GetDlgItem(dialog, id);
    if (!control || !IsWindowVisible(control) || !IsWindowEnabled(control))
        return nullptr;
    return control;
}

bool IsClass(HWND window, const char* name)
{
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, name) == 0;
}

LPARAM Point(LONG x, LONG y)
{
    return MAKELPARAM(x, y);
}

// The middle of item index of a list box, scrolled into view first.
bool ItemPoint(HWND list, int index, LPARAM* point)
{
    if (index < 0 || index >= static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)))
        return false;
    if (index < static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0)))
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT item = {}, client = {};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    GetClientRect(list, &client);
    if (item.top >= client.bottom) { // below the visible part: scroll to it
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    *point = Point((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    return true;
}

void Notify(HWND dialog, HWND control, UINT code)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

bool SelectComboItem(HWND dialog, HWND combo, int index)
{
    if (index < 0 || index >= static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)))
        return false;
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(combo), TRUE);
    Notify(dialog, combo, CBN_DROPDOWN);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Notify(dialog, combo, CBN_SELCHANGE);
    Notify(dialog, combo, CBN_SELENDOK);
    Notify(dialog, combo, CBN_CLOSEUP);
    return true;
}

void PressKey(HWND dialog, WPARAM key)
{
    const HWND focus = GetFocus();
    MSG message = {};
    message.hwnd = focus && IsChild(dialog, focus) ? focus : dialog;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1;
    IsDialogMessageA(dialog, &message);
}

} // namespace

bool UserType(HWND dialog, int id, const char* text)
{
    const HWND control = UsableControl(dialog, id);
    if (!control)
        return false;
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    if (IsClass(control, "ComboBox"))
        SendMessageA(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    else
        SendMessageA(control, EM_SETSEL, 0, -1);
    if (!text || !*text)
        SendMessageA(control, WM_CHAR, VK_BACK, 1);
    for (const char* p = text; p && *p; ++p)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*p), 1);
    return true;
}

bool UserTypeChar(HWND dialog, int id, char ch)
{
    const HWND control = UsableControl(dialog, id);
    if (!control)
        return false;
    if (GetFocus() != control)
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    SendMessageA(control, WM_CHAR, static_cast<unsigned char>(ch), 1);
    return true;
}

bool UserSelect(HWND dialog, int id, int index)
{
    const HWND control = UsableControl(dialog, id);
    if (!control)
        return false;
    if (IsClass(control, "ComboBox"))
        return SelectComboItem(dialog, control, index);
    LPARAM point = 0;
    if (!IsClass(control, "ListBox") || !ItemPoint(control, index, &point))
        return false;
    SendMessageA(control, WM_LBUTTONDOWN, 0x0001, point);
    SendMessageA(control, WM_LBUTTONUP, 0, point);
    return true;
}

bool UserClick(HWND dialog, int id)
{
    const HWND control = UsableControl(dialog, id);
    if (!control)
        return false;
    if (IsClass(control, "Button")) {
        SendMessageA(control, BM_CLICK, 0, 0);
        return true;
    }
    SendMessageA(control, WM_LBUTTONDOWN, 0x0001, Point(1, 1));
    SendMessageA(control, WM_LBUTTONUP, 0, Point(1, 1));
    return true;
}

bool UserDoubleClick(HWND dialog, int id, int index)
{
    const HWND control = UsableControl(dialog, id);
    if (!control)
        return false;
    LPARAM point = Point(1, 1);
    if (index >= 0 && (!IsClass(control, "ListBox") || !ItemPoint(control, index, &point)))
        return false;
    SendMessageA(control, WM_LBUTTONDOWN, 0x0001, point);
    SendMessageA(control, WM_LBUTTONUP, 0, point);
    SendMessageA(control, WM_LBUTTONDBLCLK, 0x0001, point);
    SendMessageA(control, WM_LBUTTONUP, 0, point);
    return true;
}

void UserPressEnter(HWND dialog)
{
    PressKey(dialog, VK_RETURN);
}

void UserPressEscape(HWND dialog)
{
    PressKey(dialog, VK_ESCAPE);
}

void UserCloseBox(HWND dialog)
{
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool UserChooseMenuItem(const UserScene* scene, UINT id)
{
    if (!scene || !scene->menu)
        return false;
    const UINT state = GetMenuState(scene->menu, id, MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1) || (state & (MF_GRAYED | MF_DISABLED)))
        return false;
    ChooseMenuItem(id);
    EndMenu();
    return true;
}
