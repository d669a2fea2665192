// Native build: Windows paths as stored in settings and catalogues, and the
// system's own paths with '/'.
#include "platform/platform.h"

#include <cstring>

bool PlatformIsPathSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool PlatformIsAbsolutePath(const char* path)
{
    return path[0] == '/' || (path[0] != '\0' && path[1] == ':') || (path[0] == '\\' && path[1] == '\\');
}

char PlatformJoinSeparator(const char* directory)
{
    return std::strchr(directory, '\\') && !std::strchr(directory, '/') ? '\\' : '/';
}
