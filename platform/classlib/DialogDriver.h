// The dialog driver: one process-wide routine that a host or a test
// installs to act in the system's modal dialogs and pop-up menus as a user
// would (UserActions.h). It is called once a dialog is initialised, from a
// message the dialog posts to itself during WM_INITDIALOG, so that it runs
// inside the dialog's real modal loop; and once a pop-up menu is shown,
// from a message posted to the menu's owner, which the menu's loop delivers.
//
// A driver is expected to end its dialog (a click, Enter, Escape). When it
// returns and the dialog is still open, the dialog gets Enter, then Escape,
// and at last ends with IDCANCEL, so that a driven dialog never waits for a
// user who is not there. A menu whose driver chose nothing closes with no
// choice. Natively, with no driver installed, a modal dialog ends as if the
// user had pressed Enter and a pop-up menu closes with no choice (the
// stand-in's modal loops); on Windows the real user acts.
#pragma once

#include "platform/platform.h"

// What the driver is called for: a dialog just opened (menu null), or a
// pop-up menu shown by a dialog (dialog is the menu's owner).
struct UserScene {
    HWND dialog;
    int templateId;
    HMENU menu;
};

static_assert(sizeof(UserScene) == 3 * sizeof(void*), "a host of either width shares the scene's layout");

typedef void (*DialogDriver)(void* context, const UserScene* scene);

// Installs a driver with its context; null removes it. Install it while no
// dialog of the system is open.
void SetDialogDriver(DialogDriver driver, void* context);
DialogDriver GetDialogDriver(void** context);

// The messages of the driver's turns (private to the system's dialogs).
const UINT kDriverStartMessage = WM_APP + 0x3D1;
const UINT kDriverCheckMessage = WM_APP + 0x3D2;
const UINT kDriverMenuMessage = WM_APP + 0x3D3;

class CDialog;
// The driver's turn in a dialog, and the steps that close a dialog the
// driver left open (step 1 Enter, 2 Escape, 3 IDCANCEL).
void RunDialogDriver(CDialog& dialog);
void FinishDriverTurn(CDialog& dialog, int step);
// The driver's turn in a shown pop-up menu.
void RunMenuDriver(HWND owner, HMENU menu);

// The item a driver chose in the menu now shown: kept until the menu's
// TrackPopupMenu takes it (0 for none).
void ChooseMenuItem(UINT id);
UINT TakeMenuChoice();
