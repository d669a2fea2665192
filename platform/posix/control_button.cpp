// Native build: the Button class (push buttons, check boxes, radio buttons,
// group boxes, owner-drawn buttons) and the Static class.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

namespace nativeui {

namespace {

DWORD ButtonType(const Window& w)
{
    return w.style & BS_TYPEMASK;
}

bool IsCheckType(DWORD type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_3STATE ||
           type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

int HighestState(DWORD type)
{
    return type == BS_3STATE || type == BS_AUTO3STATE ? BST_INDETERMINATE : BST_CHECKED;
}

// An automatic radio button that is clicked checks itself and clears the
// other automatic radio buttons of its group.
void CheckRadioInGroup(Window& w)
{
    Window* parent = Find(w.parent);
    if (!parent)
        return;
    const auto& list = parent->children;
    size_t at = 0;
    while (at < list.size() && list[at] != w.handle)
        ++at;
    size_t first = at;
    while (first > 0) {
        Window* c = Find(list[first]);
        if (c && (c->style & WS_GROUP))
            break;
        --first;
    }
    for (size_t i = first; i < list.size(); ++i) {
        Window* c = Find(list[i]);
        if (!c || (i > first && (c->style & WS_GROUP)))
            break;
        if (c->className == "Button" && ButtonType(*c) == BS_AUTORADIOBUTTON)
            c->check = c->handle == w.handle ? BST_CHECKED : BST_UNCHECKED;
    }
}

void Click(HWND window)
{
    Window* w = Find(window);
    if (!w || !w->pushed)
        return;
    w->pushed = false;
    switch (ButtonType(*w)) {
    case BS_AUTOCHECKBOX: w->check = w->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
    case BS_AUTO3STATE: w->check = (w->check + 1) % 3; break;
    case BS_AUTORADIOBUTTON: CheckRadioInGroup(*w); break;
    default: break;
    }
    if (ButtonType(*w) == BS_OWNERDRAW)
        PaintOwnerDrawn(window);
    Notify(window, BN_CLICKED);
}

LRESULT DialogCode(const Window& w)
{
    switch (ButtonType(w)) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

bool NotifiesDoubleClicks(const Window& w)
{
    const DWORD type = ButtonType(w);
    return (w.style & BS_NOTIFY) || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON ||
           type == BS_OWNERDRAW || type == BS_USERBUTTON;
}

} // namespace

LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(window);
    if (!w)
        return 0;
    switch (message) {
    case BM_GETCHECK:
        return IsCheckType(ButtonType(*w)) ? w->check : BST_UNCHECKED;
    case BM_SETCHECK:
        if (IsCheckType(ButtonType(*w)))
            w->check = static_cast<int>(wParam) > HighestState(ButtonType(*w)) ? HighestState(ButtonType(*w))
                                                                                : static_cast<int>(wParam);
        return 0;
    case BM_GETSTATE:
        return w->check | (w->pushed ? BST_PUSHED : 0) | (GetFocus() == window ? BST_FOCUS : 0);
    case BM_SETSTATE:
        w->pushed = wParam != 0;
        return 0;
    case BM_SETSTYLE:
        w->style = (w->style & ~static_cast<DWORD>(BS_TYPEMASK)) | (static_cast<DWORD>(wParam) & BS_TYPEMASK);
        return 0;
    case BM_CLICK:
        SendMessageA(window, WM_LBUTTONDOWN, 0, 0);
        SendMessageA(window, WM_LBUTTONUP, 0, 0);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (NotifiesDoubleClicks(*w)) {
            Notify(window, BN_DOUBLECLICKED);
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (ButtonType(*w) == BS_GROUPBOX)
            return 0;
        SetFocus(window);
        if ((w = Find(window)) != nullptr)
            w->pushed = true;
        return 0;
    case WM_LBUTTONUP:
        Click(window);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(*w);
    case WM_SETFOCUS:
        if (w->style & BS_NOTIFY)
            Notify(window, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        w->pushed = false;
        if (w->style & BS_NOTIFY)
            Notify(window, BN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(window);
    if (!w)
        return 0;
    switch (message) {
    case WM_LBUTTONDOWN:
        if (w->style & SS_NOTIFY)
            Notify(window, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (w->style & SS_NOTIFY)
            Notify(window, STN_DBLCLK);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace nativeui
