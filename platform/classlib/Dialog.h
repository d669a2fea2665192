// The class library's modal dialog. DoModal runs the dialog from a template
// of the module chosen as the template source (DialogBoxParamA on it); the
// dialog procedure routes the messages to the virtual hooks: OnInitDialog,
// OnCmdMsg for WM_COMMAND (then the dialog's own command map and the OK and
// Cancel paths), OnChildNotify of the control that WM_DRAWITEM names, and
// OnDialogMessage for the rest (the dialog's message map, a plain switch).
// The data exchange is DoDataExchange under UpdateData.
#pragma once

#include "platform/classlib/Wnd.h"

// The direction of one data exchange and whether it failed; a control that
// refuses its window's content calls Fail, and the exchange stops there.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    void Fail() { m_failed = true; }
    bool Failed() const { return m_failed; }

    const bool m_bSaveAndValidate;
    CWnd* const m_pDlgWnd;

private:
    bool m_failed = false;
};

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; IDOK, IDCANCEL, another EndDialog result, or
    // -1 when the template cannot be found or the dialog cannot be made.
    virtual INT_PTR DoModal();

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* exchange);
    virtual BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Command routing: true when the command was handled. The base asks the
    // dialog's command map, then takes IDOK and IDCANCEL clicks to OnOK and
    // OnCancel.
    virtual BOOL OnCmdMsg(UINT id, int code);
    // The dialog's own command map: true when it handled the command.
    virtual bool OnCommandMap(UINT id, int code);
    // The dialog's other messages: true when handled, with the result.
    virtual bool OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    void EndDialog(int result);
    bool HasEnded() const { return m_ended; }
    // The default push button's id (DM_GETDEFID): the id in the low word,
    // DC_HASDEFID in the high word; 0 when there is none.
    DWORD GetDefID() const;
    void GotoDlgCtrl(HWND control);
    UINT TemplateId() const { return m_templateId; }

    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR InitDialog(HWND window);
    bool DriverTurn(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    bool m_ended = false;
};

// The module whose resources give the dialog templates (the class library's
// resource handle); the program's own module until it is changed.
HMODULE GetDialogTemplateSource();
void SetDialogTemplateSource(HMODULE module);
