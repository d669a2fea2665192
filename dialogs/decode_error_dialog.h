// The one decode-error dialog of the process and the unknown-command
// answerer that shows it.
#pragma once

#include "dialogs/CDlgDecodePoiErr.h"

#include <cstdint>

// Made when the module is loaded, destroyed when it is unloaded. A program
// that links the system without loading the module gets it made on its
// first report.
void OpenDecodeErrorDialog();
void CloseDecodeErrorDialog();
CDlgDecodePoiErr& DecodeErrorDialog();

// Shows the composed message in the dialog (caption and buttons in the
// chosen language, templates from the system's own module) and returns the
// user's choice: 0, 1 or 2. While the dialog is already open, or when it
// cannot be shown, nothing is asked: the answer is 0 for a report made
// during another, and 1 (skip the line, as without a dialog) when the
// dialog cannot be made.
uint16_t AnswerWithDecodeErrorDialog(void* context, const char* message, const char* fileName,
                                     uint32_t lineNumber, const char* lineText);
