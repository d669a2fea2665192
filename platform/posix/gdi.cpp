// Native build: fonts, brushes and device contexts without a screen. A
// font keeps its LOGFONTA; a device context belongs to a window and keeps
// the rectangles filled into it, so that GetPixel answers with the colour
// last filled at a point (the button face colour where nothing was). The
// screen has 96 pixels per inch.
#include "platform/platform.h"
#include "platform/posix/window_internal.h"

#include <cstring>
#include <set>

namespace nativeui {

namespace {

struct FontObject {
    LOGFONTA font;
};

struct BrushObject {
    COLORREF color;
};

struct DeviceContext {
    HWND window;
    HGDIOBJ font;
    HGDIOBJ brush;
    COLORREF background;
    COLORREF textColor;
    int backgroundMode;
};

std::set<void*> g_fonts;
std::set<void*> g_brushes;
std::set<void*> g_contexts;

FontObject g_guiFont = {{-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Shell Dlg"}};

DeviceContext* ContextOf(HDC dc)
{
    return g_contexts.count(dc) ? static_cast<DeviceContext*>(static_cast<void*>(dc)) : nullptr;
}

bool Contains(const RECT& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// A brush handle of value COLOR_x + 1 stands for the system colour x.
COLORREF BrushColor(HBRUSH brush)
{
    const ULONG_PTR value = reinterpret_cast<ULONG_PTR>(brush);
    if (value > 0 && value <= 31)
        return GetSysColor(static_cast<int>(value - 1));
    if (g_brushes.count(brush))
        return static_cast<BrushObject*>(static_cast<void*>(brush))->color;
    return CLR_INVALID;
}

} // namespace

HDC OpenWindowDC(HWND window)
{
    auto* dc = new DeviceContext{window, &g_guiFont, nullptr, RGB(255, 255, 255), RGB(0, 0, 0), OPAQUE};
    g_contexts.insert(dc);
    return static_cast<HDC>(static_cast<void*>(dc));
}

void CloseWindowDC(HDC dc)
{
    if (DeviceContext* context = ContextOf(dc)) {
        g_contexts.erase(dc);
        delete context;
    }
}

void PaintOwnerDrawn(HWND button)
{
    Window* w = Find(button);
    if (!w || !IsChildStyle(*w) || !IsWindow(w->parent))
        return;
    w->fills.clear();
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(w->id);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (w->pushed ? ODS_SELECTED : 0) | ((w->style & WS_DISABLED) ? ODS_DISABLED : 0) |
                     (GetFocus() == button ? ODS_FOCUS : 0);
    item.hwndItem = button;
    GetClientRect(button, &item.rcItem);
    item.hDC = OpenWindowDC(button);
    SendMessageA(w->parent, WM_DRAWITEM, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&item));
    CloseWindowDC(item.hDC);
}

} // namespace nativeui

using namespace nativeui;

HFONT CreateFontIndirectA(const LOGFONTA* font)
{
    if (!font) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto* object = new FontObject{*font};
    object->font.lfFaceName[LF_FACESIZE - 1] = '\0';
    g_fonts.insert(object);
    return static_cast<HFONT>(static_cast<void*>(object));
}

int GetObjectA(HANDLE object, int size, LPVOID buffer)
{
    const FontObject* font = object == &g_guiFont ? &g_guiFont
                             : g_fonts.count(object) ? static_cast<FontObject*>(object)
                                                     : nullptr;
    if (!font)
        return 0;
    if (!buffer)
        return static_cast<int>(sizeof(LOGFONTA));
    const int copied = size < static_cast<int>(sizeof(LOGFONTA)) ? size : static_cast<int>(sizeof(LOGFONTA));
    if (copied <= 0)
        return 0;
    std::memcpy(buffer, &font->font, static_cast<size_t>(copied));
    return copied;
}

BOOL DeleteObject(HGDIOBJ object)
{
    if (object == &g_guiFont)
        return TRUE; // stock objects stay
    if (g_fonts.erase(object)) {
        delete static_cast<FontObject*>(object);
        return TRUE;
    }
    if (g_brushes.erase(object)) {
        delete static_cast<BrushObject*>(object);
        return TRUE;
    }
    return FALSE;
}

HGDIOBJ GetStockObject(int index)
{
    return index == DEFAULT_GUI_FONT ? &g_guiFont : nullptr;
}

HDC GetDC(HWND window)
{
    return window && !IsWindow(window) ? nullptr : OpenWindowDC(window);
}

int ReleaseDC(HWND, HDC dc)
{
    if (!ContextOf(dc))
        return 0;
    CloseWindowDC(dc);
    return 1;
}

int GetDeviceCaps(HDC, int index)
{
    return index == LOGPIXELSX || index == LOGPIXELSY ? 96 : 0;
}

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    long long product = static_cast<long long>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const long long d = denominator < 0 ? -static_cast<long long>(denominator) : denominator;
    product = product < 0 ? -product : product;
    const long long quotient = (product + d / 2) / d; // halves away from zero
    if (quotient > 0x7FFFFFFF)
        return -1;
    return static_cast<int>(negative ? -quotient : quotient);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    DeviceContext* context = ContextOf(dc);
    if (!context || !object)
        return nullptr;
    HGDIOBJ previous = nullptr;
    if (object == &g_guiFont || g_fonts.count(object)) {
        previous = context->font;
        context->font = object;
    } else if (g_brushes.count(object)) {
        previous = context->brush;
        context->brush = object;
    }
    return previous;
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size)
{
    DeviceContext* context = ContextOf(dc);
    if (!context || !size || count < 0 || (count > 0 && !text))
        return FALSE;
    const LONG height = static_cast<const FontObject*>(context->font)->font.lfHeight;
    const LONG cy = height < 0 ? -height : height > 0 ? height : 13;
    size->cx = static_cast<LONG>(count) * ((cy + 1) / 2);
    size->cy = cy;
    return TRUE;
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    auto* brush = new BrushObject{color};
    g_brushes.insert(brush);
    return static_cast<HBRUSH>(static_cast<void*>(brush));
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    DeviceContext* context = ContextOf(dc);
    const COLORREF color = BrushColor(brush);
    if (!context || !rect || color == CLR_INVALID)
        return 0;
    if (Window* w = IsWindow(context->window) ? Find(context->window) : nullptr)
        w->fills.push_back(Fill{*rect, color});
    return 1;
}

COLORREF SetBkColor(HDC dc, COLORREF color)
{
    DeviceContext* context = ContextOf(dc);
    if (!context)
        return CLR_INVALID;
    const COLORREF previous = context->background;
    context->background = color;
    return previous;
}

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    DeviceContext* context = ContextOf(dc);
    if (!context)
        return CLR_INVALID;
    const COLORREF previous = context->textColor;
    context->textColor = color;
    return previous;
}

int SetBkMode(HDC dc, int mode)
{
    DeviceContext* context = ContextOf(dc);
    if (!context)
        return 0;
    const int previous = context->backgroundMode;
    context->backgroundMode = mode;
    return previous;
}

int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT)
{
    if (!ContextOf(dc) || !text || !rect)
        return 0;
    (void)length;
    return 13; // one line of the dialog font
}

BOOL DrawEdge(HDC dc, LPRECT rect, UINT, UINT)
{
    return ContextOf(dc) && rect ? TRUE : FALSE;
}

COLORREF GetPixel(HDC dc, int x, int y)
{
    DeviceContext* context = ContextOf(dc);
    Window* w = context && IsWindow(context->window) ? Find(context->window) : nullptr;
    if (!w)
        return CLR_INVALID;
    for (auto it = w->fills.rbegin(); it != w->fills.rend(); ++it)
        if (Contains(it->rect, x, y))
            return it->color;
    return GetSysColor(COLOR_BTNFACE);
}

DWORD GetSysColor(int index)
{
    switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_BTNFACE: return RGB(240, 240, 240);
    case COLOR_GRAYTEXT: return RGB(109, 109, 109);
    case COLOR_BTNTEXT: return RGB(0, 0, 0);
    default: return RGB(0, 0, 0);
    }
}
