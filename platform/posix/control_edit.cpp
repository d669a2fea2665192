// Native build: the Edit class (single-line editing, selection, limit) and
// the text editing that editable combo boxes share with it.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

#include <algorithm>

namespace nativeui {

namespace {

int TextLength(const Window& w)
{
    return static_cast<int>(w.text.size());
}

void NotifyChange(HWND window)
{
    Notify(window, EN_UPDATE);
    Notify(window, EN_CHANGE);
}

bool Typeable(const Window& w, unsigned char ch)
{
    if (w.style & ES_READONLY)
        return false;
    if ((w.style & ES_NUMBER) && (ch < '0' || ch > '9'))
        return false;
    return true;
}

char Cased(const Window& w, unsigned char ch)
{
    char text[2] = {static_cast<char>(ch), '\0'};
    if (w.style & ES_UPPERCASE)
        CharUpperA(text);
    else if (w.style & ES_LOWERCASE)
        CharLowerA(text);
    return text[0];
}

} // namespace

void EditSetSelection(Window& w, int start, int end)
{
    const int length = TextLength(w);
    if (start == -1) { // deselect, keeping the caret
        w.selStart = w.selEnd;
        return;
    }
    if (end < 0 || end > length)
        end = length;
    start = std::min(std::max(start, 0), length);
    w.selStart = std::min(start, end);
    w.selEnd = std::max(start, end);
}

LRESULT EditGetSelection(const Window& w, WPARAM startOut, LPARAM endOut)
{
    if (startOut)
        *reinterpret_cast<DWORD*>(startOut) = static_cast<DWORD>(w.selStart);
    if (endOut)
        *reinterpret_cast<DWORD*>(endOut) = static_cast<DWORD>(w.selEnd);
    if (w.selStart > 0xFFFF || w.selEnd > 0xFFFF)
        return -1;
    return MAKELRESULT(w.selStart, w.selEnd);
}

bool EditReplaceSelection(Window& w, const std::string& text)
{
    const int kept = TextLength(w) - (w.selEnd - w.selStart);
    const int room = std::max(w.limit - kept, 0);
    const std::string inserted = text.substr(0, static_cast<size_t>(std::min(room, static_cast<int>(text.size()))));
    if (inserted.empty() && w.selStart == w.selEnd)
        return false;
    w.text.replace(static_cast<size_t>(w.selStart), static_cast<size_t>(w.selEnd - w.selStart), inserted);
    w.selStart = w.selEnd = w.selStart + static_cast<int>(inserted.size());
    w.modified = true;
    return true;
}

bool EditTypeChar(Window& w, unsigned char ch)
{
    if (ch == VK_BACK) {
        if (w.style & ES_READONLY)
            return false;
        if (w.selStart == w.selEnd && w.selStart > 0)
            --w.selStart;
        return EditReplaceSelection(w, std::string());
    }
    if (ch < 0x20 || !Typeable(w, ch))
        return false;
    if (TextLength(w) - (w.selEnd - w.selStart) >= w.limit) {
        Notify(w.handle, EN_MAXTEXT);
        return false;
    }
    return EditReplaceSelection(w, std::string(1, Cased(w, ch)));
}

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(window);
    if (!w)
        return 0;
    switch (message) {
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        w->selStart = w->selEnd = 0;
        w->modified = false;
        if (!(w->style & ES_MULTILINE))
            NotifyChange(window);
        return TRUE;
    case WM_CHAR:
        if (EditTypeChar(*w, static_cast<unsigned char>(wParam)))
            NotifyChange(window);
        return 0;
    case EM_SETSEL:
        EditSetSelection(*w, static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case EM_GETSEL:
        return EditGetSelection(*w, wParam, lParam);
    case EM_REPLACESEL:
        if (EditReplaceSelection(*w, lParam ? reinterpret_cast<const char*>(lParam) : ""))
            NotifyChange(window);
        return 0;
    case EM_LIMITTEXT:
        w->limit = wParam ? static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE)) : 0x7FFFFFFE;
        return 0;
    case EM_GETLIMITTEXT:
        return w->limit;
    case EM_SCROLLCARET:
        return TRUE;
    case EM_GETLINECOUNT:
        return 1 + static_cast<LRESULT>(std::count(w->text.begin(), w->text.end(), '\n'));
    case EM_GETMODIFY:
        return w->modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        w->modified = wParam != 0;
        return 0;
    case EM_SETREADONLY:
        w->style = wParam ? (w->style | ES_READONLY) : (w->style & ~static_cast<DWORD>(ES_READONLY));
        return TRUE;
    case WM_GETDLGCODE:
        return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(window);
        if (message == WM_LBUTTONDBLCLK && (w = Find(window)) != nullptr)
            EditSetSelection(*w, 0, -1); // the word under the pointer: the whole single-line text
        return 0;
    case WM_SETFOCUS:
        Notify(window, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Notify(window, EN_KILLFOCUS);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace nativeui
