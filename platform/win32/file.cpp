// Windows build: CFile on the system's file handles, and the system's text
// for an error code.
#include "platform/platform.h"

namespace {

DWORD ShareMode(UINT flags)
{
    switch (flags & 0x70) {
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: // shareCompat, shareExclusive
        return 0;
    }
}

} // namespace

BOOL CFile::Open(const char* path, UINT flags, CFileException* error)
{
    Close();
    if (!path || !IsReadOpen(flags))
        return OpenFailed(error, ERROR_INVALID_PARAMETER, path);
    HANDLE file = CreateFileA(path, GENERIC_READ, ShareMode(flags), nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return OpenFailed(error, static_cast<LONG>(GetLastError()), path);
    m_hFile = file;
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (!IsOpen()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    // On a failure ReadFile leaves the last error; what it read still counts.
    DWORD done = 0;
    if (count > 0)
        static_cast<void>(ReadFile(m_hFile, buffer, count, &done, nullptr));
    return done;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!IsOpen() || !GetFileSizeEx(m_hFile, &size))
        return 0;
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::Close()
{
    if (IsOpen())
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

BOOL PlatformErrorText(LONG osError, char* buffer, UINT maxChars)
{
    if (!buffer || maxChars == 0)
        return FALSE;
    buffer[0] = '\0';
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                           FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(osError), 0, reinterpret_cast<char*>(&text), 0,
                       nullptr);
    if (length == 0 || !text)
        return FALSE;
    const DWORD count = length < maxChars ? length : maxChars - 1;
    CopyMemory(buffer, text, count);
    buffer[count] = '\0';
    LocalFree(text);
    return TRUE;
}
