// The class library's window object: a CWnd stands for one window through
// its handle. A window bound with SubclassWindow or SubclassDlgItem sends
// every message through the object first: PreTranslateMessage sees the
// keyboard and mouse messages (the window-message pre-filter), WindowProc
// all of them, and Default hands a message on to the window's own
// procedure. The same code serves both builds; natively the window calls
// reach the stand-in window manager of platform/posix/.
#pragma once

#include "platform/platform.h"

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Binding to a window: its messages pass through this object until the
    // window is destroyed or UnsubclassWindow is called.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    // The object bound to a window, or null.
    static CWnd* FromHandlePermanent(HWND window);

    HWND GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    HWND GetParent() const;
    DWORD GetStyle() const;

    void SetWindowText(const char* text);
    CString GetWindowText() const;
    int GetWindowTextLength() const;

    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;

    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE);
    void GetWindowRect(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(POINT* point) const;

    HWND SetFocus();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetFont(HFONT font, BOOL redraw = TRUE);
    HFONT GetFont() const;
    void SetRedraw(BOOL redraw = TRUE);
    void Invalidate(BOOL erase = TRUE);
    BOOL DestroyWindow();

    // The window-message pre-filter: keyboard and mouse messages of a bound
    // window come here first; true when handled (the window does not see it).
    virtual BOOL PreTranslateMessage(MSG* message);
    // Every message of a bound window; the default hands it on (Default).
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification from the window's parent meant for this control
    // (WM_DRAWITEM); true when handled.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    HWND m_hWnd = nullptr;

protected:
    // The window's own procedure for a message.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Remembers the object for its window without routing the window's
    // messages (dialogs receive theirs through their dialog procedure).
    void AttachHandle(HWND window);
    void DetachHandle();

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_oldProc = nullptr;
};
