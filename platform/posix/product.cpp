// Native build: no product library. Help-file numbers are 0, help requests
// become notices through the message-box routine, and files are edited in
// the user's editor ($VISUAL, then $EDITOR).
#include "platform/platform.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Runs the editor command line through the shell with the file as its
// argument and waits for it; the command may carry options ("code -w").
bool RunEditor(const char* editor, const char* file)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // $1 unquoted: the editor's words are split as the shell splits them.
        execl("/bin/sh", "sh", "-c", "exec $1 \"$2\"", "sh", editor, file, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        ;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int DefaultHelpFileNumber(int)
{
    return 0;
}

short DefaultEditFile(const char*, const char* file, short)
{
    const char* editor = std::getenv("VISUAL");
    if (!editor || !*editor)
        editor = std::getenv("EDITOR");
    CString path(file ? file : "");
    path.Trim('"');
    if (!editor || !*editor || path.IsEmpty())
        return 0;
    return RunEditor(editor, path) ? 1 : 0;
}

void DefaultDisplayHelp(const char* helpFile, int contextNumber)
{
    CString text;
    text.Format("Help: %s, context %d", helpFile ? helpFile : "", contextNumber);
    VelorMessageBox(nullptr, text, "", MB_OK);
}
