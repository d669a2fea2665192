// Native build: the files behind the private-profile functions, read whole
// and replaced whole.
#pragma once

#include "platform/posix/types.h"

#include <string>

// Reads the whole file at path into text. Returns ERROR_SUCCESS, or the
// Windows error code of the failure (ERROR_FILE_NOT_FOUND when the file does
// not exist, ERROR_ACCESS_DENIED when it is not a regular file).
DWORD ReadProfileFile(const char* path, std::string& text);

// Gives the file at path the content text, atomically: the text goes into a
// new file beside it (with the old file's permissions), which is flushed to
// the disk and then renamed over it. A reader sees the old content or the
// new one, and a crash leaves one of them whole (the directory is not
// flushed, so a crash right after a write may bring back the old content).
// When path is a symbolic link, the file it points to is replaced and the
// link kept. Only a regular file that the process may write and whose
// owner's write bit is set is replaced; anything else gives
// ERROR_ACCESS_DENIED. Temporary files that writers killed while writing
// left in the folder are removed. Returns ERROR_SUCCESS or the Windows
// error code of the failure; on failure the file is unchanged.
DWORD ReplaceProfileFile(const char* path, const std::string& text);
