// The coordinate-system aid driven as a user would, from a dialog of the
// format dialog's template: its menu read back as shown, each choice on a
// field list, the message when X or Y is missing, Cancel, and the question
// after a menu that closed at once (with a tick count of the test's own).
#include "../framework/test_dialog.h"

#include "common/cp1250.h"
#include "dialogs/coord_system_aid.h"
#include "platform/classlib/Menu.h"
#include "platform/classlib/TickCount.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

// The format dialog as the aid sees it.
class FakeFormatDialog : public CoordAidTarget {
public:
    HWND AidOwner() override { return owner; }
    void SetCoordSystemChoice(int listPosition) override { systemChoice = listPosition; }
    std::vector<CString>& FieldsInLine() override { return fields; }
    void ShowFieldsInLine() override { ++listShown; }

    std::string Fields() const
    {
        std::string line;
        for (const CString& field : fields)
            line += (line.empty() ? "" : " ") + std::string(field.GetString());
        return line;
    }

    HWND owner = nullptr;
    int systemChoice = -99;
    std::vector<CString> fields;
    int listShown = 0;
};

struct MenuLine {
    std::string text;
    UINT id;
    bool grey;
    bool separator;
};

std::vector<MenuLine> ReadMenu(HMENU menu)
{
    std::vector<MenuLine> lines;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        lines.push_back(MenuLine{text, GetMenuItemID(menu, i), (state & MF_GRAYED) != 0, (state & MF_SEPARATOR) != 0});
    }
    return lines;
}

DWORD g_tick = 0;
DWORD g_tickStep = 1000;
DWORD Tick()
{
    return g_tick += g_tickStep;
}

class CoordSystemAidTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        g_tick = 5000;
        g_tickStep = 1000; // every menu stays open a second
        SetTickCountSource(Tick);
    }

    void TearDown() override
    {
        SetTickCountSource(nullptr);
        FillLoadTimeTables(kLanguageEnglish);
        DialogTest::TearDown();
    }

    // Runs body in a dialog of the format dialog's template, the aid's owner
    // (a dialog takes a while to open under Wine: cases share one).
    void InDialog(const std::function<void()>& body)
    {
        drive = [this, body](const UserScene& scene) {
            if (scene.menu) {
                ChooseInMenu(scene);
                return;
            }
            owner_ = scene.dialog;
            body();
            UserPressEscape(scene.dialog);
        };
        TestDialog dialog;
        dialog.Run();
    }

    // Runs the aid on target with fields; at each showing of the menu the
    // user chooses the item of the next text in choices (an empty text or
    // none left: nothing).
    void Aid(const std::string& fields, const std::vector<std::string>& choices)
    {
        target.owner = owner_;
        target.fields.clear();
        for (size_t at = 0; at <= fields.size();) {
            const size_t blank = std::min(fields.find(' ', at), fields.size());
            if (blank > at)
                target.fields.emplace_back(fields.substr(at, blank - at).c_str());
            at = blank + 1;
        }
        choices_ = choices;
        menusShown = 0;
        CoordSystemAid(target);
    }

    void RunAid(const std::string& fields, const std::vector<std::string>& choices)
    {
        InDialog([&] { Aid(fields, choices); });
    }

    void ChooseInMenu(const UserScene& scene)
    {
        shownMenu = ReadMenu(scene.menu);
        const size_t turn = static_cast<size_t>(menusShown++);
        const std::string wanted = turn < choices_.size() ? choices_[turn] : "";
        for (const MenuLine& line : shownMenu)
            if (!wanted.empty() && line.text == wanted)
                UserChooseMenuItem(&scene, line.id);
    }

    FakeFormatDialog target;
    std::vector<MenuLine> shownMenu;
    int menusShown = 0;

private:
    HWND owner_ = nullptr;
    std::vector<std::string> choices_;
};

const char* const kXFirst[] = {"    X   Y", "   -X   Y", "    X  -Y", "   -X  -Y"};
const char* const kYFirst[] = {"    Y   X", "   -Y   X", "    Y  -X", "   -Y  -X"};

} // namespace

TEST_F(CoordSystemAidTest, MenuShowsTheGreyHelpAroundTheEightOrdersAndCancel)
{
    RunAid("X Y", {});
    const std::vector<std::string> grey = {
        VELOR_CP1250("----- Pomůcka pro nastavení souřadné soustavy -----"),
        VELOR_CP1250("Ve vstupních datech jsou souřadnice X a Y (vzhledem k JTSK) takto :"),
        VELOR_CP1250("Příklad použití při importu dat:"),
        VELOR_CP1250("Ve spodní části dialogu vidíme obsah vstupního souboru"),
        VELOR_CP1250("Obsahuje-li soubor data pro území v ČR a první souřadnice"),
        VELOR_CP1250("v absolutní hodnotě je větší než druhá, je pořadí dat X Y."),
        VELOR_CP1250("Jsou-li pak obě souřadnice uvedeny se záporným znaménkem, zvolíme variantu -X -Y."),
        "",
        VELOR_CP1250("Program nastaví správnou souřadnou soustavu a v seznamu \"Údaje v souboru\" upraví"),
        VELOR_CP1250("pořadí položek X a Y, jsou-li v seznamu obě uvedeny."),
        "",
        VELOR_CP1250("V případě exportu dat obdobně zvolíme, jak mají data ve výstupním souboru vypadat."),
    };
    // g: grey line, s: separator, i: item that can be chosen.
    std::string shape;
    std::vector<std::string> greyShown, items;
    std::vector<UINT> ids;
    for (const MenuLine& line : shownMenu) {
        shape += line.separator ? 's' : line.grey ? 'g' : 'i';
        if (line.separator)
            continue;
        (line.grey ? greyShown : items).push_back(line.text);
        if (!line.grey)
            ids.push_back(line.id);
    }
    EXPECT_EQ(shape, "gsgiiiisiiiisisgggggggggg");
    EXPECT_EQ(greyShown, grey);
    EXPECT_EQ(items, (std::vector<std::string>{kXFirst[0], kXFirst[1], kXFirst[2], kXFirst[3], kYFirst[0],
                                               kYFirst[1], kYFirst[2], kYFirst[3], "Cancel"}));
    // Every Y-first item is numbered above every X-first one; no two alike, none 0.
    ASSERT_EQ(ids.size(), 9u);
    for (size_t x = 0; x < 4; ++x)
        for (size_t y = 4; y < 8; ++y)
            EXPECT_GT(ids[y], ids[x]);
    std::vector<UINT> sorted = ids;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end());
    EXPECT_NE(sorted[0], 0u);

    // The menu builder alone: what it returns is the number of "    Y   X".
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    const UINT firstYFirst = AxisOrientationMenu(menu, 40);
    const std::vector<MenuLine> built = ReadMenu(menu.m_hMenu);
    ASSERT_EQ(built.size(), 9u);
    EXPECT_TRUE(built[4].separator);
    EXPECT_EQ(built[5].text, kYFirst[0]);
    EXPECT_EQ(firstYFirst, built[5].id);
    EXPECT_EQ(built[0].id, 40u);

    // The Cancel item speaks the chosen language.
    FillLoadTimeTables(kLanguageCzech);
    RunAid("X Y", {});
    ASSERT_EQ(shownMenu.size(), 25u);
    EXPECT_EQ(shownMenu[13].text, "Storno");
}

TEST_F(CoordSystemAidTest, EachOrderSetsItsSystemAndPutsXAndYInFileOrder)
{
    struct Case {
        const char* item;
        int listPosition;
        const char* fields;
        int listShown;
    };
    const Case cases[] = {
        {kXFirst[0], 1, "X Y Z", 0}, {kXFirst[1], 3, "X Y Z", 0}, {kXFirst[2], 5, "X Y Z", 0},
        {kXFirst[3], 7, "X Y Z", 0}, {kYFirst[0], 1, "Y X Z", 1}, {kYFirst[1], 5, "Y X Z", 1},
        {kYFirst[2], 3, "Y X Z", 1}, {kYFirst[3], 7, "Y X Z", 1},
    };
    InDialog([&] {
        for (const Case& c : cases) {
            target = FakeFormatDialog();
            Aid("X Y Z", {c.item});
            EXPECT_EQ(target.systemChoice, c.listPosition) << c.item;
            EXPECT_EQ(target.Fields(), c.fields) << c.item;
            EXPECT_EQ(target.listShown, c.listShown) << c.item;
        }
        // The other way round: an X-first order puts X back in front.
        target = FakeFormatDialog();
        Aid("Z Y X", {kXFirst[2]});
        EXPECT_EQ(target.Fields(), "Z X Y");
        EXPECT_EQ(target.listShown, 1);
        EXPECT_EQ(menusShown, 1);
    });
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CoordSystemAidTest, FieldsThatStandTwiceCountByTheirLastPlace)
{
    InDialog([&] {
        Aid("X Z X Y", {kYFirst[0]});
        EXPECT_EQ(target.Fields(), "X Z Y X");
        target = FakeFormatDialog();
        Aid("Y X Y", {kXFirst[0]}); // the last Y follows the X: already in order
        EXPECT_EQ(target.Fields(), "Y X Y");
        EXPECT_EQ(target.listShown, 0);
    });
}

TEST_F(CoordSystemAidTest, MissingXOrYSetsTheSystemAndTellsTheOrderToMake)
{
    const std::string told = VELOR_CP1250("Souřadná soustava nastavena.\r\n\r\nv seznamu \"Údaje v souboru\" "
                                          "nastavte údaje X a Y v pořadí ");
    InDialog([&] {
        Aid("X Z", {kXFirst[0]});
        EXPECT_EQ(target.systemChoice, 1);
        Aid("Z", {kYFirst[1]});
        EXPECT_EQ(target.systemChoice, 5);
    });
    EXPECT_EQ(target.Fields(), "Z");
    EXPECT_EQ(target.listShown, 0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, told + "X Y.");
    EXPECT_EQ(boxes[1].text, told + "Y X.");
    EXPECT_EQ(boxes[1].type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
}

TEST_F(CoordSystemAidTest, CancelOrNoChoiceChangesNothing)
{
    InDialog([&] {
        Aid("Y X Z", {"Cancel"});
        Aid("Y X Z", {""}); // closed beside the items, after a second: no question
    });
    EXPECT_EQ(target.systemChoice, -99);
    EXPECT_EQ(target.Fields(), "Y X Z");
    EXPECT_EQ(target.listShown, 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(menusShown, 1);
}

TEST_F(CoordSystemAidTest, MenuClosedAtOnceAsksWhetherToShowItAgain)
{
    InDialog([&] {
        g_tickStep = 10; // the menu closes 10 ms after it was shown
        boxAnswers = {IDYES};
        Aid("X Y Z", {"", kYFirst[1]});
        EXPECT_EQ(menusShown, 2);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, VELOR_CP1250("Zpět do plovoucího menu ?"));
        EXPECT_EQ(boxes[0].type & (MB_TYPEMASK | MB_ICONMASK), static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        EXPECT_EQ(target.systemChoice, 5);
        EXPECT_EQ(target.Fields(), "Y X Z");

        // No leaves the aid as Cancel does.
        target = FakeFormatDialog();
        boxes.clear();
        boxAnswers = {IDNO};
        Aid("X Y Z", {"", kYFirst[1]});
        EXPECT_EQ(menusShown, 1);
        EXPECT_EQ(boxes.size(), 1u);
        EXPECT_EQ(target.systemChoice, -99);
        EXPECT_EQ(target.Fields(), "X Y Z");

        // 99 ms still counts as at once; 100 ms does not.
        g_tickStep = 99;
        boxes.clear();
        Aid("X Y", {});
        EXPECT_EQ(boxes.size(), 1u);
        g_tickStep = 100;
        boxes.clear();
        Aid("X Y", {});
        EXPECT_TRUE(boxes.empty());
    });
}
