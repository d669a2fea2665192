// The dialog base: registration of its controls, the data exchange,
// initialisation, command routing and the OK and Cancel paths.
#include "framework/MVDialog.h"

#include "framework/MVDialogFont.h"

#include <algorithm>
#include <cmath>

bool CMVDialogExtension::OnCommand(CMVDialog&, UINT, int)
{
    return false;
}

void CMVDialogExtension::OnInitDialog(CMVDialog&) {}

CMVDialog::CMVDialog(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent),
      SDiaCtrBas{kDialogKind},
      caption(NoTextSentinel)
{
    SetDialogUnderConstruction(this);
}

CMVDialog::~CMVDialog()
{
    if (DialogUnderConstruction() == this)
        SetDialogUnderConstruction(nullptr);
    for (CMVCtr* control : controls)
        control->owner = nullptr;
}

void CMVDialog::Register(CMVCtr* control)
{
    if (control->id == 0)
        control->id = nextDynamicId++;
    controls.push_back(control);
}

void CMVDialog::Unregister(CMVCtr* control)
{
    controls.erase(std::remove(controls.begin(), controls.end(), control), controls.end());
}

CMVCtr* CMVDialog::ControlById(int controlId) const
{
    for (CMVCtr* control : controls)
        if (control->id == controlId)
            return control;
    return nullptr;
}

INT_PTR CMVDialog::DoModal()
{
    return DoModal(nullptr);
}

INT_PTR CMVDialog::DoModal(const char* moduleName)
{
    modal = true;
    const HMODULE previous = GetDialogTemplateSource();
    const HMODULE chosen = moduleName ? GetModuleHandleA(moduleName) : nullptr;
    if (chosen)
        SetDialogTemplateSource(chosen);
    const INT_PTR result = CDialog::DoModal();
    if (chosen)
        SetDialogTemplateSource(previous);
    modal = false;
    windowExists = false;
    return result;
}

BOOL CMVDialog::OnInitDialog()
{
    if (const HFONT font = ConfiguredDialogFont())
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    windowExists = true;
    const BOOL focusDefault = CDialog::OnInitDialog();
    for (CMVDialogExtension* extension : extensions)
        extension->OnInitDialog(*this);
    for (CMVCtr* control : controls)
        control->Attach();
    PlaceDialog();
    return focusDefault;
}

void CMVDialog::DoDataExchange(CDataExchange* exchange)
{
    WriteDialogUnitRatio(m_hWnd);
    const std::vector<CMVCtr*> list = controls;
    for (CMVCtr* control : list) {
        ExchangeControl(*control, exchange);
        if (exchange->Failed())
            return;
    }
}

// One control's part of the exchange: its window made (dynamic controls)
// and bound by id, its layout taken or applied, its caption, its value.
void CMVDialog::ExchangeControl(CMVCtr& control, CDataExchange* exchange)
{
    CWnd* window = control.Window();
    if (!window)
        return;
    if (control.dynamic && !window->m_hWnd && !GetDlgItem(control.id))
        control.CreateControlWindow();
    if (!window->m_hWnd)
        window->SubclassDlgItem(static_cast<UINT>(control.id), this);
    if (!window->m_hWnd)
        return;
    if (control.layout.x == kLayoutUnset) {
        RECT r;
        window->GetWindowRect(&r);
        ScreenToClient(&r);
        control.layout = LayoutOf(r);
        if (control.initialLayout.x == kLayoutUnset)
            control.initialLayout = control.layout;
    } else {
        ApplyLayout(control);
    }
    if (control.hasText) {
        if (control.text != NoTextSentinel)
            window->SetWindowText(control.text);
        else
            control.text = window->GetWindowText();
    }
    if (!exchange->m_bSaveAndValidate) {
        control.ValueToWindow();
        return;
    }
    if (!control.ValueFromWindow())
        exchange->Fail();
}

void CMVDialog::ExchangeItemText(CDataExchange* exchange, int id, CString& text)
{
    const HWND item = GetDlgItem(id);
    if (!item)
        return;
    if (!exchange->m_bSaveAndValidate) {
        ::SetWindowTextA(item, text);
        return;
    }
    const int length = ::GetWindowTextLengthA(item);
    ::GetWindowTextA(item, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer();
}

void CMVDialog::ApplyLayout(CMVCtr& control)
{
    CWnd* window = control.Window();
    if (!window || !window->m_hWnd || control.layout.x == kLayoutUnset)
        return;
    const auto round = [](float v) { return static_cast<int>(std::lround(v)); };
    RECT r;
    window->GetWindowRect(&r);
    ScreenToClient(&r);
    const int x = round(control.layout.x), y = round(control.layout.y);
    const int w = control.layout.width == kLayoutUnset ? r.right - r.left : round(control.layout.width);
    const int h = control.layout.height == kLayoutUnset ? r.bottom - r.top : round(control.layout.height);
    if (x != r.left || y != r.top || w != r.right - r.left || h != r.bottom - r.top)
        window->MoveWindow(x, y, w, h);
}

BOOL CMVDialog::OnCmdMsg(UINT commandId, int code)
{
    if (code == 0)
        lastCommand = static_cast<int>(commandId);
    if (Broadcast(commandId, code))
        return TRUE;
    bool refused = false;
    const std::vector<CMVCtr*> list = controls;
    for (CMVCtr* control : list)
        if (!control->CommandFilter(commandId, code))
            refused = true;
    if (refused)
        return TRUE;
    return CDialog::OnCmdMsg(commandId, code);
}

void CMVDialog::OnOK()
{
    if (ownerDialog) {
        ownerDialog->OnOK();
        return;
    }
    previousCommand = lastCommand;
    const DWORD defaultButton = GetDefID();
    if (HIWORD(defaultButton) == DC_HASDEFID)
        lastCommand = LOWORD(defaultButton);
    CDialog::OnOK();
}

void CMVDialog::OnCancel()
{
    if (ownerDialog) {
        ownerDialog->OnCancel();
        return;
    }
    previousCommand = lastCommand;
    lastCommand = IDCANCEL;
    CDialog::OnCancel();
}

int CMVDialog::UpdateHook(int)
{
    return 1;
}

bool CMVDialog::Broadcast(UINT commandId, int code)
{
    for (CMVDialogExtension* extension : extensions)
        if (extension->OnCommand(*this, commandId, code))
            return true;
    return false;
}

BOOL CMVDialog::TakeValues()
{
    return UpdateData(TRUE);
}

BOOL CMVDialog::PutValues()
{
    return UpdateData(FALSE);
}

int CMVDialog::ShowWindowHook(WPARAM, LPARAM)
{
    return 0;
}

int CMVDialog::Hook2()
{
    return 0;
}

int CMVDialog::Hook3()
{
    return 0;
}

void CMVDialog::EmptyHook() {}

void CMVDialog::Show(bool show)
{
    if (windowExists)
        ShowWindow(show ? SW_SHOW : SW_HIDE);
}

bool CMVDialog::IsVisible() const
{
    return windowExists && IsWindowVisible();
}

bool CMVDialog::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_SHOWWINDOW:
        if (ShowWindowHook(wParam, lParam) == 0)
            return false;
        *result = 0;
        return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (!ScrollMessage(message, wParam))
            return false;
        *result = 0;
        return true;
    default:
        PlacementMessage(message, wParam, lParam);
        return false;
    }
}
