// The control object's registration and its base slots.
#include "framework/MVCtr.h"

#include "framework/MVDialog.h"
#include "framework/MVDialogFont.h"

const char* const NoTextSentinel = "MVDialogNoIniString";
const char* const UndefinedMarker = "(?)";

namespace {

CMVDialog* g_underConstruction = nullptr;

} // namespace

CMVDialog* DialogUnderConstruction()
{
    return g_underConstruction;
}

void SetDialogUnderConstruction(CMVDialog* dialog)
{
    g_underConstruction = dialog;
}

LayoutRect LayoutOf(const RECT& r)
{
    return LayoutRect{static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right - r.left),
                      static_cast<float>(r.bottom - r.top)};
}

CMVCtr::CMVCtr(int controlId, CMVDialog* explicitOwner)
    : SDiaCtrBas{kControlKind},
      text(NoTextSentinel),
      hasText(false),
      dynamic(controlId <= 0),
      enabled(true),
      visible(true),
      owner(explicitOwner ? explicitOwner : DialogUnderConstruction()),
      id(controlId < 0 ? -controlId : controlId)
{
    if (owner)
        owner->Register(this);
}

CMVCtr::~CMVCtr()
{
    if (owner)
        owner->Unregister(this);
}

CWnd* CMVCtr::Window()
{
    return nullptr;
}

bool CMVCtr::WindowLive() const
{
    CWnd* window = const_cast<CMVCtr*>(this)->Window();
    return owner && owner->windowExists && window && window->m_hWnd && IsWindow(window->m_hWnd);
}

HWND CMVCtr::Handle() const
{
    CWnd* window = const_cast<CMVCtr*>(this)->Window();
    return window ? window->m_hWnd : nullptr;
}

// The stored flags go to the window, and the dialog's font (its own, else
// the configured one) when there is one.
void CMVCtr::Attach()
{
    if (!Handle())
        return;
    EnableWindow(Handle(), enabled ? TRUE : FALSE);
    ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
    const HFONT font = owner && owner->dialogFont ? owner->dialogFont : ConfiguredDialogFont();
    if (font)
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void CMVCtr::Reserved3() {}

bool CMVCtr::ValueFromWindow()
{
    return true;
}

void CMVCtr::ValueToWindow() {}

bool CMVCtr::IsDefined() const
{
    return true;
}

void CMVCtr::SetDefined(bool) {}

const char* CMVCtr::DynamicClass() const
{
    return nullptr;
}

DWORD CMVCtr::DynamicStyle() const
{
    return 0;
}

// A dynamic control's window, at its layout (or an empty rectangle) in the
// dialog.
bool CMVCtr::CreateControlWindow()
{
    if (!owner || !owner->m_hWnd || !DynamicClass())
        return false;
    const bool placed = layout.x != kLayoutUnset && layout.width != kLayoutUnset;
    const int x = placed ? static_cast<int>(layout.x) : 0, y = placed ? static_cast<int>(layout.y) : 0;
    const int w = placed ? static_cast<int>(layout.width) : 0, h = placed ? static_cast<int>(layout.height) : 0;
    const char* initial = text == NoTextSentinel ? "" : text.GetString();
    return CreateWindowExA(0, DynamicClass(), initial, WS_CHILD | WS_VISIBLE | DynamicStyle(), x, y, w, h,
                           owner->m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           nullptr) != nullptr;
}

bool CMVCtr::CommandFilter(UINT commandId, int)
{
    if (!owner || commandId != static_cast<UINT>(id))
        return true;
    return owner->UpdateHook(id) != 0;
}

void CMVCtr::Enable(bool enable)
{
    enabled = enable;
    if (WindowLive())
        EnableWindow(Handle(), enable ? TRUE : FALSE);
}

void CMVCtr::Show(bool show)
{
    visible = show;
    if (WindowLive())
        ShowWindow(Handle(), show ? SW_SHOWNA : SW_HIDE);
}

bool CMVCtr::IsEnabled() const
{
    return WindowLive() ? IsWindowEnabled(Handle()) != FALSE : enabled;
}

void CMVCtr::Reserved13() {}

bool CMVCtr::IsVisible() const
{
    return WindowLive() ? (GetWindowLongA(Handle(), GWL_STYLE) & WS_VISIBLE) != 0 : visible;
}

void CMVCtr::Reserved15() {}

bool CMVCtr::PreFilter(MSG*)
{
    return false;
}
