// A dialog of the framework on the format dialog's template (137), with a
// control object of each kind bound to one of its controls, a command map
// and an update hook that a test sets.
#pragma once

#include "dialog_fixture.h"
#include "dialogs/dialog_ids.h"
#include "framework/MVButton.h"
#include "framework/MVDialog.h"
#include "framework/MVEditBox.h"
#include "framework/MVListBox.h"
#include "framework/MVNumBox.h"

#include <functional>

class TestDialog : public CMVDialog {
public:
    TestDialog() : CMVDialog(kTemplateFormat) {}

    INT_PTR Run() { return DoModal(kTestTemplateModule); }

    bool OnCommandMap(UINT id, int code) override { return commands && commands(id, code); }
    int UpdateHook(int id) override { return updateHook ? updateHook(id) : CMVDialog::UpdateHook(id); }

    CMVOKButI ok;
    CMVCancelButI cancel;
    CMVNumBox<int> number{1042};
    CMVEditBox comment{1022};
    CMVCheckBoxInt decimalComma{5003};
    CMVDropLBox system{1030};
    CMVListBox offered{1033};
    CMVStaticText formatLabel{1026};

    std::function<bool(UINT, int)> commands;
    std::function<int(int)> updateHook;
};

// Control ids of template 137 that the tests click.
const int kSaveButton = 1036;
const int kDeleteButton = 1037;
