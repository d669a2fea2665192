// The catalogue in memory: entries kept sorted by name without regard to
// case, in the locale's order (lstrcmpiA), and found by binary search.
#include "formats/catalogue.h"

#include "common/config.h"

#include <algorithm>

const char kDefaultFormatSection[] = "SectFmtPoi";
const char kStandardFormatName[] = "Standard";

namespace {

// The ini file of catalogues made without one; empty: the global ini file.
CString& IniPathSetting()
{
    static CString path;
    return path;
}

} // namespace

void SetCatalogueIniPath(const char* path)
{
    IniPathSetting() = path ? path : "";
}

CString CatalogueIniPath()
{
    const CString& path = IniPathSetting();
    return path.IsEmpty() ? GetGlobalIniPath() : path;
}

FormatCatalogue::FormatCatalogue() : iniPath_(CatalogueIniPath()), section_(kDefaultFormatSection) {}

FormatCatalogue::FormatCatalogue(const char* iniPath)
    : iniPath_(iniPath ? iniPath : ""), section_(kDefaultFormatSection)
{
}

size_t FormatCatalogue::LowerBound(const char* name) const
{
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), name,
                                     [](const FormatEntry& entry, const char* key) {
                                         return lstrcmpiA(entry.name, key) < 0;
                                     });
    return static_cast<size_t>(at - entries_.begin());
}

CatalogueIndex FormatCatalogue::FindEntry(const char* name) const
{
    const char* key = name ? name : "";
    const size_t at = LowerBound(key);
    if (at < entries_.size() && lstrcmpiA(key, entries_[at].name) >= 0)
        return static_cast<CatalogueIndex>(at);
    return kNoCatalogueEntry;
}

bool FormatCatalogue::GetEntry(CatalogueIndex index, CString& format, CString& description,
                               CString& suffixes) const
{
    if (index < 0 || index >= Count())
        return false;
    const FormatEntry& entry = Entry(index);
    format = entry.format;
    description = entry.description;
    suffixes = entry.suffixes;
    return true;
}

bool FormatCatalogue::LookupEntry(const char* name, CString& format, CString& description,
                                  CString& suffixes) const
{
    return GetEntry(FindEntry(name), format, description, suffixes);
}

bool FormatCatalogue::PutEntry(const char* name, const char* format, const char* description,
                               const char* suffixes)
{
    if (!IsStorableFormatName(name) || !IsStorableFormatValue(format) || !IsStorableFormatValue(description) ||
        !IsStorableFormatValue(suffixes))
        return false;
    FormatEntry entry{name, format ? format : "", description ? description : "", suffixes ? suffixes : ""};
    const size_t at = LowerBound(name);
    if (at < entries_.size() && lstrcmpiA(name, entries_[at].name) >= 0) {
        entries_[at] = std::move(entry);
        return true;
    }
    if (entries_.size() >= static_cast<size_t>(kMaxCatalogueEntries))
        return false;
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    return true;
}

bool FormatCatalogue::RemoveEntry(const char* name)
{
    const CatalogueIndex index = FindEntry(name);
    if (index == kNoCatalogueEntry)
        return false;
    entries_.erase(entries_.begin() + index);
    return true;
}

CatalogueIndex FormatCatalogue::ListNames(std::vector<CString>& names) const
{
    names.clear();
    names.reserve(entries_.size());
    for (const FormatEntry& entry : entries_)
        names.push_back(entry.name);
    return Count();
}

const CString& FormatCatalogue::NameAt(CatalogueIndex index) const
{
    return Entry(index).name;
}

CString FormatCatalogue::FindFormatForSuffix(const char* suffix) const
{
    if (!suffix || !*suffix)
        return CString();
    for (const FormatEntry& entry : entries_) {
        if (MatchListWord(suffix, entry.suffixes, ' ') != 0)
            return entry.name;
    }
    return CString();
}

CString CatalogueListText(const FormatEntry& entry)
{
    if (entry.description.IsEmpty())
        return entry.name;
    return entry.name + " (" + entry.description + ")";
}
