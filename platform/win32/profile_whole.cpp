// Windows build: the whole-section write of an ini file, such that the file
// holds either its old content or its new content, whatever happens to the
// writing process.
#include "platform/platform.h"

#include <cstdio>
#include <cstring>

namespace {

// The folder part of path ('\' or '/' ends it); empty when there is none.
CString FolderOf(const char* path)
{
    int last = -1;
    for (int i = 0; path[i]; ++i) {
        if (path[i] == '\\' || path[i] == '/')
            last = i;
    }
    return last < 0 ? CString() : CString(path, last + 1);
}

// Copies are named kCopyPrefix, the writer's process id, '-' and a serial
// number, so that a later save can tell a copy left behind by a process
// that was ended while writing.
const char kCopyPrefix[] = ".velor-ini-";

// The process id in a copy's name; 0 when name is not one.
DWORD WriterOfCopy(const char* name)
{
    const size_t prefix = sizeof kCopyPrefix - 1;
    if (std::strncmp(name, kCopyPrefix, prefix) != 0)
        return 0;
    unsigned long long id = 0;
    const char* p = name + prefix;
    for (; *p >= '0' && *p <= '9' && id <= 0xFFFFFFFFu; ++p)
        id = id * 10 + static_cast<unsigned>(*p - '0');
    return *p == '-' && id > 0 && id <= 0xFFFFFFFFu ? static_cast<DWORD>(id) : 0;
}

bool ProcessRuns(DWORD id)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER; // no such process
    DWORD code = 0;
    const bool runs = !GetExitCodeProcess(process, &code) || code == STILL_ACTIVE;
    CloseHandle(process);
    return runs;
}

// Deletes the copies in folder whose writer no longer runs.
void RemoveStaleCopies(const CString& folder)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(folder + kCopyPrefix + "*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const DWORD writer = WriterOfCopy(found.cFileName);
        if (writer != 0 && writer != GetCurrentProcessId() && !ProcessRuns(writer))
            DeleteFileA(folder + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// Creates an empty copy file in folder under a name no other writer uses.
bool CreateCopy(const CString& folder, CString& copy)
{
    static LONG serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[64];
        std::snprintf(name, sizeof name, "%s%lu-%ld", kCopyPrefix, static_cast<unsigned long>(GetCurrentProcessId()),
                      static_cast<long>(InterlockedIncrement(&serial)));
        copy = folder + name;
        const HANDLE file = CreateFileA(copy, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

} // namespace

// Windows rewrites a profile file in place: it empties the file and then
// writes it, so that a process ended in between leaves a cut file. The
// section is therefore written into a copy of the file in its folder, which
// then takes the file's place by a rename. A read-only file (or a folder)
// is refused before that, since a rename may replace a read-only file.
// Copies that earlier writers ended while writing left behind are deleted
// first.
bool WritePrivateProfileSectionWhole(const char* path, const char* section, const char* block)
{
    const CString folder = FolderOf(path);
    if (folder.IsEmpty()) // a bare name: the profile functions choose its folder
        return WritePrivateProfileSectionA(section, block, path) != FALSE;
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    RemoveStaleCopies(folder);
    CString copy;
    if (!CreateCopy(folder, copy))
        return false;
    const bool copied = CopyFileA(path, copy, FALSE) || GetLastError() == ERROR_FILE_NOT_FOUND;
    SetFileAttributesA(copy, FILE_ATTRIBUTE_NORMAL);
    bool done = copied && WritePrivateProfileSectionA(section, block, copy);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, copy); // drop the copy from the profile cache
    done = done && MoveFileExA(copy, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!done) {
        const DWORD error = GetLastError();
        DeleteFileA(copy);
        SetLastError(error);
    }
    return done;
}
