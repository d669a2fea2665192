#include "platform/posix/errors.h"

namespace {
// In the module's static TLS block (initial-exec), not in a block that
// dlopen hands out: the module is loaded by dlopen, and LeakSanitizer's walk
// of such dynamic blocks crashes on this glibc when the host has many other
// TLS users loaded (a host linking GDAL, for one). Eight bytes fit the room
// glibc keeps for dlopened modules.
thread_local DWORD lastError __attribute__((tls_model("initial-exec"))) = 0;
}

DWORD GetLastError()
{
    return lastError;
}

void SetLastError(DWORD code)
{
    lastError = code;
}
