// The window classes as the platform gives them, in a dialog made straight
// from template 137 with a dialog procedure of the test: the documented
// results of the control messages, the dialog manager's keys, dialog units
// and menus. The same cases run natively (the stand-in) and under Wine (the
// real window manager), so that the two agree.
#include "test_dialog.h"

#include "platform/classlib/Menu.h"

#include <vector>

namespace {

struct Seen {
    std::vector<std::pair<int, int>> commands; // id, notification code
    std::function<void(HWND)> checks;
};

Seen* g_seen = nullptr;

INT_PTR CALLBACK RawDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        g_seen->checks(dialog);
        SendMessageA(dialog, WM_CLOSE, 0, 0); // answered later, by the posted IDCANCEL
        g_seen->commands.emplace_back(-1, -1);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        if (HIWORD(wParam) == 0) // clicks and keys; not the focus and change notifications
            g_seen->commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, 77);
        return TRUE;
    }
    return FALSE;
}

class WindowTest : public DialogTest {
protected:
    INT_PTR RunRaw(std::function<void(HWND)> checks)
    {
        seen.checks = std::move(checks);
        g_seen = &seen;
        const INT_PTR result = DialogBoxParamA(GetModuleHandleA(kTestTemplateModule) ? GetModuleHandleA(kTestTemplateModule)
                                                                                      : GetModuleHandleA(nullptr),
                                               MAKEINTRESOURCEA(137), nullptr, &RawDialogProc, 0);
        g_seen = nullptr;
        return result;
    }

    Seen seen;
};

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

LPARAM Str(const char* text)
{
    return reinterpret_cast<LPARAM>(text);
}

} // namespace

TEST_F(WindowTest, ListBoxMessages)
{
    EXPECT_EQ(RunRaw([](HWND d) {
        EXPECT_EQ(Send(d, 1033, LB_ADDSTRING, 0, Str("b")), 0);
        EXPECT_EQ(Send(d, 1033, LB_ADDSTRING, 0, Str("a")), 1); // not sorted
        EXPECT_EQ(Send(d, 1033, LB_INSERTSTRING, 1, Str("c")), 1);
        EXPECT_EQ(Send(d, 1033, LB_INSERTSTRING, 9, Str("x")), LB_ERR);
        EXPECT_EQ(Send(d, 1033, LB_GETCOUNT), 3);
        EXPECT_EQ(Send(d, 1033, LB_GETCURSEL), LB_ERR);
        EXPECT_EQ(Send(d, 1033, LB_SETCURSEL, 2), 2);
        EXPECT_EQ(Send(d, 1033, LB_SETCURSEL, 7), LB_ERR);
        EXPECT_EQ(Send(d, 1033, LB_DELETESTRING, 0), 2);
        EXPECT_EQ(Send(d, 1033, LB_GETCURSEL), 1); // the selection moved with its item
        EXPECT_EQ(Send(d, 1033, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Str("A")), 1);
        EXPECT_EQ(Send(d, 1033, LB_FINDSTRING, static_cast<WPARAM>(-1), Str("C")), 0);
        EXPECT_EQ(Send(d, 1033, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Str("zz")), LB_ERR);
        char item[8] = "";
        EXPECT_EQ(Send(d, 1033, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(item)), 1);
        EXPECT_STREQ(item, "a");
        EXPECT_EQ(Send(d, 1033, LB_GETTEXTLEN, 5), LB_ERR);
        EXPECT_EQ(Send(d, 1033, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
        EXPECT_EQ(Send(d, 1033, LB_GETCURSEL), LB_ERR);
        EXPECT_EQ(Send(d, 1033, LB_DELETESTRING, 4), LB_ERR);
        Send(d, 1033, LB_RESETCONTENT);
        EXPECT_EQ(Send(d, 1033, LB_GETCOUNT), 0);
    }), 77);
}

TEST_F(WindowTest, ComboBoxMessages)
{
    EXPECT_EQ(RunRaw([](HWND d) {
        // 1027 is a sorted drop-down list, 1045-like editable boxes are 5005.
        EXPECT_EQ(Send(d, 1027, CB_ADDSTRING, 0, Str("b")), 0);
        EXPECT_EQ(Send(d, 1027, CB_ADDSTRING, 0, Str("a")), 0);
        EXPECT_EQ(Send(d, 1027, CB_ADDSTRING, 0, Str("c")), 2);
        EXPECT_EQ(Send(d, 1027, CB_GETCURSEL), CB_ERR);
        EXPECT_EQ(Send(d, 1027, CB_SETCURSEL, 1), 1);
        EXPECT_EQ(DialogTest::Text(d, 1027), "b");
        EXPECT_EQ(Send(d, 1027, CB_SETCURSEL, 9), CB_ERR);
        EXPECT_EQ(Send(d, 1027, CB_SETCURSEL, static_cast<WPARAM>(-1)), CB_ERR);
        EXPECT_EQ(DialogTest::Text(d, 1027), "");
        EXPECT_EQ(Send(d, 1027, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Str("C")), 2);
        EXPECT_EQ(Send(d, 1027, CB_DELETESTRING, 0), 2);

        EXPECT_EQ(Send(d, 5005, CB_ADDSTRING, 0, Str("tab")), 0);
        EXPECT_EQ(Send(d, 5005, CB_SETCURSEL, 0), 0);
        EXPECT_EQ(DialogTest::Text(d, 5005), "tab");
        EXPECT_TRUE(SetDlgItemTextA(d, 5005, "typed"));
        EXPECT_EQ(DialogTest::Text(d, 5005), "typed");
        Send(d, 5005, CB_RESETCONTENT);
        EXPECT_EQ(Send(d, 5005, CB_GETCOUNT), 0);
        EXPECT_EQ(DialogTest::Text(d, 5005), "");
    }), 77);
}

TEST_F(WindowTest, EditAndButtonMessages)
{
    EXPECT_EQ(RunRaw([](HWND d) {
        const HWND edit = GetDlgItem(d, 1042);
        EXPECT_TRUE(SetWindowTextA(edit, "hello"));
        EXPECT_EQ(GetWindowTextLengthA(edit), 5);
        char cut[3] = "";
        EXPECT_EQ(GetWindowTextA(edit, cut, sizeof cut), 2);
        EXPECT_STREQ(cut, "he");
        DWORD start = 9, end = 9;
        Send(d, 1042, EM_SETSEL, 1, 3);
        Send(d, 1042, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 1u);
        EXPECT_EQ(end, 3u);
        Send(d, 1042, EM_SETSEL, 4, 1);
        EXPECT_EQ(Send(d, 1042, EM_GETSEL), MAKELRESULT(1, 4));
        Send(d, 1042, EM_SETSEL, 0, -1);
        EXPECT_EQ(Send(d, 1042, EM_GETSEL), MAKELRESULT(0, 5));
        Send(d, 1042, EM_SETSEL, 2, 4);
        Send(d, 1042, EM_REPLACESEL, 0, Str("XY"));
        EXPECT_EQ(DialogTest::Text(d, 1042), "heXYo");
        EXPECT_EQ(Send(d, 1042, EM_GETSEL), MAKELRESULT(4, 4));

        EXPECT_EQ(EnableWindow(GetDlgItem(d, 1036), FALSE), FALSE);
        EXPECT_NE(EnableWindow(GetDlgItem(d, 1036), FALSE), FALSE);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, 1036)));
        EXPECT_NE(ShowWindow(GetDlgItem(d, 1037), SW_HIDE), FALSE);
        EXPECT_EQ(ShowWindow(GetDlgItem(d, 1037), SW_HIDE), FALSE);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, 1037)));

        Send(d, 1036, BM_SETCHECK, BST_CHECKED);
        EXPECT_EQ(Send(d, 1036, BM_GETCHECK), BST_UNCHECKED); // a push button has no check
        EXPECT_TRUE(CheckDlgButton(d, 5003, BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(d, 5003), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(Send(d, 5003, BM_GETCHECK), BST_CHECKED);
        EXPECT_EQ(GetDlgItem(d, 4711), nullptr);
    }), 77);
}

TEST_F(WindowTest, DialogUnitsAndRectangles)
{
    EXPECT_EQ(RunRaw([](HWND d) {
        RECT base = {0, 0, 4, 8};
        ASSERT_TRUE(MapDialogRect(d, &base));
        EXPECT_GT(base.right, 3);
        EXPECT_GT(base.bottom, 9);
        RECT client;
        GetClientRect(d, &client);
        EXPECT_EQ(client.right, MulDiv(302, base.right, 4));
        EXPECT_EQ(client.bottom, MulDiv(269, base.bottom, 8));
        RECT edit;
        GetWindowRect(GetDlgItem(d, 1042), &edit);
        POINT corner = {edit.left, edit.top};
        ScreenToClient(d, &corner);
        EXPECT_EQ(corner.x, MulDiv(223, base.right, 4));
        EXPECT_EQ(corner.y, MulDiv(61, base.bottom, 8));
        EXPECT_EQ(edit.right - edit.left, MulDiv(68, base.right, 4));
        RECT window;
        GetWindowRect(d, &window);
        EXPECT_GT(window.right - window.left, client.right); // the frame
        EXPECT_GT(window.bottom - window.top, client.bottom + 10); // and the caption
        EXPECT_EQ(GetParent(GetDlgItem(d, 1042)), d);
        EXPECT_EQ(GetDlgCtrlID(GetDlgItem(d, 1042)), 1042);
        char className[16] = "";
        GetClassNameA(GetDlgItem(d, 1042), className, sizeof className);
        EXPECT_EQ(lstrcmpiA(className, "Edit"), 0);
    }), 77);
}

TEST_F(WindowTest, DialogManagerKeys)
{
    EXPECT_EQ(RunRaw([this](HWND d) {
        EXPECT_EQ(SendMessageA(d, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
        SendMessageA(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(d, 1042)), TRUE);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, 1042));
        MSG enter = {};
        enter.hwnd = GetFocus();
        enter.message = WM_KEYDOWN;
        enter.wParam = VK_RETURN;
        EXPECT_TRUE(IsDialogMessageA(d, &enter));
        ASSERT_EQ(seen.commands.size(), 1u);
        EXPECT_EQ(seen.commands[0], std::make_pair(IDOK, 0));
        // A focused push button takes Enter itself.
        SendMessageA(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(d, 1036)), TRUE);
        enter.hwnd = GetFocus();
        EXPECT_TRUE(IsDialogMessageA(d, &enter));
        ASSERT_EQ(seen.commands.size(), 2u);
        EXPECT_EQ(seen.commands[1].first, 1036);
        EXPECT_EQ(GetWindowLongA(GetDlgItem(d, 1036), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_EQ(GetWindowLongA(GetDlgItem(d, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
        SendMessageA(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(d, 1022)), TRUE);
        EXPECT_EQ(GetWindowLongA(GetDlgItem(d, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_EQ(SendMessageA(d, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
        Send(d, 1022, WM_CHAR, 'q', 1);
        Send(d, 1022, WM_CHAR, 'r', 1);
        Send(d, 1022, WM_CHAR, VK_BACK, 1);
        Send(d, 1022, WM_CHAR, 's', 1);
        EXPECT_EQ(DialogTest::Text(d, 1022), "qs");
        Send(d, 5003, BM_CLICK);
        EXPECT_EQ(IsDlgButtonChecked(d, 5003), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(seen.commands.back(), std::make_pair(5003, static_cast<int>(BN_CLICKED)));
    }), 77);
    // WM_CLOSE was answered after the initialisation: IDCANCEL, posted.
    ASSERT_GE(seen.commands.size(), 2u);
    EXPECT_EQ(seen.commands[seen.commands.size() - 2], std::make_pair(-1, -1));
    EXPECT_EQ(seen.commands.back().first, IDCANCEL);
}

TEST_F(WindowTest, PopupMenuChoicesOfTheDriver)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, 7, "Seven"));
    EXPECT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(menu.AppendMenu(MF_STRING | MF_GRAYED, 8, "Eight"));
    EXPECT_EQ(menu.GetMenuItemCount(), 3);
    EXPECT_EQ(menu.GetMenuItemID(0), 7u);
    EXPECT_EQ(menu.GetMenuItemID(1), 0u);
    EXPECT_EQ(menu.CheckMenuItem(7, MF_CHECKED), static_cast<UINT>(MF_UNCHECKED));
    EXPECT_EQ(menu.CheckMenuItem(7, MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));
    char text[16] = "";
    EXPECT_EQ(GetMenuStringA(menu.m_hMenu, 7, text, sizeof text, MF_BYCOMMAND), 5);
    EXPECT_STREQ(text, "Seven");

    TestDialog d;
    std::vector<BOOL> results;
    std::vector<int> commands;
    UINT choice = 0;
    bool choseGrayed = true;
    d.commands = [&](UINT id, int) {
        if (id == kSaveButton) {
            RECT r;
            GetWindowRect(GetDlgItem(d.m_hWnd, kSaveButton), &r);
            choice = 7;
            results.push_back(menu.TrackPopupMenu(TPM_RETURNCMD, r.left, r.bottom, d.m_hWnd));
            choice = 0;
            results.push_back(menu.TrackPopupMenu(TPM_RETURNCMD, r.left, r.bottom, d.m_hWnd));
            choice = 8;
            results.push_back(menu.TrackPopupMenu(TPM_RETURNCMD, r.left, r.bottom, d.m_hWnd));
            choice = 7;
            results.push_back(menu.TrackPopupMenu(0, r.left, r.bottom, d.m_hWnd));
        }
        if (id == 7)
            commands.push_back(7);
        return id == kSaveButton || id == 7;
    };
    drive = [&](const UserScene& scene) {
        if (scene.menu) {
            if (choice == 8)
                choseGrayed = UserChooseMenuItem(&scene, 8);
            else if (choice)
                UserChooseMenuItem(&scene, choice);
            return;
        }
        UserClick(scene.dialog, kSaveButton); // the dialog then ends with Enter, after the posted command
    };
    EXPECT_EQ(d.Run(), IDOK);
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0], 7);
    EXPECT_EQ(results[1], 0); // no choice
    EXPECT_EQ(results[2], 0); // a grayed item cannot be chosen
    EXPECT_FALSE(choseGrayed);
    EXPECT_NE(results[3], 0);
    // Without TPM_RETURNCMD the choice comes as a posted WM_COMMAND.
    EXPECT_EQ(commands, std::vector<int>{7});
}

#if !defined(_WIN32)
// Natively, without a driver, a pop-up menu closes with no choice and a
// modal dialog ends with its default button.
TEST_F(WindowTest, WithoutDriverMenusChooseNothingAndDialogsTakeEnter)
{
    SetDialogDriver(nullptr, nullptr);
    TestDialog d;
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 7, "Seven");
    BOOL chosen = -1;
    d.commands = [&](UINT id, int) {
        if (id == kSaveButton)
            chosen = menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, d.m_hWnd);
        return id == kSaveButton;
    };
    d.number.value = 3;
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(chosen, -1); // nobody clicked the button
    EXPECT_EQ(d.lastCommand, IDOK);
    EXPECT_EQ(d.number.value, 3);
    const HWND owner = CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, owner), 0);
    EXPECT_NE(menu.TrackPopupMenu(0, 0, 0, owner), 0);
    DestroyWindow(owner);
}
#endif
