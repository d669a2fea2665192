// The class library's menu object: owns a pop-up menu. TrackPopupMenu
// shows it for an owner window of the system's dialogs and gives the
// dialog driver its turn while it is shown (DialogDriver.h).
#pragma once

#include "platform/platform.h"

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu();

    BOOL CreatePopupMenu();
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);
    BOOL DestroyMenu();
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    UINT CheckMenuItem(UINT id, UINT check);
    UINT EnableMenuItem(UINT id, UINT enable);
    // With TPM_RETURNCMD: the chosen command, 0 for none. Without it the
    // chosen command reaches the owner as WM_COMMAND, and the result is
    // nonzero when the menu could be shown.
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND owner);

    HMENU m_hMenu = nullptr;
};
