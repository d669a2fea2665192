// Native build: delivering messages (sent at once, posted through the
// queue of the user-interface thread), the default window procedure and the
// text of windows.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

#include <cstring>
#include <deque>

namespace nativeui {

namespace {

std::deque<PostedMessage> g_posted;

} // namespace

bool TakePosted(PostedMessage* message)
{
    if (g_posted.empty())
        return false;
    *message = g_posted.front();
    g_posted.pop_front();
    return true;
}

void Deliver(const PostedMessage& message)
{
    if (IsWindow(message.window))
        SendMessageA(message.window, message.message, message.wParam, message.lParam);
}

void Notify(HWND control, UINT code)
{
    Window* w = Find(control);
    if (!w || !IsChildStyle(*w) || !IsWindow(w->parent))
        return;
    SendMessageA(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code), reinterpret_cast<LPARAM>(control));
}

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer)
{
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0)
        return 0;
    const size_t length = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
    return static_cast<LRESULT>(length);
}

} // namespace nativeui

using namespace nativeui;

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(window);
    if (!w || !w->proc)
        return 0;
    return CallWindowProcA(w->proc, window, message, wParam, lParam);
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageA(control, message, wParam, lParam) : 0;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    g_posted.push_back(PostedMessage{window, message, wParam, lParam});
    return TRUE;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(window, message, wParam, lParam) : 0;
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(window);
    if (!w)
        return 0;
    switch (message) {
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        return TRUE;
    case WM_GETTEXT:
        return CopyText(w->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_SETFONT:
        w->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(w->font);
    case WM_SETREDRAW:
        w->redraw = wParam != 0;
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_HELP:
        // A child passes the request on to its parent.
        if (IsChildStyle(*w) && IsWindow(w->parent))
            return SendMessageA(w->parent, WM_HELP, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

BOOL SetWindowTextA(HWND window, LPCSTR text)
{
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextA(HWND window, LPSTR text, int size)
{
    if (text && size > 0)
        text[0] = '\0';
    if (!IsWindow(window) || !text || size <= 0)
        return 0;
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthA(HWND window)
{
    return IsWindow(window) ? static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text)
{
    const HWND control = GetDlgItem(dialog, id);
    return control ? SetWindowTextA(control, text) : FALSE;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size)
{
    if (text && size > 0)
        text[0] = '\0';
    const HWND control = GetDlgItem(dialog, id);
    return control ? static_cast<UINT>(GetWindowTextA(control, text, size)) : 0;
}
