// Native build: where windows are: their rectangles, client areas, the
// conversions between client and screen coordinates, moving and sizing
// (with WM_MOVE and WM_SIZE when they change), scrolling of a window's
// content and the metrics of the screen.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

namespace nativeui {

namespace {

const int kScreenWidth = 1280;
const int kScreenHeight = 1024;
const int kCaptionHeight = 19;
const int kDialogFrame = 3;
const int kScrollBarWidth = 17;

int FrameWidth(const Window& w)
{
    int frame = 0;
    if (w.style & WS_THICKFRAME)
        frame = 4;
    else if ((w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME))
        frame = kDialogFrame;
    else if (w.style & WS_BORDER)
        frame = 1;
    if (w.exStyle & WS_EX_CLIENTEDGE)
        frame += 2;
    return frame;
}

// Sends WM_MOVE and WM_SIZE for what changed between two rectangles.
void NotifyPlacement(HWND window, const RECT& before, const RECT& after)
{
    Window* w = Find(window);
    if (!w)
        return;
    const RECT insets = NonClientInsets(*w);
    if (before.left != after.left || before.top != after.top) {
        POINT client = {after.left + insets.left, after.top + insets.top};
        SendMessageA(window, WM_MOVE, 0, MAKELPARAM(client.x, client.y));
    }
    const LONG width = after.right - after.left, height = after.bottom - after.top;
    if (width != before.right - before.left || height != before.bottom - before.top) {
        const LONG clientWidth = width - insets.left - insets.right;
        const LONG clientHeight = height - insets.top - insets.bottom;
        SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(clientWidth, clientHeight));
    }
}

} // namespace

RECT NonClientInsets(const Window& w)
{
    const LONG frame = FrameWidth(w);
    RECT insets = {frame, frame, frame, frame};
    if ((w.style & WS_CAPTION) == WS_CAPTION)
        insets.top += kCaptionHeight;
    if (w.className != "ComboBox") {
        if (w.style & WS_VSCROLL)
            insets.right += kScrollBarWidth;
        if (w.style & WS_HSCROLL)
            insets.bottom += kScrollBarWidth;
    }
    return insets;
}

POINT ClientOrigin(const Window& w)
{
    POINT origin = {w.rect.left, w.rect.top};
    if (IsChildStyle(w))
        if (Window* parent = IsWindow(w.parent) ? Find(w.parent) : nullptr) {
            const POINT parentOrigin = ClientOrigin(*parent);
            origin.x += parentOrigin.x;
            origin.y += parentOrigin.y;
        }
    const RECT insets = NonClientInsets(w);
    origin.x += insets.left;
    origin.y += insets.top;
    return origin;
}

} // namespace nativeui

using namespace nativeui;

BOOL SetWindowPos(HWND window, HWND, int x, int y, int width, int height, UINT flags)
{
    Window* w = Find(window);
    if (!w)
        return FALSE;
    const RECT before = w->rect;
    RECT after = before;
    if (!(flags & SWP_NOMOVE))
        after = RECT{x, y, x + (before.right - before.left), y + (before.bottom - before.top)};
    if (!(flags & SWP_NOSIZE)) {
        after.right = after.left + width;
        after.bottom = after.top + height;
    }
    w->rect = after;
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(window, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(window, SW_HIDE);
    NotifyPlacement(window, before, after);
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL)
{
    return SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL GetWindowRect(HWND window, LPRECT rect)
{
    Window* w = Find(window);
    if (!w || !rect)
        return FALSE;
    *rect = w->rect;
    if (IsChildStyle(*w))
        if (Window* parent = IsWindow(w->parent) ? Find(w->parent) : nullptr) {
            const POINT origin = ClientOrigin(*parent);
            rect->left += origin.x;
            rect->right += origin.x;
            rect->top += origin.y;
            rect->bottom += origin.y;
        }
    return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect)
{
    Window* w = Find(window);
    if (!w || !rect)
        return FALSE;
    const RECT insets = NonClientInsets(*w);
    const LONG width = w->rect.right - w->rect.left - insets.left - insets.right;
    const LONG height = w->rect.bottom - w->rect.top - insets.top - insets.bottom;
    *rect = RECT{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
    return TRUE;
}

BOOL ScreenToClient(HWND window, LPPOINT point)
{
    Window* w = Find(window);
    if (!w || !point)
        return FALSE;
    const POINT origin = ClientOrigin(*w);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND window, LPPOINT point)
{
    Window* w = Find(window);
    if (!w || !point)
        return FALSE;
    const POINT origin = ClientOrigin(*w);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL GetCursorPos(LPPOINT point)
{
    if (!point)
        return FALSE;
    point->x = 0;
    point->y = 0;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
    POINT fromOrigin = {0, 0}, toOrigin = {0, 0};
    if (from && !ClientToScreen(from, &fromOrigin))
        return 0;
    if (to && !ClientToScreen(to, &toOrigin))
        return 0;
    const LONG dx = fromOrigin.x - toOrigin.x, dy = fromOrigin.y - toOrigin.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL ScrollWindow(HWND window, int dx, int dy, const RECT*, const RECT*)
{
    Window* w = Find(window);
    if (!w)
        return FALSE;
    const std::vector<HWND> children = w->children;
    for (HWND child : children)
        if (Window* c = Find(child))
            SetWindowPos(child, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return kScreenWidth;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return kScreenHeight;
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN: return 0;
    case SM_CMONITORS: return 1;
    case SM_CYCAPTION: return kCaptionHeight;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return kDialogFrame;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return kScrollBarWidth;
    default: return 0;
    }
}
