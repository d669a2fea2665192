// The save-format dialog's runner.
#include "dialogs/save_format_dialog.h"

#include "dialogs/CDlgFmtPoiSave.h"
#include "dialogs/dialog_ids.h"

int32_t RunSaveFormat(FormatCatalogue& catalogue, uint16_t currentIndex, const CString& formatText)
{
    CDlgFmtPoiSave dialog(catalogue, formatText);
    dialog.resultIndex = static_cast<int16_t>(currentIndex);
    catalogue.ListNames(dialog.names);
    // The dialog starts with the format chosen in the format dialog, if any.
    if (currentIndex < dialog.names.size()) {
        dialog.nameBox.value = dialog.names[currentIndex];
        CString format;
        catalogue.LookupEntry(dialog.nameBox.value, format, dialog.descriptionBox.value, dialog.suffixBox.value);
    }
    if (dialog.DoModal(kSystemModuleName) != IDOK)
        return -1;
    return dialog.resultIndex;
}
