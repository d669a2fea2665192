// The product's directories and the path helpers, by the platform's path
// rules (platform/services.h).
#include "common/config.h"

#include <cstring>

namespace {

char JoinSeparator(const CString& directory)
{
    return PlatformJoinSeparator(directory);
}

bool IsSeparator(char c)
{
    return PlatformIsPathSeparator(c);
}

bool IsAbsolute(const char* name)
{
    return PlatformIsAbsolutePath(name);
}

// Index of the last separator, -1 when there is none.
int LastSeparator(const char* path)
{
    int last = -1;
    for (int i = 0; path[i]; ++i)
        if (IsSeparator(path[i]))
            last = i;
    return last;
}

CString JoinIfNamed(const char* name, const CString& directory)
{
    return name && !directory.IsEmpty() ? JoinPath(name, directory) : directory;
}

} // namespace

CString JoinPath(const char* name, const char* directory)
{
    const char* dir = directory ? directory : "";
    if (!name || !*name)
        return CString(dir);
    if (IsAbsolute(name))
        return CString(name);
    CString path(dir);
    if (path.IsEmpty() || !IsSeparator(path[path.GetLength() - 1]))
        path += JoinSeparator(path);
    return path + name;
}

CString DirectoryOf(const char* path)
{
    if (!path)
        return CString();
    const int last = LastSeparator(path);
    return last < 0 ? CString() : CString(path, last);
}

CString FileNameOf(const char* path)
{
    if (!path)
        return CString();
    int last = LastSeparator(path);
    if (last < 0) {
        const char* colon = std::strrchr(path, ':');
        last = colon ? static_cast<int>(colon - path) : -1;
    }
    return CString(path + last + 1);
}

CString GetSharedPath(const char* name)
{
    return JoinIfNamed(name, ReadInstallValue("Terx", "SharedPath"));
}

CString GetLocalPath(const char* name)
{
    CString directory = ReadInstallValue("Terx", "LocalPath");
    if (directory.IsEmpty())
        directory = GetSharedPath();
    return JoinIfNamed(name, directory);
}

CString GetHelpPath(const char* name)
{
    CString directory = ReadInstallValue("Terx", "HelpPath");
    if (directory.IsEmpty())
        directory = GetSharedPath();
    if (directory.IsEmpty()) {
        char module[513] = {};
        const DWORD length = GetModuleFileNameA(nullptr, module, 512);
        module[length < 512 ? length : 512] = '\0';
        directory = DirectoryOf(module);
    }
    return JoinIfNamed(name, directory);
}

CString GetGlobalIniPath()
{
    return GetLocalPath("terx.ini");
}
