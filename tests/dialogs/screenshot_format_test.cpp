// The format dialog with a data file in its preview, and the save-format
// dialog opened from it, on the real screen in Czech, English and German:
// each run-time text must fit its control (measured with the control's own
// font) and a PNG screenshot of each dialog is written to
// build/screenshots/; so is the coordinate-system aid's menu.
#include "../framework/dialog_fixture.h"

#include "common/cp1250.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/format_dialog.h"
#include "dialogs/format_dialog_ids.h"
#include "formats/catalogue.h"
#include "screen_capture.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const int kSaveNameLabel = 1044;
const int kSaveDescriptionLabel = 1052;
const int kSaveSuffixLabel = 1047;

const int kFormatDialogTexts[] = {
    IDOK, IDCANCEL, kFmtFormatLabel, kFmtSave, kFmtDelete, kFmtBasicGroup, kFmtCommentLabel, kFmtSeparatorLabel,
    kFmtCodeSeparatorLabel, kFmtDecimalComma, kFmtDecimalsLabel, kFmtCoordLabel, kFmtCoordAid, kFmtFieldsGroup,
    kFmtOfferLabel, kFmtFieldsLabel, kFmtAddField, kFmtRemoveField, kFmtFieldUp, kFmtFieldDown, kFmtFileGroup,
    kFmtLineLabel, kFmtEditFile};
const int kFormatDialogLists[] = {kFmtFormatList, kFmtSeparatorList, kFmtCoordList};
const int kSaveDialogTexts[] = {IDOK, IDCANCEL, kSaveNameLabel, kSaveDescriptionLabel, kSaveSuffixLabel};

std::string WindowTextOf(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// What a control's frame or box takes beside its text, in pixels.
int FrameMargin(HWND control)
{
    char className[32] = "";
    GetClassNameA(control, className, sizeof className);
    if (std::strcmp(className, "Button") != 0)
        return 0;
    switch (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_GROUPBOX: return 16;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX: return 18;
    default: return 6;
    }
}

bool IsGroupBox(HWND control)
{
    return FrameMargin(control) == 16;
}

// The controls of ids whose texts do not fit, one line each.
std::string TextsThatDoNotFit(HWND dialog, const int* ids, size_t count)
{
    std::ostringstream misfits;
    for (size_t i = 0; i < count; ++i) {
        const HWND control = GetDlgItem(dialog, ids[i]);
        if (!control) {
            misfits << "control " << ids[i] << " missing\n";
            continue;
        }
        RECT room;
        GetClientRect(control, &room);
        const SIZE need = NeededForControl(control, false);
        if (need.cx + FrameMargin(control) > room.right || (!IsGroupBox(control) && need.cy > room.bottom))
            misfits << "control " << ids[i] << " \"" << WindowTextOf(control) << "\" needs " << need.cx << "x"
                    << need.cy << " in " << room.right << "x" << room.bottom << "\n";
    }
    return misfits.str();
}

// The items of drop-down lists that are wider than the list's field.
std::string ItemsThatDoNotFit(HWND dialog, const int* ids, size_t count)
{
    std::ostringstream misfits;
    for (size_t i = 0; i < count; ++i) {
        const HWND combo = GetDlgItem(dialog, ids[i]);
        RECT room;
        GetClientRect(combo, &room);
        const int field = room.right - GetSystemMetrics(SM_CXVSCROLL) - 6;
        const LRESULT items = SendMessageA(combo, CB_GETCOUNT, 0, 0);
        for (LRESULT item = 0; item < items; ++item) {
            char text[512] = "";
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
            const SIZE need = NeededForText(combo, text);
            if (need.cx > field)
                misfits << "list " << ids[i] << " item \"" << text << "\" needs " << need.cx << " in " << field << "\n";
        }
    }
    return misfits.str();
}

BOOL CALLBACK MatchShownMenu(HWND window, LPARAM context)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (std::strcmp(className, "#32768") != 0 || !IsWindowVisible(window) || process != GetCurrentProcessId())
        return TRUE;
    *reinterpret_cast<HWND*>(context) = window;
    return FALSE;
}

// The visible pop-up menu window of this process.
HWND ShownMenuWindow()
{
    HWND found = nullptr;
    EnumWindows(&MatchShownMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

UINT MenuItemOfText(HMENU menu, const char* text)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char item[256] = "";
        GetMenuStringA(menu, static_cast<UINT>(i), item, sizeof item, MF_BYPOSITION);
        if (std::strcmp(item, text) == 0)
            return GetMenuItemID(menu, i);
    }
    return 0;
}

class FormatDialogScreenshotTest : public DialogTest, public ::testing::WithParamInterface<LanguageIndex> {
protected:
    static void SetUpTestSuite() { LetWineDrawWindowFrames(); }

    void SetUp() override
    {
        DialogTest::SetUp();
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        std::ostringstream base;
        base << temp << "velor-shot-" << GetCurrentProcessId() << "-";
        iniPath_ = base.str() + "terx.ini";
        dataPath_ = base.str() + "lipno.pts";
        std::ofstream(iniPath_, std::ios::binary)
            << "[SectFmtPoi]\r\nPts=Name Y X Z cmt(*)\r\nPts@inf=" << VELOR_CP1250("Měření hráze") << "\r\n"
            << "Pts@ext=pts\r\n";
        std::ofstream data(dataPath_, std::ios::binary);
        data << VELOR_CP1250("* Hráz Lipno, koruna – podrobné měření 2024\r\n");
        for (int line = 1; line <= 12; ++line)
            data << "P" << line << " 744120." << line * 7 << " 1181215." << line * 3 << " 726." << line << "\r\n";
    }

    void TearDown() override
    {
        DeleteFileA(iniPath_.c_str());
        DeleteFileA(dataPath_.c_str());
        FillLoadTimeTables(kLanguageEnglish);
        DialogTest::TearDown();
    }

    std::string iniPath_, dataPath_;
};

} // namespace

TEST_P(FormatDialogScreenshotTest, TextsFitAndScreenshotsAreWritten)
{
    const LanguageIndex language = GetParam();
    FillLoadTimeTables(language);
    ScreenImage formatShot, saveShot, menuShot;
    std::string formatMisfits, saveMisfits;
    LRESULT previewLines = 0;
    drive = [&](const UserScene& scene) {
        if (scene.menu) {
            const HWND menuWindow = ShownMenuWindow();
            if (menuWindow)
                CaptureWindow(menuWindow, &menuShot);
            UserChooseMenuItem(&scene, MenuItemOfText(scene.menu, CommonText(kCommonCancel)));
            return;
        }
        if (scene.templateId == static_cast<int>(kTemplateSaveFormat)) {
            saveMisfits = TextsThatDoNotFit(scene.dialog, kSaveDialogTexts, std::size(kSaveDialogTexts));
            CaptureWindow(scene.dialog, &saveShot);
            UserClick(scene.dialog, IDCANCEL);
            return;
        }
        previewLines = SendMessageA(GetDlgItem(scene.dialog, kFmtPreview), LB_GETCOUNT, 0, 0);
        formatMisfits = TextsThatDoNotFit(scene.dialog, kFormatDialogTexts, std::size(kFormatDialogTexts)) +
                        ItemsThatDoNotFit(scene.dialog, kFormatDialogLists, std::size(kFormatDialogLists));
        CaptureWindow(scene.dialog, &formatShot);
        UserClick(scene.dialog, kFmtSave);
        UserClick(scene.dialog, kFmtCoordAid);
        UserClick(scene.dialog, IDCANCEL);
    };
    FormatCatalogue catalogue(iniPath_.c_str());
    FormatChoice choice;
    ChooseFormatForFile(catalogue, nullptr, dataPath_.c_str(), choice);
    EXPECT_FALSE(RunFormatDialog(catalogue, choice, dataPath_.c_str(), nullptr, false, false));
    EXPECT_EQ(drivenDialogs, 2) << "the format dialog and the save-format dialog";
    EXPECT_EQ(previewLines, 13) << "the data file's lines in the preview";
    EXPECT_EQ(formatMisfits, "");
    EXPECT_EQ(saveMisfits, "");

    const std::string suffix = LanguageSuffix(language);
    ASSERT_FALSE(formatShot.pixels.empty());
    ASSERT_FALSE(saveShot.pixels.empty());
    EXPECT_TRUE(WriteScreenshot("format_dialog_" + suffix + ".png", formatShot));
    EXPECT_TRUE(WriteScreenshot("save_format_" + suffix + ".png", saveShot));
    // The aid's menu is Czech in every language but for its Cancel item.
    ASSERT_FALSE(menuShot.pixels.empty()) << "no pop-up menu window was shown";
    if (language == kLanguageCzech) {
        EXPECT_TRUE(WriteScreenshot("coord_aid_menu.png", menuShot));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, FormatDialogScreenshotTest,
                         ::testing::Values(kLanguageCzech, kLanguageEnglish, kLanguageGerman));
