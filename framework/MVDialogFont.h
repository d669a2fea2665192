// What the dialogs of a process share: the configured dialog font and the
// dialog-unit ratio written for the product's other programs.
#pragma once

#include "platform/platform.h"

// The font of "DiaFont" (face) and "DiaFontSize" (tenths of a point, 80
// when missing) under HKEY_CURRENT_USER ProgramUserKey("Options"), made at
// the first call of the process; null when the face is empty (the
// templates' font stays) or the font cannot be made. A missing value is
// written back with its default.
HFONT ConfiguredDialogFont();

// The first call of the process converts 10000 by 10000 dialog units of
// the dialog into pixels and writes them as the DWORDs "DiaRatioX10000" and
// "DiaRatioY10000" under HKEY_CURRENT_USER ProductUserKey("info").
void WriteDialogUnitRatio(HWND dialog);

// Forgets what the process has settled, so that the next dialog reads the
// settings again (for the tests of a process that opens many dialogs).
void ResetDialogSettings();
