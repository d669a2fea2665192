// Native build: pop-up menus. A menu is a list of items (text, command id,
// flags, sub-menu); TrackPopupMenu runs the menu's modal loop over the
// posted messages, as the Windows menu loop dispatches them, and closes with
// no choice when none is left or EndMenu was called.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace nativeui {

namespace {

struct MenuItem {
    UINT flags;
    UINT_PTR id;
    std::string text;
};

struct MenuObject {
    std::vector<MenuItem> items;
};

std::set<void*> g_menus;
bool g_tracking = false;

MenuObject* MenuOf(HMENU menu)
{
    if (!g_menus.count(menu)) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return nullptr;
    }
    return static_cast<MenuObject*>(static_cast<void*>(menu));
}

MenuItem* ItemOf(HMENU menu, UINT item, UINT flags)
{
    MenuObject* m = MenuOf(menu);
    if (!m)
        return nullptr;
    if (flags & MF_BYPOSITION)
        return item < m->items.size() ? &m->items[item] : nullptr;
    for (MenuItem& entry : m->items)
        if (!(entry.flags & (MF_POPUP | MF_SEPARATOR)) && entry.id == item)
            return &entry;
    return nullptr;
}

} // namespace

bool MenuTracking()
{
    return g_tracking;
}

} // namespace nativeui

using namespace nativeui;

HMENU CreatePopupMenu()
{
    auto* menu = new MenuObject();
    g_menus.insert(menu);
    return static_cast<HMENU>(static_cast<void*>(menu));
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text)
{
    MenuObject* m = MenuOf(menu);
    if (!m)
        return FALSE;
    const bool hasText = !(flags & MF_SEPARATOR) && text;
    m->items.push_back(MenuItem{flags, id, hasText ? text : ""});
    return TRUE;
}

BOOL DestroyMenu(HMENU menu)
{
    MenuObject* m = MenuOf(menu);
    if (!m)
        return FALSE;
    g_menus.erase(menu);
    for (const MenuItem& item : m->items)
        if (item.flags & MF_POPUP)
            DestroyMenu(reinterpret_cast<HMENU>(item.id));
    delete m;
    return TRUE;
}

int GetMenuItemCount(HMENU menu)
{
    MenuObject* m = MenuOf(menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position)
{
    MenuItem* item = position >= 0 ? ItemOf(menu, static_cast<UINT>(position), MF_BYPOSITION) : nullptr;
    if (!item || (item->flags & MF_POPUP))
        return static_cast<UINT>(-1);
    return (item->flags & MF_SEPARATOR) ? 0 : static_cast<UINT>(item->id);
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR text, int size, UINT flags)
{
    MenuItem* entry = ItemOf(menu, item, flags);
    if (!entry)
        return 0;
    const int length = static_cast<int>(entry->text.size());
    if (!text || size <= 0)
        return length;
    const int copied = length < size - 1 ? length : size - 1;
    std::memcpy(text, entry->text.data(), static_cast<size_t>(copied));
    text[copied] = '\0';
    return copied;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags)
{
    MenuItem* entry = ItemOf(menu, item, flags);
    return entry ? (entry->flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR))
                 : static_cast<UINT>(-1);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags)
{
    MenuItem* entry = ItemOf(menu, item, flags);
    if (!entry)
        return static_cast<DWORD>(-1);
    const DWORD previous = entry->flags & MF_CHECKED;
    entry->flags = (entry->flags & ~static_cast<UINT>(MF_CHECKED)) | (flags & MF_CHECKED);
    return previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags)
{
    MenuItem* entry = ItemOf(menu, item, flags);
    if (!entry)
        return -1;
    const BOOL previous = static_cast<BOOL>(entry->flags & (MF_GRAYED | MF_DISABLED));
    entry->flags = (entry->flags & ~static_cast<UINT>(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int, int, int, HWND owner, const RECT*)
{
    if (!MenuOf(menu))
        return FALSE;
    if (!IsWindow(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const bool notify = !(flags & TPM_NONOTIFY);
    if (notify) {
        SendMessageA(owner, WM_ENTERMENULOOP, TRUE, 0);
        SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    }
    g_tracking = true;
    PostedMessage posted;
    while (g_tracking && TakePosted(&posted))
        Deliver(posted);
    g_tracking = false;
    if (notify && IsWindow(owner))
        SendMessageA(owner, WM_EXITMENULOOP, TRUE, 0);
    return (flags & TPM_RETURNCMD) ? 0 : TRUE;
}

BOOL EndMenu()
{
    g_tracking = false;
    return TRUE;
}
