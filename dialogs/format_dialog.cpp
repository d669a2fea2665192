// The runner of the format dialog: the dialog gets the catalogue, the
// format, the limiting format, the start name, the data file and the two
// modes, runs modally on the templates of the system's own module, and on
// OK gives back the format it defines and the name selected in it.
#include "dialogs/format_dialog.h"

#include "dialogs/CDlgFmtPoi.h"
#include "dialogs/dialog_ids.h"
#include "formats/format_text.h"

#include <algorithm>
#include <memory>

bool RunFormatDialog(FormatCatalogue& catalogue, FormatChoice& choice, const char* dataFile,
                     const PointFormat* limitFormat, bool givenFormatMode, bool variantMode)
{
    const auto dialog = std::make_unique<CDlgFmtPoi>();
    dialog->catalogue = catalogue;
    dialog->format = choice.model;
    dialog->hasLimit = limitFormat != nullptr;
    if (limitFormat)
        dialog->limitFormat = *limitFormat;
    dialog->startName = choice.name;
    dialog->dataFile = dataFile ? dataFile : "";
    dialog->fileNamesFormat = choice.foundInFile;
    dialog->givenFormatMode = givenFormatMode;
    dialog->variantMode = variantMode;
    dialog->decimalsBox.value = variantMode ? 1 : std::min<int>(choice.model.decimals[0], 15);
    const INT_PTR result = dialog->DoModal(kSystemModuleName);
    catalogue = dialog->catalogue;
    if (result != IDOK)
        return false;
    PointFormat chosen;
    dialog->DialogToFormat(chosen);
    choice.format = PrintFormatText(chosen);
    const CatalogueIndex selected = dialog->selectedIndex;
    choice.name = selected >= 0 && selected < dialog->catalogue.Count() ? dialog->catalogue.NameAt(selected) : CString();
    return true;
}
