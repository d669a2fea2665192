// The services of the product around this system: its shared library
// (help-file numbers and its text editor) and the help viewer. Each build
// has its own defaults; a host or a test may replace each routine.
#pragma once

// The help-file number of a help context; the product library's answer, or
// 0 when the library or its function is missing.
typedef int (*HelpFileNumberRoutine)(int contextNumber);

// Opens file (already quoted) in the product's text editor; iniPath is the
// product's global ini file. The product library's editor when it is there,
// else the platform's: on Windows the shell's "open" verb, natively $VISUAL,
// then $EDITOR. Returns the editor's result, 0 when none could be started.
typedef short (*EditFileRoutine)(const char* iniPath, const char* file, short flag);

// One display request for a help file: with a context number (contextNumber
// not 0) or for the file's contents. Windows shows it through HTML Help, or
// a notice box when HTML Help cannot be loaded; natively it is a notice box.
typedef void (*HelpDisplayRoutine)(const char* helpFile, int contextNumber);

int PlatformHelpFileNumber(int contextNumber);
short PlatformEditFile(const char* iniPath, const char* file, short flag);
void PlatformDisplayHelp(const char* helpFile, int contextNumber);

// Null brings back the build's default.
void SetHelpFileNumberRoutine(HelpFileNumberRoutine routine);
void SetEditFileRoutine(EditFileRoutine routine);
void SetHelpDisplayRoutine(HelpDisplayRoutine routine);

// The build's defaults (platform/win32/product.cpp, platform/posix/product.cpp).
int DefaultHelpFileNumber(int contextNumber);
short DefaultEditFile(const char* iniPath, const char* file, short flag);
void DefaultDisplayHelp(const char* helpFile, int contextNumber);
