// Help for the dialogs: the product's help file chosen by context number,
// shown in the help viewer, with a record of the call in "terx.out".
#pragma once

// The help file of the context number's help-file number (0 or 4
// "TravCOM.chm", 1 "TravCOMAlvo.chm", 2 "TravCOMBeno.chm", 3
// "TravCOMCisu.chm"); any other number shows nothing.
void ShowHelp(int contextNumber);

// Shows file (a name in the help directory) at the context number, and
// records the call, and unless "HelpLocale" is 0 the run-time locale before
// and after it, in "terx.out".
void OpenHelpFile(const char* file, int contextNumber);
