// Services whose rules differ between the builds, declared once here and
// implemented once in each backend (platform/win32, platform/posix), so that
// the code above the platform never asks which build it is in.
#pragma once

// Path rules. Windows paths use the backslash; the native build also takes
// '/' as a separator and counts a path beginning with '/' as absolute. Both
// count a drive ("C:") or a UNC name ("\\server") as absolute.
bool PlatformIsPathSeparator(char c);
bool PlatformIsAbsolutePath(const char* path);
// The separator that joins a name to directory: the backslash on Windows;
// natively '/' unless the directory is written with backslashes only.
char PlatformJoinSeparator(const char* directory);

// Replaces one section of an ini file such that the file holds either its
// old content or its new content, whatever happens to the writing process.
// False with the error in GetLastError when it could not be written.
bool WritePrivateProfileSectionWhole(const char* path, const char* section, const char* block);
