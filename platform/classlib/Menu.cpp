// The menu object.
#include "platform/classlib/Menu.h"

#include "platform/classlib/DialogDriver.h"

CMenu::~CMenu()
{
    DestroyMenu();
}

BOOL CMenu::CreatePopupMenu()
{
    DestroyMenu();
    m_hMenu = ::CreatePopupMenu();
    return m_hMenu ? TRUE : FALSE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text)
{
    return ::AppendMenuA(m_hMenu, flags, id, text);
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    const BOOL destroyed = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return destroyed;
}

int CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int position) const
{
    return ::GetMenuItemID(m_hMenu, position);
}

UINT CMenu::CheckMenuItem(UINT id, UINT check)
{
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, id, check));
}

UINT CMenu::EnableMenuItem(UINT id, UINT enable)
{
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, id, enable));
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner)
{
    TakeMenuChoice();
    if (GetDialogDriver(nullptr) && owner)
        PostMessageA(owner, kDriverMenuMessage, 0, reinterpret_cast<LPARAM>(m_hMenu));
    const BOOL shown = ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner, nullptr);
    const UINT chosen = TakeMenuChoice();
    if (!chosen)
        return shown;
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    PostMessageA(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}
