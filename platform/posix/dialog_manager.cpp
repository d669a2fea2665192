// Native build: the dialog manager's default processing (DefDlgProcA), its
// keyboard handling (IsDialogMessageA) and the dialog helpers for tab order
// and check buttons.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

namespace nativeui {

namespace {

const UINT WM_COMPAREITEM_ = 0x0039;
const UINT WM_VKEYTOITEM_ = 0x002E;
const UINT WM_CHARTOITEM_ = 0x002F;
const UINT WM_QUERYDRAGICON_ = 0x0037;
const UINT WM_CTLCOLORMSGBOX_ = 0x0132;
const UINT WM_CTLCOLORSTATIC_ = 0x0138;

// Messages whose answer is the dialog procedure's own return value rather
// than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message)
{
    return message == WM_INITDIALOG || message == WM_COMPAREITEM_ || message == WM_VKEYTOITEM_ ||
           message == WM_CHARTOITEM_ || message == WM_QUERYDRAGICON_ ||
           (message >= WM_CTLCOLORMSGBOX_ && message <= WM_CTLCOLORSTATIC_);
}

int DefaultButtonId(const Window& dialog)
{
    return dialog.defaultId;
}

DWORD ButtonTypeOf(HWND window)
{
    Window* w = Find(window);
    return w && w->className == "Button" ? (w->style & BS_TYPEMASK) : 0xFFFF;
}

// The push button that gets the focus is drawn as the default one; when
// the focus goes to another kind of control, the dialog's default button is
// again.
void ShowDefaultButton(HWND dialog, HWND focused)
{
    Window* d = Find(dialog);
    if (!d)
        return;
    const HWND defaultButton = d->defaultId ? GetDlgItem(dialog, d->defaultId) : nullptr;
    const DWORD focusedType = focused ? ButtonTypeOf(focused) : 0xFFFF;
    const bool focusedIsPush = focusedType == BS_PUSHBUTTON || focusedType == BS_DEFPUSHBUTTON;
    const HWND target = focusedIsPush ? focused : defaultButton;
    const std::vector<HWND> children = d->children;
    for (HWND child : children)
        if (child != target && ButtonTypeOf(child) == BS_DEFPUSHBUTTON)
            SendMessageA(child, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (target && ButtonTypeOf(target) == BS_PUSHBUTTON)
        SendMessageA(target, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void SetDefaultId(HWND dialog, int id)
{
    Window* d = Find(dialog);
    if (!d)
        return;
    if (HWND old = GetDlgItem(dialog, DefaultButtonId(*d)))
        if ((GetWindowLongA(old, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            SendMessageA(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (HWND button = GetDlgItem(dialog, id))
        if ((GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_PUSHBUTTON)
            SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    if ((d = Find(dialog)) != nullptr)
        d->defaultId = id;
}

// The focus moved by the dialog manager selects the whole text of an edit
// field.
void FocusControl(HWND control)
{
    if (!control)
        return;
    SetFocus(control);
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(control, EM_SETSEL, 0, -1);
}

LRESULT DefaultProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* d = Find(dialog);
    switch (message) {
    case DM_GETDEFID: {
        const int id = DefaultButtonId(*d);
        return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID:
        SetDefaultId(dialog, static_cast<int>(wParam));
        return TRUE;
    case WM_CLOSE: {
        const HWND cancel = GetDlgItem(dialog, IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel))
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_NEXTDLGCTL: {
        const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                         : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
        FocusControl(next);
        ShowDefaultButton(dialog, next);
        return 0;
    }
    default:
        return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

bool Usable(HWND control)
{
    return (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(control) &&
           IsWindowEnabled(control);
}

// Enter: the focused push button, else the default button, else IDOK.
void PressEnter(HWND dialog)
{
    const HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) && (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                     reinterpret_cast<LPARAM>(focus));
        return;
    }
    const LRESULT defId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) == DC_HASDEFID) {
        const HWND button = GetDlgItem(dialog, LOWORD(defId));
        if (!button || IsWindowEnabled(button))
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defId), BN_CLICKED), reinterpret_cast<LPARAM>(button));
        return;
    }
    SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

} // namespace

} // namespace nativeui

using namespace nativeui;

LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* d = Find(dialog);
    if (!d)
        return 0;
    if (DLGPROC proc = d->dialogProc) {
        d->messageResult = 0;
        const INT_PTR handled = proc(dialog, message, wParam, lParam);
        if (handled || !IsWindow(dialog)) {
            if (AnswersDirectly(message))
                return handled;
            d = IsWindow(dialog) ? Find(dialog) : nullptr;
            return d ? d->messageResult : 0;
        }
    }
    return DefaultProcessing(dialog, message, wParam, lParam);
}

BOOL IsDialogMessageA(HWND dialog, LPMSG message)
{
    if (!message || !IsWindow(dialog) || (message->hwnd != dialog && !IsChild(dialog, message->hwnd)))
        return FALSE;
    const LRESULT code = SendMessageA(message->hwnd, WM_GETDLGCODE, message->wParam, reinterpret_cast<LPARAM>(message));
    if (message->message == WM_KEYDOWN && !(code & DLGC_WANTALLKEYS)) {
        switch (message->wParam) {
        case VK_TAB:
            if (code & DLGC_WANTTAB)
                break;
            SendMessageA(dialog, WM_NEXTDLGCTL, 0, 0);
            return TRUE;
        case VK_RETURN:
            PressEnter(dialog);
            return TRUE;
        case VK_ESCAPE:
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
            return TRUE;
        default:
            break;
        }
    }
    SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    Window* d = Find(dialog);
    if (!d || d->children.empty())
        return nullptr;
    const auto& list = d->children;
    const int count = static_cast<int>(list.size());
    int at = previous ? 0 : -1;
    for (int i = 0; i < count; ++i)
        if (list[static_cast<size_t>(i)] == control)
            at = i;
    for (int n = 1; n <= count; ++n) {
        const int i = ((at + (previous ? -n : n)) % count + count) % count;
        if (Usable(list[static_cast<size_t>(i)]))
            return list[static_cast<size_t>(i)];
    }
    return control;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check)
{
    const HWND button = GetDlgItem(dialog, id);
    if (!button)
        return FALSE;
    SendMessageA(button, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id)
{
    const HWND button = GetDlgItem(dialog, id);
    return button ? static_cast<UINT>(SendMessageA(button, BM_GETCHECK, 0, 0)) : 0;
}
