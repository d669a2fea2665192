// The reader's buffer and the splitting of a file into lines.
#include "common/text_file.h"

#include <cstdint>
#include <cstring>

namespace {

// Small enough buffers are raised to this: the encoding mark and one UTF-16
// unit must fit.
const UINT kMinimumBufferSize = 4;

const uint64_t kEveryByte = 0x0101010101010101ULL;
const uint64_t kTopBits = 0x8080808080808080ULL;

// The top bit of each zero byte of word, exact up to its first zero byte
// (above that a byte may be marked falsely).
uint64_t ZeroBytes(uint64_t word)
{
    return (word - kEveryByte) & ~word & kTopBits;
}

// The bytes of a word lie in memory order from its lowest byte up.
const bool kLittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

// What the bytes of a line hold, gathered while its end is looked for.
struct LineBytes {
    uint64_t high = 0; // the top bits of every byte, ORed together
    bool nul = false;  // a NUL byte
};

// The first CR or LF from p on, or stop when there is none; every byte
// passed over goes into seen. Eight bytes at a time while a whole word lies
// before stop.
const char* LineEnd(const char* p, const char* stop, LineBytes& seen)
{
    uint64_t high = 0, zero = 0;
    while (stop - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        const uint64_t ends = ZeroBytes(word ^ ('\r' * kEveryByte)) | ZeroBytes(word ^ ('\n' * kEveryByte));
        if (ends) {
            if (!kLittleEndian)
                break;
            // The lowest mark is the first line end: only the bytes before it
            // belong to the line.
            const unsigned at = static_cast<unsigned>(__builtin_ctzll(ends)) / 8;
            const uint64_t before = at ? ~uint64_t{0} >> (64 - 8 * at) : 0;
            seen.high |= (high | (word & before)) & kTopBits;
            seen.nul = seen.nul || (zero | (ZeroBytes(word) & before)) != 0;
            return p + at;
        }
        high |= word;
        zero |= ZeroBytes(word);
        p += 8;
    }
    bool nul = false;
    for (; p < stop && *p != '\r' && *p != '\n'; ++p) {
        high |= static_cast<unsigned char>(*p);
        nul = nul || *p == 0;
    }
    seen.high |= high & kTopBits;
    seen.nul = seen.nul || nul || zero != 0;
    return p;
}

} // namespace

TextLineSource::TextLineSource(UINT size, char* buffer) : buffer_(buffer), size_(size)
{
    if (size_ < kMinimumBufferSize) {
        delete[] buffer_;
        buffer_ = nullptr;
        size_ = kMinimumBufferSize;
    }
    if (!buffer_)
        buffer_ = new char[size_ + 1];
    buffer_[0] = 0;
}

TextLineSource::~TextLineSource()
{
    delete[] buffer_;
}

void TextLineSource::Reset()
{
    pos_ = end_ = 0;
    probePos_ = probeEnd_ = 0;
    encoding_ = kTextSingleByte;
}

// Reads the file's first bytes into the probe, judges the encoding by them
// and leaves them, without the mark, to be read first.
void TextLineSource::Start(ReadFunction read, void* context)
{
    probePos_ = probeEnd_ = 0;
    while (probeEnd_ < kEncodingProbeSize) {
        const UINT room = kEncodingProbeSize - probeEnd_;
        const UINT got = read(context, probe_ + probeEnd_, room);
        if (got == 0 || got > room)
            break;
        probeEnd_ += got;
    }
    const EncodingMark mark = DetectEncoding(reinterpret_cast<const unsigned char*>(probe_), probeEnd_);
    encoding_ = mark.encoding;
    probePos_ = mark.skip;
    Fill(read, context);
}

// Up to count bytes into into: what is left of the probe first, then the
// file; how many came.
UINT TextLineSource::Take(ReadFunction read, void* context, char* into, UINT count)
{
    if (probePos_ < probeEnd_) {
        const UINT left = probeEnd_ - probePos_;
        const UINT n = left < count ? left : count;
        std::memcpy(into, probe_ + probePos_, n);
        probePos_ += n;
        return n;
    }
    const UINT got = read(context, into, count);
    return got <= count ? got : 0;
}

// Moves the unread bytes to the front and reads behind them; whether any new
// byte came in.
bool TextLineSource::Fill(ReadFunction read, void* context)
{
    const UINT kept = end_ - pos_;
    if (kept && pos_)
        std::memmove(buffer_, buffer_ + pos_, kept);
    pos_ = 0;
    end_ = kept;
    if (end_ >= size_)
        return false;
    const UINT got = Take(read, context, buffer_ + end_, size_ - end_);
    end_ += got;
    buffer_[end_] = 0;
    return got > 0;
}

BOOL TextLineSource::ReadLine(CString& line, ReadFunction read, void* context)
{
    if (encoding_ == kTextSingleByte) {
        if (!ReadBytes(line, read, context, nullptr))
            return FALSE;
        ConvertBytes(line);
        return TRUE;
    }
    line.SetString(nullptr, 0); // keeps the line's storage
    lineNul_ = true; // not looked for in a converted line
    if (!ReadUnits(read, context))
        return FALSE;
    WideToNarrow(line, CP_ACP);
    return TRUE;
}

BOOL TextLineSource::ReadLineInPlace(CString& line, LineText& out, ReadFunction read, void* context)
{
    out.text = nullptr;
    if (encoding_ == kTextSingleByte) {
        if (!ReadBytes(line, read, context, &out))
            return FALSE;
        if (out.text)
            return TRUE;
        ConvertBytes(line);
    } else if (!ReadLine(line, read, context)) {
        return FALSE;
    }
    out.text = line.GetString();
    out.length = static_cast<size_t>(line.GetLength());
    return TRUE;
}

// A line of bytes beyond ASCII is UTF-8 or the ANSI code page.
void TextLineSource::ConvertBytes(CString& line)
{
    if (lineAscii_)
        return;
    Utf8ToAnsi(line);
    lineNul_ = true; // not looked for in a converted line
}

// Hands out the line [start, end) where it stands, when it is ASCII and its
// line end lies in the buffer as well (a CR at the buffer's end may have its
// LF behind the next refill): the line end becomes its NUL.
bool TextLineSource::HandOut(const char* start, const char* end, LineText& out)
{
    if (!lineAscii_ || end == buffer_ + end_)
        return false;
    const UINT at = static_cast<UINT>(end - buffer_);
    UINT next = at + 1;
    if (buffer_[at] == '\r') {
        if (next == end_)
            return false;
        if (buffer_[next] == '\n')
            ++next;
    }
    buffer_[at] = 0;
    pos_ = next;
    out.text = start;
    out.length = static_cast<size_t>(end - start);
    return true;
}

// One line of a single-byte file, into line as it stands, or handed out in
// place through inPlace (when given) where it can be.
bool TextLineSource::ReadBytes(CString& line, ReadFunction read, void* context, LineText* inPlace)
{
    bool any = false;
    LineBytes seen;
    lineAscii_ = true;
    lineNul_ = false;
    for (;;) {
        if (pos_ == end_ && !Fill(read, context)) {
            if (!any)
                line.SetString(nullptr, 0); // no line: an empty text, its storage kept
            return any;
        }
        const char* const start = buffer_ + pos_;
        const char* const stop = buffer_ + end_;
        const char* p = LineEnd(start, stop, seen);
        lineAscii_ = seen.high == 0;
        lineNul_ = seen.nul;
        if (!any && inPlace && HandOut(start, p, *inPlace))
            return true;
        // A line that lies whole in the buffer is one copy into the line's
        // storage; one across refills is put together piece by piece.
        if (any)
            line.Append(start, static_cast<int>(p - start));
        else
            line.SetString(start, static_cast<int>(p - start));
        any = true;
        if (p == stop) {
            pos_ = end_;
            continue;
        }
        pos_ = static_cast<UINT>(p - buffer_) + 1;
        if (*p == '\r') {
            if (pos_ == end_)
                Fill(read, context);
            if (pos_ < end_ && buffer_[pos_] == '\n')
                ++pos_;
        }
        return true;
    }
}

// One line of a UTF-16 file, in little-endian order, into wide_.
bool TextLineSource::ReadUnits(ReadFunction read, void* context)
{
    const bool bigEndian = encoding_ == kTextUtf16Be;
    auto unitAt = [&](UINT at) {
        const unsigned char lo = static_cast<unsigned char>(buffer_[at + (bigEndian ? 1 : 0)]);
        const unsigned char hi = static_cast<unsigned char>(buffer_[at + (bigEndian ? 0 : 1)]);
        return static_cast<WCHAR>(hi << 8 | lo);
    };
    wide_.clear();
    bool any = false;
    for (;;) {
        while (end_ - pos_ >= 2) {
            const WCHAR unit = unitAt(pos_);
            pos_ += 2;
            if (unit == '\r') {
                if (end_ - pos_ < 2)
                    Fill(read, context);
                if (end_ - pos_ >= 2 && unitAt(pos_) == '\n')
                    pos_ += 2;
                return true;
            }
            if (unit == '\n')
                return true;
            wide_.push_back(unit);
            any = true;
        }
        if (!Fill(read, context)) {
            pos_ = end_; // a lone byte at the end is no character
            return any;
        }
    }
}
