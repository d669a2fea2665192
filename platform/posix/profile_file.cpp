#include "platform/posix/profile_file.h"

#include "platform/posix/errors.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef ERROR_DISK_FULL
#define ERROR_DISK_FULL 112L
#endif

namespace {

// creating: the failure came from making a file, so a missing name is a
// missing directory.
DWORD ErrorFromErrno(int error, bool creating)
{
    switch (error) {
    case ENOENT:
        return creating ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return ERROR_PATH_NOT_FOUND;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case EMFILE:
    case ENFILE:
        return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:  // EACCES, EPERM, EROFS, EISDIR and the rest
        return ERROR_ACCESS_DENIED;
    }
}

// The file a symbolic link leads to; any other path as it is.
std::string ResolveLink(const char* path)
{
    struct stat info;
    if (lstat(path, &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = realpath(path, nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

// The directory part of path with its final '/', or empty.
std::string DirectoryPart(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Temporary files are named kTemporaryPrefix, the writer's process id, '-'
// and a serial number, so that a later writer can tell one left behind by a
// process that was killed while writing.
const char kTemporaryPrefix[] = ".velor-ini-";

// The process id in a temporary file's name; 0 when name is not one.
pid_t WriterOfTemporary(const char* name)
{
    const size_t prefix = sizeof kTemporaryPrefix - 1;
    if (std::strncmp(name, kTemporaryPrefix, prefix) != 0)
        return 0;
    long long pid = 0;
    const char* p = name + prefix;
    for (; *p >= '0' && *p <= '9' && pid < 0x7FFFFFFF; ++p)
        pid = pid * 10 + (*p - '0');
    return *p == '-' && pid > 0 && pid < 0x7FFFFFFF ? static_cast<pid_t>(pid) : 0;
}

// Removes the temporary files in directory whose writer no longer runs.
void RemoveStaleTemporaries(const std::string& directory)
{
    DIR* folder = opendir(directory.empty() ? "." : directory.c_str());
    if (folder == nullptr)
        return;
    while (const dirent* entry = readdir(folder)) {
        const pid_t writer = WriterOfTemporary(entry->d_name);
        if (writer != 0 && writer != getpid() && kill(writer, 0) != 0 && errno == ESRCH)
            unlink((directory + entry->d_name).c_str());
    }
    closedir(folder);
}

// The file at target may be replaced: it is missing, or a regular file that
// this process may write and whose owner's write bit is set. The bit counts
// even for a privileged process, as the read-only attribute does on Windows.
DWORD CheckReplaceable(const std::string& target)
{
    struct stat info;
    if (stat(target.c_str(), &info) != 0)
        return errno == ENOENT ? ERROR_SUCCESS : ErrorFromErrno(errno, false);
    if (!S_ISREG(info.st_mode) || (info.st_mode & S_IWUSR) == 0 || access(target.c_str(), W_OK) != 0)
        return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

// Creates a new file in directory with a name no other writer uses.
int CreateTemporary(const std::string& directory, std::string& name, DWORD& error)
{
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = directory + kTemporaryPrefix + std::to_string(getpid()) + "-" + std::to_string(serial++);
        int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            break;
    }
    error = ErrorFromErrno(errno, true);
    return -1;
}

DWORD WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return ErrorFromErrno(written < 0 ? errno : ENOSPC, false);
        done += static_cast<size_t>(written);
    }
    return fsync(fd) == 0 ? ERROR_SUCCESS : ErrorFromErrno(errno, false);
}

} // namespace

DWORD ReadProfileFile(const char* path, std::string& text)
{
    text.clear();
    // Opened without blocking: a FIFO would otherwise wait for a writer.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ErrorFromErrno(errno, false);
    struct stat info;
    DWORD error = ERROR_SUCCESS;
    if (fstat(fd, &info) != 0)
        error = ErrorFromErrno(errno, false);
    else if (!S_ISREG(info.st_mode)) // directories, devices, FIFOs and sockets hold no profile
        error = ERROR_ACCESS_DENIED;
    else if (info.st_size > 0)
        text.reserve(static_cast<size_t>(info.st_size));
    char chunk[8192];
    while (error == ERROR_SUCCESS) {
        ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = ErrorFromErrno(errno, false);
        if (got <= 0)
            break;
        text.append(chunk, static_cast<size_t>(got));
    }
    close(fd);
    if (error != ERROR_SUCCESS)
        text.clear();
    return error;
}

DWORD ReplaceProfileFile(const char* path, const std::string& text)
{
    std::string target = ResolveLink(path);
    std::string directory = DirectoryPart(target);
    std::string temporary;
    DWORD error = CheckReplaceable(target);
    if (error != ERROR_SUCCESS)
        return error;
    RemoveStaleTemporaries(directory);
    int fd = CreateTemporary(directory, temporary, error);
    if (fd < 0)
        return error;
    struct stat old;
    if (stat(target.c_str(), &old) == 0) {
        fchmod(fd, old.st_mode & 07777);
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only a privileged process may give a file away; the new file
            // then stays the writer's own.
        }
    }
    error = WriteAll(fd, text);
    if (close(fd) != 0 && error == ERROR_SUCCESS)
        error = ErrorFromErrno(errno, false);
    if (error == ERROR_SUCCESS && rename(temporary.c_str(), target.c_str()) != 0)
        error = ErrorFromErrno(errno, true);
    if (error != ERROR_SUCCESS)
        unlink(temporary.c_str());
    return error;
}
