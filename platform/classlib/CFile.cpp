// The file-exception record and the parts of CFile that are the same in both
// builds; opening, reading and closing are each platform's (file.cpp).
#include "platform/platform.h"

#include <cstring>

CFileException::CFileException(int cause, LONG osError, const char* fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
{
}

int CFileException::OsErrorToCause(LONG osError)
{
    switch (osError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}

BOOL CFileException::GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (!buffer || maxChars == 0)
        return FALSE;
    buffer[0] = '\0';
    if (m_cause == none)
        return FALSE;
    if (PlatformErrorText(m_lOsError, buffer, maxChars)) {
        size_t length = std::strlen(buffer);
        while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' ||
                              buffer[length - 1] == ' '))
            buffer[--length] = '\0';
        if (length > 0)
            return TRUE;
    }
    CString text;
    text.Format("Error %ld", static_cast<long>(m_lOsError));
    size_t count = static_cast<size_t>(text.GetLength());
    if (count > maxChars - 1)
        count = maxChars - 1;
    std::memcpy(buffer, text.GetString(), count);
    buffer[count] = '\0';
    return TRUE;
}

bool CFile::IsReadOpen(UINT flags)
{
    const UINT access = flags & (modeWrite | modeReadWrite);
    const UINT sharing = flags & 0x70;
    return access == modeRead && (flags & (modeCreate | modeNoTruncate)) == 0 &&
           sharing <= shareDenyNone;
}

BOOL CFile::OpenFailed(CFileException* error, LONG osError, const char* path)
{
    if (error) {
        error->m_cause = CFileException::OsErrorToCause(osError);
        error->m_lOsError = osError;
        error->m_strFileName = path;
    }
    SetLastError(static_cast<DWORD>(osError));
    return FALSE;
}

CFile::~CFile()
{
    CFile::Close();
}
