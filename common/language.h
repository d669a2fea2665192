// The language of the product's user interface, from the product's setting.
#pragma once

enum LanguageIndex : int {
    kLanguageCzech = 0,
    kLanguageEnglish = 1,
    kLanguageGerman = 2,
    kLanguageFrench = 3,
    kLanguageSlovak = 4,
};

// The index of a setting code: "CZ", "GB", "D", "F" or "SK" without regard
// to case; anything else, and an empty or null code, is English.
LanguageIndex LanguageFromCode(const char* code);

// The setting "Language" of the installation key "Velor", read anew on
// every call.
LanguageIndex GetLanguage();
