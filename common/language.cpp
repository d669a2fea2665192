// The language setting of the product.
#include "common/language.h"

#include "common/config.h"

LanguageIndex LanguageFromCode(const char* code)
{
    static const struct {
        const char* code;
        LanguageIndex index;
    } kCodes[] = {{"CZ", kLanguageCzech},
                  {"GB", kLanguageEnglish},
                  {"D", kLanguageGerman},
                  {"F", kLanguageFrench},
                  {"SK", kLanguageSlovak}};
    for (const auto& entry : kCodes)
        if (code && lstrcmpiA(code, entry.code) == 0)
            return entry.index;
    return kLanguageEnglish;
}

LanguageIndex GetLanguage()
{
    return LanguageFromCode(ReadInstallValue("Velor", "Language"));
}
