// Windows build: the product's shared library vlr320.dll and HTML Help, both
// loaded at run time, so that the module loads where either is missing.
#include "platform/platform.h"

#include <shellapi.h>

#include <cstring>

namespace {

typedef int(WINAPI* GetProg32HelpNumFunction)(int contextNumber);
typedef short(WINAPI* EditFileFunction)(const char* iniPath, const char* file, short flag);
typedef HWND(WINAPI* HtmlHelpFunction)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

const UINT kHelpDisplayToc = 0x0001;   // HH_DISPLAY_TOC
const UINT kHelpContext = 0x000F;      // HH_HELP_CONTEXT

// An export as the function type it has (through the generic function
// pointer type, which converts to any other).
template <class F>
F Function(HMODULE library, const char* name)
{
    return library ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(library, name))) : nullptr;
}

// The library's function, or null; the library stays loaded for the run.
template <class F>
F ProductFunction(const char* name)
{
    static HMODULE library = LoadLibraryA("vlr320.dll");
    return Function<F>(library, name);
}

HtmlHelpFunction HtmlHelp()
{
    static HMODULE library = LoadLibraryA("hhctrl.ocx");
    return Function<HtmlHelpFunction>(library, "HtmlHelpA");
}

// The shell's "open" on the file name without its quotes.
short OpenWithShell(const char* file)
{
    CString path(file ? file : "");
    path.Trim('"');
    if (path.IsEmpty())
        return 0;
    const HINSTANCE result = ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32 ? 1 : 0;
}

} // namespace

int DefaultHelpFileNumber(int contextNumber)
{
    const auto function = ProductFunction<GetProg32HelpNumFunction>("GetProg32HelpNum");
    return function ? function(contextNumber) : 0;
}

short DefaultEditFile(const char* iniPath, const char* file, short flag)
{
    const auto function = ProductFunction<EditFileFunction>("EditFile");
    return function ? function(iniPath, file, flag) : OpenWithShell(file);
}

void DefaultDisplayHelp(const char* helpFile, int contextNumber)
{
    if (const HtmlHelpFunction function = HtmlHelp()) {
        function(GetDesktopWindow(), helpFile, contextNumber ? kHelpContext : kHelpDisplayToc,
                 static_cast<DWORD_PTR>(contextNumber));
        return;
    }
#if defined(_WIN64)
    VelorMessageBox(nullptr, "HtmlHelpA is not available under _WIN64", "", MB_OK);
#else
    VelorMessageBox(nullptr, "HtmlHelpA is not available", "", MB_OK);
#endif
}
