// The class library's window classes, the same in both builds: windows,
// modal dialogs, the standard controls, fonts, menus, and the dialog driver
// with the user's actions.
#pragma once

#include "platform/classlib/Wnd.h"
#include "platform/classlib/Dialog.h"
#include "platform/classlib/Controls.h"
#include "platform/classlib/Font.h"
#include "platform/classlib/Menu.h"
#include "platform/classlib/DialogDriver.h"
#include "platform/classlib/UserActions.h"
