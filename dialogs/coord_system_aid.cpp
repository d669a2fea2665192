// The coordinate-system aid: the user tells, from the data file shown in the
// format dialog, how its two columns hold the internal X and Y; the aid sets
// the coordinate system and puts the X and Y fields in the file's order.
#include "dialogs/coord_system_aid.h"

#include "common/cp1250.h"
#include "common/text_tables.h"
#include "common/uptime.h"
#include "platform/classlib/Menu.h"
#include "platform/classlib/MessageBox.h"

#include <utility>

namespace {

const UINT kFirstAxisCommand = 1;
const UINT kCancelCommand = kFirstAxisCommand + kAxisOrientationCount;
// A menu that closes this soon without a choice was most likely closed by
// the click that opened it.
const DWORD kQuickCloseTicks = 100;

const char* AidTitle()
{
    return VELOR_CP1250("Pomůcka pro nastavení souřadné soustavy");
}

void AppendGrey(CMenu& menu, const char* text)
{
    menu.AppendMenu(MF_STRING | MF_GRAYED, 0, text);
}

void AppendExample(CMenu& menu)
{
    AppendGrey(menu, VELOR_CP1250("Příklad použití při importu dat:"));
    AppendGrey(menu, VELOR_CP1250("Ve spodní části dialogu vidíme obsah vstupního souboru"));
    AppendGrey(menu, VELOR_CP1250("Obsahuje-li soubor data pro území v ČR a první souřadnice"));
    AppendGrey(menu, VELOR_CP1250("v absolutní hodnotě je větší než druhá, je pořadí dat X Y."));
    AppendGrey(menu, VELOR_CP1250("Jsou-li pak obě souřadnice uvedeny se záporným znaménkem, zvolíme variantu -X -Y."));
    AppendGrey(menu, "");
    AppendGrey(menu, VELOR_CP1250("Program nastaví správnou souřadnou soustavu a v seznamu \"Údaje v souboru\" upraví"));
    AppendGrey(menu, VELOR_CP1250("pořadí položek X a Y, jsou-li v seznamu obě uvedeny."));
    AppendGrey(menu, "");
    AppendGrey(menu, VELOR_CP1250("V případě exportu dat obdobně zvolíme, jak mají data ve výstupním souboru vypadat."));
}

// Builds the aid's menu; returns the command number of the first Y-first item.
UINT BuildAidMenu(CMenu& menu)
{
    menu.CreatePopupMenu();
    AppendGrey(menu, CString("----- ") + AidTitle() + " -----");
    menu.AppendMenu(MF_SEPARATOR);
    AppendGrey(menu, VELOR_CP1250("Ve vstupních datech jsou souřadnice X a Y (vzhledem k JTSK) takto :"));
    const UINT firstYFirst = AxisOrientationMenu(menu, kFirstAxisCommand);
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, kCancelCommand, CommonText(kCommonCancel));
    menu.AppendMenu(MF_SEPARATOR);
    AppendExample(menu);
    return firstYFirst;
}

// Shows the menu at the mouse until the user chooses or agrees to leave it;
// 0 when nothing was chosen.
UINT ChooseFromMenu(CMenu& menu, HWND owner)
{
    for (;;) {
        POINT at = {0, 0};
        GetCursorPos(&at);
        const DWORD shown = GetTickCountChecked();
        const UINT chosen = static_cast<UINT>(
            menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, owner));
        if (chosen)
            return chosen;
        if (GetTickCountChecked() - shown >= kQuickCloseTicks)
            return 0;
        if (VelorMessageBox(owner, VELOR_CP1250("Zpět do plovoucího menu ?"), AidTitle(),
                            MB_YESNO | MB_ICONQUESTION) != IDYES)
            return 0;
    }
}

// The position of the last entry of fields named name, or -1.
int LastPosition(const std::vector<CString>& fields, const char* name)
{
    for (size_t i = fields.size(); i-- > 0;)
        if (fields[i].Compare(name) == 0)
            return static_cast<int>(i);
    return -1;
}

void OrderXAndY(CoordAidTarget& target, bool yFirst)
{
    std::vector<CString>& fields = target.FieldsInLine();
    const int x = LastPosition(fields, g_fieldDisplayNames[0]);
    const int y = LastPosition(fields, g_fieldDisplayNames[1]);
    if (x < 0 || y < 0) {
        const CString text = CString(VELOR_CP1250("Souřadná soustava nastavena.\r\n\r\nv seznamu \"Údaje v souboru\" "
                                                  "nastavte údaje X a Y v pořadí ")) +
                             (yFirst ? "Y X." : "X Y.");
        VelorMessageBox(target.AidOwner(), text, AidTitle(), MB_OK);
        return;
    }
    if ((x < y) == !yFirst)
        return;
    std::swap(fields[static_cast<size_t>(x)], fields[static_cast<size_t>(y)]);
    target.ShowFieldsInLine();
}

} // namespace

void CoordSystemAid(CoordAidTarget& target)
{
    CMenu menu;
    const UINT firstYFirst = BuildAidMenu(menu);
    const UINT chosen = ChooseFromMenu(menu, target.AidOwner());
    if (chosen < kFirstAxisCommand || chosen >= kCancelCommand)
        return;
    const AxisOrientation& orientation = kAxisOrientations[chosen - kFirstAxisCommand];
    target.SetCoordSystemChoice(orientation.system + 1);
    OrderXAndY(target, chosen >= firstYFirst);
}
