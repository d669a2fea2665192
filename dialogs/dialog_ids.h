// The dialog templates of the module (VelorTrDcd_dialogs.rc) and the ids of
// their controls that the code names.
#pragma once

enum DialogTemplateId : unsigned {
    kTemplateFormat = 137,
    kTemplateSaveFormat = 138,
    kTemplateDecodeError = 140,
};

enum DecodeErrorControlId : int {
    kDecodeErrorMessage = 1053,
    kDecodeErrorCancelReading = 1054,
    kDecodeErrorNoWarnings = 1055,
};

// The file name by which the system finds its own module among the loaded
// modules of the host process, to take its dialog templates from it.
extern const char* const kSystemModuleName;
