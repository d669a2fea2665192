// Native build: the process's table of kernel-object handles and
// CloseHandle.
//
// A stand-in that hands out handles describes their kind once (a
// HandleKind with the function that closes one) and registers each object
// it opens; the handle it gets back is what the caller sees. CloseHandle
// finds the handle's kind and lets it close the object. Handle values are
// small multiples of 4, as on Windows; a closed handle's value may be given
// out again.
#pragma once

#include "platform/posix/types.h"

struct HandleKind {
    const char* name;
    // Closes the object behind a handle; FALSE with the last error set when
    // that fails (the handle is gone all the same).
    BOOL (*close)(void* object);
};

// A new handle for object; null with ERROR_NOT_ENOUGH_MEMORY when the table
// cannot grow.
HANDLE RegisterHandle(const HandleKind* kind, void* object);

// The object behind a handle of the given kind, or null (then the last error
// is ERROR_INVALID_HANDLE).
void* HandleObject(HANDLE handle, const HandleKind* kind);

BOOL CloseHandle(HANDLE handle);
