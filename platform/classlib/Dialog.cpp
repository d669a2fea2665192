// The modal dialog: its dialog procedure, the routing of its messages and
// the OK and Cancel paths of the class library.
#include "platform/classlib/Dialog.h"

#include "platform/classlib/DialogDriver.h"

namespace {

HMODULE g_templateSource = nullptr;
bool g_templateSourceSet = false;

// The window a dialog without a parent belongs to: the caller's active
// window (the host's, or the dialog that opened this one).
HWND DefaultOwner()
{
    return GetActiveWindow();
}

} // namespace

HMODULE GetDialogTemplateSource()
{
    if (!g_templateSourceSet)
        return GetModuleHandleA(nullptr);
    return g_templateSource;
}

void SetDialogTemplateSource(HMODULE module)
{
    g_templateSource = module;
    g_templateSourceSet = true;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_templateId(templateId) {}

CDialog::~CDialog()
{
    DetachHandle();
}

INT_PTR CDialog::DoModal()
{
    m_ended = false;
    const HWND owner = m_pParentWnd && m_pParentWnd->m_hWnd ? m_pParentWnd->m_hWnd : DefaultOwner();
    const INT_PTR result = DialogBoxParamA(GetDialogTemplateSource(), MAKEINTRESOURCEA(m_templateId), owner,
                                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    DetachHandle();
    return result;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate != FALSE);
    DoDataExchange(&exchange);
    return exchange.Failed() ? FALSE : TRUE;
}

BOOL CDialog::OnCmdMsg(UINT id, int code)
{
    if (OnCommandMap(id, code))
        return TRUE;
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

bool CDialog::OnCommandMap(UINT, int)
{
    return false;
}

bool CDialog::OnDialogMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

void CDialog::EndDialog(int result)
{
    m_ended = true;
    ::EndDialog(m_hWnd, result);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(SendMessage(DM_GETDEFID));
}

void CDialog::GotoDlgCtrl(HWND control)
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return dialog ? dialog->InitDialog(window) : TRUE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!dialog || dialog->m_hWnd != window)
        return FALSE;
    const INT_PTR handled = dialog->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        dialog->DetachHandle();
    return handled;
}

INT_PTR CDialog::InitDialog(HWND window)
{
    AttachHandle(window);
    const BOOL focusDefault = OnInitDialog();
    if (GetDialogDriver(nullptr))
        PostMessage(kDriverStartMessage);
    return focusDefault;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (DriverTurn(message, wParam, lParam))
        return TRUE;
    if (message == WM_COMMAND)
        return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    if (message == WM_DRAWITEM && lParam) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CWnd* control = CWnd::FromHandlePermanent(item->hwndItem);
        if (control && control->OnChildNotify(message, wParam, lParam, &result)) {
            SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
    }
    if (OnDialogMessage(message, wParam, lParam, &result)) {
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    return FALSE;
}

bool CDialog::DriverTurn(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kDriverStartMessage) {
        RunDialogDriver(*this);
        return true;
    }
    if (message == kDriverCheckMessage) {
        FinishDriverTurn(*this, static_cast<int>(wParam));
        return true;
    }
    if (message == kDriverMenuMessage) {
        RunMenuDriver(m_hWnd, reinterpret_cast<HMENU>(lParam));
        return true;
    }
    return false;
}
