// The explanation tip of a control in the undefined state: a replaceable
// process-wide routine taking the tip's identifier and its text. The
// default shows nothing.
#pragma once

typedef void (*ShowTipRoutine)(const char* id, const char* text);

// Installs a routine; null brings back the default.
void SetShowTip(ShowTipRoutine routine);
void ShowTip(const char* id, const char* text);
