// The decode-error dialog: it shows the message about an unknown command
// in a point file and lets the user skip the line (OK, also Enter: 1), stop
// reading (button 1054: 0) or skip it and every later unknown command of
// the file (button 1055: 2). Escape and the caption's close box stop the
// reading too (0): the user has not agreed to skip anything, and no answer
// of an earlier report is reused.
#pragma once

#include "framework/MVButton.h"
#include "framework/MVDialog.h"

class CDlgDecodePoiErr : public CMVDialog {
public:
    class CMVButton_prerus : public CMVButton {
    public:
        CMVButton_prerus();
    };
    class CMVButton_nehlas : public CMVButton {
    public:
        CMVButton_nehlas();
    };

    CDlgDecodePoiErr();

    void DoDataExchange(CDataExchange* exchange) override;
    bool OnCommandMap(UINT id, int code) override;
    void OnCancel() override;

    // The text shown in control 1053; empty after construction.
    CString message;
    // The user's choice: 0, 1 or 2; set only by the buttons (and by Escape
    // and the close box, to 0).
    int result = 0;
    CMVOKButI okButton;
    CMVButton_prerus cancelReadingButton;
    CMVButton_nehlas noWarningsButton;
};
