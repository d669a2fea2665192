// CMVFile<CFile>: the buffered line reader for every text file the system
// reads. It finds the file's encoding from its first bytes, splits it into
// lines at CR, LF or CR LF, and hands each line over as narrow text in the
// ANSI code page. Memory does not grow with the file: the buffer is fixed,
// and the line and the conversion scratch grow only to the longest line.
#pragma once

#include "platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// How every reader of the system opens a text file: read-only, binary (the
// reader splits the lines itself), and letting others read it meanwhile.
const UINT kOpenForReading = CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary;

enum TextEncoding : uint8_t {
    kTextSingleByte = 0, // the ANSI code page, or UTF-8 with or without its mark
    kTextUtf16Le = 1,
    kTextUtf16Be = 2,
};

// The encoding a file's first bytes announce, and how many bytes the mark
// takes. Without a mark, bytes that are NUL on one side of nearly every
// pair and never on the other are UTF-16 in that order.
struct EncodingMark {
    TextEncoding encoding;
    UINT skip;
};
EncodingMark DetectEncoding(const unsigned char* bytes, size_t count);

// How many of a file's first bytes the encoding is judged by, whatever the
// reader's buffer size: the same file is read the same way by every reader.
const UINT kEncodingProbeSize = 512;

// Whether bytes form well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF, no cut sequence.
bool IsStrictUtf8(const unsigned char* bytes, size_t count);

// A line read without a copy: NUL-terminated text of length characters that
// stays as it is until the next read (or the reader's end). An ASCII line of
// a single-byte file points into the reader's buffer; any other one into the
// CString the caller gave.
struct LineText {
    const char* text;
    size_t length;
};

// The buffer and the line splitting of the reader, apart from the file class
// it reads through: the file's bytes come from a read function.
class TextLineSource {
public:
    typedef UINT (*ReadFunction)(void* context, void* buffer, UINT count);

    // A buffer of size + 1 bytes; a buffer given by the caller must hold
    // that many and is taken over (freed with delete[]).
    TextLineSource(UINT size, char* buffer);
    ~TextLineSource();
    TextLineSource(const TextLineSource&) = delete;
    TextLineSource& operator=(const TextLineSource&) = delete;

    // Forgets the buffered bytes; the encoding goes back to single-byte.
    void Reset();
    // Fills the buffer from a file just opened and takes its encoding mark.
    void Start(ReadFunction read, void* context);
    // The next line, without its line end, as narrow text in line (whose
    // storage is reused); FALSE at the end of the file.
    BOOL ReadLine(CString& line, ReadFunction read, void* context);
    // The next line as ReadLine gives it, but handed out in place where it
    // can be (see LineText); line holds the others.
    BOOL ReadLineInPlace(CString& line, LineText& out, ReadFunction read, void* context);

    TextEncoding Encoding() const { return encoding_; }
    UINT BufferSize() const { return size_; }
    // Whether the last line may hold a NUL: false only when its bytes were
    // looked at as they were read and held none.
    bool LineMayHoldNul() const { return lineNul_; }

private:
    bool Fill(ReadFunction read, void* context);
    UINT Take(ReadFunction read, void* context, char* into, UINT count);
    bool ReadBytes(CString& line, ReadFunction read, void* context, LineText* inPlace);
    bool HandOut(const char* start, const char* end, LineText& out);
    void ConvertBytes(CString& line);
    bool ReadUnits(ReadFunction read, void* context);
    void WideToNarrow(CString& line, UINT codePage);
    void Utf8ToAnsi(CString& line);

    char* buffer_;
    UINT size_;
    UINT pos_ = 0; // next byte to read
    UINT end_ = 0; // end of the valid bytes
    TextEncoding encoding_ = kTextSingleByte;
    bool lineAscii_ = true; // the line ReadBytes took holds no byte above 0x7F
    bool lineNul_ = true;   // see LineMayHoldNul
    char probe_[kEncodingProbeSize]; // the file's first bytes, handed out before the rest
    UINT probePos_ = 0;
    UINT probeEnd_ = 0;
    std::vector<WCHAR> wide_; // the current UTF-16 line, or conversion scratch
};

// Shows the message of a file that could not be opened: the path, a blank
// line, "Open ERROR :" and the platform's text for the failure.
void ReportOpenError(const char* path, const CFileException& error);

const UINT kTextFileBufferSize = 65000;

template <class TFile>
class CMVFile : public TFile {
public:
    explicit CMVFile(UINT bufferSize = kTextFileBufferSize, char* buffer = nullptr) : source_(bufferSize, buffer) {}

    using TFile::Open;
    // Opens the file; a file opened for reading has its encoding detected.
    // On a failure m_fileError tells why, and with reportError set a message
    // box shows it.
    BOOL Open(const char* path, UINT flags, BOOL reportError)
    {
        source_.Reset();
        m_fileError = CFileException();
        if (!TFile::Open(path, flags, &m_fileError)) {
            if (reportError)
                ReportOpenError(path, m_fileError);
            return FALSE;
        }
        if ((flags & 3) == TFile::modeRead)
            source_.Start(&ReadFrom, this);
        return TRUE;
    }

    // The next line as narrow text in the ANSI code page, in line (its
    // storage is reused from call to call); FALSE at the end of the file.
    // A line longer than the buffer is returned whole.
    BOOL ReadLine(CString& line) { return source_.ReadLine(line, &ReadFrom, this); }
    // The same line in place where it can be, else in line (see LineText).
    BOOL ReadLineInPlace(CString& line, LineText& out) { return source_.ReadLineInPlace(line, out, &ReadFrom, this); }

    TextEncoding Encoding() const { return source_.Encoding(); }
    // Whether the last line may hold a NUL (false: it holds none).
    bool LineMayHoldNul() const { return source_.LineMayHoldNul(); }

    CFileException m_fileError;

private:
    static UINT ReadFrom(void* self, void* buffer, UINT count)
    {
        return static_cast<CMVFile*>(self)->TFile::Read(buffer, count);
    }

    TextLineSource source_;
};
