// The decoder's format dialog: the format of a data file chosen from the
// catalogue (or the host's own format), edited by the user, and handed
// back to the host with the name of the catalogue entry that holds it.
#include "decoder/CDecodeTxLine.h"

#include "dialogs/format_dialog.h"
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

uint32_t CDecodeTxLine::EditFormatDialog(const char* section, const char* name, const char* dataFile,
                                         const char* limitFormat, const char* format, uint8_t givenFormat,
                                         uint8_t variantMode, char* nameOut, char* formatOut)
{
    FormatCatalogue catalogue;
    FormatChoice choice;
    choice.name = name ? name : "";
    choice.format = format ? format : "";
    choice.formatGiven = givenFormat != 0;
    ChooseFormatForFile(catalogue, section && *section ? section : kDefaultFormatSection, dataFile, choice);
    PointFormat limit;
    const bool hasLimit = limitFormat && *limitFormat;
    if (hasLimit)
        ParseFormatText(limit, limitFormat, nullptr);
    if (!RunFormatDialog(catalogue, choice, dataFile, hasLimit ? &limit : nullptr, givenFormat != 0,
                         variantMode != 0))
        return 1;
    CopyWhole(choice.name, nameOut);
    CopyWhole(choice.format, formatOut);
    return 0;
}
