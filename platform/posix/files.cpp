// Native build: directory searches. A search handle is a record of the open
// directory and the name pattern; the process keeps the set of open ones, so
// that a stale or foreign handle is refused instead of being followed.
#include "platform/platform.h"
#include "platform/posix/file_errors.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <set>
#include <string>

namespace {

struct Search {
    DIR* dir;              // null for a pattern without wildcards
    std::string directory; // "" or ending in '/'
    std::string pattern;
};

std::mutex searchesLock;
std::set<Search*> openSearches;

char Folded(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// Whether name matches pattern: '*' takes any run of characters, '?' exactly
// one, letters match without regard to ASCII case, and '.' and '*' left over
// at the end of the pattern match nothing (so "*.*" takes every name and
// "?.*" takes "." and "a.txt"). Backtracks only to the last '*', so a match
// takes at most length(pattern) x length(name) steps.
bool NameMatches(const std::string& pattern, const char* name)
{
    const char* p = pattern.c_str();
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*p == '*') {
            star = p++;
            resume = name;
        } else if (*p && (*p == '?' || Folded(*p) == Folded(*name))) {
            ++p;
            ++name;
        } else if (star) {
            p = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*p == '*' || *p == '.')
        ++p;
    return *p == '\0';
}

FILETIME FileTimeOf(const timespec& time)
{
    const uint64_t kEpochDifference = 11644473600ull; // seconds from 1601 to 1970
    const uint64_t ticks = (static_cast<uint64_t>(time.tv_sec) + kEpochDifference) * 10000000u +
                           static_cast<uint64_t>(time.tv_nsec) / 100u;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// Fills data for the entry name of directory; false when the name does not
// fit or the entry has gone.
bool Describe(const std::string& directory, const char* name, WIN32_FIND_DATAA* data)
{
    const size_t length = std::strlen(name);
    struct stat info;
    const std::string path = directory + name;
    if (length >= MAX_PATH || (stat(path.c_str(), &info) != 0 && lstat(path.c_str(), &info) != 0))
        return false;
    std::memset(data, 0, sizeof *data);
    DWORD attributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if ((info.st_mode & S_IWUSR) == 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (name[0] == '.' && std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0)
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    data->dwFileAttributes = attributes;
    data->ftCreationTime = FileTimeOf(info.st_ctim);
    data->ftLastAccessTime = FileTimeOf(info.st_atim);
    data->ftLastWriteTime = FileTimeOf(info.st_mtim);
    if (!S_ISDIR(info.st_mode)) {
        const uint64_t size = static_cast<uint64_t>(info.st_size);
        data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
        data->nFileSizeLow = static_cast<DWORD>(size);
    }
    std::memcpy(data->cFileName, name, length + 1);
    return true;
}

bool NextMatch(Search* search, WIN32_FIND_DATAA* data)
{
    while (dirent* entry = readdir(search->dir)) {
        if (NameMatches(search->pattern, entry->d_name) &&
            Describe(search->directory, entry->d_name, data))
            return true;
    }
    return false;
}

HANDLE Register(Search* search)
{
    std::lock_guard<std::mutex> hold(searchesLock);
    openSearches.insert(search);
    return search;
}

Search* Lookup(HANDLE handle, bool remove)
{
    std::lock_guard<std::mutex> hold(searchesLock);
    const auto found = openSearches.find(static_cast<Search*>(handle));
    if (found == openSearches.end())
        return nullptr;
    Search* search = *found;
    if (remove)
        openSearches.erase(found);
    return search;
}

// A search through a file as if it were a folder names nothing valid.
DWORD SearchError(int error, const char* pattern)
{
    return error == ENOTDIR ? ERROR_INVALID_NAME : ErrorFromErrno(error, pattern);
}

HANDLE Fail(DWORD error)
{
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

} // namespace

HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data)
{
    if (!pattern || !data)
        return Fail(ERROR_INVALID_PARAMETER);
    if (!*pattern)
        return Fail(ERROR_PATH_NOT_FOUND);
    const char* slash = std::strrchr(pattern, '/');
    const char* name = slash ? slash + 1 : pattern;
    if (!*name)
        return Fail(ERROR_FILE_NOT_FOUND);
    const std::string directory(pattern, name);
    if (!std::strpbrk(name, "*?")) {
        struct stat info;
        if (stat(pattern, &info) != 0 && lstat(pattern, &info) != 0)
            return Fail(SearchError(errno, pattern));
        if (!Describe(directory, name, data))
            return Fail(ERROR_FILE_NOT_FOUND);
        return Register(new Search{nullptr, directory, name});
    }
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (!dir)
        return Fail(errno == ENOENT ? ERROR_PATH_NOT_FOUND : SearchError(errno, pattern));
    auto* search = new Search{dir, directory, name};
    if (!NextMatch(search, data)) {
        closedir(dir);
        delete search;
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    return Register(search);
}

BOOL FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA data)
{
    Search* search = Lookup(handle, false);
    if (!search || !data) {
        SetLastError(search ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!search->dir || !NextMatch(search, data)) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    return TRUE;
}

BOOL FindClose(HANDLE handle)
{
    Search* search = Lookup(handle, true);
    if (!search) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (search->dir)
        closedir(search->dir);
    delete search;
    return TRUE;
}
