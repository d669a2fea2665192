// Native build: the ListBox class and the item list it shares with combo
// boxes. Items are 13 pixels high.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

#include <cstring>

namespace nativeui {

namespace {

const int kItemHeight = 13;

bool StartsWithNoCase(const std::string& item, const char* prefix)
{
    const size_t length = std::strlen(prefix);
    if (item.size() < length)
        return false;
    return lstrcmpiA(item.substr(0, length).c_str(), prefix) == 0;
}

// Selects the item at a client point of the list; -1 beside the items.
int ItemAt(const Window& w, LPARAM point)
{
    const int y = static_cast<short>(HIWORD(point));
    const int index = w.list.top + (y >= 0 ? y / kItemHeight : -1);
    return ListValid(w.list, index) ? index : -1;
}

void NotifyList(HWND window, UINT code)
{
    Window* w = Find(window);
    if (w && (w->style & LBS_NOTIFY))
        Notify(window, code);
}

// A mouse click or a double click on an item (the double click also tells
// the parent LBN_DBLCLK).
void ClickItem(HWND window, LPARAM point, bool doubleClick)
{
    SetFocus(window);
    Window* w = Find(window);
    if (!w)
        return;
    const int index = ItemAt(*w, point);
    if (index < 0)
        return;
    w->list.selection = index;
    NotifyList(window, LBN_SELCHANGE);
    if (doubleClick)
        NotifyList(window, LBN_DBLCLK);
}

void MoveSelection(HWND window, int to)
{
    Window* w = Find(window);
    if (!w || !ListValid(w->list, to))
        return;
    w->list.selection = to;
    NotifyList(window, LBN_SELCHANGE);
}

LRESULT SetSelection(Window& w, int index)
{
    if (index == -1) {
        w.list.selection = -1;
        return LB_ERR;
    }
    if (!ListValid(w.list, index))
        return LB_ERR;
    w.list.selection = index;
    return index;
}

LRESULT ItemRect(const Window& w, int index, LPARAM out)
{
    if (!ListValid(w.list, index) || !out)
        return LB_ERR;
    RECT client;
    GetClientRect(w.handle, &client);
    const LONG top = (index - w.list.top) * kItemHeight;
    *reinterpret_cast<RECT*>(out) = RECT{0, top, client.right, top + kItemHeight};
    return LB_OKAY;
}

LRESULT KeyDown(HWND window, const Window& w, WPARAM key)
{
    if (key == VK_DOWN)
        MoveSelection(window, w.list.selection + 1);
    else if (key == VK_UP)
        MoveSelection(window, w.list.selection < 0 ? 0 : w.list.selection - 1);
    return 0;
}

LRESULT TypeSelect(HWND window, const Window& w, WPARAM ch)
{
    const char prefix[2] = {static_cast<char>(ch), '\0'};
    const int index = ListFind(w.list, w.list.selection, prefix, false);
    if (index >= 0 && index != w.list.selection)
        MoveSelection(window, index);
    return 0;
}

} // namespace

bool ListValid(const ListState& list, int index)
{
    return index >= 0 && index < static_cast<int>(list.items.size());
}

int ListInsert(ListState& list, int index, const char* text)
{
    const int count = static_cast<int>(list.items.size());
    if (index == -1)
        index = count;
    if (index < 0 || index > count)
        return -1;
    list.items.insert(list.items.begin() + index, text ? text : "");
    list.data.insert(list.data.begin() + index, 0);
    if (list.selection >= index)
        ++list.selection;
    return index;
}

int ListAdd(ListState& list, const char* text, bool sorted)
{
    int index = static_cast<int>(list.items.size());
    if (sorted)
        for (int i = 0; i < static_cast<int>(list.items.size()); ++i)
            if (lstrcmpiA(text ? text : "", list.items[static_cast<size_t>(i)].c_str()) < 0) {
                index = i;
                break;
            }
    return ListInsert(list, index, text);
}

int ListDelete(ListState& list, int index)
{
    if (!ListValid(list, index))
        return -1;
    list.items.erase(list.items.begin() + index);
    list.data.erase(list.data.begin() + index);
    if (list.selection == index)
        list.selection = -1;
    else if (list.selection > index)
        --list.selection;
    if (list.top >= static_cast<int>(list.items.size()))
        list.top = 0;
    return static_cast<int>(list.items.size());
}

void ListReset(ListState& list)
{
    list = ListState();
}

int ListFind(const ListState& list, int start, const char* text, bool exact)
{
    const int count = static_cast<int>(list.items.size());
    if (!text || count == 0)
        return -1;
    const int first = start >= 0 && start < count ? start + 1 : 0;
    for (int n = 0; n < count; ++n) {
        const std::string& item = list.items[static_cast<size_t>((first + n) % count)];
        if (exact ? lstrcmpiA(item.c_str(), text) == 0 : StartsWithNoCase(item, text))
            return (first + n) % count;
    }
    return -1;
}

LRESULT ListGetText(const ListState& list, int index, LPARAM buffer)
{
    if (!ListValid(list, index))
        return -1;
    const std::string& item = list.items[static_cast<size_t>(index)];
    if (buffer)
        std::memcpy(reinterpret_cast<char*>(buffer), item.c_str(), item.size() + 1);
    return static_cast<LRESULT>(item.size());
}

LRESULT ListGetTextLength(const ListState& list, int index)
{
    return ListValid(list, index) ? static_cast<LRESULT>(list.items[static_cast<size_t>(index)].size()) : -1;
}

LRESULT ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(window);
    if (!w)
        return 0;
    const int index = static_cast<int>(wParam);
    const char* text = reinterpret_cast<const char*>(lParam);
    switch (message) {
    case LB_ADDSTRING: return ListAdd(w->list, text, (w->style & LBS_SORT) != 0);
    case LB_INSERTSTRING: return ListInsert(w->list, index, text);
    case LB_DELETESTRING: return ListDelete(w->list, index);
    case LB_RESETCONTENT: ListReset(w->list); return 0;
    case LB_GETCOUNT: return static_cast<LRESULT>(w->list.items.size());
    case LB_GETCURSEL: return w->list.selection;
    case LB_SETCURSEL: return SetSelection(*w, index);
    case LB_GETTEXT: return ListGetText(w->list, index, lParam);
    case LB_GETTEXTLEN: return ListGetTextLength(w->list, index);
    case LB_FINDSTRING: return ListFind(w->list, index, text, false);
    case LB_FINDSTRINGEXACT: return ListFind(w->list, index, text, true);
    case LB_SELECTSTRING: {
        const int found = ListFind(w->list, index, text, false);
        return found >= 0 ? SetSelection(*w, found) : LB_ERR;
    }
    case LB_GETITEMDATA: return ListValid(w->list, index) ? w->list.data[static_cast<size_t>(index)] : LB_ERR;
    case LB_SETITEMDATA:
        if (!ListValid(w->list, index))
            return LB_ERR;
        w->list.data[static_cast<size_t>(index)] = lParam;
        return LB_OKAY;
    case LB_GETTOPINDEX: return w->list.top;
    case LB_SETTOPINDEX:
        if (!ListValid(w->list, index) && index != 0)
            return LB_ERR;
        w->list.top = index;
        return LB_OKAY;
    case LB_GETITEMHEIGHT: return kItemHeight;
    case LB_GETITEMRECT: return ItemRect(*w, index, lParam);
    case LB_SETTABSTOPS: return TRUE;
    case LB_SETHORIZONTALEXTENT:
        w->list.horizontalExtent = static_cast<int>(wParam & 0xFFFF);
        return 0;
    case LB_GETHORIZONTALEXTENT: return w->list.horizontalExtent;
    case WM_LBUTTONDOWN: ClickItem(window, lParam, false); return 0;
    case WM_LBUTTONDBLCLK: ClickItem(window, lParam, true); return 0;
    case WM_LBUTTONUP: return 0;
    case WM_KEYDOWN: return KeyDown(window, *w, wParam);
    case WM_CHAR: return TypeSelect(window, *w, wParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS: NotifyList(window, LBN_SETFOCUS); return 0;
    case WM_KILLFOCUS: NotifyList(window, LBN_KILLFOCUS); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace nativeui
