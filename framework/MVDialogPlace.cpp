// Where a dialog stands: the placement at initialisation (remembered
// position and size, the caption, the clamp to the virtual screen), the
// placement kept while it moves, and the scrolling of its content.
//
// A locationString ":KEY\PREFIX" keeps the values under HKEY_CURRENT_USER
// KEY; "FILE\SECTION\PREFIX" keeps them in the ini file FILE, section
// SECTION. The values are PREFIX + "PosX", "PosY", "SizeX", "SizeY" and
// "Ope", whole numbers.
#include "framework/MVDialog.h"

#include "common/config.h"

#include <algorithm>
#include <cmath>

namespace {

struct PlacementStore {
    bool registry = false;
    CString place;   // registry key or ini file
    CString section; // ini files only
    CString prefix;
};

bool ParseLocation(const CString& location, PlacementStore* store)
{
    const int last = location.ReverseFind('\\');
    if (location.IsEmpty() || last < 0)
        return false;
    store->prefix = location.Mid(last + 1);
    CString head = location.Left(last);
    if (location[0] == ':') {
        store->registry = true;
        store->place = head.Mid(1);
        return true;
    }
    const int split = head.ReverseFind('\\');
    if (split < 0)
        return false;
    store->place = head.Left(split);
    store->section = head.Mid(split + 1);
    return true;
}

double ReadValue(const PlacementStore& store, const char* name, double fallback)
{
    const CString key = store.prefix + name;
    if (store.registry)
        return ReadRegNumber(HKEY_CURRENT_USER, store.place, key, fallback, false, 0);
    return ReadIniNumber(store.place, store.section, key, fallback, false, false);
}

void WriteValue(const PlacementStore& store, const char* name, double value)
{
    const CString key = store.prefix + name;
    if (store.registry)
        WriteRegNumber(HKEY_CURRENT_USER, store.place, key, value, 0);
    else
        WriteIniNumber(store.place, store.section, key, value, 0);
}

int Rounded(float value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

void CMVDialog::PlaceDialog()
{
    RECT r;
    GetWindowRect(&r);
    if (layout.x == kLayoutUnset) {
        layout = LayoutOf(r);
    }
    if (initialLayout.x == kLayoutUnset)
        initialLayout = layout;
    bool sizeApplied = false;
    PlacementStore store;
    if (ParseLocation(locationString, &store)) {
        layout.x = static_cast<float>(std::trunc(ReadValue(store, "PosX", layout.x)));
        layout.y = static_cast<float>(std::trunc(ReadValue(store, "PosY", layout.y)));
        if (resizable) {
            layout.width = static_cast<float>(std::trunc(ReadValue(store, "SizeX", layout.width)));
            layout.height = static_cast<float>(std::trunc(ReadValue(store, "SizeY", layout.height)));
            sizeApplied = true;
        }
        if (recordOpen)
            WriteValue(store, "Ope", 1);
    }
    MoveWindow(Rounded(layout.x), Rounded(layout.y), Rounded(layout.width), Rounded(layout.height));
    if (caption != NoTextSentinel)
        SetWindowText(caption);
    else
        caption = GetWindowText();
    UpdateHook(0);
    if (sizeApplied)
        for (CMVCtr* control : controls)
            ApplyLayout(*control);
    // At least 50 pixels of the dialog stay on the virtual screen.
    const float left = static_cast<float>(GetSystemMetrics(SM_XVIRTUALSCREEN));
    const float top = static_cast<float>(GetSystemMetrics(SM_YVIRTUALSCREEN));
    const float right = left + static_cast<float>(GetSystemMetrics(SM_CXVIRTUALSCREEN)) - 50;
    const float bottom = top + static_cast<float>(GetSystemMetrics(SM_CYVIRTUALSCREEN)) - 50;
    const float x = std::max(left, std::min(layout.x, right)), y = std::max(top, std::min(layout.y, bottom));
    if (x != layout.x || y != layout.y) {
        layout.x = x;
        layout.y = y;
        MoveWindow(Rounded(x), Rounded(y), Rounded(layout.width), Rounded(layout.height));
    }
}

bool CMVDialog::PlacementMessage(UINT message, WPARAM, LPARAM)
{
    if (message != WM_MOVE && message != WM_SIZE && message != WM_CLOSE && message != WM_DESTROY)
        return false;
    PlacementStore store;
    const bool stored = ParseLocation(locationString, &store);
    RECT r;
    GetWindowRect(&r);
    const float x = static_cast<float>(r.left), y = static_cast<float>(r.top);
    const float w = static_cast<float>(r.right - r.left), h = static_cast<float>(r.bottom - r.top);
    if (message == WM_MOVE && windowExists && (x != layout.x || y != layout.y)) {
        layout.x = x;
        layout.y = y;
        if (stored) {
            WriteValue(store, "PosX", x);
            WriteValue(store, "PosY", y);
        }
    } else if (message == WM_SIZE && windowExists && (w != layout.width || h != layout.height)) {
        layout.width = w;
        layout.height = h;
        if (stored && resizable) {
            WriteValue(store, "SizeX", w);
            WriteValue(store, "SizeY", h);
        }
    } else if (message == WM_CLOSE && stored && recordOpen) {
        WriteValue(store, "Ope", 0);
    } else if (message == WM_DESTROY) {
        layout = LayoutRect{x, y, w, h};
        windowExists = false;
    }
    return true;
}

// A line is a hundredth of the scroll range (at least 1), a page a tenth.
bool CMVDialog::ScrollMessage(UINT message, WPARAM wParam)
{
    const bool vertical = message == WM_VSCROLL;
    if (!(vertical ? scrollVertical : scrollHorizontal))
        return false;
    const int bar = vertical ? SB_VERT : SB_HORZ;
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(m_hWnd, bar, &info);
    const int range = info.nMax - info.nMin;
    const int line = std::max(1, range / 100), page = std::max(1, range / 10);
    int position = info.nPos;
    switch (LOWORD(wParam)) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: position = static_cast<short>(HIWORD(wParam)); break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return true;
    }
    position = std::max(info.nMin, std::min(position, info.nMax));
    const int delta = info.nPos - position;
    if (delta != 0) {
        ::ScrollWindow(m_hWnd, vertical ? 0 : delta, vertical ? delta : 0, nullptr, nullptr);
        SetScrollPos(m_hWnd, bar, position, TRUE);
    }
    (vertical ? scrollY : scrollX) = position;
    return true;
}
