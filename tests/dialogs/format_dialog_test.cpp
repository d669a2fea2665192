// The format dialog driven as a user would, through the decoder's
// EditFormatDialog: the field lists, the separators, the name that follows
// the edits, the variant mode, the preview of the data file, the catalogue
// buttons, the refusals at OK, the coordinate-system aid, the "!" button's
// colours, help and the texts of each language. Every test has an ini file
// of its own.
#include "../framework/dialog_fixture.h"
#include "../support/temp_folder.h"

#include "common/cp1250.h"
#include "decoder/CDecodeTxLine.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/format_dialog_ids.h"
#include "formats/catalogue.h"
#include "platform/classlib/ProductServices.h"

#include <filesystem>

namespace {

const int kSaveNameBox = 1045;

struct Outcome {
    uint32_t result;
    std::string name, format;
};

std::vector<std::string> ListItems(HWND dialog, int id)
{
    const HWND list = GetDlgItem(dialog, id);
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
            std::vector<char> buffer(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1);
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
        items.emplace_back(buffer.data());
    }
    return items;
}

// The text of the selected item of a combo box; "" when none is selected.
std::string ComboChoice(HWND dialog, int id)
{
    const HWND combo = GetDlgItem(dialog, id);
    const int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    if (selected < 0)
        return "";
    char text[512] = "";
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text));
    return text;
}

int ComboPosition(HWND dialog, int id, const char* text)
{
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(text)));
}

int ListPosition(HWND dialog, int id, const std::string& text)
{
    const std::vector<std::string> items = ListItems(dialog, id);
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

// Chooses an offered field and moves it into the line with "-->".
void Offer(HWND dialog, const char* field)
{
    ASSERT_TRUE(UserSelect(dialog, kFmtOfferList, ListPosition(dialog, kFmtOfferList, field))) << field;
    ASSERT_TRUE(UserClick(dialog, kFmtAddField));
}

// The colour the "!" button draws its face in.
COLORREF InfoButtonColour(HWND dialog)
{
    const HWND button = GetDlgItem(dialog, kFmtCommentInfo);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kFmtCommentInfo;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = button;
    GetClientRect(button, &item.rcItem);
#if defined(_WIN32)
    const HDC screen = GetDC(button);
    item.hDC = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, item.rcItem.right, item.rcItem.bottom);
    const HGDIOBJ old = SelectObject(item.hDC, bitmap);
#else
    item.hDC = GetDC(button);
#endif
    SendMessageA(dialog, WM_DRAWITEM, kFmtCommentInfo, reinterpret_cast<LPARAM>(&item));
    const COLORREF colour = GetPixel(item.hDC, 4, 4);
#if defined(_WIN32)
    SelectObject(item.hDC, old);
    DeleteObject(bitmap);
    DeleteDC(item.hDC);
    ReleaseDC(button, screen);
#else
    ReleaseDC(button, item.hDC);
#endif
    return colour;
}

class FormatDialogTest : public DialogTest, protected TempFolder {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        MakeFolder("format-dialog");
        ini_ = Path("terx.ini");
        SetCatalogueIniPath(ini_.c_str());
        Put("terx.ini", "[SectFmtPoi]\r\nPoly=Y X Z\r\nPoly@inf=survey\r\nPoly@ext=dat\r\nStandard=Y X cmt(; $ ! *)\r\n"
                        "Standard@inf=\r\nStandard@ext=plg\r\n");
        decoder_ = new CDecodeTxLine(nullptr);
    }

    void TearDown() override
    {
        decoder_->NondelegatingRelease();
        SetCatalogueIniPath(nullptr);
        FillLoadTimeTables(kLanguageEnglish);
        RemoveFolder();
        DialogTest::TearDown();
    }

    // Runs the dialog through the decoder; act is the user in it, and
    // inSave the user in the save-format dialog.
    Outcome Edit(const char* name, const char* format, bool given, std::function<void(HWND)> act,
                 const char* dataFile = nullptr, bool variant = false, const char* limit = nullptr)
    {
        drive = [this, act](const UserScene& scene) {
            if (scene.menu) {
                if (inMenu)
                    inMenu(scene);
            } else if (scene.templateId == kTemplateSaveFormat) {
                if (inSave)
                    inSave(scene.dialog);
            } else {
                EXPECT_EQ(scene.templateId, kTemplateFormat);
                act(scene.dialog);
            }
        };
        char nameOut[256] = "unchanged", formatOut[512] = "unchanged";
        const uint32_t result = decoder_->EditFormatDialog(nullptr, name, dataFile, limit, format, given ? 1 : 0,
                                                           variant ? 1 : 0, nameOut, formatOut);
        return Outcome{result, nameOut, formatOut};
    }

    std::function<void(HWND)> inSave;
    std::function<void(const UserScene&)> inMenu;
    std::string ini_;
    CDecodeTxLine* decoder_ = nullptr;
};

} // namespace

TEST_F(FormatDialogTest, FieldsMoveBetweenTheOfferAndTheLine)
{
    std::vector<std::string> opened, offerAfterTwoCodes, lineAfterTwoCodes, lineAfterRemoval, offerAfterRemoval;
    const Outcome out = Edit(nullptr, "Y X Z", true, [&](HWND d) {
        opened = ListItems(d, kFmtFieldList);
        // The last field stays selected; "<--" sends Z back and leaves no
        // selection, so "-->" inserts at the top.
        UserClick(d, kFmtRemoveField);
        Offer(d, "Point Name");
        Offer(d, "Textual Code");
        Offer(d, "Textual Code");
        offerAfterTwoCodes = ListItems(d, kFmtOfferList);
        lineAfterTwoCodes = ListItems(d, kFmtFieldList);
        UserDoubleClick(d, kFmtFieldList, 1);
        lineAfterRemoval = ListItems(d, kFmtFieldList);
        offerAfterRemoval = ListItems(d, kFmtOfferList);
        UserSelect(d, kFmtFieldList, 3);
        UserClick(d, kFmtFieldUp);
        UserClick(d, kFmtFieldDown); // X, now at 2, goes back down
        UserClick(d, kFmtFieldUp);
        UserClick(d, IDOK);
    });
    EXPECT_EQ(opened, (std::vector<std::string>{"Y", "X", "Z"}));
    EXPECT_EQ(lineAfterTwoCodes, (std::vector<std::string>{"Point Name", "Textual Code", "Textual Code", "Y", "X"}));
    EXPECT_EQ(std::count(offerAfterTwoCodes.begin(), offerAfterTwoCodes.end(), "Textual Code"), 1);
    EXPECT_EQ(std::count(offerAfterTwoCodes.begin(), offerAfterTwoCodes.end(), "Point Name"), 0);
    EXPECT_EQ(offerAfterTwoCodes.front(), "Z") << "Z went back to its place in the order of kinds";
    EXPECT_EQ(std::count(offerAfterTwoCodes.begin(), offerAfterTwoCodes.end(), "Textual Code to end"), 0);
    EXPECT_EQ(lineAfterRemoval, (std::vector<std::string>{"Point Name", "Textual Code", "Y", "X"}));
    EXPECT_EQ(offerAfterRemoval, offerAfterTwoCodes);
    EXPECT_EQ(out.result, 0u);
    EXPECT_EQ(out.format, "Name TCode X Y cmt(; $ ! *)") << "the standard comment words when none were given";
    EXPECT_EQ(out.name, "");
}

TEST_F(FormatDialogTest, SeparatorsOpenAsTheirChoiceAndOtherTextsAsBlanks)
{
    std::string shown;
    Outcome out = Edit(nullptr, "Y X sep(;,)", true, [&](HWND d) {
        shown = ComboChoice(d, kFmtSeparatorList);
        UserClick(d, IDOK);
    });
    EXPECT_EQ(shown, VELOR_CP1250("mezera"));
    // The format's standard words leave out its separator ";": the comment
    // box opens with the other three and they stay.
    EXPECT_EQ(out.format, "Y X cmt($ ! *)");

    out = Edit(nullptr, "Y X TCode sep(;)", true, [&](HWND d) {
        shown = ComboChoice(d, kFmtSeparatorList);
        UserSelect(d, kFmtSeparatorList, 1);
        UserType(d, kFmtCodeSeparators, " , ");
        UserClick(d, IDOK);
    });
    EXPECT_EQ(shown, VELOR_CP1250("středník"));
    EXPECT_EQ(out.format, "Y X TCode(,) sep(T) cmt($ ! *)") << "the text-code separators without blanks";
}

TEST_F(FormatDialogTest, EditingTheWordsOfStandardClearsAndRestoresTheName)
{
    std::string opened, edited, restored;
    COLORREF withWords = 0, withoutWords = 0;
    const Outcome out = Edit("Standard", "", false, [&](HWND d) {
        opened = ComboChoice(d, kFmtFormatList);
        withWords = InfoButtonColour(d);
        UserType(d, kFmtCommentWords, "; $ !");
        edited = ComboChoice(d, kFmtFormatList);
        UserType(d, kFmtCommentWords, "");
        withoutWords = InfoButtonColour(d);
        UserType(d, kFmtCommentWords, ";  $ ! *");
        restored = ComboChoice(d, kFmtFormatList);
        UserClick(d, IDOK);
    });
    EXPECT_EQ(opened, "Standard");
    EXPECT_EQ(edited, "");
    EXPECT_EQ(restored, "Standard");
    EXPECT_EQ(withWords, RGB(220, 220, 220));
    EXPECT_EQ(withoutWords, RGB(255, 150, 150));
    EXPECT_EQ(out.result, 0u);
    EXPECT_EQ(out.name, "Standard");
    EXPECT_EQ(out.format, "Y X cmt(; $ ! *)");
}

TEST_F(FormatDialogTest, VariantModeOffersOtherFieldsAndHidesTheDecimals)
{
    std::vector<std::string> offer, line;
    bool decimalsShown = true;
    std::string label, separator;
    const Outcome out = Edit(nullptr, "Y X PNr dec=5", true, [&](HWND d) {
        offer = ListItems(d, kFmtOfferList);
        line = ListItems(d, kFmtFieldList);
        decimalsShown = IsWindowVisible(GetDlgItem(d, kFmtDecimals)) != FALSE;
        label = Text(d, kFmtDecimalsLabel);
        separator = ComboChoice(d, kFmtSeparatorList);
        UserClick(d, IDOK);
    }, nullptr, true);
    EXPECT_EQ(std::count(offer.begin(), offer.end(), "Point Number"), 0);
    EXPECT_EQ(std::count(offer.begin(), offer.end(), "Textual Code to end"), 1);
    EXPECT_EQ(line, (std::vector<std::string>{"Y", "X", "Null item"}));
    EXPECT_FALSE(decimalsShown);
    EXPECT_EQ(label, "From line :");
    EXPECT_EQ(separator, VELOR_CP1250("mezery a tab."));
    EXPECT_EQ(out.format, "Y X Null dec=5 cmt(; $ ! *)") << "the decimals are not the dialog's to change";
}

TEST_F(FormatDialogTest, LimitingFormatNarrowsTheOffer)
{
    std::vector<std::string> offer, line;
    Edit(nullptr, "Y X Z", true, [&](HWND d) {
        offer = ListItems(d, kFmtOfferList);
        line = ListItems(d, kFmtFieldList);
        UserPressEscape(d);
    }, nullptr, false, "X Y Name");
    EXPECT_EQ(offer, (std::vector<std::string>{"Point Name"}));
    EXPECT_EQ(line, (std::vector<std::string>{"Y", "X"})) << "Z is not offered, so it is dropped";
}

TEST_F(FormatDialogTest, PreviewShowsAThousandLinesTheLineNumberAndTheEditedFile)
{
    std::string lines;
    for (int i = 1; i <= 1500; ++i)
        lines += "P" + std::to_string(i) + " 1 2\r\n";
    Put("big.txt", lines);
    static std::string edited;
    edited.clear();
    SetEditFileRoutine([](const char*, const char* file, short) -> short {
        edited = file;
        return 1;
    });
    const std::string path = Path("big.txt");
    std::vector<std::string> before, after;
    std::string label;
    Edit(nullptr, "", false, [&](HWND d) {
        before = ListItems(d, kFmtPreview);
        UserSelect(d, kFmtPreview, 4);
        label = Text(d, kFmtLineLabel);
        Put("big.txt", "A 1 2\r\nB 3 4\r\n");
        UserClick(d, kFmtEditFile);
        after = ListItems(d, kFmtPreview);
        UserPressEscape(d);
    }, path.c_str());
    SetEditFileRoutine(nullptr);
    ASSERT_EQ(before.size(), 1001u);
    EXPECT_EQ(before[999], "P1000 1 2");
    EXPECT_EQ(before[1000], "Continue ...");
    EXPECT_EQ(label, VELOR_CP1250("Řádek č. 5"));
    EXPECT_EQ(edited, "\"" + path + "\"");
    EXPECT_EQ(after, (std::vector<std::string>{"A 1 2", "B 3 4"}));
}

TEST_F(FormatDialogTest, DeleteRemovesTheSelectedEntryButNeverStandard)
{
    const std::string original = Get("terx.ini");
    std::string afterStandard, afterPoly;
    std::vector<std::string> line;
    Edit("Standard", "", false, [&](HWND d) {
        UserClick(d, kFmtDelete);
        afterStandard = ComboChoice(d, kFmtFormatList);
        UserPressEscape(d);
    });
    EXPECT_EQ(afterStandard, "Standard");
    EXPECT_EQ(Get("terx.ini"), original);
    EXPECT_TRUE(boxes.empty()) << "no question";

    const Outcome out = Edit("Poly", "", false, [&](HWND d) {
        UserSelect(d, kFmtFormatList, ComboPosition(d, kFmtFormatList, "Poly (survey)"));
        UserClick(d, kFmtDelete);
        afterPoly = ComboChoice(d, kFmtFormatList);
        line = ListItems(d, kFmtFieldList);
        UserClick(d, IDOK);
    });
    EXPECT_EQ(afterPoly, "");
    EXPECT_EQ(line, (std::vector<std::string>{"Y", "X", "Z"}));
    EXPECT_EQ(Get("terx.ini").find("Poly"), std::string::npos);
    EXPECT_NE(Get("terx.ini").find("Standard=Y X cmt(; $ ! *)"), std::string::npos);
    EXPECT_EQ(out.name, "");
    EXPECT_EQ(out.format, "Y X Z cmt(; $ ! *)");
}

TEST_F(FormatDialogTest, TheSeparatorAndTheDecimalCommaRefreshTheName)
{
    std::vector<std::string> names;
    const Outcome out = Edit("Standard", "", false, [&](HWND d) {
        names.push_back(ComboChoice(d, kFmtFormatList));
        const int blanks = static_cast<int>(SendMessageA(GetDlgItem(d, kFmtSeparatorList), CB_GETCURSEL, 0, 0));
        UserSelect(d, kFmtSeparatorList, 3);
        names.push_back(ComboChoice(d, kFmtFormatList));
        UserSelect(d, kFmtSeparatorList, blanks);
        names.push_back(ComboChoice(d, kFmtFormatList));
        UserClick(d, kFmtDecimalComma);
        names.push_back(ComboChoice(d, kFmtFormatList));
        UserClick(d, kFmtDecimalComma);
        names.push_back(ComboChoice(d, kFmtFormatList));
        UserSelect(d, kFmtSeparatorList, 3);
        UserClick(d, IDOK);
    });
    EXPECT_EQ(names, (std::vector<std::string>{"Standard", "", "Standard", "", "Standard"}));
    // The name handed back always goes with the format handed back.
    EXPECT_EQ(out.name, "");
    EXPECT_EQ(out.format, "Y X sep(,) cmt(; $ ! *)");
}

TEST_F(FormatDialogTest, ThePreviewScrollsAcrossItsLongestLine)
{
    Put("wide.txt", "P1 1 2\r\nP2 " + std::string(400, '7') + "\t1 2\r\n");
    const std::string path = Path("wide.txt");
    SetEditFileRoutine([](const char*, const char*, short) -> short { return 1; });
    LRESULT wide = 0, narrow = 0;
    RECT client = {};
    Edit(nullptr, "", false, [&](HWND d) {
        const HWND list = GetDlgItem(d, kFmtPreview);
        GetClientRect(list, &client);
        wide = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
        Put("wide.txt", "P1 1 2\r\n");
        UserClick(d, kFmtEditFile);
        narrow = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
        UserPressEscape(d);
    }, path.c_str());
    SetEditFileRoutine(nullptr);
    EXPECT_GT(wide, 2 * client.right);
    EXPECT_GT(narrow, 0);
    EXPECT_LT(narrow, client.right);
}

TEST_F(FormatDialogTest, OkRefusesTheSeparatorOrTheDecimalPointAsCommentWords)
{
    int refusedOpen = 0;
    size_t boxesWhileTyping = 9;
    const Outcome out = Edit(nullptr, "Y X", true, [&](HWND d) {
        // A number out of range is told at OK, not while it is typed.
        UserType(d, kFmtDecimals, "20");
        boxesWhileTyping = boxes.size();
        UserClick(d, IDOK);
        refusedOpen += IsWindow(d) ? 1 : 0;
        UserType(d, kFmtDecimals, "5");
        UserSelect(d, kFmtSeparatorList, 2);
        UserType(d, kFmtCommentWords, "# ;");
        UserClick(d, IDOK);
        refusedOpen += IsWindow(d) ? 1 : 0;
        UserType(d, kFmtCommentWords, "# .");
        UserPressEnter(d);
        refusedOpen += IsWindow(d) ? 1 : 0;
        UserClick(d, kFmtDecimalComma);
        UserClick(d, IDOK);
    });
    EXPECT_EQ(boxesWhileTyping, 0u);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Please enter a number between 0 and 15.");
    EXPECT_EQ(boxes[1].text, VELOR_CP1250("Oddělovač údajů nesmí být mezi znaky znamenajícími komentář !"));
    EXPECT_EQ(boxes[2].text,
              VELOR_CP1250("Oddělovač desetinné části čísel nesmí být mezi znaky znamenajícími komentář !"));
    EXPECT_EQ(boxes[1].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(refusedOpen, 3);
    EXPECT_EQ(out.result, 0u);
    EXPECT_EQ(out.format, "Y X sep(;) decc dec=5 cmt(# .)");
}

TEST_F(FormatDialogTest, SaveStoresTheFormatAndSelectsItsName)
{
    std::string selected;
    inSave = [](HWND d) {
        UserType(d, kSaveNameBox, "Mine");
        UserClick(d, IDOK);
    };
    const Outcome out = Edit("Poly", "", false, [&](HWND d) {
        UserType(d, kFmtCodeSeparators, ";,");
        Offer(d, "Textual Code");
        UserClick(d, kFmtSave);
        selected = ComboChoice(d, kFmtFormatList);
        UserClick(d, IDOK);
    });
    EXPECT_EQ(selected, "Mine");
    EXPECT_NE(Get("terx.ini").find("Mine=Y X Z TCode(;,) cmt(; $ ! *)\r\n"), std::string::npos) << Get("terx.ini");
    EXPECT_EQ(out.name, "Mine");
    EXPECT_EQ(out.format, "Y X Z TCode(;,) cmt(; $ ! *)") << "after the selected Z";
}

TEST_F(FormatDialogTest, CoordinateAidSetsTheSystemAndExchangesXAndY)
{
    inMenu = [](const UserScene& scene) {
        const int count = GetMenuItemCount(scene.menu);
        for (int i = 0; i < count; ++i) {
            char text[256] = "";
            GetMenuStringA(scene.menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            if (std::string(text) == "   -Y   X")
                UserChooseMenuItem(&scene, GetMenuItemID(scene.menu, i));
        }
    };
    std::vector<std::string> line;
    std::string system;
    const Outcome out = Edit(nullptr, "X Y Z", true, [&](HWND d) {
        UserClick(d, kFmtCoordAid);
        line = ListItems(d, kFmtFieldList);
        system = ComboChoice(d, kFmtCoordList);
        UserClick(d, IDOK);
    });
    EXPECT_EQ(line, (std::vector<std::string>{"Y", "X", "Z"}));
    EXPECT_EQ(system, "4 ( X v,   Y -> )");
    EXPECT_EQ(out.format, "Y X Z sys=4 cmt(; $ ! *)");
}

TEST_F(FormatDialogTest, EditFormatDialogFillsTheBuffersOnlyOnOk)
{
    Put("survey.dat", "1 2 3\r\n");
    const std::string data = Path("survey.dat");
    Outcome out = Edit(nullptr, "X Y", false, [](HWND d) { UserClick(d, IDCANCEL); }, data.c_str());
    EXPECT_EQ(out.result, 1u);
    EXPECT_EQ(out.name, "unchanged");
    EXPECT_EQ(out.format, "unchanged");

    // The suffix chooses "Poly"; the host's name and format give way to it.
    std::string coord;
    out = Edit("Standard", "X Y", false, [&](HWND d) {
        coord = ComboChoice(d, kFmtCoordList);
        UserPressEnter(d);
    }, data.c_str());
    EXPECT_EQ(out.result, 0u);
    EXPECT_EQ(out.name, "Poly");
    EXPECT_EQ(out.format, "Y X Z cmt(; $ ! *)");
    EXPECT_EQ(coord, "(No transfomation)");

    // The host's own format with a name that holds another one: no name.
    out = Edit("Poly", "X Y sys=2", true, [](HWND d) { UserPressEnter(d); });
    EXPECT_EQ(out.name, "");
    EXPECT_EQ(out.format, "X Y sys=2 cmt(; $ ! *)");
    EXPECT_EQ(drivenDialogs, 3);
}

TEST_F(FormatDialogTest, TextsOfEachLanguageAndHelp)
{
    static std::vector<int> contexts;
    contexts.clear();
    // The help file is asked for by the dialog's context; number 7 names no
    // file, so nothing is shown or recorded.
    SetHelpFileNumberRoutine([](int context) {
        contexts.push_back(context);
        return 7;
    });
    std::string caption, save, decimals, info;
    auto look = [&](HWND d) {
        caption = WindowTextOf(d);
        save = Text(d, kFmtSave);
        decimals = Text(d, kFmtDecimalsLabel);
        info = Text(d, kFmtCommentInfo);
        HELPINFO help = {};
        help.cbSize = sizeof help;
        help.iContextType = HELPINFO_WINDOW;
        help.iCtrlId = kFmtCommentWords;
        help.hItemHandle = GetDlgItem(d, kFmtCommentWords);
        SendMessageA(d, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
        UserClick(d, kFmtCommentInfo);
        UserPressEscape(d);
    };
    Edit(nullptr, "", false, look);
    EXPECT_EQ(caption, "Format of the file");
    EXPECT_EQ(save, "Save...");
    EXPECT_EQ(decimals, VELOR_CP1250("Počet des. míst"));
    EXPECT_EQ(info, "!");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_NE(boxes[0].text.find(VELOR_CP1250("KOMENTÁŘOVÉ KOMENTÁŘOVÉ SLOVO")), std::string::npos);

    FillLoadTimeTables(kLanguageCzech);
    Edit(nullptr, "", false, look);
    EXPECT_EQ(caption, VELOR_CP1250("Formát souboru"));
    EXPECT_EQ(save, VELOR_CP1250("Uložit..."));
    FillLoadTimeTables(kLanguageGerman);
    Edit(nullptr, "", false, look);
    EXPECT_EQ(caption, "Format Datei");
    EXPECT_EQ(save, "Eintrag...");
    EXPECT_EQ(decimals, VELOR_CP1250("Počet des. míst"));
    SetHelpFileNumberRoutine(nullptr);
    EXPECT_EQ(contexts, (std::vector<int>{20732, 20732, 20732}));
}
