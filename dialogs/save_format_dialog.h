// The save-format dialog: asks for the name, description and file suffixes
// under which the format being edited is stored in the catalogue, and stores
// it there.
#pragma once

#include "formats/catalogue.h"
#include "platform/platform.h"

#include <cstdint>

// Runs the save-format dialog; the catalogue index of the saved entry, -1 when cancelled.
int32_t RunSaveFormat(FormatCatalogue& catalogue, uint16_t currentIndex, const CString& formatText);
