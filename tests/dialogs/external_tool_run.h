// What a program outside the system needs to drive a dialog of another
// process: the process started with its output on pipes, its dialog found
// among the top-level windows, and the messages a user's actions send,
// each with a time limit so that a dialog that stops answering fails the
// test instead of holding it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A folder of its own under the temporary folder, removed with its files.
class TempFolder {
public:
    ~TempFolder();
    bool Create();
    // Writes the file (bytes as given); its full path, empty on failure.
    std::string Write(const char* name, const std::string& content);

private:
    std::string path_;
    std::vector<std::string> files_;
};

std::string ReadWholeFile(const std::string& path);

// The command-line tool in the folder of this program.
std::string ToolBesideThisProgram();

class ToolProcess {
public:
    ToolProcess() = default;
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;
    ~ToolProcess();

    // Starts the command line with stdout and stderr on pipes.
    bool Start(const std::string& commandLine);
    // The process's visible dialog (class "#32770") that has a control of
    // the id and answers messages; null when none appears in time or the
    // process ends.
    HWND WaitForDialog(int controlId, DWORD timeoutMs);
    // Waits for the end (ended by force after the time), reads what the
    // process printed; its exit code, 259 when it had to be ended.
    DWORD Finish(DWORD timeoutMs, std::string* out);
    const std::string& Errors() const { return errors_; }

private:
    PROCESS_INFORMATION process_ = {};
    HANDLE out_ = nullptr;
    HANDLE err_ = nullptr;
    std::string errors_;
};

// The answer of a message that timed out or could not be sent.
const LRESULT kNoAnswer = -7777;

// A message sent to a control of the dialog; its answer or kNoAnswer.
LRESULT SendTo(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
// An item of a combo box chosen, with the selection-change notification
// the dialog gets when a user chooses it; true when the item is selected.
bool SelectInCombo(HWND dialog, int id, int index);
// The text of the item selected in a combo box; empty when none.
std::string SelectedComboText(HWND dialog, int id);
// The text of an edit field replaced, with its change notification; true
// when the field holds the text afterwards.
bool SetEditText(HWND dialog, int id, const char* text);
// A click on a button (BM_CLICK) that returns once it was handled.
bool ClickButton(HWND dialog, int id);
// A click posted, for buttons that end the dialog.
bool PostClick(HWND dialog, int id);
