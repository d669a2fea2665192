// Native build: the ComboBox class: a list with a drop-down part and, for
// CBS_SIMPLE and CBS_DROPDOWN, an edit field (the window's text). Characters
// sent to the combo box go to its edit field, or select by first letter in a
// drop-down list, as on Windows.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

namespace nativeui {

namespace {

const int kItemHeight = 13;

bool HasEdit(const Window& w)
{
    return (w.style & 0x3) != CBS_DROPDOWNLIST;
}

// The edit field shows the selected item.
void ShowSelection(Window& w)
{
    if (!HasEdit(w))
        return;
    w.text = ListValid(w.list, w.list.selection) ? w.list.items[static_cast<size_t>(w.list.selection)] : "";
    EditSetSelection(w, 0, -1);
}

LRESULT SetSelection(Window& w, int index)
{
    if (index == -1) {
        w.list.selection = -1;
        ShowSelection(w);
        return CB_ERR;
    }
    if (!ListValid(w.list, index))
        return CB_ERR;
    w.list.selection = index;
    ShowSelection(w);
    return index;
}

void MoveSelection(HWND window, int to)
{
    Window* w = Find(window);
    if (!w || !ListValid(w->list, to) || to == w->list.selection)
        return;
    SetSelection(*w, to);
    Notify(window, CBN_SELCHANGE);
}

LRESULT ShowDropDown(HWND window, bool show)
{
    Window* w = Find(window);
    if (!w || w->dropped == show || (w->style & 0x3) == CBS_SIMPLE)
        return TRUE;
    w->dropped = show;
    Notify(window, show ? CBN_DROPDOWN : CBN_CLOSEUP);
    return TRUE;
}

// A character typed into the edit field; the list's selection follows the
// text to the first item it begins.
LRESULT TypeChar(HWND window, Window& w, WPARAM ch)
{
    if (!HasEdit(w)) {
        const char prefix[2] = {static_cast<char>(ch), '\0'};
        const int found = ListFind(w.list, w.list.selection, prefix, false);
        if (found >= 0)
            MoveSelection(window, found);
        return 0;
    }
    if (!EditTypeChar(w, static_cast<unsigned char>(ch)))
        return 0;
    w.list.selection = w.text.empty() ? -1 : ListFind(w.list, -1, w.text.c_str(), false);
    Notify(window, CBN_EDITUPDATE);
    Notify(window, CBN_EDITCHANGE);
    return 0;
}

LRESULT GetText(const Window& w, WPARAM size, LPARAM buffer)
{
    if (HasEdit(w))
        return CopyText(w.text, size, buffer);
    const std::string item = ListValid(w.list, w.list.selection) ? w.list.items[static_cast<size_t>(w.list.selection)] : "";
    return CopyText(item, size, buffer);
}

LRESULT GetTextLength(const Window& w)
{
    if (HasEdit(w))
        return static_cast<LRESULT>(w.text.size());
    return ListValid(w.list, w.list.selection) ? ListGetTextLength(w.list, w.list.selection) : 0;
}

LRESULT ListMessage(Window& w, UINT message, WPARAM wParam, LPARAM lParam, bool* handled)
{
    const int index = static_cast<int>(wParam);
    const char* text = reinterpret_cast<const char*>(lParam);
    *handled = true;
    switch (message) {
    case CB_ADDSTRING: return ListAdd(w.list, text, (w.style & CBS_SORT) != 0);
    case CB_INSERTSTRING: return ListInsert(w.list, index, text);
    case CB_DELETESTRING: return ListDelete(w.list, index);
    case CB_RESETCONTENT:
        ListReset(w.list);
        if (HasEdit(w))
            w.text.clear();
        return CB_OKAY;
    case CB_GETCOUNT: return static_cast<LRESULT>(w.list.items.size());
    case CB_GETCURSEL: return w.list.selection;
    case CB_SETCURSEL: return SetSelection(w, index);
    case CB_GETLBTEXT: return ListGetText(w.list, index, lParam);
    case CB_GETLBTEXTLEN: return ListGetTextLength(w.list, index);
    case CB_FINDSTRING: return ListFind(w.list, index, text, false);
    case CB_FINDSTRINGEXACT: return ListFind(w.list, index, text, true);
    case CB_SELECTSTRING: {
        const int found = ListFind(w.list, index, text, false);
        return found >= 0 ? SetSelection(w, found) : CB_ERR;
    }
    case CB_GETITEMDATA: return ListValid(w.list, index) ? w.list.data[static_cast<size_t>(index)] : CB_ERR;
    case CB_SETITEMDATA:
        if (!ListValid(w.list, index))
            return CB_ERR;
        w.list.data[static_cast<size_t>(index)] = lParam;
        return CB_OKAY;
    case CB_GETITEMHEIGHT: return kItemHeight;
    default: *handled = false; return 0;
    }
}

LRESULT EditMessage(Window& w, UINT message, WPARAM wParam, LPARAM lParam, bool* handled)
{
    *handled = true;
    switch (message) {
    case CB_LIMITTEXT:
        if (!HasEdit(w))
            return CB_ERR;
        w.limit = wParam ? static_cast<int>(wParam < 0x7FFFFFFE ? wParam : 0x7FFFFFFE) : 0x7FFFFFFE;
        return TRUE;
    case CB_SETEDITSEL:
        if (!HasEdit(w))
            return CB_ERR;
        EditSetSelection(w, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return TRUE;
    case CB_GETEDITSEL:
        return HasEdit(w) ? EditGetSelection(w, wParam, lParam) : CB_ERR;
    case WM_SETTEXT: // the edit field's text, without a notification
        if (!HasEdit(w))
            return CB_ERR;
        w.text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        EditSetSelection(w, 0, 0);
        return TRUE;
    case WM_GETTEXT: return GetText(w, wParam, lParam);
    case WM_GETTEXTLENGTH: return GetTextLength(w);
    default: *handled = false; return 0;
    }
}

LRESULT FocusMessage(HWND window, Window& w, UINT message)
{
    if (message == WM_SETFOCUS) {
        if (HasEdit(w))
            EditSetSelection(w, 0, -1);
        Notify(window, CBN_SETFOCUS);
        return 0;
    }
    ShowDropDown(window, false);
    Notify(window, CBN_KILLFOCUS);
    return 0;
}

} // namespace

LRESULT ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(window);
    if (!w)
        return 0;
    bool handled = false;
    LRESULT result = ListMessage(*w, message, wParam, lParam, &handled);
    if (!handled)
        result = EditMessage(*w, message, wParam, lParam, &handled);
    if (handled)
        return result;
    switch (message) {
    case CB_SHOWDROPDOWN: return ShowDropDown(window, wParam != 0);
    case CB_GETDROPPEDSTATE: return w->dropped ? TRUE : FALSE;
    case WM_CHAR: return TypeChar(window, *w, wParam);
    case WM_KEYDOWN:
        if (wParam == VK_DOWN)
            MoveSelection(window, w->list.selection + 1);
        else if (wParam == VK_UP)
            MoveSelection(window, w->list.selection < 0 ? 0 : w->list.selection - 1);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        if ((w = Find(window)) != nullptr && !HasEdit(*w))
            ShowDropDown(window, !w->dropped);
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (HasEdit(*w) ? DLGC_HASSETSEL : 0);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return FocusMessage(window, *w, message);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace nativeui
