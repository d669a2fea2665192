// The text reader's encodings: the byte-order mark, the strict UTF-8 check
// and the conversion of a line to the ANSI code page.
#include "common/text_file.h"

namespace {

// UTF-16 without a mark: over the whole pairs, the byte on highSide (the
// high byte of each unit) is NUL in three pairs of four at least and the
// other byte never is, over two pairs at least.
bool LooksUnmarkedUtf16(const unsigned char* bytes, size_t count, size_t highSide)
{
    const size_t pairs = count / 2;
    if (pairs < 2)
        return false;
    size_t nulHigh = 0;
    for (size_t i = 0; i < pairs; ++i) {
        if (bytes[2 * i + (1 - highSide)] == 0)
            return false;
        if (bytes[2 * i + highSide] == 0)
            ++nulHigh;
    }
    return nulHigh * 4 >= pairs * 3;
}

} // namespace

EncodingMark DetectEncoding(const unsigned char* bytes, size_t count)
{
    if (count >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        return {kTextUtf16Le, 2};
    if (count >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF)
        return {kTextUtf16Be, 2};
    if (count >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return {kTextSingleByte, 3};
    if (LooksUnmarkedUtf16(bytes, count, 1))
        return {kTextUtf16Le, 0};
    if (LooksUnmarkedUtf16(bytes, count, 0))
        return {kTextUtf16Be, 0};
    return {kTextSingleByte, 0};
}

namespace {

bool IsTrail(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// The length of the well-formed sequence at bytes[0..count), or 0.
size_t SequenceLength(const unsigned char* b, size_t count)
{
    const unsigned char lead = b[0];
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong form
        if (lead == 0xED)
            high = 0x9F; // no surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (count < length || b[1] < low || b[1] > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (!IsTrail(b[i]))
            return 0;
    }
    return length;
}

} // namespace

bool IsStrictUtf8(const unsigned char* bytes, size_t count)
{
    size_t i = 0;
    while (i < count) {
        const size_t length = SequenceLength(bytes + i, count - i);
        if (!length)
            return false;
        i += length;
    }
    return true;
}

// wide_ converted into line with the code page; line is left as it was when
// the conversion gives nothing.
void TextLineSource::WideToNarrow(CString& line, UINT codePage)
{
    if (wide_.empty())
        return;
    const int units = static_cast<int>(wide_.size());
    const int need = WideCharToMultiByte(codePage, 0, wide_.data(), units, nullptr, 0, nullptr, nullptr);
    if (need <= 0)
        return;
    char* out = line.GetBufferSetLength(need);
    const int got = WideCharToMultiByte(codePage, 0, wide_.data(), units, out, need, nullptr, nullptr);
    line.ReleaseBuffer(got > 0 ? got : 0);
}

// A line with bytes of 128 or above that is well-formed UTF-8 becomes text
// in the thread's ANSI code page; any other line stays as it is.
void TextLineSource::Utf8ToAnsi(CString& line)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(line.GetString());
    const size_t count = static_cast<size_t>(line.GetLength());
    size_t first = 0;
    while (first < count && bytes[first] < 0x80)
        ++first;
    if (first == count || !IsStrictUtf8(bytes + first, count - first))
        return;
    wide_.resize(count); // UTF-16 never needs more units than UTF-8 bytes
    const int units = MultiByteToWideChar(CP_UTF8, 0, line.GetString(), static_cast<int>(count), wide_.data(),
                                          static_cast<int>(count));
    if (units <= 0)
        return;
    wide_.resize(static_cast<size_t>(units));
    WideToNarrow(line, CP_THREAD_ACP);
}

void ReportOpenError(const char* path, const CFileException& error)
{
    char reason[256];
    reason[0] = 0;
    error.GetErrorMessage(reason, sizeof reason);
    CString text(path ? path : "");
    text += "\r\n\r\nOpen ERROR :\r\n";
    text += reason;
    VelorMessageBox(nullptr, text, nullptr, MB_OK);
}
