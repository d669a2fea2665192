// Exports for tools that keep the format catalogue: which ini file the
// catalogues of this process use, and the catalogue listed, added to and
// taken from. Lookups by name and by suffix go through the decoder's
// interface (GetFormatEntry, GetFormatForSuffix).
#include "formats/catalogue.h"

#include <cstring>
#include <string>

// The ini file of every catalogue this process makes from now on (the
// interface's included); null or empty: the product's global ini file.
extern "C" void VelorSetCatalogueIni(const char* path)
{
    SetCatalogueIniPath(path);
}

// The entries of the section (null: "SectFmtPoi") in catalogue order, each
// as four texts ended by a NUL (name, format, description, suffixes), the
// whole ended by a second NUL. The block is copied into out only when size
// holds it whole; returns its size in bytes.
extern "C" uint32_t VelorCatalogueList(const char* section, char* out, uint32_t size)
{
    FormatCatalogue catalogue;
    catalogue.LoadCatalogue(section);
    std::string block;
    for (CatalogueIndex i = 0; i < catalogue.Count(); ++i) {
        const FormatEntry& entry = catalogue.Entry(i);
        for (const CString* text : {&entry.name, &entry.format, &entry.description, &entry.suffixes})
            block.append(text->GetString(), static_cast<size_t>(text->GetLength())).append(1, '\0');
    }
    block.append(1, '\0');
    if (out && size >= block.size())
        std::memcpy(out, block.data(), block.size());
    return static_cast<uint32_t>(block.size());
}

// Results of VelorCataloguePut and VelorCatalogueRemove.
enum : int32_t {
    kCatalogueDone = 0,
    kCatalogueRefused = 1,   // a name the ini file cannot keep
    kCatalogueNotThere = 2,  // no entry of that name to remove
    kCatalogueNotSaved = 3,  // the ini file could not be written
    kCatalogueNotWhole = 4,  // the section holds more formats than a catalogue, so it is never written back
    kCatalogueLineBreak = 5, // a format, description or suffix list holding CR or LF
    kCatalogueFull = 6,      // a new entry in a full catalogue
};

namespace {

int32_t PutRefusal(const FormatCatalogue& catalogue, const char* name, const char* format,
                   const char* description, const char* suffixes)
{
    if (!IsStorableFormatName(name))
        return kCatalogueRefused;
    if (!IsStorableFormatValue(format) || !IsStorableFormatValue(description) || !IsStorableFormatValue(suffixes))
        return kCatalogueLineBreak;
    return catalogue.FindEntry(name) == kNoCatalogueEntry ? kCatalogueFull : kCatalogueRefused;
}

} // namespace

// Adds or replaces the entry of that name and saves the section. A null
// description or suffix list keeps the one the entry has (empty for a new
// entry). Nothing is written when the entry is refused.
extern "C" int32_t VelorCataloguePut(const char* section, const char* name, const char* format,
                                     const char* description, const char* suffixes)
{
    FormatCatalogue catalogue;
    catalogue.LoadCatalogue(section);
    if (!catalogue.LoadedWhole())
        return kCatalogueNotWhole;
    CString oldFormat, oldDescription, oldSuffixes;
    catalogue.LookupEntry(name, oldFormat, oldDescription, oldSuffixes);
    const char* newDescription = description ? description : oldDescription.GetString();
    const char* newSuffixes = suffixes ? suffixes : oldSuffixes.GetString();
    if (!catalogue.PutEntry(name, format, newDescription, newSuffixes))
        return PutRefusal(catalogue, name, format, newDescription, newSuffixes);
    return catalogue.SaveCatalogue() ? kCatalogueDone : kCatalogueNotSaved;
}

// Removes the entry of that name and saves the section.
extern "C" int32_t VelorCatalogueRemove(const char* section, const char* name)
{
    FormatCatalogue catalogue;
    catalogue.LoadCatalogue(section);
    if (!catalogue.LoadedWhole())
        return kCatalogueNotWhole;
    if (!catalogue.RemoveEntry(name))
        return kCatalogueNotThere;
    return catalogue.SaveCatalogue() ? kCatalogueDone : kCatalogueNotSaved;
}
