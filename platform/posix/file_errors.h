// Native build: the Windows error code for an errno value of the file
// services.
#pragma once

#include "platform/posix/types.h"

// ENOENT gives ERROR_FILE_NOT_FOUND when the directory of path exists and
// ERROR_PATH_NOT_FOUND when it does not, as Windows tells the two apart.
DWORD ErrorFromErrno(int error, const char* path);
