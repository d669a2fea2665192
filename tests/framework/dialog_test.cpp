// The dialog framework in running dialogs: captions kept by the sentinel,
// registration and dynamic controls, the placement kept in the registry or
// an ini file and its clamp to the virtual screen, the
// check box's states, the drop-down list's "(?)", the OK and Cancel paths
// (also through an owner dialog), command filters, the dialog font and the
// dialog-unit ratio.
#include "test_dialog.h"
#include "../support/temp_folder.h"

#include "common/config.h"
#include "framework/MVDialogFont.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const kTestKey = "Software\\Velor Terx\\DialogTests";

class FrameworkTest : public DialogTest, protected TempFolder {
protected:
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
        if (!dir_.empty())
            RemoveFolder();
        DialogTest::TearDown();
    }

    // A value of the ini file, "" when it is not there.
    static std::string IniValue(const std::string& file, const char* section, const char* key)
    {
        char value[64] = "";
        GetPrivateProfileStringA(section, key, "", value, sizeof value, file.c_str());
        return value;
    }

    // A driver step that only clicks a button.
    static std::function<void(const UserScene&)> Click(int id)
    {
        return [id](const UserScene& scene) { UserClick(scene.dialog, id); };
    }
};

// A control whose command filter refuses IDOK while refuse is set.
class RefusingControl : public CMVStaticText {
public:
    explicit RefusingControl(int id) : CMVStaticText(id) {}
    bool CommandFilter(UINT commandId, int code) override
    {
        ++asked;
        return !(refuse && commandId == IDOK) && CMVStaticText::CommandFilter(commandId, code);
    }
    bool refuse = true;
    int asked = 0;
};

} // namespace

TEST_F(FrameworkTest, SentinelKeepsTheTemplateTextsAndGivenTextsReplaceThem)
{
    TestDialog d;
    std::string caption, label;
    drive = [&](const UserScene& scene) {
        EXPECT_EQ(scene.templateId, 137);
        caption = WindowTextOf(scene.dialog);
        label = Text(scene.dialog, 1026);
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(std::string(d.caption), "Form\xE1t souboru");
    EXPECT_EQ(caption, "Form\xE1t souboru");
    EXPECT_EQ(std::string(d.formatLabel.text), "Form\xE1t");
    EXPECT_EQ(std::string(d.ok.text), "OK");
    EXPECT_EQ(std::string(d.cancel.text), "Cancel");

    d.caption = "Given caption";
    d.formatLabel.text = "Given label";
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(caption, "Given caption");
    EXPECT_EQ(label, "Given label");
    EXPECT_EQ(drivenDialogs, 2);
}

TEST_F(FrameworkTest, ControlsRegisterInOrderWithDynamicIds)
{
    TestDialog d;
    CMVEditBox made(0);
    CMVEditBox madeToo(-20007);
    CMVStaticText elsewhere(1031, &d);
    ASSERT_EQ(d.Controls().size(), 11u);
    EXPECT_EQ(d.Controls()[0], static_cast<CMVCtr*>(&d.ok));
    EXPECT_EQ(d.Controls()[7], static_cast<CMVCtr*>(&d.formatLabel));
    EXPECT_EQ(made.id, 20000);
    EXPECT_TRUE(made.dynamic);
    EXPECT_EQ(madeToo.id, 20007);
    EXPECT_TRUE(madeToo.dynamic);
    EXPECT_FALSE(d.number.dynamic);
    EXPECT_EQ(elsewhere.owner, &d);
    made.layout.x = 10;
    made.layout.y = 12;
    made.layout.width = 80;
    made.layout.height = 20;
    made.value = "typed over";
    std::string shown;
    RECT where = {};
    drive = [&](const UserScene& scene) {
        const HWND window = GetDlgItem(scene.dialog, 20000);
        ASSERT_NE(window, nullptr);
        shown = WindowTextOf(window);
        GetWindowRect(window, &where);
        MapWindowPoints(nullptr, scene.dialog, reinterpret_cast<POINT*>(&where), 2);
        UserType(scene.dialog, 20000, "made at run time");
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(shown, "typed over");
    EXPECT_EQ(where.left, 10);
    EXPECT_EQ(where.top, 12);
    EXPECT_EQ(where.right - where.left, 80);
    EXPECT_EQ(std::string(made.value), "made at run time");
}

TEST_F(FrameworkTest, PlacementFromTheRegistryIsClampedToTheVirtualScreen)
{
    TestDialog d;
    d.locationString = CString(":") + kTestKey + "\\Test";
    WriteRegNumber(HKEY_CURRENT_USER, kTestKey, "TestPosX", 50000, 0);
    WriteRegNumber(HKEY_CURRENT_USER, kTestKey, "TestPosY", 120, 0);
    RECT r = {};
    drive = [&](const UserScene& scene) {
        GetWindowRect(scene.dialog, &r);
        UserClick(scene.dialog, IDCANCEL);
    };
    EXPECT_EQ(d.Run(), IDCANCEL);
    const int right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    EXPECT_EQ(r.left, right - 50);
    EXPECT_EQ(r.top, 120);

    WriteRegNumber(HKEY_CURRENT_USER, kTestKey, "TestPosX", -4000, 0);
    WriteRegNumber(HKEY_CURRENT_USER, kTestKey, "TestPosY", 90000, 0);
    d.layout.x = kLayoutUnset;
    EXPECT_EQ(d.Run(), IDCANCEL);
    const int bottom = GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    EXPECT_EQ(r.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(r.top, bottom - 50);
    // Where the dialog was closed is kept.
    EXPECT_EQ(d.layout.x, static_cast<float>(r.left));
    EXPECT_EQ(d.layout.width, static_cast<float>(r.right - r.left));
}

// A placement kept in an ini file: read at opening, written as the dialog
// moves, "Ope" 1 while it is open and 0 once its close box is used; the
// file's other sections stay.
TEST_F(FrameworkTest, PlacementInAnIniFileFollowsTheDialog)
{
    MakeFolder("placement");
    const std::string ini = Path("place.ini");
    Put("place.ini", "[Other]\r\nk=v\r\n[Place]\r\nDlgPosX=140\r\nDlgPosY=90\r\n");
    TestDialog d;
    d.locationString = CString(ini.c_str()) + "\\Place\\Dlg";
    d.recordOpen = true;
    RECT opened = {}, moved = {};
    std::string openWhileShown;
    drive = [&](const UserScene& scene) {
        GetWindowRect(scene.dialog, &opened);
        openWhileShown = IniValue(ini, "Place", "DlgOpe");
        MoveWindow(scene.dialog, 300, 250, opened.right - opened.left, opened.bottom - opened.top, TRUE);
        GetWindowRect(scene.dialog, &moved);
        UserCloseBox(scene.dialog);
    };
    EXPECT_EQ(d.Run(), IDCANCEL);
    EXPECT_EQ(opened.left, 140);
    EXPECT_EQ(opened.top, 90);
    EXPECT_EQ(openWhileShown, "1");
    EXPECT_EQ(moved.left, 300);
    EXPECT_EQ(IniValue(ini, "Place", "DlgPosX"), std::to_string(moved.left));
    EXPECT_EQ(IniValue(ini, "Place", "DlgPosY"), std::to_string(moved.top));
    EXPECT_EQ(IniValue(ini, "Place", "DlgOpe"), "0");
    EXPECT_EQ(IniValue(ini, "Other", "k"), "v");
}

TEST_F(FrameworkTest, CheckBoxStepsThroughItsStates)
{
    TestDialog d;
    d.decimalComma.threeState = true;
    std::vector<int> objectStates, windowStates;
    drive = [&](const UserScene& scene) {
        for (int i = 0; i < 4; ++i) {
            UserClick(scene.dialog, 5003);
            objectStates.push_back(d.decimalComma.value);
            windowStates.push_back(static_cast<int>(IsDlgButtonChecked(scene.dialog, 5003)));
        }
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(objectStates, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(windowStates, objectStates);
    EXPECT_EQ(d.decimalComma.value, 1);
    ASSERT_EQ(tips.size(), 1u); // offered when leaving the undefined state
    EXPECT_EQ(tips[0].rfind("{3C29DEBF-04C4-45F0-A55E-57569CC12DC3}|The switch is in undefined state", 0), 0u);

    d.decimalComma.reverse = true;
    d.decimalComma.value = 0;
    objectStates.clear();
    windowStates.clear();
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(objectStates, (std::vector<int>{2, 1, 0, 2}));

    d.decimalComma.threeState = false;
    d.decimalComma.reverse = false;
    d.decimalComma.value = 0;
    TestDialog twoState;
    twoState.decimalComma.value = 1;
    objectStates.clear();
    windowStates.clear();
    drive = [&](const UserScene& scene) {
        for (int i = 0; i < 3; ++i) {
            UserClick(scene.dialog, 5003);
            objectStates.push_back(twoState.decimalComma.value);
        }
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(twoState.Run(), IDOK);
    EXPECT_EQ(objectStates, (std::vector<int>{0, 1, 0}));
}

TEST_F(FrameworkTest, DropDownListShowsAndLeavesTheUndefinedItem)
{
    TestDialog d;
    d.system.items = {"one", "two", "three"};
    d.system.fillsOwnItems = true;
    d.system.allowsUndefined = true;
    d.system.defined = false;
    d.system.value = 2;
    int count = 0, selection = -2;
    std::string first, shown;
    drive = [&](const UserScene& scene) {
        const HWND list = GetDlgItem(scene.dialog, 1030);
        count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
        selection = static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
        char item[32] = "";
        SendMessageA(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
        first = item;
        shown = WindowTextOf(list);
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(selection, 0);
    EXPECT_EQ(first, "(?)");
    EXPECT_EQ(shown, "(?)");
    EXPECT_FALSE(d.system.defined); // OK with "(?)" keeps it undefined
    EXPECT_EQ(d.system.value, -1);

    drive = [&](const UserScene& scene) {
        UserSelect(scene.dialog, 1030, 2); // "two", after "(?)"
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_TRUE(d.system.defined);
    EXPECT_EQ(d.system.value, 1);

    // Choosing "(?)" makes it undefined again.
    d.system.defined = false;
    drive = [&](const UserScene& scene) {
        UserSelect(scene.dialog, 1030, 0);
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_FALSE(d.system.defined);
    // A list that does not fill its own items shows no selection when it is
    // undefined; dropping it down then selects the value.
    d.system.fillsOwnItems = false;
    d.system.value = 1;
    drive = [&](const UserScene& scene) {
        const HWND list = GetDlgItem(scene.dialog, 1030);
        selection = static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
        for (const char* item : {"one", "two", "three"})
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageA(scene.dialog, WM_COMMAND, MAKEWPARAM(1030, CBN_DROPDOWN), reinterpret_cast<LPARAM>(list));
        count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
        shown = WindowTextOf(list);
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(selection, -1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(shown, "two");
    EXPECT_TRUE(d.system.defined);
    EXPECT_EQ(d.system.value, 1);
}

TEST_F(FrameworkTest, OkAndCancelPathsRecordTheCommands)
{
    TestDialog d;
    drive = [](const UserScene& scene) {
        UserClick(scene.dialog, kSaveButton); // a plain command first
        UserPressEnter(scene.dialog);         // the default button, OK
    };
    d.commands = [](UINT id, int) { return id == kSaveButton; };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(d.previousCommand, IDOK);
    EXPECT_EQ(d.lastCommand, IDOK);

    drive = [](const UserScene& scene) {
        UserClick(scene.dialog, kSaveButton);
        UserPressEscape(scene.dialog);
    };
    EXPECT_EQ(d.Run(), IDCANCEL);
    EXPECT_EQ(d.previousCommand, IDCANCEL); // Escape is a plain command itself
    EXPECT_EQ(d.lastCommand, IDCANCEL);
}

TEST_F(FrameworkTest, EmbeddedDialogHandsOkAndCancelToItsOwner)
{
    TestDialog outer;
    TestDialog inner;
    inner.ownerDialog = &outer;
    outer.commands = [&](UINT id, int) {
        if (id == kSaveButton)
            inner.OnOK();
        else if (id == kDeleteButton)
            inner.OnCancel();
        return id == kSaveButton || id == kDeleteButton;
    };
    outer.number.value = 4;
    drive = [&](const UserScene& scene) {
        UserType(scene.dialog, 1042, "9");
        UserClick(scene.dialog, kSaveButton);
    };
    EXPECT_EQ(outer.Run(), IDOK);
    EXPECT_EQ(outer.number.value, 9); // the owner's OK took its values
    EXPECT_EQ(outer.previousCommand, kSaveButton);
    EXPECT_EQ(outer.lastCommand, IDOK);
    EXPECT_EQ(inner.lastCommand, 0);

    drive = [&](const UserScene& scene) {
        UserType(scene.dialog, 1042, "11");
        UserClick(scene.dialog, kDeleteButton);
    };
    EXPECT_EQ(outer.Run(), IDCANCEL);
    EXPECT_EQ(outer.number.value, 9); // Cancel takes nothing
    EXPECT_EQ(outer.previousCommand, kDeleteButton);
    EXPECT_EQ(outer.lastCommand, IDCANCEL);
    EXPECT_EQ(inner.previousCommand, 0);
}

TEST_F(FrameworkTest, RefusingFiltersStopCommands)
{
    TestDialog d;
    RefusingControl refusing(1032);
    bool openAfterRefusal = false;
    drive = [&](const UserScene& scene) {
        UserClick(scene.dialog, IDOK);
        openAfterRefusal = !d.HasEnded();
        refusing.refuse = false;
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(d.lastCommand, IDOK);
    EXPECT_GE(refusing.asked, 2);

    // The update hook refuses the commands of one control (asked by that
    // control's own filter).
    CMVButton saveButton(kSaveButton);
    int reached = 0;
    d.commands = [&](UINT id, int) { return id == kSaveButton && ++reached; };
    d.updateHook = [](int id) { return id == kSaveButton ? 0 : 1; };
    drive = [](const UserScene& scene) {
        UserClick(scene.dialog, kSaveButton);
        UserClick(scene.dialog, IDCANCEL);
    };
    EXPECT_EQ(d.Run(), IDCANCEL);
    EXPECT_EQ(reached, 0);
    d.updateHook = nullptr;
    EXPECT_EQ(d.Run(), IDCANCEL);
    EXPECT_EQ(reached, 1);
}

TEST_F(FrameworkTest, DialogFontAndDialogUnitRatioOfTheProcess)
{
    const CString options = ProgramUserKey("Options");
    WriteRegString(HKEY_CURRENT_USER, options, "DiaFont", "Arial");
    WriteRegDword(HKEY_CURRENT_USER, options, "DiaFontSize", 100);
    TestDialog d;
    LOGFONTA font = {};
    RECT units = {0, 0, 10000, 10000};
    drive = [&](const UserScene& scene) {
        const HFONT used = reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(scene.dialog, 1042), WM_GETFONT, 0, 0));
        GetObjectA(used, sizeof font, &font);
        MapDialogRect(scene.dialog, &units);
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(font.lfHeight, -13); // 10 points at 96 pixels per inch
    const CString info = ProductUserKey("info");
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, info, "DiaRatioX10000", 0, false), static_cast<DWORD>(units.right));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, info, "DiaRatioY10000", 0, false), static_cast<DWORD>(units.bottom));
    EXPECT_GT(units.right, 10000);
    WriteRegString(HKEY_CURRENT_USER, options, "DiaFont", "");
    ResetDialogSettings();
}

namespace {

// The format dialog's "!" button (1024) is owner-drawn: it fills itself.
class FilledButton : public CMVButton {
public:
    explicit FilledButton(int id) : CMVButton(id) {}
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        ++drawn;
        const HBRUSH brush = CreateSolidBrush(color);
        FillRect(item->hDC, &item->rcItem, brush);
        DeleteObject(brush);
    }
    COLORREF color = RGB(255, 150, 150);
    int drawn = 0;
};

} // namespace

TEST_F(FrameworkTest, OwnerDrawnButtonDrawsThroughItsObject)
{
    TestDialog d;
    FilledButton info(1024);
    COLORREF first = 0, second = 0;
    drive = [&](const UserScene& scene) {
        const HWND button = GetDlgItem(scene.dialog, 1024);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(button);
        first = GetPixel(dc, 3, 3);
        ReleaseDC(button, dc);
        info.color = RGB(220, 220, 220);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        dc = GetDC(button);
        second = GetPixel(dc, 3, 3);
        ReleaseDC(button, dc);
        UserClick(scene.dialog, IDCANCEL);
    };
    EXPECT_EQ(d.Run(), IDCANCEL);
    EXPECT_GE(info.drawn, 2);
    EXPECT_EQ(first, RGB(255, 150, 150));
    EXPECT_EQ(second, RGB(220, 220, 220));
}

TEST_F(FrameworkTest, ScrollingMovesTheContentByLinesAndPages)
{
    TestDialog d;
    d.scrollVertical = true;
    std::vector<int> positions, moved;
    drive = [&](const UserScene& scene) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        info.nMin = 0;
        info.nMax = 1000;
        SetScrollInfo(scene.dialog, SB_VERT, &info, TRUE);
        const HWND box = GetDlgItem(scene.dialog, 1042);
        RECT start;
        GetWindowRect(box, &start);
        for (WPARAM step : {WPARAM(SB_LINEDOWN), WPARAM(SB_PAGEDOWN), WPARAM(SB_LINEUP), WPARAM(SB_BOTTOM), WPARAM(SB_PAGEDOWN),
                            WPARAM(SB_TOP)}) {
            SendMessageA(scene.dialog, WM_VSCROLL, step, 0);
            positions.push_back(GetScrollPos(scene.dialog, SB_VERT));
            RECT now;
            GetWindowRect(box, &now);
            moved.push_back(start.top - now.top);
        }
        UserClick(scene.dialog, IDCANCEL);
    };
    EXPECT_EQ(d.Run(), IDCANCEL);
    EXPECT_EQ(positions, (std::vector<int>{10, 110, 100, 1000, 1000, 0}));
    EXPECT_EQ(moved, positions); // the content moves with the position
    EXPECT_EQ(d.scrollY, 0);
}

namespace {

class Extension : public CMVDialogExtension {
public:
    bool OnCommand(CMVDialog&, UINT id, int) override
    {
        seen.push_back(static_cast<int>(id));
        return id == kSaveButton;
    }
    void OnInitDialog(CMVDialog& dialog) override { initialised = dialog.windowExists; }
    std::vector<int> seen;
    bool initialised = false;
};

} // namespace

TEST_F(FrameworkTest, ExtensionObjectsSeeCommandsFirst)
{
    TestDialog d;
    Extension extension;
    d.extensions.push_back(&extension);
    int reached = 0;
    d.commands = [&](UINT id, int) { return id == kSaveButton && ++reached; };
    drive = [](const UserScene& scene) {
        UserClick(scene.dialog, kSaveButton);
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_TRUE(extension.initialised);
    EXPECT_EQ(reached, 0); // the extension handled it
    // It sees the notifications too (the focus of the first edit field).
    EXPECT_NE(std::find(extension.seen.begin(), extension.seen.end(), kSaveButton), extension.seen.end());
    EXPECT_EQ(extension.seen.back(), IDOK);
    EXPECT_EQ(d.lastCommand, IDOK);
}
