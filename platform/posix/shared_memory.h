// Native build: named POSIX shared memory with the lifetime of a Windows
// named section.
//
// Every use of an object (a mapping handle) is an open file description of
// it that holds a shared flock; mapped views need none, the memory stays
// with them. Whoever ends a use tries to take the lock exclusively without
// waiting; only the last user succeeds, and it removes the name, so that the
// next creator gets fresh zeroed memory. A process that dies releases its locks with its descriptors; the
// next process that opens the name and finds it sized but unused removes it
// the same way and creates it anew.
//
// Exactly one process creates an object (O_CREAT|O_EXCL); it takes its
// shared lock before it sets the size, so a sized object always has a user.
// An opener waits until the size is set: it never sees an empty object.
#pragma once

#include "platform/posix/types.h"

namespace velor_native {

const size_t kSharedMemoryNameSize = 256;

// The object name for a Windows mapping name, scoped to the user:
// "/velor-<uid>-<name>" with '/', '%' and control characters escaped as %XX
// and a leading "Local\" dropped. False (ERROR_INVALID_NAME) when it does
// not fit.
bool SharedMemoryName(const char* windowsName, char (&objectName)[kSharedMemoryNameSize]);

struct SharedMemoryUse {
    int fd;          // -1 when it failed; then error holds the Windows error
    bool existed;    // the object was there before
    uint64_t size;
    DWORD error;
};

// Creates the object with the given size (when create is set and it does not
// exist) or opens the existing one, and starts a use of it.
SharedMemoryUse AcquireSharedMemory(const char* objectName, uint64_t size, bool create);

// An object without a name, for this process only.
SharedMemoryUse AcquireUnnamedMemory(uint64_t size);

// Ends a use; the last use of a named object removes the name. objectName
// is empty for an unnamed object.
void ReleaseSharedMemory(int fd, const char* objectName);

} // namespace velor_native
