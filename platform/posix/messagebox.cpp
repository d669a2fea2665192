// Native build: a message box without a screen. The caption and the text go
// to stderr, and the box answers as if the user had pressed Enter: with its
// default button (the first one when MB_DEFBUTTON2/3 name a button the box
// does not have). A type that names no kind of box gives 0, as on Windows.
#include "platform/platform.h"

#include <cstdio>

namespace {

// The buttons that close each kind of box, in their order on the screen.
const int kButtons[][3] = {
    {IDOK, 0, 0},                         // MB_OK
    {IDOK, IDCANCEL, 0},                  // MB_OKCANCEL
    {IDABORT, IDRETRY, IDIGNORE},         // MB_ABORTRETRYIGNORE
    {IDYES, IDNO, IDCANCEL},              // MB_YESNOCANCEL
    {IDYES, IDNO, 0},                     // MB_YESNO
    {IDRETRY, IDCANCEL, 0},               // MB_RETRYCANCEL
    {IDCANCEL, IDTRYAGAIN, IDCONTINUE},   // MB_CANCELTRYCONTINUE
};

// The default button's answer; 0 for a type that names no kind of box.
int DefaultAnswer(UINT type)
{
    const UINT kind = type & MB_TYPEMASK;
    if (kind >= sizeof kButtons / sizeof kButtons[0])
        return 0;
    UINT button = (type & MB_DEFMASK) >> 8;
    if (button > 2 || kButtons[kind][button] == 0)
        button = 0;
    return kButtons[kind][button];
}

} // namespace

int PlatformMessageBox(HWND, const char* text, const char* caption, UINT type, DWORD)
{
    const int answer = DefaultAnswer(type);
    if (answer == 0) {
        SetLastError(ERROR_INVALID_MSGBOX_STYLE); // no such box: nothing is shown
        return 0;
    }
    std::fprintf(stderr, "[%s] %s\n", caption ? caption : "Error", text ? text : "");
    std::fflush(stderr);
    return answer;
}
