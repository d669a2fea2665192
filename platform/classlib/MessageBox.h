// Message boxes. The system shows every message through VelorMessageBox:
// the platform message box's arguments (owner, text, caption, MB_* type) and
// answers (IDOK, IDYES, ...), plus the help id that the box's Help button
// hands to the owner. A host or a test may install a responder that answers
// in place of the platform's box; it receives every argument.
#pragma once

typedef int (*MessageBoxResponder)(void* context, HWND owner, const char* text,
                                   const char* caption, UINT type, DWORD helpId);

int VelorMessageBox(HWND owner, const char* text, const char* caption, UINT type,
                    DWORD helpId = 0);

// Installs a responder with the context it is called with; a null responder
// brings back the platform's box. Install it while no box is being shown.
void SetMessageBoxResponder(MessageBoxResponder responder, void* context);

// The responder now installed (null for the platform's box) and its context.
MessageBoxResponder GetMessageBoxResponder(void** context);

// Each build's own box. Windows: the system message box, owned by owner or,
// when that is null, by the host's main window. Natively: the caption and
// the text on stderr, answered with the default button.
int PlatformMessageBox(HWND owner, const char* text, const char* caption, UINT type, DWORD helpId);
