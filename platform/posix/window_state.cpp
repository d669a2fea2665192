// Native build: the state of windows: enabled, shown, the focus, the active
// window, painting requests and the scroll bars of a window.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

#include <algorithm>

namespace nativeui {

namespace {

HWND g_focus = nullptr;
HWND g_active = nullptr;

bool IsOwnerDrawnButton(const Window& w)
{
    return w.className == "Button" && (w.style & BS_TYPEMASK) == BS_OWNERDRAW;
}

SCROLLINFO* ScrollBar(HWND window, int bar)
{
    Window* w = Find(window);
    if (!w || (bar != SB_HORZ && bar != SB_VERT))
        return nullptr;
    return &w->scroll[bar];
}

int ClampedPosition(const SCROLLINFO& s, int position)
{
    const int page = s.nPage > 0 ? static_cast<int>(s.nPage) - 1 : 0;
    const int highest = std::max(s.nMin, s.nMax - page);
    return std::min(std::max(position, s.nMin), highest);
}

} // namespace

void Activate(HWND window)
{
    g_active = window;
}

} // namespace nativeui

using namespace nativeui;

BOOL EnableWindow(HWND window, BOOL enable)
{
    Window* w = Find(window);
    if (!w)
        return FALSE;
    const BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable)
        w->style &= ~static_cast<DWORD>(WS_DISABLED);
    else
        w->style |= WS_DISABLED;
    if (wasDisabled != (enable ? FALSE : TRUE)) {
        if (!enable && g_focus && (g_focus == window || IsChild(window, g_focus)))
            SetFocus(nullptr);
        SendMessageA(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    }
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND window)
{
    Window* w = Find(window);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND window, int command)
{
    Window* w = Find(window);
    if (!w)
        return FALSE;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (show)
        w->style |= WS_VISIBLE;
    else
        w->style &= ~static_cast<DWORD>(WS_VISIBLE);
    if (show != wasVisible) {
        SendMessageA(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (show && (w = Find(window)) != nullptr && IsOwnerDrawnButton(*w))
            PaintOwnerDrawn(window);
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window)
{
    Window* w = IsWindow(window) ? Find(window) : nullptr;
    if (!w)
        return FALSE;
    while (w) {
        if (!(w->style & WS_VISIBLE))
            return FALSE;
        if (!IsChildStyle(*w))
            return TRUE;
        w = IsWindow(w->parent) ? Find(w->parent) : nullptr;
    }
    return TRUE;
}

HWND SetFocus(HWND window)
{
    if (window && !IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const HWND previous = g_focus;
    if (window == previous)
        return previous;
    g_focus = window;
    if (previous && IsWindow(previous))
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window && IsWindow(window) && g_focus == window)
        SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetFocus()
{
    if (g_focus && !IsWindow(g_focus))
        g_focus = nullptr;
    return g_focus;
}

HWND GetActiveWindow()
{
    if (g_active && !IsWindow(g_active))
        g_active = nullptr;
    return g_active;
}

BOOL InvalidateRect(HWND window, const RECT*, BOOL)
{
    Window* w = window ? Find(window) : nullptr;
    if (window && !w)
        return FALSE;
    if (w && IsOwnerDrawnButton(*w) && IsWindowVisible(window) && w->redraw)
        PaintOwnerDrawn(window);
    return TRUE;
}

BOOL UpdateWindow(HWND window)
{
    return IsWindow(window);
}

BOOL RedrawWindow(HWND window, const RECT* rect, HRGN, UINT flags)
{
    Window* w = Find(window);
    if (!w)
        return FALSE;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(window, rect, (flags & RDW_ERASE) ? TRUE : FALSE);
    if (flags & RDW_ALLCHILDREN) {
        const std::vector<HWND> children = w->children;
        for (HWND child : children)
            RedrawWindow(child, nullptr, nullptr, flags);
    }
    return TRUE;
}

BOOL MessageBeep(UINT)
{
    return TRUE;
}

int SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL)
{
    SCROLLINFO* s = ScrollBar(window, bar);
    if (!s || !info)
        return 0;
    if (info->fMask & SIF_RANGE) {
        s->nMin = info->nMin;
        s->nMax = info->nMax;
    }
    if (info->fMask & SIF_PAGE)
        s->nPage = info->nPage;
    if (info->fMask & SIF_POS)
        s->nPos = info->nPos;
    s->nPos = ClampedPosition(*s, s->nPos);
    return s->nPos;
}

BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info)
{
    SCROLLINFO* s = ScrollBar(window, bar);
    if (!s || !info)
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = s->nMin;
        info->nMax = s->nMax;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = s->nPage;
    if (info->fMask & SIF_POS)
        info->nPos = s->nPos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = s->nPos;
    return TRUE;
}

int SetScrollPos(HWND window, int bar, int position, BOOL)
{
    SCROLLINFO* s = ScrollBar(window, bar);
    if (!s)
        return 0;
    const int previous = s->nPos;
    s->nPos = ClampedPosition(*s, position);
    return previous;
}

int GetScrollPos(HWND window, int bar)
{
    SCROLLINFO* s = ScrollBar(window, bar);
    return s ? s->nPos : 0;
}
