// The dialogs the decoder shows, known to it only through these hooks: the
// dialogs live in a layer above the decoder and install themselves (the
// module when it loads, and test programs that reach the dialogs through the
// decoder). Without them the decoder asks nobody: an unknown command is
// skipped (answer 1) and the format dialog counts as cancelled.
#pragma once

#include "VelorTrDcdHost.h"
#include "formats/catalogue.h"

// Runs the format dialog from a FormatChoice prepared by ChooseFormatForFile;
// on OK fills choice.name and choice.format and returns true.
typedef bool (*FormatDialogRunner)(FormatCatalogue& catalogue, FormatChoice& choice, const char* dataFile,
                                   const PointFormat* limitFormat, bool givenFormatMode, bool variantMode);

struct DecoderDialogs {
    UnknownCommandAnswerer askUnknownCommand = nullptr; // the default answerer (context null)
    FormatDialogRunner runFormatDialog = nullptr;       // slot 13's dialog
};

// Installs the dialogs for the whole process; members left null mean none.
void InstallDecoderDialogs(const DecoderDialogs& dialogs);
const DecoderDialogs& InstalledDecoderDialogs();
