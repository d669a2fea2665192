// Windows build: path rules of the Windows API.
#include "platform/platform.h"

bool PlatformIsPathSeparator(char c)
{
    return c == '\\';
}

bool PlatformIsAbsolutePath(const char* path)
{
    return (path[0] != '\0' && path[1] == ':') || (path[0] == '\\' && path[1] == '\\');
}

char PlatformJoinSeparator(const char*)
{
    return '\\';
}
