// The decoder's dialogs, installed into its hooks (decoder/dialog_hooks.h):
// the decode-error dialog answers the unknown-command question and the
// format dialog serves EditFormatDialog. The module installs them when it
// loads; so does a program that links the system and wants them shown.
#pragma once

void InstallDialogsInDecoder();
