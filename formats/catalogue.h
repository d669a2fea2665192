// The format catalogue: point-file formats kept by name in one section of
// the product's ini file. A format named N occupies three keys of the
// section: N (the format string), N + "@inf" (a short description) and
// N + "@ext" (the file suffixes for which N is chosen, without dots,
// separated by blanks). A key holding "@" is never a format name. The
// built-in format "Standard" is always present after loading.
//
// A catalogue is a working copy: LoadCatalogue fills it, PutEntry and
// RemoveEntry change it in memory, SaveCatalogue writes it back whole.
#pragma once

#include "VelorTrDcdFormat.h"
#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <vector>

// The section of point-file formats, taken when a caller names none.
extern const char kDefaultFormatSection[];
// The name of the built-in format.
extern const char kStandardFormatName[];

// Entry indexes and counts are 16-bit: a catalogue holds at most
// kMaxCatalogueEntries entries, and -1 (65535 as 16 bits) means "none".
typedef int16_t CatalogueIndex;
const CatalogueIndex kNoCatalogueEntry = -1;
const int kMaxCatalogueEntries = 32767;

struct FormatEntry {
    CString name;
    CString format;      // the format string
    CString description; // may be empty
    CString suffixes;    // blank-separated, without dots; may be empty
};

class FormatCatalogue {
public:
    // A catalogue of the product's global ini file (GetGlobalIniPath), or of
    // the file set by SetCatalogueIniPath.
    FormatCatalogue();
    // A catalogue of the ini file at iniPath.
    explicit FormatCatalogue(const char* iniPath);

    // Reads the section (null or empty: kDefaultFormatSection) into a sorted
    // list with exactly one "Standard"; returns the number of entries. A
    // missing file or section gives the built-in format alone. A section of
    // more formats than a catalogue holds is read up to the limit only, and
    // LoadedWhole then tells so.
    CatalogueIndex LoadCatalogue(const char* section);
    // Whether the last load took every format of the section.
    bool LoadedWhole() const { return loadedWhole_; }
    // Replaces the section of the last load by the entries, in one write:
    // the file then holds the old section or the new one, never a part, and
    // keeps its other sections as they were. False when it was not written,
    // and always when the last load was not whole: writing a cut list back
    // would drop the formats it left out.
    bool SaveCatalogue() const;

    // Index of the entry of that name (lstrcmpiA), or kNoCatalogueEntry.
    CatalogueIndex FindEntry(const char* name) const;
    // False (outputs untouched) when index is out of range.
    bool GetEntry(CatalogueIndex index, CString& format, CString& description, CString& suffixes) const;
    bool LookupEntry(const char* name, CString& format, CString& description, CString& suffixes) const;
    // Adds the entry at its sorted place, or replaces all four texts of the
    // entry of that name (which takes the new spelling). Refuses, and
    // changes nothing, a name that would not read back from the ini file
    // (IsStorableFormatName), a format, description or suffix list that
    // would not (IsStorableFormatValue) and a new entry in a full catalogue.
    bool PutEntry(const char* name, const char* format, const char* description, const char* suffixes);
    // Removes the entry of that name; false when there is none.
    bool RemoveEntry(const char* name);

    // The names in catalogue order; returns their number.
    CatalogueIndex ListNames(std::vector<CString>& names) const;
    // The name at a valid index.
    const CString& NameAt(CatalogueIndex index) const;
    // The name of the first entry whose suffix list holds suffix (without
    // regard to case); empty when none, or when suffix is empty.
    CString FindFormatForSuffix(const char* suffix) const;

    CatalogueIndex Count() const { return static_cast<CatalogueIndex>(entries_.size()); }
    const FormatEntry& Entry(CatalogueIndex index) const { return entries_[static_cast<size_t>(index)]; }
    const CString& Section() const { return section_; }
    const CString& IniPath() const { return iniPath_; }

private:
    size_t LowerBound(const char* name) const;
    void AppendBuiltIn();

    CString iniPath_;
    CString section_;
    std::vector<FormatEntry> entries_;
    bool loadedWhole_ = true;
};

// Points the catalogues made from now on by FormatCatalogue() at the ini
// file path (null or empty: back to the product's global ini file). For
// hosts and tools that keep their catalogue apart; call it before any
// catalogue is made, from one thread.
void SetCatalogueIniPath(const char* path);
// The ini file of a catalogue made by FormatCatalogue().
CString CatalogueIniPath();

// The text SaveCatalogue writes for entries: three keys an entry, in order,
// each "key=value" ended by a NUL, the whole ended by a second NUL; values
// with a blank at either end stand between double quotes.
std::string CatalogueSectionBlock(const std::vector<FormatEntry>& entries);

// An entry as a list shows it: the name, then " (" description ")" when the
// description is not empty.
CString CatalogueListText(const FormatEntry& entry);

// Whether name reads back from the ini file as the same key: not empty, no
// '=', '@', CR or LF, not beginning with '[' or ';', no blank (code below
// 33) at either end.
bool IsStorableFormatName(const char* name);

// Whether value (null reads as empty) stays one value in the ini file: no CR
// or LF, which would end its line there and make the rest a line of its own
// (a key, or a section header, of the file). A NUL cannot stand inside a
// value that is passed as a C string.
bool IsStorableFormatValue(const char* value);

// The key names of the section, in file order; returns their number.
int ListIniKeys(const char* iniPath, const char* section, std::vector<CString>& keys);

// The 1-based position of the first word of list (cut at every separator;
// two separators in a row give an empty word) that equals word without
// regard to case; 0 when none or when list is empty.
int MatchListWord(const char* word, const char* list, char separator);

// The text after the last '.' of path when that '.' comes after the last
// path separator ('\' or '/'); otherwise empty.
CString FileSuffixOf(const char* path);

// Looks through the first 51 lines of the data file at path for a line that
// begins (after blanks) with ".fmt" and reads the rest of it into model;
// found tells whether there was one. Unless that line's format did not read,
// model.modelNameInHeader then tells whether the file's first line that is
// neither blank nor a comment holds a single word. Returns -1 when the file
// cannot be opened, else 0.
int ScanFileForFormat(const char* path, PointFormat& model, bool& found);

// The text after ".fmt" on the data file's ".fmt" line (looked for as
// ScanFileForFormat does), unread. Returns the line's 1-based number, 0
// when there is none, -1 when the file cannot be opened.
int ReadFileFormatLine(const char* path, CString& text);

// Where the format dialog starts from.
struct FormatChoice {
    CString name;             // the catalogue name (in/out)
    CString format;           // the caller's format string (in/out)
    bool formatGiven = false; // format is the one to edit
    PointFormat model;        // the dialog's model
    bool foundInFile = false; // model came from the data file's ".fmt" line
};

// The first step of the format dialog: loads catalogue from section (empty
// or null: kDefaultFormatSection) and fills choice.model, and choice.name as
// the dialog starts with it, from the given format string, or from the
// catalogue (by the data file's suffix or by name) and the data file's own
// ".fmt" line.
void ChooseFormatForFile(FormatCatalogue& catalogue, const char* section, const char* dataFile,
                         FormatChoice& choice);
