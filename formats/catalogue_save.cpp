// Saving a catalogue: the whole section built as one block of
// "key=value" texts and handed to the platform's whole-section write
// (WritePrivateProfileSectionWhole), which replaces the section's entries in
// one step: the file holds its old content or its new one. Deleting
// the section and then writing it key by key would leave a file without
// formats, or with a part of them, when the process ends in between.
#include "formats/catalogue.h"

#include <cstring>
#include <string>

namespace {

// Values with a blank (code below 33) at either end are written between
// double quotes, so that they read back with their blanks, as
// WriteIniString writes them; so are values that stand between a pair of
// the same quotes themselves, which a read would otherwise take off.
void AppendValue(std::string& block, const CString& value)
{
    const int length = value.GetLength();
    const char first = length > 0 ? value[0] : '\0', last = length > 0 ? value[length - 1] : '\0';
    const bool inQuotes = length >= 2 && (first == '"' || first == '\'') && last == first;
    const bool quoted = length > 0 && (static_cast<unsigned char>(first) < 33 ||
                                       static_cast<unsigned char>(last) < 33 || inQuotes);
    if (quoted)
        block += '"';
    block.append(value.GetString(), static_cast<size_t>(length));
    if (quoted)
        block += '"';
}

void AppendKey(std::string& block, const CString& name, const char* suffix, const CString& value)
{
    block.append(name.GetString(), static_cast<size_t>(name.GetLength()));
    block += suffix;
    block += '=';
    AppendValue(block, value);
    block += '\0';
}

} // namespace

// The section's new content: three keys an entry, in catalogue order, each
// "key=value" ended by a NUL, the whole ended by a second NUL.
std::string CatalogueSectionBlock(const std::vector<FormatEntry>& entries)
{
    std::string block;
    for (const FormatEntry& entry : entries) {
        AppendKey(block, entry.name, "", entry.format);
        AppendKey(block, entry.name, "@inf", entry.description);
        AppendKey(block, entry.name, "@ext", entry.suffixes);
    }
    block += '\0';
    return block;
}

bool FormatCatalogue::SaveCatalogue() const
{
    if (iniPath_.IsEmpty() || !loadedWhole_)
        return false;
    const std::string block = CatalogueSectionBlock(entries_);
    return WritePrivateProfileSectionWhole(iniPath_, section_, block.c_str());
}
