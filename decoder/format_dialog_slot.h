// The format dialog as the decoder runs it: the format chosen for a data
// file, edited by the user, and handed back as whole texts.
#pragma once

#include "platform/classlib/CString.h"

#include <cstdint>

// Runs the format dialog on dataFile (see CDecodeTxLine::EditFormatDialog
// for the arguments). True when the user confirmed: nameOut and formatOut
// then hold the catalogue name and the format string; false when cancelled,
// or when no format dialog is installed (decoder/dialog_hooks.h), and both
// are left as they were.
bool RunEditFormatDialog(const char* section, const char* name, const char* dataFile, const char* limitFormat,
                         const char* format, bool givenFormat, bool variantMode, CString& nameOut,
                         CString& formatOut);
