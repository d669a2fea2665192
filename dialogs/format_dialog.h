// The run of the format dialog for a data file, from the starting point the
// format choice prepared (ChooseFormatForFile).
#pragma once

#include "formats/catalogue.h"

// Runs the format dialog from a FormatChoice prepared by ChooseFormatForFile; on OK fills choice.name and
// choice.format and returns true.
bool RunFormatDialog(FormatCatalogue& catalogue, FormatChoice& choice, const char* dataFile,
                     const PointFormat* limitFormat, bool givenFormatMode, bool variantMode);
