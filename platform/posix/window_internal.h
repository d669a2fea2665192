// Native build: the window objects behind the window handles, shared by the
// parts of the native window manager (window_*.cpp, control_*.cpp,
// dialog_box.cpp, gdi.cpp, menu.cpp). Not for use outside platform/posix/.
#pragma once

#include "platform/posix/window.h"

#include <string>
#include <vector>

namespace nativeui {

struct ListState {
    std::vector<std::string> items;
    std::vector<LONG_PTR> data;
    int selection = -1;
    int top = 0;
    int horizontalExtent = 0; // the width in pixels the list scrolls across
};

// What was filled into a window's device context, kept for GetPixel.
struct Fill {
    RECT rect;
    COLORREF color;
};

struct Window {
    HWND handle = nullptr;
    std::string className; // canonical spelling: Button, Edit, Static, ListBox, ComboBox, #32770
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    RECT rect{};           // in the parent's client coordinates; on the screen for a top-level window
    std::string text;
    HWND parent = nullptr; // the parent of a child window, the owner of a top-level one
    std::vector<HWND> children;
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    HFONT font = nullptr;
    bool redraw = true;

    // Dialogs.
    DLGPROC dialogProc = nullptr;
    LONG_PTR dialogUser = 0;
    LONG_PTR messageResult = 0;
    int defaultId = 0;
    int baseX = 0;
    int baseY = 0;
    bool ended = false;
    INT_PTR endResult = 0;

    // Edit controls and the edit field of a combo box.
    int selStart = 0;
    int selEnd = 0;
    int limit = 0x7FFFFFFE;
    bool modified = false;

    // List boxes and combo boxes.
    ListState list;
    bool dropped = false;

    // Buttons.
    int check = BST_UNCHECKED;
    bool pushed = false;

    SCROLLINFO scroll[2]{};
    std::vector<Fill> fills;
};

// The window of a handle; null, with ERROR_INVALID_WINDOW_HANDLE as the last
// error, for a handle that names no window.
Window* Find(HWND window);

bool IsChildStyle(const Window& w);
bool IsDialogWindow(const Window& w);
// Frame widths of the non-client area: left, top (with the caption), right
// and bottom.
RECT NonClientInsets(const Window& w);
// The origin of the window's client area on the screen.
POINT ClientOrigin(const Window& w);

// A control's notification: WM_COMMAND (id, code) to its parent.
void Notify(HWND control, UINT code);

// The posted-message queue of the user-interface thread.
struct PostedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
bool TakePosted(PostedMessage* message);
// Delivers one posted message (dropped when its window is gone).
void Deliver(const PostedMessage& message);

// The window procedures of the control classes and of dialogs.
LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The text editing shared by edit controls and editable combo boxes: the
// result of a typed character or a replacement of the selection; true when
// the text changed.
bool EditTypeChar(Window& w, unsigned char ch);
bool EditReplaceSelection(Window& w, const std::string& text);
void EditSetSelection(Window& w, int start, int end);
LRESULT EditGetSelection(const Window& w, WPARAM startOut, LPARAM endOut);

// The items of list boxes and of the lists of combo boxes. Indexes out of
// range give -1 (LB_ERR, CB_ERR). A find starts after start (-1: at the
// first item), goes round once and compares without regard to case, the
// whole text when exact is set, else its beginning.
int ListAdd(ListState& list, const char* text, bool sorted);
int ListInsert(ListState& list, int index, const char* text);
int ListDelete(ListState& list, int index);
void ListReset(ListState& list);
int ListFind(const ListState& list, int start, const char* text, bool exact);
LRESULT ListGetText(const ListState& list, int index, LPARAM buffer);
LRESULT ListGetTextLength(const ListState& list, int index);
bool ListValid(const ListState& list, int index);

// Text of a window into a caller's buffer of size characters (WM_GETTEXT).
LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer);

// Owner-drawn buttons: WM_DRAWITEM to the parent with a device context of
// the button (gdi.cpp).
void PaintOwnerDrawn(HWND button);
HDC OpenWindowDC(HWND window);
void CloseWindowDC(HDC dc);

// The active top-level window (a modal dialog makes itself active and gives
// the activation back to its owner when it ends).
void Activate(HWND window);

// Menus: the tracking flag that EndMenu clears.
bool MenuTracking();

} // namespace nativeui
