#include "platform/posix/shared_memory.h"

#include "platform/posix/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace velor_native {

namespace {

// How long an opener waits for a creator that has made the object but not
// sized it yet, before it takes the creator for dead.
const int kSizeWaitMs = 2000;
const int kAttempts = 64;

void SleepOneMillisecond()
{
    struct timespec pause = {0, 1000000};
    nanosleep(&pause, nullptr);
}

DWORD ErrorFromErrno(int error)
{
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case EMFILE:
    case ENFILE:
        return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM:
    case ENOSPC:
    case EFBIG:
        return ERROR_NOT_ENOUGH_MEMORY;
    case ENAMETOOLONG:
        return ERROR_INVALID_NAME;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    default:
        return ERROR_ACCESS_DENIED;
    }
}

SharedMemoryUse Failed(DWORD error)
{
    return SharedMemoryUse{-1, false, 0, error};
}

// Whether the name still stands for the object open at fd.
bool NameIsObject(int fd, const char* objectName)
{
    struct stat own, named;
    const int other = shm_open(objectName, O_RDONLY | O_CLOEXEC, 0);
    if (other < 0)
        return false;
    const bool same = fstat(fd, &own) == 0 && fstat(other, &named) == 0 && own.st_dev == named.st_dev &&
                      own.st_ino == named.st_ino;
    close(other);
    return same;
}

// Called with the exclusive lock held, so nobody else can remove the name
// meanwhile; a name that already stands for a newer object stays.
void RemoveNameOf(int fd, const char* objectName)
{
    if (NameIsObject(fd, objectName))
        shm_unlink(objectName);
}

uint64_t SizeOf(int fd)
{
    struct stat status;
    if (fstat(fd, &status) != 0 || status.st_size < 0)
        return 0;
    return static_cast<uint64_t>(status.st_size);
}

// exists: the name was taken already (nothing else is reported then).
SharedMemoryUse Create(const char* objectName, uint64_t size, bool& exists)
{
    const int fd = shm_open(objectName, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    exists = fd < 0 && errno == EEXIST;
    if (fd < 0)
        return Failed(ErrorFromErrno(errno));
    // The lock comes before the size: a sized object without users is stale.
    if (flock(fd, LOCK_SH) != 0 || ftruncate(fd, static_cast<off_t>(size)) != 0) {
        const DWORD error = ErrorFromErrno(errno);
        flock(fd, LOCK_EX);
        RemoveNameOf(fd, objectName);
        close(fd);
        return Failed(error);
    }
    return SharedMemoryUse{fd, false, size, 0};
}

enum class Opened { Yes, Missing, Retry, Error };

// The object has no user: either it is stale (sized: remove it), or its
// creator has not locked it yet (not sized: wait, up to kSizeWaitMs).
Opened Unused(int fd, const char* objectName, int& waitedMs)
{
    if (SizeOf(fd) > 0 || waitedMs >= kSizeWaitMs) {
        RemoveNameOf(fd, objectName);
        close(fd);
        return Opened::Retry;
    }
    close(fd);
    SleepOneMillisecond();
    ++waitedMs;
    return Opened::Retry;
}

// Holding the shared lock on the object the name stands for: wait until its
// creator has set the size.
bool WaitForSize(int fd, int& waitedMs, uint64_t& size)
{
    for (;;) {
        size = SizeOf(fd);
        if (size > 0)
            return true;
        if (waitedMs >= kSizeWaitMs)
            return false;
        SleepOneMillisecond();
        ++waitedMs;
    }
}

Opened OpenExisting(const char* objectName, int& waitedMs, SharedMemoryUse& use)
{
    const int fd = shm_open(objectName, O_RDWR | O_CLOEXEC, 0);
    if (fd < 0) {
        const int error = errno;
        use = Failed(ErrorFromErrno(error));
        return error == ENOENT ? Opened::Missing : Opened::Error;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Unused(fd, objectName, waitedMs);
    uint64_t size = 0;
    if (flock(fd, LOCK_SH) != 0 || !NameIsObject(fd, objectName) || !WaitForSize(fd, waitedMs, size)) {
        // Removed meanwhile by its last user, or its creator died before
        // sizing it: start again.
        close(fd);
        return Opened::Retry;
    }
    use = SharedMemoryUse{fd, true, size, 0};
    return Opened::Yes;
}

} // namespace

bool SharedMemoryName(const char* windowsName, char (&objectName)[kSharedMemoryNameSize])
{
    static const char localPrefix[] = "Local\\";
    if (std::strncmp(windowsName, localPrefix, sizeof localPrefix - 1) == 0)
        windowsName += sizeof localPrefix - 1;
    int length = std::snprintf(objectName, sizeof objectName, "/velor-%lu-", static_cast<unsigned long>(getuid()));
    for (const char* p = windowsName; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        const bool plain = c > 0x20 && c != '/' && c != '%' && c != 0x7F;
        const int room = static_cast<int>(sizeof objectName) - length;
        const int written = plain ? std::snprintf(objectName + length, static_cast<size_t>(room), "%c", c)
                                  : std::snprintf(objectName + length, static_cast<size_t>(room), "%%%02X", c);
        if (written >= room) {
            SetLastError(ERROR_INVALID_NAME);
            return false;
        }
        length += written;
    }
    return true;
}

SharedMemoryUse AcquireSharedMemory(const char* objectName, uint64_t size, bool create)
{
    int waitedMs = 0;
    for (int attempt = 0; attempt < kAttempts + kSizeWaitMs; ++attempt) {
        SharedMemoryUse use = Failed(ERROR_FILE_NOT_FOUND);
        if (create) {
            bool exists = false;
            use = Create(objectName, size, exists);
            if (!exists)
                return use;
        }
        switch (OpenExisting(objectName, waitedMs, use)) {
        case Opened::Yes:
        case Opened::Error:
            return use;
        case Opened::Missing:
            if (!create)
                return Failed(ERROR_FILE_NOT_FOUND);
            break;
        case Opened::Retry:
            break;
        }
    }
    return Failed(ERROR_ACCESS_DENIED);
}

SharedMemoryUse AcquireUnnamedMemory(uint64_t size)
{
    const int fd = memfd_create("velor-mapping", MFD_CLOEXEC);
    if (fd < 0)
        return Failed(ErrorFromErrno(errno));
    if (ftruncate(fd, static_cast<off_t>(size)) != 0) {
        const DWORD error = ErrorFromErrno(errno);
        close(fd);
        return Failed(error);
    }
    return SharedMemoryUse{fd, false, size, 0};
}

void ReleaseSharedMemory(int fd, const char* objectName)
{
    if (objectName && *objectName && flock(fd, LOCK_EX | LOCK_NB) == 0)
        RemoveNameOf(fd, objectName);
    close(fd);
}

} // namespace velor_native
