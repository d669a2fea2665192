// A folder of its own for every catalogue test, an ini file in it, and short
// ways to fill and read catalogues of that file.
#pragma once

#include "formats/catalogue.h"

#include "../support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class CatalogueFiles : public ::testing::Test, protected TempFolder {
protected:
    void SetUp() override
    {
        MakeFolder("catalogue");
        ini_ = Path("terx.ini");
    }

    void TearDown() override
    {
        RemoveFolder();
    }

    // A catalogue of the test's ini file, loaded from section.
    FormatCatalogue Loaded(const char* section = kDefaultFormatSection) const
    {
        FormatCatalogue catalogue(ini_.c_str());
        catalogue.LoadCatalogue(section);
        return catalogue;
    }

    // The value of a key of the test's ini file as the configuration reads it.
    std::string Value(const char* section, const char* key) const
    {
        char buffer[512];
        GetPrivateProfileStringA(section, key, "<missing>", buffer, sizeof buffer, ini_.c_str());
        return buffer;
    }

    std::string ini_;
};

inline std::string Str(const CString& text)
{
    return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
}

// The names of a catalogue, in its order.
inline std::vector<std::string> NamesOf(const FormatCatalogue& catalogue)
{
    std::vector<CString> names;
    catalogue.ListNames(names);
    std::vector<std::string> texts;
    for (const CString& name : names)
        texts.push_back(Str(name));
    return texts;
}

// Every entry as one text "name|format|description|suffixes", in order.
inline std::vector<std::string> EntriesOf(const FormatCatalogue& catalogue)
{
    std::vector<std::string> texts;
    for (CatalogueIndex i = 0; i < catalogue.Count(); ++i) {
        const FormatEntry& e = catalogue.Entry(i);
        texts.push_back(Str(e.name) + "|" + Str(e.format) + "|" + Str(e.description) + "|" + Str(e.suffixes));
    }
    return texts;
}
