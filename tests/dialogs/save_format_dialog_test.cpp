// The save-format dialog driven as a user would, on a catalogue kept in an
// ini file of the test's own: what it opens with, the look-up while the
// name is typed, the questions of OK and what reaches the file for each
// answer, the refused names, and Cancel.
#include "../framework/dialog_fixture.h"

#include "common/decoder_texts.h"
#include "dialogs/CDlgFmtPoiSave.h"
#include "dialogs/save_format_dialog.h"
#include "formats/catalogue.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {

const char kSection[] = "SectFmtPoi";
const char kFormatText[] = "X Y Z cmt(;)";
const uint16_t kNoIndex = 0xFFFF;

// Other claims txt and dat, Poly claims plg and xyz.
const char kStartIni[] = "[Keep]\r\nk=v\r\n"
                         "[SectFmtPoi]\r\n"
                         "Other=Y X\r\nOther@inf=other one\r\nOther@ext=txt dat\r\n"
                         "Poly=X Y Z\r\nPoly@inf=polygons\r\nPoly@ext=plg xyz\r\n";

// Name, description, suffixes (and the format text where stored).
typedef std::vector<std::string> Fields;

class SaveFormatDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        std::random_device random;
        do {
            dir_ = std::filesystem::temp_directory_path() / ("velor-save-format-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(dir_));
        iniPath_ = (dir_ / "terx.ini").string();
        std::ofstream(iniPath_, std::ios::binary) << kStartIni;
        startText_ = FileText();
        catalogue_ = FormatCatalogue(iniPath_.c_str());
        catalogue_.LoadCatalogue(kSection);
    }

    void TearDown() override
    {
        FillLoadTimeTables(kLanguageEnglish);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
        DialogTest::TearDown();
    }

    // Runs the dialog; the user acts with act.
    int32_t Run(std::function<void(HWND)> act, uint16_t current = kNoIndex)
    {
        drive = [act](const UserScene& scene) { act(scene.dialog); };
        return RunSaveFormat(catalogue_, current, kFormatText);
    }

    static Fields Shown(HWND d)
    {
        return Fields{Text(d, kSaveFormatName), Text(d, kSaveFormatDescription), Text(d, kSaveFormatSuffixes)};
    }

    // Types the three fields and clicks OK.
    static void TypeAndOk(HWND d, const char* name, const char* description, const char* suffixes)
    {
        UserType(d, kSaveFormatName, name);
        UserType(d, kSaveFormatDescription, description);
        UserType(d, kSaveFormatSuffixes, suffixes);
        UserClick(d, IDOK);
    }

    std::string FileText() const
    {
        std::ifstream in(iniPath_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The entry as the file now holds it: name, description, suffixes, format.
    Fields Stored(const char* name) const
    {
        FormatCatalogue fresh(iniPath_.c_str());
        fresh.LoadCatalogue(kSection);
        const CatalogueIndex index = fresh.FindEntry(name);
        if (index == kNoCatalogueEntry)
            return Fields();
        const FormatEntry& e = fresh.Entry(index);
        return Fields{e.name.GetString(), e.description.GetString(), e.suffixes.GetString(), e.format.GetString()};
    }

    std::filesystem::path dir_;
    std::string iniPath_;
    std::string startText_;
    FormatCatalogue catalogue_;
};

std::vector<std::string> ListItems(HWND d, int id)
{
    std::vector<std::string> items;
    const HWND box = GetDlgItem(d, id);
    const int count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

} // namespace

TEST_F(SaveFormatDialogTest, OpensWithTheChosenFormatAndCancelChangesNothing)
{
    const CatalogueIndex poly = catalogue_.FindEntry("Poly");
    Fields opened, typed;
    std::vector<std::string> names;
    std::string caption, labels;
    EXPECT_EQ(Run(
                  [&](HWND d) {
                      opened = Shown(d);
                      names = ListItems(d, kSaveFormatName);
                      caption = WindowTextOf(d);
                      labels = Text(d, kSaveFormatNameLabel) + "|" + Text(d, kSaveFormatDescriptionLabel) + "|" +
                               Text(d, kSaveFormatSuffixLabel) + "|" + Text(d, IDOK) + "|" + Text(d, IDCANCEL);
                      UserType(d, kSaveFormatName, "Brand new");
                      UserType(d, kSaveFormatDescription, "d");
                      UserType(d, kSaveFormatSuffixes, "txt plg");
                      typed = Shown(d);
                      UserClick(d, IDCANCEL);
                  },
                  static_cast<uint16_t>(poly)),
              -1);
    EXPECT_EQ(opened, (Fields{"Poly", "polygons", "plg xyz"}));
    EXPECT_EQ(typed, (Fields{"Brand new", "d", "txt plg"}));
    EXPECT_EQ(names, (std::vector<std::string>{"Other", "Poly", "Standard"}));
    EXPECT_EQ(caption, "Save Format");
    EXPECT_EQ(labels, "Format Name :|Short description:|Default File Suffixes:|OK|Cancel");
    EXPECT_EQ(FileText(), startText_);
    EXPECT_EQ(catalogue_.FindFormatForSuffix("txt"), "Other");
    EXPECT_TRUE(boxes.empty());

    // No format chosen: everything starts empty; Escape and the close box cancel too.
    EXPECT_EQ(Run([&](HWND d) {
                  opened = Shown(d);
                  UserPressEscape(d);
              }),
              -1);
    EXPECT_EQ(opened, (Fields{"", "", ""}));
    EXPECT_EQ(Run([](HWND d) { UserCloseBox(d); }, 2), -1);
    EXPECT_EQ(FileText(), startText_);
}

TEST_F(SaveFormatDialogTest, TypingANameShowsItsStoredTextsButChoosingFromTheListDoesNot)
{
    std::vector<Fields> seen;
    Run([&](HWND d) {
        UserType(d, kSaveFormatDescription, "mine");
        UserType(d, kSaveFormatName, "Oth");
        seen.push_back(Shown(d)); // no such format: the boxes keep what they hold
        UserType(d, kSaveFormatName, "other");
        seen.push_back(Shown(d)); // any case finds it
        UserType(d, kSaveFormatName, "Other2");
        seen.push_back(Shown(d)); // typing on leaves them
        UserSelect(d, kSaveFormatName, 1); // "Poly" from the list
        seen.push_back(Shown(d));
        UserPressEscape(d);
    });
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], (Fields{"Oth", "mine", ""}));
    EXPECT_EQ(seen[1], (Fields{"other", "other one", "txt dat"}));
    EXPECT_EQ(seen[2], (Fields{"Other2", "other one", "txt dat"}));
    EXPECT_EQ(seen[3], (Fields{"Poly", "other one", "txt dat"}));
}

TEST_F(SaveFormatDialogTest, NewNameWithoutSuffixesIsSavedAtOnce)
{
    const int32_t index = Run([](HWND d) { TypeAndOk(d, "paper", "a new one", ""); });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(index, catalogue_.FindEntry("paper"));
    EXPECT_EQ(index, 1); // Other, paper, Poly, Standard
    EXPECT_EQ(Stored("paper"), (Fields{"paper", "a new one", "", kFormatText}));
    EXPECT_EQ(Stored("Other"), (Fields{"Other", "other one", "txt dat", "Y X"}));
    EXPECT_NE(FileText().find("[Keep]\r\nk=v"), std::string::npos) << FileText();
}

TEST_F(SaveFormatDialogTest, ExistingNameIsReplacedOnlyAfterYes)
{
    boxAnswers = {IDNO, IDYES};
    bool openAfterNo = false;
    std::string fileAfterNo;
    const int32_t index = Run([&](HWND d) {
        TypeAndOk(d, "Poly", "changed", "plg");
        openAfterNo = IsWindow(d) && Text(d, kSaveFormatDescription) == "changed";
        fileAfterNo = FileText();
        UserClick(d, IDOK);
    });
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, DecoderText(kTextNameExists));
    EXPECT_EQ(boxes[0].type & (MB_TYPEMASK | MB_DEFMASK), static_cast<UINT>(MB_YESNO | MB_DEFBUTTON1));
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(fileAfterNo, startText_);
    EXPECT_EQ(index, catalogue_.FindEntry("Poly"));
    EXPECT_EQ(Stored("Poly"), (Fields{"Poly", "changed", "plg", kFormatText}));
}

TEST_F(SaveFormatDialogTest, SuffixOfTheSameNameInAnyCaseAsksNothingMore)
{
    // "POLY" is Poly: only the name question, none for its own suffixes.
    const int32_t index = Run([](HWND d) { TypeAndOk(d, "POLY", "p", "PLG xyz"); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, DecoderText(kTextNameExists));
    EXPECT_EQ(index, catalogue_.FindEntry("poly"));
    EXPECT_EQ(Stored("Poly"), (Fields{"POLY", "p", "PLG xyz", kFormatText}));
}

TEST_F(SaveFormatDialogTest, ClaimedSuffixMovesAfterOneQuestionEvenWhenListedTwice)
{
    const int32_t index = Run([](HWND d) { TypeAndOk(d, "New", "", "txt TXT"); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, std::string(DecoderText(kTextSuffixLinked)) + "\r\r(txt -> Other)");
    EXPECT_EQ(boxes[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(index, catalogue_.FindEntry("New"));
    EXPECT_EQ(Stored("Other"), (Fields{"Other", "other one", "dat", "Y X"}));
    EXPECT_EQ(Stored("New"), (Fields{"New", "", "txt TXT", kFormatText}));
}

TEST_F(SaveFormatDialogTest, NoToALaterSuffixUndoesTheEarlierMove)
{
    boxAnswers = {IDYES, IDNO};
    Fields afterNo;
    std::string fileAfterNo, claimAfterNo;
    EXPECT_EQ(Run([&](HWND d) {
                  TypeAndOk(d, "New", "n", "  txt  plg ");
                  afterNo = Shown(d);
                  fileAfterNo = FileText();
                  claimAfterNo = catalogue_.FindFormatForSuffix("txt").GetString();
                  UserPressEscape(d);
              }),
              -1);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, std::string(DecoderText(kTextSuffixLinked)) + "\r\r(txt -> Other)");
    EXPECT_EQ(boxes[1].text, std::string(DecoderText(kTextSuffixLinked)) + "\r\r(plg -> Poly)");
    EXPECT_EQ(afterNo, (Fields{"New", "n", "  txt  plg "}));
    EXPECT_EQ(fileAfterNo, startText_);
    EXPECT_EQ(claimAfterNo, "Other");
    EXPECT_EQ(catalogue_.FindEntry("New"), kNoCatalogueEntry);
    EXPECT_EQ(FileText(), startText_);
}

TEST_F(SaveFormatDialogTest, EmptyOrUnstorableNameIsRefusedWithTheReason)
{
    std::vector<bool> stayedOpen;
    EXPECT_EQ(Run([&](HWND d) {
                  for (const char* name : {"", "   ", "a=b", " lead", "x@ext", "[sect"}) {
                      TypeAndOk(d, name, "d", "txt");
                      stayedOpen.push_back(IsWindow(d) && Text(d, kSaveFormatName) == name);
                  }
                  UserPressEscape(d);
              }),
              -1);
    EXPECT_EQ(stayedOpen, std::vector<bool>(6, true));
    std::vector<std::string> texts;
    for (const ShownBox& box : boxes) {
        texts.push_back(box.text);
        EXPECT_EQ(box.type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    }
    const std::string empty = DecoderText(kTextNameEmpty), refused = DecoderText(kTextNameRefused);
    EXPECT_EQ(texts, (std::vector<std::string>{empty, empty, refused, refused, refused, refused}));
    EXPECT_EQ(FileText(), startText_);
    EXPECT_EQ(catalogue_.FindFormatForSuffix("txt"), "Other");
}

TEST_F(SaveFormatDialogTest, FileThatCannotBeWrittenKeepsTheDialogOpen)
{
    const std::string unwritable = (dir_ / "missing" / "terx.ini").string();
    catalogue_ = FormatCatalogue(unwritable.c_str());
    catalogue_.LoadCatalogue(kSection);
    bool open = false;
    EXPECT_EQ(Run([&](HWND d) {
                  TypeAndOk(d, "New", "", "");
                  open = IsWindow(d) != FALSE;
                  UserPressEscape(d);
              }),
              -1);
    EXPECT_TRUE(open);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, std::string(DecoderText(kTextFormatNotSaved)) + "\r\n\r\n" + unwritable);
    EXPECT_EQ(catalogue_.FindEntry("New"), kNoCatalogueEntry);
    EXPECT_FALSE(std::filesystem::exists(unwritable));
}

// Where a label of the dialog stands, in pixels of the client area: its
// edges, the right edge the template gives it, the width its text needs in
// its own font, and where the boxes below it end.
struct LabelRoom {
    LONG left, right, templateRight, needed, boxEdge;
};

LONG DialogUnitsToPixels(HWND dialog, int x)
{
    RECT r = {0, 0, x, 0};
    MapDialogRect(dialog, &r);
    return r.right;
}

LabelRoom RoomOf(HWND dialog, int id, int templateRight)
{
    const HWND label = GetDlgItem(dialog, id);
    RECT r;
    GetWindowRect(label, &r);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    ScreenToClient(dialog, &corners[0]);
    ScreenToClient(dialog, &corners[1]);
    char text[512] = "";
    const int length = GetWindowTextA(label, text, sizeof text);
    const HDC dc = GetDC(label);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, length, &size);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    return LabelRoom{corners[0].x, corners[1].x, DialogUnitsToPixels(dialog, templateRight), size.cx,
                     DialogUnitsToPixels(dialog, 214)};
}

// A label longer in German than in the template grows to its text, within
// the boxes' edge, and keeps that width through later exchanges; in English
// every label fits and keeps the template's width.
TEST_F(SaveFormatDialogTest, LongLabelsGrowToTheirTextWithinTheBoxes)
{
    for (LanguageIndex language : {kLanguageEnglish, kLanguageGerman}) {
        FillLoadTimeTables(language);
        boxAnswers = {IDNO};
        std::vector<LabelRoom> rooms;
        Run([&](HWND d) {
            rooms.push_back(RoomOf(d, kSaveFormatSuffixLabel, 13 + 162));
            UserType(d, kSaveFormatName, "Poly"); // exchanges every control's value
            UserClick(d, IDOK);                   // asks to overwrite: No keeps it open
            rooms.push_back(RoomOf(d, kSaveFormatSuffixLabel, 13 + 162));
            UserPressEscape(d);
        });
        ASSERT_EQ(rooms.size(), 2u);
        for (const LabelRoom& room : rooms) {
            EXPECT_GE(room.right - room.left, std::min(room.needed, room.boxEdge - room.left)) << language;
            EXPECT_LE(room.right, room.boxEdge) << language;
            if (language == kLanguageGerman)
                EXPECT_GT(room.right, room.templateRight + 1) << "the German label grew";
            else
                EXPECT_LE(std::abs(room.right - room.templateRight), 1) << "the English label kept its width";
        }
    }
}
