// The dialog base of every dialog of the system. It keeps its controls (in
// the order they were constructed) and exchanges their values with their
// windows, routes commands through extension objects and the controls'
// command filters, sets the dialog font, the caption and the placement
// (remembered in the registry or an ini file when locationString is set,
// clamped to the virtual screen), forwards OK and Cancel to an owner dialog
// when it is embedded in one, and scrolls its content when asked to.
#pragma once

#include "framework/MVCtr.h"

#include <vector>

class CMVDialog;

// An object that sees a dialog's commands and its initialisation before
// the dialog's controls do.
class CMVDialogExtension {
public:
    virtual ~CMVDialogExtension() = default;
    // True when the extension handled the command (the routing ends).
    virtual bool OnCommand(CMVDialog& dialog, UINT id, int code);
    virtual void OnInitDialog(CMVDialog& dialog);
};

class CMVDialog : public CDialog, public SDiaCtrBas {
public:
    explicit CMVDialog(UINT templateId, CWnd* parent = nullptr);
    ~CMVDialog() override;

    // The platform dialog's hooks.
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnCmdMsg(UINT id, int code) override;
    bool OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // The framework's own slots, in their order.
    // Runs modally with the templates of the named loaded module (the
    // current template source when the name is null or not loaded).
    virtual INT_PTR DoModal(const char* moduleName);
    // Whether a control's command may pass (non-zero lets it through).
    virtual int UpdateHook(int controlId);
    // The extension objects see a command; true when one handled it.
    virtual bool Broadcast(UINT id, int code);
    virtual BOOL TakeValues();
    virtual BOOL PutValues();
    // WM_SHOWWINDOW: non-zero swallows the message.
    virtual int ShowWindowHook(WPARAM wParam, LPARAM lParam);
    virtual int Hook2();
    virtual int Hook3();
    virtual void EmptyHook();
    virtual void Show(bool show);
    virtual bool IsVisible() const;

    // Exchanges text with the window text of the item id, a control that
    // has no control object; nothing when the item is not there.
    void ExchangeItemText(CDataExchange* exchange, int id, CString& text);

    void Register(CMVCtr* control);
    void Unregister(CMVCtr* control);
    const std::vector<CMVCtr*>& Controls() const { return controls; }
    CMVCtr* ControlById(int controlId) const;

    CString caption;
    LayoutRect layout;
    LayoutRect initialLayout;
    CString locationString;
    bool resizable = false;
    bool recordOpen = false;
    std::vector<CMVCtr*> controls;
    std::vector<CMVDialogExtension*> extensions;
    CMVDialog* ownerDialog = nullptr;
    int lastCommand = 0;
    int previousCommand = 0;
    int nextDynamicId = 20000;
    bool windowExists = false;
    bool modal = false;
    bool scrollHorizontal = false;
    bool scrollVertical = false;
    int scrollX = 0;
    int scrollY = 0;
    // The dialog's own font for its controls (null: the configured font).
    HFONT dialogFont = nullptr;

private:
    void ExchangeControl(CMVCtr& control, CDataExchange* exchange);
    void PlaceDialog();
    void ApplyLayout(CMVCtr& control);
    bool PlacementMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool ScrollMessage(UINT message, WPARAM wParam);
};
