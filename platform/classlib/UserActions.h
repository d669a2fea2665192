// What a user does in a dialog, for the dialog driver: each action goes
// through the messages the user's keys and clicks produce, so that the
// controls answer and notify as they do for a person. An action returns
// false, and does nothing, when the user could not do it: the control is
// missing, hidden or disabled, or the item does not exist.
#pragma once

#include "platform/classlib/DialogDriver.h"

// Focuses an edit field (or the edit field of a combo box), selects its
// text and types text over it, a character at a time (WM_CHAR, each with
// the control's change notification); an empty text deletes the selection.
bool UserType(HWND dialog, int id, const char* text);
// One key typed into the focused control as it is (e.g. 1 for Ctrl+A).
bool UserTypeChar(HWND dialog, int id, char ch);
// Chooses item index of a list box (a click on the item) or of a combo box
// (drop-down, the item, close: CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK,
// CBN_CLOSEUP).
bool UserSelect(HWND dialog, int id, int index);
// A click on a control (BM_CLICK for buttons, a mouse click elsewhere).
bool UserClick(HWND dialog, int id);
// A double click on a control; in a list box on item index.
bool UserDoubleClick(HWND dialog, int id, int index = -1);
// Enter and Escape, through the dialog manager's keyboard handling.
void UserPressEnter(HWND dialog);
void UserPressEscape(HWND dialog);
// The close box of the caption.
void UserCloseBox(HWND dialog);
// Chooses an enabled item of the pop-up menu the driver is called for.
bool UserChooseMenuItem(const UserScene* scene, UINT id);
