// Native build: named shared memory through the Windows file-mapping
// functions, for mappings backed by the page file (no file handle).
//
// A name is scoped to the user, as a Windows name is to the logon session.
// The name lives as long as a handle to it is open in any process; when the
// last one is closed the next creator gets fresh zeroed memory (see
// shared_memory.h for how that holds up when a process dies without
// closing). A mapped view keeps its memory until it is unmapped, but not the
// name. Mapping handles are closed with CloseHandle.
#pragma once

#include "platform/posix/types.h"

// Security attributes are taken and ignored (the registry stand-in declares
// the same names).
struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

#define PAGE_READONLY 0x02
#define PAGE_READWRITE 0x04
#define PAGE_WRITECOPY 0x08
#define SEC_COMMIT 0x08000000

#define FILE_MAP_COPY 0x0001
#define FILE_MAP_WRITE 0x0002
#define FILE_MAP_READ 0x0004
#define FILE_MAP_ALL_ACCESS 0x000F001F

// Creates the mapping, or opens it when one of that name exists: then the
// last error is ERROR_ALREADY_EXISTS (else 0) and the existing size stays.
// Only INVALID_HANDLE_VALUE is taken for file; the size must not be 0.
// Null on failure.
HANDLE CreateFileMappingA(HANDLE file, LPSECURITY_ATTRIBUTES attributes, DWORD protect, DWORD maximumSizeHigh,
                          DWORD maximumSizeLow, LPCSTR name);

// Opens an existing named mapping; null with ERROR_FILE_NOT_FOUND when there
// is none.
HANDLE OpenFileMappingA(DWORD desiredAccess, BOOL inheritHandle, LPCSTR name);

// Maps bytes of the mapping from the offset (a multiple of 64 KiB); bytes 0
// maps the rest of it.
LPVOID MapViewOfFile(HANDLE mapping, DWORD desiredAccess, DWORD fileOffsetHigh, DWORD fileOffsetLow,
                     SIZE_T bytesToMap);

// Unmaps the view that contains address.
BOOL UnmapViewOfFile(LPCVOID address);
