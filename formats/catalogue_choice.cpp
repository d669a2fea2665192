// The format a data file starts the format dialog with: the caller's own
// format string, or the catalogue's format for the file's suffix or for the
// given name, overridden by the file's own ".fmt" line.
#include "formats/catalogue.h"

#include "formats/format_text.h"

namespace {

// The caller's format string is the one to edit: the name stays only when
// its catalogue entry holds that same format.
void StartFromGivenFormat(const FormatCatalogue& catalogue, FormatChoice& choice)
{
    ParseFormatText(choice.model, choice.format, nullptr); // an error keeps what was read
    choice.foundInFile = false;
    if (choice.name.IsEmpty())
        return;
    CString format, description, suffixes;
    if (!catalogue.LookupEntry(choice.name, format, description, suffixes) ||
        lstrcmpiA(format, PrintFormatText(choice.model)) != 0)
        choice.name.Empty();
}

void StartFromCatalogue(const FormatCatalogue& catalogue, const char* dataFile, FormatChoice& choice)
{
    const bool hasFile = dataFile && *dataFile;
    if (hasFile) {
        const CString byName = catalogue.FindFormatForSuffix(FileSuffixOf(dataFile));
        if (!byName.IsEmpty())
            choice.name = byName;
    }
    CString format, description, suffixes;
    if (!catalogue.LookupEntry(choice.name, format, description, suffixes))
        catalogue.LookupEntry(kStandardFormatName, format, description, suffixes);
    if (ParseFormatText(choice.model, format, nullptr) != 0)
        ParseFormatText(choice.model, DefaultFormat, nullptr);
    if (hasFile)
        ScanFileForFormat(dataFile, choice.model, choice.foundInFile);
}

} // namespace

void ChooseFormatForFile(FormatCatalogue& catalogue, const char* section, const char* dataFile,
                         FormatChoice& choice)
{
    catalogue.LoadCatalogue(section && *section ? section : kDefaultFormatSection);
    if (choice.formatGiven)
        StartFromGivenFormat(catalogue, choice);
    else
        StartFromCatalogue(catalogue, dataFile, choice);
}
