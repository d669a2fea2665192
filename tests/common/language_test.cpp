// The language setting and the text tables: every slot of every table in
// every language, converted back from code page 1250 and compared with the
// texts the product shows, written out here.
#include "common/decoder_texts.h"
#include "common/language.h"
#include "common/text_tables.h"
#include "tests/common/settings_fixture.h"
#include "tests/support/child_process.h"

#include <map>
#include <set>

namespace {

enum Table { kDecoder, kCommon, kField, kCoord, kFramework };

const char* Slot(Table table, int slot)
{
    switch (table) {
    case kDecoder:
        return g_decoderTexts[slot];
    case kCommon:
        return g_commonTexts[slot];
    case kField:
        return g_fieldDisplayNames[slot];
    case kCoord:
        return g_coordSystemNames[slot];
    default:
        return g_frameworkTexts[slot];
    }
}

// One slot's texts in UTF-8: English, Czech, German, and Slovak where it has
// one. A null Czech or German text is one the product words itself: it only
// has to differ from the English one. A null English text likewise: it only
// has to be there.
struct TextRow {
    Table table;
    int slot;
    const char* english;
    const char* czech;
    const char* german;
    const char* slovak = nullptr;
};

const char kUndefinedCheckBox[] =
    "The switch is in undefined state because the coresponding value is diferent in objects of the group.\r\n\r\n"
    "After first click the switch will be in the state by control object of the group.";
const char kUndefinedRadio[] =
    "The selector is in undefined state because the coresponding value is diferent in objects of the group.\r\n\r\n"
    "Click on the first (radio)button to set the value by control object of the group.\r\n\r\n"
    "Use double-click on the first (radio)button for return to the undefined state.";
const char kUndefinedNumber[] =
    "The numeric field is in undefined state because the coresponding value is diferent in objects of the "
    "group.\r\n\r\nUse double-click or spin buttons to set the value by control object of the group.\r\n\r\n"
    "For return to the undefined state clean the field or insert";
const char kUndefinedText[] =
    "The text field is in undefined state because the coresponding value is diferent in objects of the "
    "group.\r\n\r\nUse double-click to set the value by control object of the group.\r\n\r\n"
    "For return to the undefined state insert";
const char kUndefinedList[] =
    "The list box is in undefined state because the coresponding value is diferent in objects of the group.\r\n\r\n"
    "Use double-click to set the value by control object of the group.\r\n\r\n"
    "Use double-click again for return to the undefined state.";
const char kUndefinedListData[] =
    "Data for this list ar diferent in objects of the group.\r\n\r\nUse double-click to set the list by control "
    "object of the group. Generally double-click switches states (undefined/defined).";
const char kUndefinedDropDown[] =
    "The list box is in undefined state because the coresponding value is diferent in objects of the group.\r\n\r\n"
    "Roll out the list box to set the value by control object of the group.\r\n\r\n"
    "WFor return to the undefined state select first item - ";

const TextRow kTexts[] = {
    {kDecoder, kTextWarningTitle, "Warning", "Upozornění", "Hinweis"},
    {kDecoder, kTextLineIgnored, "Line will be ignored.", "Řádka bude ignorována.", "Zeile wird ignoriert."},
    {kDecoder, kTextUnknownCommandInFile, "!!! Unknown command in file:", "!!! Neznámý příkaz při čtení souboru:",
     "!!! Unbekannter Befehl beim Lesen der Datei:"},
    {kDecoder, kTextCancelReading, "Cancel reading", "Přerušit čtení", "Lesen unterbrechen"},
    {kDecoder, kTextNoWarnings, "No warnings", "Již nehlásit", "Nicht mehr melden"},
    {kDecoder, kTextErrorInFile, "!!! Error in input file:", "!!! Chyba při čtení souboru:",
     "!!! Fehler beim Lesen der Datei:"},
    {kDecoder, kTextAtLine, "at line", "na řádce", "auf Zeile"},
    {kDecoder, kTextBadNumber, "Bad number", "Chybně zadané číslo", "Falsch angegebene Zahl"},
    {kDecoder, kTextPpFirstPoint, ".pp command must be used for girs point",
     "Příkaz .pp musí být použit již u prvního bodu", "Befehl .pp muss schon beim ersten Punkt verwendet sein"},
    {kDecoder, kTextDbFirstPair, ".db command before first pair of polyg. points",
     "Příkaz .db před prvními dvěma body polygonu", "Befehl .db vor den ersten beiden Punkten des Polygons"},
    {kDecoder, kTextFirstPointPolygon, "First point must be Polygon-point", "První bod musí být polygonový",
     "Erster Punkt muss von Polygon sein"},
    {kDecoder, kTextSeparatorError, "Separator error", "Očekáván oddělovač", "Trennzeichen erwartet"},
    {kDecoder, kTextBadValue, "Bad value", "Chybně zadaná hodnota", "Falsch angegebener Wert"},
    {kDecoder, kTextUnknownCommand, "Unknown command", "Neznámý příkaz", "Unbekannter Befehl"},
    {kDecoder, kTextBadCoord1, "Bad number of 1st coordinate", "Chybně zadané číslo 1. souřadnice",
     "Falsch angegebene 1. Koordinate"},
    {kDecoder, kTextBadCoord2, "Bad number of 2nd coordinate", "Chybně zadané číslo 2. souřadnice",
     "Falsch angegebene 2. Koordinate"},
    {kDecoder, kTextBadCoordZ, "Bad number of z-coordinate", "Chybně zadané číslo 3. souřadnice (z)",
     "Falsch angegebene 3. Koordinate (Z)"},
    {kDecoder, kTextBadNumericalCode, "Bad numerical code (priority)", "Chybně zadaný číselný kód (priorita)",
     "Falsch angegebener Zahlenkode (Priorität)"},
    {kDecoder, kTextBadEndOfLine, "Bad end of line", "Nenalezeny koncové uvozovky",
     "Anführungszeichen am Ende nicht gefunden"},
    {kDecoder, kTextFormatCaption, "Format of the file", "Formát souboru", "Format Datei"},
    {kDecoder, kTextFormatLabel, "Format :", "Formát :", "Format :"},
    {kDecoder, kTextSaveButton, "Save...", "Uložit...", "Eintrag..."},
    {kDecoder, kTextDeleteButton, "Delete", "Smazat", "Löschen"},
    {kDecoder, kTextEditButton, "Edit...", "Editace..", "Edition.."},
    {kDecoder, kTextBasicGroup, "Basic properties", "Základní vlastnosti", "Grundeigenschaften"},
    {kDecoder, kTextCommentWordsLabel, "Comment words:", "Koment. slova:", "Komment.worte:"},
    {kDecoder, kTextCodeSeparatorLabel, "T.code separator:", "Odděl. T.Kódů:", "Trenn. T.Kode:"},
    {kDecoder, kTextCoordSystemLabel, "Coordinate system:", "Souřadná soustava:", "Koord.system:"},
    {kDecoder, kTextFieldsGroup, "Fields in data line of file", "Údaje v datové řádce souboru",
     "Angaben in Datenzeile der Datei"},
    {kDecoder, kTextOfferLabel, "Data selection :", "Nabídka údajů :", "Auswahl aus Angaben:"},
    {kDecoder, kTextFieldsLabel, "File data:", "Údaje v souboru:", "Angaben in Datei:"},
    {kDecoder, kTextFileGroup, "File", "Soubor", "Datei"},
    {kDecoder, kTextFromLineLabel, "From line :", "Od řádky :", "Von Zeile :"},
    {kDecoder, kTextNoTransformation, "(No transfomation)", "(žádná konverze)", "(keine Konvertierung)"},
    {kDecoder, kTextSaveCaption, "Save Format", "Zápis formátu souboru polygonu", "Eintrag Format Polygondatei"},
    {kDecoder, kTextNameLabel, "Format Name :", "Formát zapsat pod jménem :", "Format eintragen unter Namen:"},
    {kDecoder, kTextDescriptionLabel, "Short description:", "Krátký popis:", "Kurze Beschreibung:"},
    {kDecoder, kTextSuffixLabel, "Default File Suffixes:", "Přípony souborů, pro které je formát volen:",
     "Extension der Datei, für die das Format gewählt ist:"},
    {kDecoder, kTextNameExists, "Format of this name already exists. Rewrite ?",
     "Formát tohoto jména již existuje, Přepsat ?", "Format dieses Namens existiert schon, Überschreiben ?"},
    {kDecoder, kTextSuffixLinked, "Suffix is linked to other format. Save format and change this link? ",
     "Zadaná přípona má již standardně přiřazen jiný formát. Zápisem formátu se přípona přiřadí k tomuto. "
     "Přesto zapsat? ",
     "Der angegebenen Extension ist standardmässig ein anderes Format zugeordnet. Beim Eintrag wird die Extension "
     "diesem Format zugeordnet. Trotzdem eintragen? "},
    {kDecoder, kTextNameEmpty, nullptr, nullptr, nullptr},
    {kDecoder, kTextNameRefused, nullptr, nullptr, nullptr},
    {kDecoder, kTextFormatNotSaved, nullptr, nullptr, nullptr},

    {kCommon, kCommonOk, "OK", "OK", "OK", "OK"},
    {kCommon, kCommonCancel, "Cancel", "Storno", "Abbruch", "Zrušiť"},

    {kField, 0, "X", "X", "X"},
    {kField, 1, "Y", "Y", "Y"},
    {kField, 2, "Z", "Z", "Z"},
    {kField, 3, "Station", "Staničení", "Stationierung"},
    {kField, 4, "Point Name", "Jméno bodu", "Name Punkt"},
    {kField, 5, "Textual Code", "Textový kód", "Textkode"},
    {kField, 6, "Numerical Code", "Číselný kód (prio.)", "Zahlenkode"},
    {kField, 7, "Groundpl.break poi.", "Půdorysný lom", "Grundrissbruch"},
    {kField, 8, "vert. description", "Svislý popis", "Senkrechte Beschriftung"},
    {kField, 9, "blank segment", "Nekres. úsek", "Nichtgez. Abschnitt"},
    {kField, 10, "Triangle Prio.", "Prio. trojúh.", "Prio. Dreieck"},
    {kField, 11, "Triangle type", "Typ trojúh.", "Typ Dreieck"},
    {kField, 12, "Edge type", "Typ hrany", "Typ Kante"},
    {kField, 13, "Null item", "Nevýznamný údaj", "Unbedeutende Angabe"},
    {kField, 14, "Radius", "Poloměr", "Radius"},
    {kField, 15, "Textual Code to end", "Textový kód koncový", "Textkode bis Ende"},
    {kField, 16, "Point Number", "Pořadové číslo bodu", "Punktnummer"},

    {kCoord, 0, "0 ( X v,   Y <- ) JTSK", "0 ( X v,   Y <- ) JTSK", "0 ( X v,   Y <- ) JTSK"},
    {kCoord, 1, "1 ( X ->,  Y ^ ) Carthesian", "1 ( X ->,  Y ^ ) Kartézská", "1 ( X ->, Y ^ ) Karthesisches"},
    {kCoord, 2, "2 ( X ^,   Y <- )", "2 ( X ^,   Y <- )", "2 ( X ^,   Y <- )"},
    {kCoord, 3, "3 ( X <-,  Y v )", "3 ( X <-,  Y v )", "3 ( X <-,  Y v )"},
    {kCoord, 4, "4 ( X v,   Y -> )", "4 ( X v,   Y -> )", "4 ( X v,   Y -> )"},
    {kCoord, 5, "5 ( X ->,  Y v )", "5 ( X ->,  Y v )", "5 ( X ->,  Y v )"},
    {kCoord, 6, "6 ( X ^,   Y -> ) Gauss-Krüger", "6 ( X ^,   Y -> ) Gauss-Krüger", "6 ( X ^,   Y -> ) Gauss-Krüger"},
    {kCoord, 7, "7 ( X <-,  Y ^ )", "7 ( X <-,  Y ^ )", "7 ( X <-,  Y ^ )"},

    {kFramework, kFrameworkEditorOpen, "To continue, exit the editor", "Pro pokračování ukončete textový editor",
     "Zum Fortsetzen beenden Sie den Texteditor"},
    {kFramework, kFrameworkEnterNumber, "Please enter a number between %s and %s.",
     "Zadejte prosím číslo v rozsahu od %s do %s.", "Geben Sie bitte eine Zahl an im Bereich von %s bis %s."},
    {kFramework, kFrameworkFixNumber, "Number should be between %s and %s. Fix it?",
     "Číslo by mělo být v rozsahu od %s do %s. Opravit ?", "Die Zahl sollte zwischen %s und %s liegen. Fix?"},
    {kFramework, kFrameworkCancelWord, "Cancel", "Přerušit", "Abbruch"},
    {kFramework, kFrameworkUndefinedCheckBox, kUndefinedCheckBox, nullptr, nullptr},
    {kFramework, kFrameworkUndefinedRadio, kUndefinedRadio, nullptr, nullptr},
    {kFramework, kFrameworkUndefinedNumber, kUndefinedNumber, nullptr, nullptr},
    {kFramework, kFrameworkUndefinedText, kUndefinedText, nullptr, nullptr},
    {kFramework, kFrameworkUndefinedList, kUndefinedList, nullptr, nullptr},
    {kFramework, kFrameworkUndefinedListData, kUndefinedListData, nullptr, nullptr},
    {kFramework, kFrameworkUndefinedDropDown, kUndefinedDropDown, nullptr, nullptr},
    {kFramework, kFrameworkUndefinedListBox, kUndefinedList, nullptr, nullptr},
    {kFramework, kFrameworkOk, "OK", "OK", "OK"},
    {kFramework, kFrameworkCancel, "Cancel", "Storno", "Abbruch"},
    {kFramework, kFrameworkYes, "YES", "ANO", "DA"},
    {kFramework, kFrameworkNo, "NO", "NE", "NEIN"},
};

const char* Expected(const TextRow& row, int language)
{
    switch (language) {
    case kLanguageCzech:
        return row.czech;
    case kLanguageGerman:
        return row.german;
    case kLanguageSlovak:
        return row.slovak ? row.slovak : row.english;
    default:
        return row.english;
    }
}

std::map<std::pair<Table, int>, std::string> FilledSlots(int language)
{
    FillLoadTimeTables(static_cast<LanguageIndex>(language));
    FillFrameworkTexts(static_cast<LanguageIndex>(language));
    std::map<std::pair<Table, int>, std::string> slots;
    for (const TextRow& row : kTexts)
        slots[{row.table, row.slot}] = Utf8From1250(Slot(row.table, row.slot));
    return slots;
}

TEST(Language, CodesAreMatchedWithoutRegardToCase)
{
    EXPECT_EQ(LanguageFromCode("cz"), kLanguageCzech);
    EXPECT_EQ(LanguageFromCode("GB"), kLanguageEnglish);
    EXPECT_EQ(LanguageFromCode("d"), kLanguageGerman);
    EXPECT_EQ(LanguageFromCode("F"), kLanguageFrench);
    EXPECT_EQ(LanguageFromCode("Sk"), kLanguageSlovak);
    EXPECT_EQ(LanguageFromCode("EN"), kLanguageEnglish);
    EXPECT_EQ(LanguageFromCode("CZE"), kLanguageEnglish);
    EXPECT_EQ(LanguageFromCode(""), kLanguageEnglish);
    EXPECT_EQ(LanguageFromCode(nullptr), kLanguageEnglish);
}

using LanguageSetting = ProductSettings;

TEST_F(LanguageSetting, IsReadAnewFromTheInstallationKey)
{
    EXPECT_EQ(GetLanguage(), kLanguageEnglish);
    Install("Velor", "Language", "sk", true);
    EXPECT_EQ(GetLanguage(), kLanguageSlovak) << "through the 32-bit view";
    Install("Velor", "Language", "cz");
    EXPECT_EQ(GetLanguage(), kLanguageCzech);
}

TEST(TextTables, EverySlotHoldsTheTextOfItsLanguage)
{
    // Every slot of every table is listed once.
    std::map<Table, std::set<int>> listed;
    for (const TextRow& row : kTexts)
        EXPECT_TRUE(listed[row.table].insert(row.slot).second) << "table " << row.table << ", slot " << row.slot;
    EXPECT_EQ(listed[kDecoder].size(), static_cast<size_t>(kDecoderTextCount));
    EXPECT_EQ(listed[kCommon].size(), static_cast<size_t>(kCommonTextCount));
    EXPECT_EQ(listed[kField].size(), static_cast<size_t>(kFieldKindCount));
    EXPECT_EQ(listed[kCoord].size(), static_cast<size_t>(kCoordSystemCount));
    EXPECT_EQ(listed[kFramework].size(), static_cast<size_t>(kFrameworkTextCount));

    const auto english = FilledSlots(kLanguageEnglish);
    for (int language = kLanguageCzech; language <= kLanguageSlovak; ++language) {
        const auto filled = FilledSlots(language);
        for (const TextRow& row : kTexts) {
            const std::string& text = filled.at({row.table, row.slot});
            const std::string& englishText = english.at({row.table, row.slot});
            const char* expected = Expected(row, language);
            const std::string where = "language " + std::to_string(language) + ", table " +
                                      std::to_string(row.table) + ", slot " + std::to_string(row.slot);
            if (expected) {
                EXPECT_EQ(text, expected) << where;
            } else if (language == kLanguageCzech || language == kLanguageGerman) {
                EXPECT_NE(text, englishText) << where << ": not translated";
            } else if (language != kLanguageEnglish) {
                EXPECT_EQ(text, englishText) << where;
            }
            EXPECT_FALSE(text.empty()) << where;
        }
        // The format dialog maps a listed name back to its kind.
        std::set<std::string> names(g_fieldDisplayNames, g_fieldDisplayNames + kFieldKindCount);
        EXPECT_EQ(names.size(), static_cast<size_t>(kFieldKindCount)) << "language " << language;
    }
}

// The framework's table is filled at its first use, from the setting of that
// moment, and keeps that language for the run.
TEST(TextTables, DISABLED_FrameworkChild)
{
    EXPECT_STREQ(g_frameworkTexts[kFrameworkYes], "YES") << "not filled before its first use";
    EXPECT_STREQ(FrameworkText(kFrameworkYes), ChildTestParameter());
    WriteRegString(HKEY_LOCAL_MACHINE, "Software\\Velor Terx\\Ini\\Velor", "Language", "CZ");
    EXPECT_STREQ(FrameworkText(kFrameworkYes), ChildTestParameter());
}

TEST_F(LanguageSetting, FrameworkTextsAreFilledOnFirstUse)
{
    Install("Velor", "Language", "D");
    EXPECT_EQ(RunChildTest("TextTables.DISABLED_FrameworkChild", "DA"), 0);
    Install("Velor", "Language", "GB");
    EXPECT_EQ(RunChildTest("TextTables.DISABLED_FrameworkChild", "YES"), 0);
}

} // namespace
