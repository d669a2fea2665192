// Native build: CFile on file descriptors. The sharing mode becomes a lock on
// the open file, taken without waiting: modes that let others read take a
// shared lock, the exclusive ones an exclusive lock, so that two opens
// through this class refuse each other where Windows would.
#include "platform/platform.h"
#include "platform/posix/file_errors.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

int Descriptor(HANDLE handle)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(handle));
}

int LockFor(UINT flags)
{
    switch (flags & 0x70) {
    case CFile::shareDenyWrite:
    case CFile::shareDenyNone:
        return LOCK_SH;
    default: // shareCompat, shareExclusive, shareDenyRead
        return LOCK_EX;
    }
}

// Why an open descriptor cannot serve as the file, or NO_ERROR. A directory
// opens on Windows only with backup semantics, so it is refused here too. On
// a file system without locks the file opens without the sharing check.
DWORD CheckOpened(int fd, UINT flags, const char* path)
{
    struct stat info;
    if (fstat(fd, &info) != 0)
        return ErrorFromErrno(errno, path);
    if (S_ISDIR(info.st_mode))
        return ERROR_ACCESS_DENIED;
    if (flock(fd, LockFor(flags) | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return ERROR_SHARING_VIOLATION;
    // Opened without waiting (a FIFO would block); reads wait as usual.
    const int status = fcntl(fd, F_GETFL);
    if (status != -1)
        fcntl(fd, F_SETFL, status & ~O_NONBLOCK);
    return NO_ERROR;
}

} // namespace

BOOL CFile::Open(const char* path, UINT flags, CFileException* error)
{
    Close();
    if (!path || !IsReadOpen(flags))
        return OpenFailed(error, ERROR_INVALID_PARAMETER, path);
    const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return OpenFailed(error, static_cast<LONG>(ErrorFromErrno(errno, path)), path);
    const DWORD failure = CheckOpened(fd, flags, path);
    if (failure != NO_ERROR) {
        close(fd);
        return OpenFailed(error, static_cast<LONG>(failure), path);
    }
    m_hFile = reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd));
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (!IsOpen()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    UINT done = 0;
    while (done < count) {
        const ssize_t got = read(Descriptor(m_hFile), static_cast<char*>(buffer) + done, count - done);
        if (got > 0) {
            done += static_cast<UINT>(got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            SetLastError(ErrorFromErrno(errno, nullptr));
            break;
        }
    }
    return done;
}

ULONGLONG CFile::GetLength() const
{
    struct stat info;
    if (!IsOpen() || fstat(Descriptor(m_hFile), &info) != 0)
        return 0;
    return static_cast<ULONGLONG>(info.st_size);
}

void CFile::Close()
{
    if (IsOpen())
        close(Descriptor(m_hFile));
    m_hFile = INVALID_HANDLE_VALUE;
}
