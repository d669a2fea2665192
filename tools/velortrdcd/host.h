// The components and the module's extra exports, as the commands use them.
// Every function loads the module first and reports on stderr what failed.
#pragma once

#include "VelorTrCounter.h"
#include "VelorTrDcd.h"
#include "VelorTrDcdHost.h"

#include <string>
#include <vector>

// A new object of the class with the interface, or null.
IUnknown* CreateComponent(REFCLSID clsid, REFIID iid);

// Releases an interface pointer when it is set.
template <class I>
void ReleaseComponent(I*& object)
{
    if (object)
        object->Release();
    object = nullptr;
}

// Message boxes of the module go to stderr and are answered with OK, so that
// no window ever waits for a user.
bool RouteMessageBoxesToStderr();

// Installs who answers unknown commands (null: the module's default).
bool SetUnknownAnswerer(UnknownCommandAnswerer answerer, void* context);

// A point record and a format model made by the module; null when it has no
// such export.
PointRecord* NewPointRecord();
void ClearPointRecord(PointRecord* record);
void DeletePointRecord(PointRecord* record);
PointFormat* NewPointFormat();
void DeletePointFormat(PointFormat* model);

// The module's axis conversion; false when it has none.
bool CallFromDtmEx(double* outX, double* outY, double x, double y, short system);

// The product's directory (0 shared, 1 local, 2 help, 3 global ini file) as
// the module finds it, in ANSI; false when the module has no such export.
bool ProductPath(int which, std::string* path);

// The language setting as stored (ANSI) and its index; false as above.
bool LanguageSetting(std::string* setting, int* index);

// The format catalogue through the module's exports; false (or -1) when the
// module has no such export. An empty section is the module's default.
// Points the module's catalogues at the ini file (empty: the product's).
bool SetCatalogueIni(const std::string& path);

struct CatalogueEntryTexts {
    std::string name, format, description, suffixes; // ANSI
};
bool ListCatalogue(const std::string& section, std::vector<CatalogueEntryTexts>* entries);

// Adds or replaces an entry and saves the section (a null description or
// suffix list keeps the entry's own); removes an entry and saves. Returns the
// module's result: 0 done, 1 refused, 2 no such entry, 3 not saved.
int PutCatalogueEntry(const std::string& section, const std::string& name, const std::string& format,
                      const std::string* description, const std::string* suffixes);
int RemoveCatalogueEntry(const std::string& section, const std::string& name);

// Whole texts from the module, however long: each asks for the length first,
// then for the text (see server/host_texts.cpp). False (or -2) when the
// module has no such export.

// The normal text form of a format model.
bool PrintFormat(const PointFormat* model, std::string* text);

// The text after ".fmt" on the data file's ".fmt" line, unread. Returns 1
// when there is such a line, 0 when there is none, -1 when the file cannot
// be opened, -2 without the export; a found line's number in *lineNumber.
int FileFormatLine(const std::string& path, std::string* text, int* lineNumber);

// One text of a catalogue entry (0 format, 1 description, 2 suffixes); *found
// tells whether the entry is there. An empty name is "Standard".
bool CatalogueText(const std::string& section, const std::string& name, int which, std::string* text, bool* found);

// The name of the entry that owns the suffix; empty when none.
bool CatalogueSuffixOwner(const std::string& section, const std::string& suffix, std::string* name);

struct FormatDialogCall {
    std::string section, name, dataFile, format, limit;
    bool hasLimit = false;
    bool given = false;
    bool variant = false;
};

// Runs the format dialog; 0 with the confirmed name and format, 1 when the
// user cancelled, -1 without the export.
int EditFormatInDialog(const FormatDialogCall& call, std::string* name, std::string* format);


// A format guessed from a data file by the module (ANSI texts).
struct FormatGuess {
    struct Column {
        int field = 0;
        int confidence = 0;
        std::string reason;
    };
    std::string format, alternative, warning;
    VelorFormatGuessFacts facts{};
    std::vector<Column> columns;
    std::vector<std::string> notes;
};

// The module's guess for the file: 0 made, 1 the file cannot be opened,
// -1 out of memory, -2 without the export.
int GuessFormat(const std::string& path, FormatGuess* guess);
