// The input written as a file, read line by line by the text file reader and
// then read as a point file. Four bytes of settings come first:
//   1: the reader's buffer size for the first reading, 4 + byte % 61 bytes;
//   2: the point-file format (byte % the formats below);
//   3: the first line (byte % 4) and the last line ((byte >> 2) % 8, 0: all);
//   4: the answer to unknown commands (byte % 3) and the messages (bit 0x04).
// The rest is the file, whatever its encoding mark and line ends.
//
// The lines must not depend on the buffer size: the small buffer and the
// default one give the same lines in the same encoding, read into a string
// or in place. A file of ASCII
// bytes without a mark (and without NULs where the encoding is judged)
// gives its lines as split at CR LF, LF and CR, and the same lines when
// written as UTF-16 without a mark.
#include "fuzz_support.h"

#include "common/text_file.h"
#include "decoder/CDecodeTxLine.h"
#include "decoder/decode_reports.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kFormats[] = {
    "Y X cmt(; $ ! *)",
    "Y X Z Name sep(;) decc cmt(*)",
    "Y X Z St Name TCode(;,) NCode PlgP VDesc NoLn TPri TType EType R",
    "X Y sep(t) dec=2 sys=3",
    "Name Y X Z sep(, ) cmt(// rem)",
    "PNr Y X Z PlgP",
    "Y X cmt()",
    "Null Y X TCodeEnd",
};

uint16_t g_answer = kAnswerSkipLine;

uint16_t Answer(void*, const char*, const char*, uint32_t, const char*)
{
    return g_answer;
}

struct Lines {
    TextEncoding encoding = kTextSingleByte;
    std::vector<std::string> lines;
};

// Every line, read into a CString or, with inPlace, where the reader can
// hand it out. Either way a line is terminated, and one said to hold no NUL
// holds none.
Lines ReadLines(const std::string& path, UINT bufferSize, bool inPlace = false)
{
    Lines out;
    CMVFile<CFile> file(bufferSize);
    FuzzRequire(file.Open(path.c_str(), kOpenForReading, FALSE) != FALSE, "the input file does not open");
    out.encoding = file.Encoding();
    CString line;
    LineText text{nullptr, 0};
    while (inPlace ? file.ReadLineInPlace(line, text) : file.ReadLine(line)) {
        if (!inPlace)
            text = LineText{line.GetString(), static_cast<size_t>(line.GetLength())};
        FuzzRequire(text.text[text.length] == '\0', "a line is not terminated");
        FuzzRequire(file.LineMayHoldNul() || !std::memchr(text.text, 0, text.length),
                    "a line said to hold no NUL holds one");
        out.lines.emplace_back(text.text, text.length);
    }
    file.Close();
    return out;
}

// The lines of ASCII text without an encoding mark, split at CR LF, LF, CR;
// false when the text is not such.
bool SplitAscii(const std::string& text, std::vector<std::string>& lines)
{
    if (text.size() >= 2 && (text.compare(0, 2, "\xFF\xFE") == 0 || text.compare(0, 2, "\xFE\xFF") == 0))
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80 || (c == 0 && i < kEncodingProbeSize))
            return false;
    }
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(begin, end - begin));
        begin = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return true;
}

// ASCII text as UTF-16 without a mark, in both orders, must read as the
// same lines.
void CheckUnmarkedUtf16(const std::string& path, const std::string& ascii, UINT smallBuffer,
                        const std::vector<std::string>& lines)
{
    if (ascii.find('\0') != std::string::npos || ascii.size() < 2)
        return;
    for (int bigEndian = 0; bigEndian < 2; ++bigEndian) {
        std::string wide;
        for (char c : ascii) {
            wide += bigEndian ? '\0' : c;
            wide += bigEndian ? c : '\0';
        }
        WriteFuzzFile(path, wide);
        const Lines read = ReadLines(path, smallBuffer);
        FuzzRequire(read.encoding == (bigEndian ? kTextUtf16Be : kTextUtf16Le), "unmarked UTF-16 is not recognised");
        FuzzRequire(read.lines == lines, "unmarked UTF-16 lines differ from the text's");
    }
    WriteFuzzFile(path, ascii);
}

void CheckReader(const std::string& path, const std::string& content, UINT smallBuffer, size_t* lineCount)
{
    const Lines small = ReadLines(path, smallBuffer);
    const Lines whole = ReadLines(path, kTextFileBufferSize);
    FuzzRequire(small.encoding == whole.encoding, "the encoding depends on the buffer size");
    FuzzRequire(small.lines == whole.lines, "the lines depend on the buffer size");
    FuzzRequire(ReadLines(path, smallBuffer, true).lines == whole.lines &&
                    ReadLines(path, kTextFileBufferSize, true).lines == whole.lines,
                "the lines read in place differ");
    FuzzRequire(whole.lines.size() <= content.size(), "more lines than bytes");
    std::vector<std::string> ascii;
    if (SplitAscii(content, ascii)) {
        FuzzRequire(whole.lines == ascii, "ASCII lines are not split at CR LF, LF and CR");
        CheckUnmarkedUtf16(path, content, smallBuffer, ascii);
    }
    *lineCount = whole.lines.size();
}

void CheckPointFile(const std::string& path, const char* format, int32_t firstLine, uint32_t lastLine,
                    bool messages, size_t lineCount)
{
    CDecodeTxLine* d = new CDecodeTxLine(nullptr);
    d->EnableErrorMessages(messages ? 1 : 0);
    PolygonItemList items;
    uint32_t linesRead = 0, result = 99;
    const uint32_t status =
        d->ReadPointFile(path.c_str(), format, &items, firstLine, lastLine, 0, 0, &linesRead, &result);
    d->NondelegatingRelease();
    FuzzRequire(status == (result != 0 ? 1u : 0u), "the status does not follow the result");
    FuzzRequire(result == 0 || result == 2 || result == 3 || result == 4 || result == 5 || result == 7 ||
                    result == 8 || result == 9,
                "a result outside the reader's list");
    FuzzRequire(linesRead <= lineCount, "more lines read than the file has");
    size_t points = 0;
    for (const PolygonItem& item : items)
        points += item.points.size();
    FuzzRequire(points <= linesRead, "more points than lines read");
    FuzzRequire(result != 0 || !items.empty(), "a complete reading without a polygon");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (SilenceMessageBoxes(), SetUnknownCommandAnswerer(&Answer, nullptr), true);
    (void)ready;
    FuzzInput in(data, size);
    const UINT smallBuffer = 4 + in.Byte() % 61;
    const char* format = kFormats[in.Byte() % (sizeof kFormats / sizeof kFormats[0])];
    const uint8_t lines = in.Byte();
    const uint8_t reading = in.Byte();
    const std::string content = in.Rest();

    const std::string path = FuzzFolder() + "points.txt";
    WriteFuzzFile(path, content);
    size_t lineCount = 0;
    CheckReader(path, content, smallBuffer, &lineCount);
    g_answer = static_cast<uint16_t>(reading % 3);
    CheckPointFile(path, format, lines % 4, (lines >> 2) % 8, (reading & 0x04) != 0, lineCount);
    return 0;
}
