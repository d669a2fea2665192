// Widening a label to its text.
#include "framework/MVFitText.h"

#include "framework/MVDialog.h"

namespace {

// The width of text in the window's font, in pixels; 0 when it cannot be
// measured.
LONG TextWidth(CWnd& window, const CString& text)
{
    const HDC dc = ::GetDC(window.m_hWnd);
    if (!dc)
        return 0;
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(window.SendMessage(WM_GETFONT));
    const HGDIOBJ previous = font ? ::SelectObject(dc, font) : nullptr;
    SIZE size = {0, 0};
    const BOOL measured = ::GetTextExtentPoint32A(dc, text, text.GetLength(), &size);
    if (previous)
        ::SelectObject(dc, previous);
    ::ReleaseDC(window.m_hWnd, dc);
    return measured ? size.cx : 0;
}

} // namespace

void WidenToText(CMVCtr& control, int rightEdge)
{
    CWnd* window = control.Window();
    CMVDialog* dialog = control.owner;
    if (!window || !window->m_hWnd || !dialog || !dialog->m_hWnd)
        return;
    RECT edge = {0, 0, rightEdge, 0};
    if (!::MapDialogRect(dialog->m_hWnd, &edge))
        return;
    RECT r;
    window->GetWindowRect(&r);
    dialog->ScreenToClient(&r);
    const LONG needed = r.left + TextWidth(*window, window->GetWindowText());
    const LONG right = needed < edge.right ? needed : edge.right;
    if (right <= r.right)
        return;
    const int width = static_cast<int>(right - r.left), height = static_cast<int>(r.bottom - r.top);
    control.layout = LayoutRect{static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(width),
                                static_cast<float>(height)};
    window->MoveWindow(static_cast<int>(r.left), static_cast<int>(r.top), width, height);
}
