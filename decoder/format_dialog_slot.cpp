// The decoder's format dialog: the format of a data file chosen from the
// catalogue (or the host's own format), edited by the user, and handed
// back to the host with the name of the catalogue entry that holds it.
#include "decoder/format_dialog_slot.h"

#include "decoder/CDecodeTxLine.h"
#include "decoder/dialog_hooks.h"
#include "formats/catalogue.h"
#include "formats/format_text.h"

#include <cstring>

namespace {

// Copies text whole into a host's buffer.
void CopyWhole(const CString& text, char* out)
{
    if (out)
        std::memcpy(out, text.GetString(), static_cast<size_t>(text.GetLength()) + 1);
}

} // namespace

bool RunEditFormatDialog(const char* section, const char* name, const char* dataFile, const char* limitFormat,
                         const char* format, bool givenFormat, bool variantMode, CString& nameOut,
                         CString& formatOut)
{
    const FormatDialogRunner runFormatDialog = InstalledDecoderDialogs().runFormatDialog;
    if (!runFormatDialog)
        return false;
    FormatCatalogue catalogue;
    FormatChoice choice;
    choice.name = name ? name : "";
    choice.format = format ? format : "";
    choice.formatGiven = givenFormat;
    ChooseFormatForFile(catalogue, section && *section ? section : kDefaultFormatSection, dataFile, choice);
    PointFormat limit;
    const bool hasLimit = limitFormat && *limitFormat;
    if (hasLimit)
        ParseFormatText(limit, limitFormat, nullptr);
    if (!runFormatDialog(catalogue, choice, dataFile, hasLimit ? &limit : nullptr, givenFormat, variantMode))
        return false;
    nameOut = choice.name;
    formatOut = choice.format;
    return true;
}

// The texts are copied whole, as the interface says: a host sizes its
// buffers for them, or learns their lengths through the module's own
// export that hands them over in two calls.
uint32_t CDecodeTxLine::EditFormatDialog(const char* section, const char* name, const char* dataFile,
                                         const char* limitFormat, const char* format, uint8_t givenFormat,
                                         uint8_t variantMode, char* nameOut, char* formatOut)
{
    CString chosenName, chosenFormat;
    if (!RunEditFormatDialog(section, name, dataFile, limitFormat, format, givenFormat != 0, variantMode != 0,
                             chosenName, chosenFormat))
        return 1;
    CopyWhole(chosenName, nameOut);
    CopyWhole(chosenFormat, formatOut);
    return 0;
}
