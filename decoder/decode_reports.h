// The decoder's reports of bad lines in a point file: the message box of a
// line that ends the reading, and the question about an unknown command.
#pragma once

#include "VelorTrDcdHost.h"
#include "platform/platform.h"

#include <cstdint>

class CDecodeTxLine;

// Installs a host's answerer with its context; a null answerer brings back
// the default: the one the dialogs installed (decoder/dialog_hooks.h), the
// decode-error dialog once the module is loaded (on Windows the user
// answers; natively, with no dialog driver installed, the stand-in dialog
// ends with its default button, OK, and the answer is 1), and without it 1.
void SetUnknownCommandAnswerer(UnknownCommandAnswerer answerer, void* context);

// The texts of the two reports.
CString ComposeUnknownCommand(const char* fileName, uint32_t lineNumber, const char* lineText);
CString ComposeInputError(const char* fileName, const char* message, uint32_t lineNumber, const char* lineText);

// Asks the answerer about an unknown command; returns its answer (0, 1, 2).
uint16_t ReportUnknownCommand(const char* fileName, uint32_t lineNumber, const char* lineText);

// Closes the input file, shows the error in a message box when the
// decoder's messages are on, and returns returnCode in any case.
uint16_t ReportInputError(const CDecodeTxLine& decoder, CFile& inputFile, const char* fileName,
                          uint16_t returnCode, const char* message, uint32_t lineNumber, const char* lineText);
