#include "platform/posix/registry_store.h"

#include "platform/posix/errors.h"
#include "platform/posix/registry_text.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }

private:
    int fd_;
};

std::string HomeDirectory()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return "/tmp";
}

const char* HiveName(RegistryHive hive)
{
    return hive == RegistryHive::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

bool MakeDirectories(const std::string& path)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

bool ReadAll(int fd, std::string& out)
{
    char buffer[16384];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 && errno != EINTR)
            return false;
        if (got > 0)
            out.append(buffer, static_cast<size_t>(got));
    }
}

bool WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = write(fd, text.data() + done, text.size() - done);
        if (put < 0 && errno != EINTR)
            return false;
        if (put > 0)
            done += static_cast<size_t>(put);
    }
    return true;
}

enum class ReadResult { Read, Malformed, Failed };

// Reads the hive's file into tree; a missing file is an empty hive.
ReadResult ReadHive(const std::string& file, RegistryTree& tree)
{
    tree = RegistryTree();
    Descriptor fd(open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.ok())
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Read : ReadResult::Failed;
    std::string text;
    if (!ReadAll(fd.get(), text))
        return ReadResult::Failed;
    if (RegistryFromText(text, tree))
        return ReadResult::Read;
    tree = RegistryTree();
    return ReadResult::Malformed;
}

// Renames a malformed store file to a name of its own.
bool SetAside(const std::string& file)
{
    char stamp[32];
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = file + ".malformed-" + stamp + "-" + std::to_string(getpid());
    std::string target = base;
    for (int n = 2; access(target.c_str(), F_OK) == 0; ++n)
        target = base + "-" + std::to_string(n);
    return rename(file.c_str(), target.c_str()) == 0 || errno == ENOENT;
}

// Takes the hive's lock; the lock is released when the descriptor closes.
int LockHive(const std::string& directory, RegistryHive hive)
{
    if (!MakeDirectories(directory))
        return -1;
    const std::string path = directory + "/" + HiveName(hive) + ".lock";
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            close(fd);
            return -1;
        }
    }
    return fd;
}

bool SyncDirectory(const std::string& directory)
{
    Descriptor fd(open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.ok() && fsync(fd.get()) == 0;
}

// Replaces the file with text: a crash leaves the old file or the new one.
bool WriteAtomically(const std::string& directory, const std::string& file, const std::string& text)
{
    const std::string temporary = file + ".tmp";
    {
        Descriptor fd(open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
        if (!fd.ok() || !WriteAll(fd.get(), text) || fsync(fd.get()) != 0)
            return false;
    }
    return rename(temporary.c_str(), file.c_str()) == 0 && SyncDirectory(directory);
}

} // namespace

std::string RegistryStoreDirectory()
{
    const char* chosen = std::getenv("VELOR_REGISTRY");
    if (chosen && *chosen)
        return chosen;
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return std::string(data) + "/velor-registry";
    return HomeDirectory() + "/.local/share/velor-registry";
}

std::string RegistryStoreFile(RegistryHive hive)
{
    return RegistryStoreDirectory() + "/" + HiveName(hive) + ".txt";
}

LONG RegistryLoad(RegistryHive hive, RegistryTree& tree)
{
    const std::string directory = RegistryStoreDirectory();
    const std::string file = directory + "/" + HiveName(hive) + ".txt";
    const ReadResult result = ReadHive(file, tree);
    if (result != ReadResult::Malformed)
        return result == ReadResult::Read ? ERROR_SUCCESS : ERROR_CANTREAD;
    // Read it again under the lock: a writer may have just replaced it.
    const Descriptor lock(LockHive(directory, hive));
    if (lock.ok() && ReadHive(file, tree) == ReadResult::Malformed)
        SetAside(file);
    return ERROR_SUCCESS;
}

LONG RegistryUpdate(RegistryHive hive, const RegistryChange& change)
{
    const std::string directory = RegistryStoreDirectory();
    const std::string file = directory + "/" + HiveName(hive) + ".txt";
    const Descriptor lock(LockHive(directory, hive));
    if (!lock.ok())
        return ERROR_CANTWRITE;
    RegistryTree tree;
    switch (ReadHive(file, tree)) {
    case ReadResult::Read:
        break;
    case ReadResult::Malformed:
        if (!SetAside(file))
            return ERROR_CANTWRITE;
        break;
    case ReadResult::Failed:
        return ERROR_CANTREAD;
    }
    bool changed = false;
    const LONG result = change(tree, changed);
    if (result == ERROR_SUCCESS && changed && !WriteAtomically(directory, file, RegistryToText(tree)))
        return ERROR_CANTWRITE;
    return result;
}
