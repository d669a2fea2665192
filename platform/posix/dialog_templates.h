// The dialog templates of the module's resource script as tables: what the
// native dialog manager builds a dialog from. cmake/rc_dialogs.py writes the
// tables from the script while building; the Windows tests compile them too,
// to compare them with the templates in the built module. Texts are
// Windows-1250 bytes, positions and sizes dialog units, styles as the
// resource compiler writes them.
#pragma once

#include <cstdint>

struct DialogItemTemplate {
    int id;
    const char* className;
    uint32_t style;
    uint32_t exStyle;
    short x, y, cx, cy;
    const char* text;
};

struct DialogTemplate {
    int id;
    uint32_t style;
    uint32_t exStyle;
    short x, y, cx, cy;
    const char* caption;
    const char* fontFace;
    int pointSize;
    const DialogItemTemplate* items;
    int itemCount;
};

extern const DialogTemplate kDialogTemplates[];
extern const int kDialogTemplateCount;

// The template of a resource id, or null.
inline const DialogTemplate* FindDialogTemplate(int id)
{
    for (int i = 0; i < kDialogTemplateCount; ++i)
        if (kDialogTemplates[i].id == id)
            return &kDialogTemplates[i];
    return nullptr;
}
