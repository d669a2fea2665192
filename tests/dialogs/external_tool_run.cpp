// Driving a dialog of another process by window messages.
#include "external_tool_run.h"

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

const UINT kMessageTimeoutMs = 5000;

// A pipe whose write end the child inherits; the read end stays here.
bool MakePipe(HANDLE* read, HANDLE* write)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(read, write, &inherit, 0))
        return false;
    SetHandleInformation(*read, HANDLE_FLAG_INHERIT, 0);
    return true;
}

// What the ended process left in the pipe. A process it started (Wine's
// desktop process, when none ran) may hold the pipe's other end open, so
// the read ends when the pipe stays empty for a while, not only at its end.
std::string ReadWhatWasWritten(HANDLE pipe)
{
    std::string text;
    char chunk[4096];
    for (int idle = 0; idle < 10;) {
        DWORD available = 0, got = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr))
            break; // the other end is closed and the pipe empty
        if (available == 0) {
            ++idle;
            Sleep(20);
            continue;
        }
        if (!ReadFile(pipe, chunk, available < sizeof chunk ? available : sizeof chunk, &got, nullptr) || got == 0)
            break;
        text.append(chunk, got);
        idle = 0;
    }
    return text;
}

void CloseIfOpen(HANDLE& handle)
{
    if (handle)
        CloseHandle(handle);
    handle = nullptr;
}

struct DialogSearch {
    DWORD processId;
    int controlId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<DialogSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner != search->processId || std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window) ||
        !GetDlgItem(window, search->controlId))
        return TRUE;
    search->found = window;
    return FALSE;
}

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR answer = 0;
    if (!window || !SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &answer))
        return kNoAnswer;
    return static_cast<LRESULT>(answer);
}

// A control's notification to its dialog, as the control sends it.
bool Notify(HWND dialog, int id, WORD code)
{
    return SendWithin(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id))) !=
           kNoAnswer;
}

} // namespace

TempFolder::~TempFolder()
{
    for (const std::string& file : files_)
        DeleteFileA(file.c_str());
    if (!path_.empty())
        RemoveDirectoryA(path_.c_str());
}

bool TempFolder::Create()
{
    char temp[MAX_PATH] = "";
    if (!GetTempPathA(sizeof temp, temp))
        return false;
    std::ostringstream name;
    name << temp << "velor-external-" << GetCurrentProcessId() << "-" << GetTickCount();
    if (!CreateDirectoryA(name.str().c_str(), nullptr))
        return false;
    path_ = name.str();
    return true;
}

std::string TempFolder::Write(const char* name, const std::string& content)
{
    const std::string path = path_ + "\\" + name;
    std::ofstream file(path, std::ios::binary);
    file << content;
    if (!file.good())
        return std::string();
    files_.push_back(path);
    return path;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string ToolBesideThisProgram()
{
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "velortrdcd.exe";
}

ToolProcess::~ToolProcess()
{
    if (process_.hProcess) {
        std::string ignored;
        Finish(0, &ignored);
    }
}

bool ToolProcess::Start(const std::string& commandLine)
{
    HANDLE outWrite = nullptr, errWrite = nullptr;
    if (!MakePipe(&out_, &outWrite) || !MakePipe(&err_, &errWrite))
        return false;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                        &process_);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    return started != FALSE;
}

HWND ToolProcess::WaitForDialog(int controlId, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0)
            return nullptr;
        DialogSearch search = {process_.dwProcessId, controlId, nullptr};
        EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&search));
        // The dialog answers once its modal loop runs.
        if (search.found && SendWithin(search.found, WM_NULL, 0, 0) != kNoAnswer)
            return search.found;
        Sleep(100);
    }
    return nullptr;
}

DWORD ToolProcess::Finish(DWORD timeoutMs, std::string* out)
{
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process_.hProcess, STILL_ACTIVE);
        WaitForSingleObject(process_.hProcess, 5000);
    } else {
        GetExitCodeProcess(process_.hProcess, &code);
    }
    *out = ReadWhatWasWritten(out_);
    errors_ = ReadWhatWasWritten(err_);
    CloseIfOpen(out_);
    CloseIfOpen(err_);
    CloseIfOpen(process_.hProcess);
    CloseIfOpen(process_.hThread);
    return code;
}

LRESULT SendTo(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendWithin(GetDlgItem(dialog, id), message, wParam, lParam);
}

bool SelectInCombo(HWND dialog, int id, int index)
{
    if (SendTo(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != index)
        return false;
    return Notify(dialog, id, CBN_SELCHANGE) && SendTo(dialog, id, CB_GETCURSEL, 0, 0) == index;
}

// The item's text is asked for in UTF-16: Wine hands an ANSI caller of
// another process the item's UTF-16 text unconverted.
std::string SelectedComboText(HWND dialog, int id)
{
    const HWND combo = GetDlgItem(dialog, id);
    const LRESULT selected = SendTo(dialog, id, CB_GETCURSEL, 0, 0);
    if (selected < 0)
        return std::string();
    const LRESULT length = SendTo(dialog, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length < 0)
        return std::string();
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &answer))
        return std::string();
    char text[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text, sizeof text, nullptr, nullptr);
    return text;
}

bool SetEditText(HWND dialog, int id, const char* text)
{
    if (SendTo(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != TRUE || !Notify(dialog, id, EN_CHANGE))
        return false;
    char back[1024] = "";
    SendTo(dialog, id, WM_GETTEXT, sizeof back, reinterpret_cast<LPARAM>(back));
    return std::strcmp(back, text) == 0;
}

bool ClickButton(HWND dialog, int id)
{
    return SendTo(dialog, id, BM_CLICK, 0, 0) != kNoAnswer;
}

bool PostClick(HWND dialog, int id)
{
    const HWND button = GetDlgItem(dialog, id);
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}
