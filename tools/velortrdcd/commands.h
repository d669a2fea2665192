// The tool's commands. Each gets its arguments (after the command's name, in
// the ANSI code page) and its usage text, and returns the exit code.
#pragma once

#include <string>
#include <vector>

const int kExitUsage = 64;
// The build lacks what the command needs (convert without GDAL).
const int kExitUnavailable = 69;
// The output cannot be created or written.
const int kExitCannotWrite = 73;

typedef std::vector<std::string> Args;

int RunRead(const Args& args, const char* usage);
int RunDecode(const Args& args, const char* usage);
int RunFormat(const Args& args, const char* usage);
int RunEval(const Args& args, const char* usage);
int RunAxes(const Args& args, const char* usage);
int RunPaths(const Args& args, const char* usage);
int RunLanguage(const Args& args, const char* usage);
int RunCatalogue(const Args& args, const char* usage);
int RunFormatDialog(const Args& args, const char* usage);
int RunGuess(const Args& args, const char* usage);
int RunConvert(const Args& args, const char* usage);

// Prints the message and the usage on stderr; returns kExitUsage.
int UsageError(const std::string& message, const char* usage);

// Writes UTF-8 text to stdout.
void Out(const std::string& utf8);

// Whether args ask for the command's help.
bool WantsHelp(const Args& args);
