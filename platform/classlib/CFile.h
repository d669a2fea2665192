// The class library's binary file, in the subset the system uses: open an
// existing file for reading with a sharing mode, read it in blocks, ask its
// length, close it. Failures never throw: Open returns FALSE and fills the
// caller's file-exception record, Read returns what it could read (0 on a
// failure, with the thread's last error set).
//
// Sharing: the Windows build passes the mode to the system. Natively the
// modes are kept among the opens made through this class (a shared or an
// exclusive lock on the open file), so two opens refuse each other as they
// would on Windows; programs that write without locking are not held off.
#pragma once

// The record of why an open failed: the class library's cause code, the
// platform's error code and the path.
class CFileException {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG osError = -1, const char* fileName = nullptr);

    // The platform's text for m_lOsError, cut to fit maxChars with its NUL
    // and without a trailing line break. FALSE, with an empty buffer, when
    // the record holds no failure.
    BOOL GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext = nullptr) const;

    // The cause code that belongs to a platform error code.
    static int OsErrorToCause(LONG osError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CFile {
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };

    CFile() noexcept = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // Opens an existing file for reading (modeRead with a sharing mode;
    // typeText and typeBinary make no difference). Other access modes are
    // refused with ERROR_INVALID_PARAMETER. A file still open is closed
    // first.
    virtual BOOL Open(const char* path, UINT flags, CFileException* error = nullptr);

    // Reads up to count bytes; fewer only at the end of the file or on a
    // failure.
    virtual UINT Read(void* buffer, UINT count);

    // The file's size in bytes; 0 when it is not open.
    virtual ULONGLONG GetLength() const;

    virtual void Close();

    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

    // The platform's handle of the open file (natively the file descriptor);
    // INVALID_HANDLE_VALUE while none is open.
    HANDLE m_hFile = INVALID_HANDLE_VALUE;

protected:
    // Whether flags ask for what Open supports: reading, a defined sharing
    // mode, no creation.
    static bool IsReadOpen(UINT flags);
    // Fills the caller's record (when given) and the thread's last error for
    // a failed open; returns FALSE.
    static BOOL OpenFailed(CFileException* error, LONG osError, const char* path);
};

// Each build's text for a platform error code, NUL-terminated within
// maxChars; FALSE when it has none.
BOOL PlatformErrorText(LONG osError, char* buffer, UINT maxChars);
