// Native build: modal dialogs made from the module's templates. The dialog
// and its controls are created as the Windows dialog manager creates them
// (template font sent with WM_SETFONT, WM_INITDIALOG, the first tab stop
// focused, the owner disabled while the dialog runs), then the modal loop
// delivers the posted messages. When no message is left and the dialog is
// still open, no user is there to act: the dialog gets Enter, as its default
// button would be pressed; if that does not end it, Escape; if even that
// leaves it open, it ends with IDCANCEL.
#include "platform/platform.h"
#include "platform/posix/dialog_templates.h"
#include "platform/posix/window_internal.h"

#include <cstdlib>
#include <cstring>

namespace nativeui {

namespace {

struct BaseUnits {
    int x;
    int y;
};

BaseUnits UnitsOf(const DialogTemplate& t)
{
    if (t.pointSize <= 0)
        return BaseUnits{8, 16}; // the system font
    return BaseUnits{(6 * t.pointSize + 4) / 8, (13 * t.pointSize + 4) / 8};
}

RECT ToPixels(const BaseUnits& units, int x, int y, int cx, int cy)
{
    const LONG left = MulDiv(x, units.x, 4), top = MulDiv(y, units.y, 8);
    return RECT{left, top, left + MulDiv(cx, units.x, 4), top + MulDiv(cy, units.y, 8)};
}

int TemplateId(LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return LOWORD(reinterpret_cast<ULONG_PTR>(name));
    if (name && name[0] == '#')
        return std::atoi(name + 1);
    return -1;
}

HFONT MakeTemplateFont(const DialogTemplate& t)
{
    if (!(t.style & DS_SETFONT) || t.pointSize <= 0)
        return nullptr;
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(t.pointSize, 96, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(font.lfFaceName, t.fontFace, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

// The dialog window, placed at the template's position in the owner's client
// area (on the screen without an owner), its client area of the template's
// size.
HWND CreateDialogWindow(const DialogTemplate& t, HWND owner, DLGPROC proc)
{
    const BaseUnits units = UnitsOf(t);
    RECT client = ToPixels(units, t.x, t.y, t.cx, t.cy);
    POINT origin = {0, 0};
    if (owner)
        ClientToScreen(owner, &origin);
    DWORD exStyle = t.exStyle | ((t.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    Window probe;
    probe.className = "#32770";
    probe.style = t.style;
    probe.exStyle = exStyle;
    const RECT insets = NonClientInsets(probe);
    const int width = client.right - client.left + insets.left + insets.right;
    const int height = client.bottom - client.top + insets.top + insets.bottom;
    int x = origin.x + client.left, y = origin.y + client.top;
    if (t.style & DS_CENTER) {
        x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    const HWND dialog = CreateWindowExA(exStyle, "#32770", t.caption, t.style & ~static_cast<DWORD>(WS_VISIBLE), x, y,
                                        width, height, owner, nullptr, nullptr, nullptr);
    if (Window* d = dialog ? Find(dialog) : nullptr) {
        d->dialogProc = proc;
        d->baseX = units.x;
        d->baseY = units.y;
    }
    return dialog;
}

void CreateControls(HWND dialog, const DialogTemplate& t, HFONT font)
{
    const BaseUnits units = UnitsOf(t);
    for (int i = 0; i < t.itemCount; ++i) {
        const DialogItemTemplate& item = t.items[i];
        const RECT r = ToPixels(units, item.x, item.y, item.cx, item.cy);
        const HWND control = CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className, item.text,
                                             item.style, r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
                                             reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(item.id)), nullptr,
                                             nullptr);
        if (control && font)
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        // The last default push button of the template is the dialog's.
        if (control && lstrcmpiA(item.className, "Button") == 0 && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            Window* d = Find(dialog);
            if (HWND previous = d && d->defaultId ? GetDlgItem(dialog, d->defaultId) : nullptr)
                SendMessageA(previous, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
            if ((d = Find(dialog)) != nullptr)
                d->defaultId = item.id;
        }
    }
}

HWND FirstTabStop(HWND dialog)
{
    Window* d = Find(dialog);
    if (!d)
        return nullptr;
    for (HWND child : d->children)
        if ((GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(child) &&
            (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
            return child;
    return nullptr;
}

bool Ended(HWND dialog)
{
    Window* d = IsWindow(dialog) ? Find(dialog) : nullptr;
    return !d || d->ended;
}

// A key the absent user presses, through the dialog manager.
void PressKey(HWND dialog, WPARAM key)
{
    const HWND focus = GetFocus();
    MSG message = {};
    message.hwnd = focus && IsChild(dialog, focus) ? focus : dialog;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    IsDialogMessageA(dialog, &message);
}

void RunModalLoop(HWND dialog)
{
    int idleRounds = 0;
    while (!Ended(dialog)) {
        PostedMessage posted;
        if (TakePosted(&posted)) {
            Deliver(posted);
            continue;
        }
        switch (idleRounds++) {
        case 0: PressKey(dialog, VK_RETURN); break;
        case 1: PressKey(dialog, VK_ESCAPE); break;
        default: EndDialog(dialog, IDCANCEL); break;
        }
    }
}

void InitialiseDialog(HWND dialog, const DialogTemplate& t, HFONT font, LPARAM param)
{
    if (font)
        SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    CreateControls(dialog, t, font);
    const HWND first = FirstTabStop(dialog);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && first && IsWindow(first) &&
        !Ended(dialog)) {
        SetFocus(first);
        if (SendMessageA(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
            SendMessageA(first, EM_SETSEL, 0, -1);
    }
    if (!Ended(dialog) && !(GetWindowLongA(dialog, GWL_STYLE) & WS_VISIBLE))
        ShowWindow(dialog, SW_SHOWNORMAL);
    // The first painting: owner-drawn buttons draw themselves.
    if (Window* d = Ended(dialog) ? nullptr : Find(dialog)) {
        const std::vector<HWND> children = d->children;
        for (HWND child : children)
            InvalidateRect(child, nullptr, TRUE);
    }
}

} // namespace

} // namespace nativeui

using namespace nativeui;

INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param)
{
    const DialogTemplate* t = FindDialogTemplate(TemplateId(templateName));
    if (!t) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    if (owner && !IsWindow(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    const HWND dialog = CreateDialogWindow(*t, owner, proc);
    if (!dialog)
        return -1;
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    const HWND previousActive = GetActiveWindow();
    Activate(dialog);
    const HFONT font = MakeTemplateFont(*t);
    InitialiseDialog(dialog, *t, font, param);
    RunModalLoop(dialog);
    Window* d = IsWindow(dialog) ? Find(dialog) : nullptr;
    const INT_PTR result = d ? d->endResult : IDCANCEL;
    if (d)
        DestroyWindow(dialog);
    if (font)
        DeleteObject(font);
    if (disableOwner && IsWindow(owner))
        EnableWindow(owner, TRUE);
    Activate(owner ? owner : previousActive);
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    Window* d = Find(dialog);
    if (!d || !IsDialogWindow(*d))
        return FALSE;
    d->ended = true;
    d->endResult = result;
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

BOOL MapDialogRect(HWND dialog, LPRECT rect)
{
    Window* d = Find(dialog);
    if (!d || !rect)
        return FALSE;
    if (!IsDialogWindow(*d)) {
        SetLastError(ERROR_WINDOW_NOT_DIALOG);
        return FALSE;
    }
    rect->left = MulDiv(rect->left, d->baseX, 4);
    rect->right = MulDiv(rect->right, d->baseX, 4);
    rect->top = MulDiv(rect->top, d->baseY, 8);
    rect->bottom = MulDiv(rect->bottom, d->baseY, 8);
    return TRUE;
}
