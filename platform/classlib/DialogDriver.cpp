// The dialog driver's installation and its turns in dialogs and menus.
#include "platform/classlib/DialogDriver.h"

#include "platform/classlib/Dialog.h"
#include "platform/classlib/UserActions.h"

namespace {

struct Driver {
    DialogDriver function;
    void* context;
};
Driver g_driver = {nullptr, nullptr};
UINT g_menuChoice = 0;
bool g_menuOpen = false;

} // namespace

void SetDialogDriver(DialogDriver driver, void* context)
{
    g_driver = Driver{driver, driver ? context : nullptr};
}

DialogDriver GetDialogDriver(void** context)
{
    if (context)
        *context = g_driver.context;
    return g_driver.function;
}

void RunDialogDriver(CDialog& dialog)
{
    const Driver driver = g_driver;
    const HWND window = dialog.m_hWnd;
    // The dialog manager shows a dialog once its queue is first empty; the
    // user acts on a dialog that is shown.
    if (IsWindow(window) && !IsWindowVisible(window)) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    if (driver.function) {
        const UserScene scene = {window, static_cast<int>(dialog.TemplateId()), nullptr};
        driver.function(driver.context, &scene);
    }
    if (IsWindow(window) && !dialog.HasEnded())
        PostMessageA(window, kDriverCheckMessage, 1, 0);
}

void FinishDriverTurn(CDialog& dialog, int step)
{
    const HWND window = dialog.m_hWnd;
    if (!IsWindow(window) || dialog.HasEnded())
        return;
    if (step == 1)
        UserPressEnter(window);
    else if (step == 2)
        UserPressEscape(window);
    else
        dialog.EndDialog(IDCANCEL);
    if (IsWindow(window) && !dialog.HasEnded() && step < 3)
        PostMessageA(window, kDriverCheckMessage, static_cast<WPARAM>(step + 1), 0);
}

void RunMenuDriver(HWND owner, HMENU menu)
{
    const Driver driver = g_driver;
    g_menuOpen = true;
    if (driver.function) {
        const UserScene scene = {owner, 0, menu};
        driver.function(driver.context, &scene);
    }
    g_menuOpen = false;
    EndMenu(); // chosen or not, the menu closes now
}

void ChooseMenuItem(UINT id)
{
    if (g_menuOpen)
        g_menuChoice = id;
}

UINT TakeMenuChoice()
{
    const UINT choice = g_menuChoice;
    g_menuChoice = 0;
    return choice;
}
