// Native build: the windows themselves: making and destroying them, their
// handles, parents and children, ids, classes and window longs.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <strings.h>

namespace nativeui {

namespace {

struct ClassEntry {
    const char* name;
    WNDPROC proc;
};

const ClassEntry kClasses[] = {
    {"Button", &ButtonProc},     {"Edit", &EditProc},         {"Static", &StaticProc},
    {"ListBox", &ListBoxProc},   {"ComboBox", &ComboBoxProc}, {"#32770", &DefDlgProcA},
};

// Live windows by handle value. A destroyed window waits in the graveyard
// until the process ends, so that a procedure still running for it never
// reads freed memory; its handle is never given out again.
std::map<ULONG_PTR, std::unique_ptr<Window>> g_windows;
std::vector<std::unique_ptr<Window>> g_graveyard;
ULONG_PTR g_nextHandle = 0x10010;

const ClassEntry* FindClass(LPCSTR name)
{
    if (!name || IS_INTRESOURCE(name))
        return nullptr;
    for (const ClassEntry& entry : kClasses)
        if (strcasecmp(entry.name, name) == 0)
            return &entry;
    return nullptr;
}

void Unlink(Window& w)
{
    if (!IsChildStyle(w))
        return;
    if (Window* parent = Find(w.parent)) {
        auto& list = parent->children;
        for (auto it = list.begin(); it != list.end(); ++it)
            if (*it == w.handle) {
                list.erase(it);
                break;
            }
    }
}

void Bury(HWND window)
{
    auto it = g_windows.find(reinterpret_cast<ULONG_PTR>(window));
    if (it == g_windows.end())
        return;
    g_graveyard.push_back(std::move(it->second));
    g_windows.erase(it);
}

// WM_DESTROY to the window and then to its children, WM_NCDESTROY to the
// children and last to the window, as Windows orders them.
void DestroyTree(HWND window)
{
    SendMessageA(window, WM_DESTROY, 0, 0);
    Window* w = Find(window);
    if (!w)
        return;
    const std::vector<HWND> children = w->children;
    for (HWND child : children)
        DestroyTree(child);
    SendMessageA(window, WM_NCDESTROY, 0, 0);
    if ((w = Find(window)) != nullptr) {
        Unlink(*w);
        Bury(window);
    }
}

} // namespace

Window* Find(HWND window)
{
    auto it = g_windows.find(reinterpret_cast<ULONG_PTR>(window));
    if (it == g_windows.end()) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return it->second.get();
}

bool IsChildStyle(const Window& w)
{
    return (w.style & WS_CHILD) != 0;
}

bool IsDialogWindow(const Window& w)
{
    return w.className == "#32770";
}

} // namespace nativeui

using namespace nativeui;

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menuOrId, HINSTANCE, LPVOID)
{
    const ClassEntry* entry = FindClass(className);
    if (!entry) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    Window* parentWindow = parent ? Find(parent) : nullptr;
    if ((parent && !parentWindow) || ((style & WS_CHILD) && !parentWindow))
        return nullptr;
    auto w = std::make_unique<Window>();
    w->handle = reinterpret_cast<HWND>(g_nextHandle);
    g_nextHandle += 4;
    w->className = entry->name;
    w->proc = entry->proc;
    w->style = style;
    w->exStyle = exStyle;
    w->id = (style & WS_CHILD) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(menuOrId)) : 0;
    w->rect = RECT{x, y, x + width, y + height};
    w->parent = parent;
    if ((style & 0xF) == CBS_DROPDOWNLIST && w->className == "ComboBox")
        text = nullptr; // a drop-down list shows only its items
    w->text = text ? text : "";
    const HWND handle = w->handle;
    if (style & WS_CHILD)
        parentWindow->children.push_back(handle);
    g_windows.emplace(reinterpret_cast<ULONG_PTR>(handle), std::move(w));
    return handle;
}

BOOL DestroyWindow(HWND window)
{
    Window* w = Find(window);
    if (!w)
        return FALSE;
    const HWND focus = GetFocus();
    if (focus && (focus == window || IsChild(window, focus)))
        SetFocus(nullptr);
    DestroyTree(window);
    return TRUE;
}

BOOL IsWindow(HWND window)
{
    return g_windows.count(reinterpret_cast<ULONG_PTR>(window)) ? TRUE : FALSE;
}

HWND GetDlgItem(HWND dialog, int id)
{
    Window* w = Find(dialog);
    if (!w)
        return nullptr;
    for (HWND child : w->children)
        if (Window* c = Find(child); c && c->id == id)
            return child;
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int GetDlgCtrlID(HWND window)
{
    Window* w = Find(window);
    return w && IsChildStyle(*w) ? w->id : 0;
}

HWND GetParent(HWND window)
{
    Window* w = Find(window);
    return w ? w->parent : nullptr;
}

HWND GetWindow(HWND window, UINT relation)
{
    Window* w = Find(window);
    if (!w)
        return nullptr;
    if (relation == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front();
    if (relation == GW_OWNER)
        return IsChildStyle(*w) ? nullptr : w->parent;
    Window* parent = IsChildStyle(*w) ? Find(w->parent) : nullptr;
    if (!parent)
        return nullptr;
    const auto& list = parent->children;
    size_t at = 0;
    while (at < list.size() && list[at] != window)
        ++at;
    switch (relation) {
    case GW_HWNDFIRST: return list.front();
    case GW_HWNDLAST: return list.back();
    case GW_HWNDNEXT: return at + 1 < list.size() ? list[at + 1] : nullptr;
    case GW_HWNDPREV: return at > 0 ? list[at - 1] : nullptr;
    default: return nullptr;
    }
}

BOOL IsChild(HWND parent, HWND window)
{
    Window* w = IsWindow(window) ? Find(window) : nullptr;
    while (w && IsChildStyle(*w)) {
        if (w->parent == parent)
            return TRUE;
        w = IsWindow(w->parent) ? Find(w->parent) : nullptr;
    }
    return FALSE;
}

int GetClassNameA(HWND window, LPSTR name, int size)
{
    Window* w = Find(window);
    if (!w || !name || size <= 0)
        return 0;
    const int length = std::min(static_cast<int>(w->className.size()), size - 1);
    std::memcpy(name, w->className.data(), static_cast<size_t>(length));
    name[length] = '\0';
    return length;
}

LONG_PTR GetWindowLongPtrA(HWND window, int index)
{
    Window* w = Find(window);
    if (!w)
        return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_USERDATA: return w->userData;
    case GWL_STYLE: return static_cast<LONG>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
    case GWLP_ID: return w->id;
    case GWLP_HINSTANCE: return 0;
    default: break;
    }
    if (IsDialogWindow(*w)) {
        if (index == DWLP_MSGRESULT) return w->messageResult;
        if (index == DWLP_DLGPROC) return reinterpret_cast<LONG_PTR>(w->dialogProc);
        if (index == DWLP_USER) return w->dialogUser;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value)
{
    Window* w = Find(window);
    if (!w)
        return 0;
    const LONG_PTR previous = GetWindowLongPtrA(window, index);
    switch (index) {
    case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); return previous;
    case GWLP_USERDATA: w->userData = value; return previous;
    case GWL_STYLE: w->style = static_cast<DWORD>(value); return previous;
    case GWL_EXSTYLE: w->exStyle = static_cast<DWORD>(value); return previous;
    case GWLP_ID: w->id = static_cast<int>(value); return previous;
    default: break;
    }
    if (IsDialogWindow(*w)) {
        if (index == DWLP_MSGRESULT) { w->messageResult = value; return previous; }
        if (index == DWLP_DLGPROC) { w->dialogProc = reinterpret_cast<DLGPROC>(value); return previous; }
        if (index == DWLP_USER) { w->dialogUser = value; return previous; }
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG GetWindowLongA(HWND window, int index)
{
    return static_cast<LONG>(GetWindowLongPtrA(window, index));
}

LONG SetWindowLongA(HWND window, int index, LONG value)
{
    return static_cast<LONG>(SetWindowLongPtrA(window, index, value));
}
