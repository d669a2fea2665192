// Windows build: the system message box. A box without an owner is given the
// host's main window, so that it stays in front of the host and blocks it.
#include "platform/platform.h"

namespace {

struct TopLevelSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The calling thread's active window, or else the first visible top-level
// window of the process.
HWND HostMainWindow()
{
    if (HWND active = GetActiveWindow())
        return active;
    TopLevelSearch search = {GetCurrentProcessId(), nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

int PlatformMessageBox(HWND owner, const char* text, const char* caption, UINT type, DWORD helpId)
{
    MSGBOXPARAMSA params = {};
    params.cbSize = sizeof params;
    params.hwndOwner = owner ? owner : HostMainWindow();
    params.lpszText = text;
    params.lpszCaption = caption;
    params.dwStyle = type;
    params.dwContextHelpId = helpId;
    return MessageBoxIndirectA(&params);
}
