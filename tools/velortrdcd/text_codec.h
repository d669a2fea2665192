// The tool's text at its edges: the system works in the ANSI code page, the
// terminal and scripts in UTF-8. Each build has its own conversions.
#pragma once

#include <cstdio>
#include <string>

// ANSI text as UTF-8.
std::string AnsiToUtf8(const char* text);

// UTF-8 text as ANSI; characters the code page lacks become '?'. Bytes that
// are not UTF-8 are taken as ANSI already.
std::string Utf8ToAnsi(const std::string& text);

// A command-line argument as the system reads it (ANSI).
std::string ArgumentToAnsi(const char* argument);

// Writes UTF-8 text to stdout or stderr as the terminal or pipe behind it
// expects it.
void WriteText(FILE* stream, const std::string& utf8);

// Puts stdin, stdout and stderr in the mode the tool writes them in: bytes
// as they are, no line-end translation.
void PrepareStreams();

// Whether stdin is an interactive terminal.
bool StdinIsTerminal();

// Whether stderr is an interactive terminal.
bool StderrIsTerminal();
