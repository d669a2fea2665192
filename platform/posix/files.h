// Native build: directory searches (FindFirstFileA and its companions) and
// the file names of loaded modules (GetModuleFileNameA), with the error
// codes of the native file services.
#pragma once

#include "platform/posix/types.h"
#include "platform/posix/errors.h"

#ifndef ERROR_GEN_FAILURE
#define ERROR_GEN_FAILURE 31L
#endif
#ifndef ERROR_LOCK_VIOLATION
#define ERROR_LOCK_VIOLATION 33L
#endif
#ifndef ERROR_DISK_FULL
#define ERROR_DISK_FULL 112L
#endif
#ifndef ERROR_MOD_NOT_FOUND
#define ERROR_MOD_NOT_FOUND 126L
#endif
#ifndef ERROR_FILENAME_EXCED_RANGE
#define ERROR_FILENAME_EXCED_RANGE 206L
#endif

#define FILE_ATTRIBUTE_READONLY 0x00000001u
#define FILE_ATTRIBUTE_HIDDEN 0x00000002u
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010u
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020u
#define FILE_ATTRIBUTE_NORMAL 0x00000080u

// 100-nanosecond intervals since 1 January 1601 (UTC).
struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
};
typedef WIN32_FIND_DATAA* LPWIN32_FIND_DATAA;

// The entries of one directory whose names match the last part of pattern,
// as Windows matches them: '*' for any run of characters, '?' for exactly
// one, letters without regard to ASCII case, and '.' or '*' left at the end
// of the pattern for nothing ("*.*" finds every name, "." and ".."
// included). A pattern without '*' or '?' names one file or directory,
// spelled exactly as on the native file system. The directory part ends at
// the last '/'; a pattern that ends with '/' finds nothing. Nothing found:
// INVALID_HANDLE_VALUE with ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND when
// the directory is missing, ERROR_INVALID_NAME when a file stands in the
// directory part.
HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data);
// The next match; FALSE with ERROR_NO_MORE_FILES after the last.
BOOL FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA data);
BOOL FindClose(HANDLE search);

// The full path of a module's file. A null module is the program itself
// (/proc/self/exe); any other value is an address inside a loaded shared
// object or the program (a module's instance handle is such an address), and
// gives that object's path. An unknown address gives 0 and
// ERROR_MOD_NOT_FOUND. A path longer than size - 1 is cut to size - 1
// characters and a NUL; the result is then size, with
// ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
