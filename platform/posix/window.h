// Native build: a window manager without a screen. Windows are objects in
// memory with a class, style, id, rectangle, text, parent and children; the
// standard controls (Button, Edit, Static, ListBox, ComboBox) and the dialog
// class answer their messages with the documented Windows results, and a
// modal dialog is made from a template of the module's resource script (see
// dialog_templates.h). Nothing is drawn: owner-drawn buttons are asked to
// draw into a device context that keeps what was filled (gdi.cpp), so that
// GetPixel can read it back.
//
// Messages are delivered at once by SendMessageA; PostMessageA queues them
// for the modal loop of the running dialog or menu (one user-interface
// thread). Handles are never given out twice, so that a stale one is
// recognised.
//
// The screen is one monitor of 1280 by 1024 pixels at (0, 0), the size of the
// display the Windows tests run on. A dialog's template font gives its
// dialog base units: a font of p points has characters 13 * p / 8 pixels high
// and 6 * p / 8 pixels wide on average (MS Sans Serif 8: 6 by 13), rounded.
#pragma once

#include "platform/posix/window_defs.h"

// Windows.
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
HWND GetParent(HWND window);
HWND GetWindow(HWND window, UINT relation);
BOOL IsChild(HWND parent, HWND window);
int GetClassNameA(HWND window, LPSTR name, int size);

BOOL SetWindowTextA(HWND window, LPCSTR text);
int GetWindowTextA(HWND window, LPSTR text, int size);
int GetWindowTextLengthA(HWND window);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size);

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

LONG_PTR GetWindowLongPtrA(HWND window, int index);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG GetWindowLongA(HWND window, int index);
LONG SetWindowLongA(HWND window, int index, LONG value);

BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL ScreenToClient(HWND window, LPPOINT point);
BOOL ClientToScreen(HWND window, LPPOINT point);
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
// The mouse position in screen coordinates: the headless stand-in has no
// mouse, so it is the screen's top left corner.
BOOL GetCursorPos(LPPOINT point);

HWND SetFocus(HWND window);
HWND GetFocus();
HWND GetActiveWindow();
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);
// Paints at once what is invalidated (owner-drawn buttons), with the
// children when RDW_ALLCHILDREN is given.
BOOL RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags);
BOOL MessageBeep(UINT type);

// Dialogs.
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);
// The dialog manager's keyboard handling for a message meant for the dialog
// or one of its controls: Tab moves the focus, Enter clicks the focused push
// button or else the default button (IDOK when there is none), Escape sends
// IDCANCEL; anything else is delivered to its window. FALSE for a message of
// another window.
BOOL IsDialogMessageA(HWND dialog, LPMSG message);
BOOL MapDialogRect(HWND dialog, LPRECT rect);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);

// Scroll bars of a window (SB_HORZ, SB_VERT).
int SetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info);
int SetScrollPos(HWND window, int bar, int position, BOOL redraw);
int GetScrollPos(HWND window, int bar);
BOOL ScrollWindow(HWND window, int dx, int dy, const RECT* scrollRect, const RECT* clipRect);

int GetSystemMetrics(int index);

// Pop-up menus. TrackPopupMenu runs the menu's modal loop: it delivers the
// posted messages and, when none is left and nothing chose an item, closes
// the menu with no choice (0), as a user who clicks beside it does.
HMENU CreatePopupMenu();
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text);
BOOL DestroyMenu(HMENU menu);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
int GetMenuStringA(HMENU menu, UINT item, LPSTR text, int size, UINT flags);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
BOOL EndMenu();

// Fonts and drawing.
HFONT CreateFontIndirectA(const LOGFONTA* font);
int GetObjectA(HANDLE object, int size, LPVOID buffer);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ GetStockObject(int index);
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
int GetDeviceCaps(HDC dc, int index);
int MulDiv(int number, int numerator, int denominator);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// The stand-in has no glyphs: every character counts the average width of
// the selected font (half its height, rounded up), a line its height.
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size);
HBRUSH CreateSolidBrush(COLORREF color);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF SetTextColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);
BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags);
COLORREF GetPixel(HDC dc, int x, int y);
DWORD GetSysColor(int index);

// Modules: the program (null name) or a loaded shared object found by its
// file name; "NAME.dll" also finds "libNAME.so". The handle is an address
// inside the object, as the native module handles are.
HMODULE GetModuleHandleA(LPCSTR name);
