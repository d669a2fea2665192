// The text file reader: encodings, line ends, lines longer than the buffer,
// the conversion to the ANSI code page (1250 in the tests) and Open's report.
#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Lines;

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("velor-textfile-" + std::string(test->name()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string Write(const std::string& bytes)
    {
        const std::string path = (folder_ / ("f" + std::to_string(++files_) + ".txt")).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Every line of a file read with a buffer of the given size, into a
    // CString or, with inPlace, where the reader can hand it out.
    Lines ReadAll(const std::string& bytes, UINT bufferSize = kTextFileBufferSize, bool inPlace = false)
    {
        CMVFile<CFile> file(bufferSize);
        EXPECT_TRUE(file.Open(Write(bytes).c_str(), CFile::modeRead | CFile::shareDenyWrite, FALSE));
        Lines lines;
        CString line;
        LineText text{nullptr, 0};
        while (inPlace ? file.ReadLineInPlace(line, text) : file.ReadLine(line)) {
            if (!inPlace)
                text = LineText{line.GetString(), static_cast<size_t>(line.GetLength())};
            EXPECT_EQ(text.text[text.length], '\0');
            lines.emplace_back(text.text, text.length);
        }
        return lines;
    }

    std::filesystem::path folder_;
    int files_ = 0;
};

// Text as UTF-16 bytes with a byte-order mark.
std::string Utf16(const std::u16string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? hi : lo;
        bytes += bigEndian ? lo : hi;
    }
    return bytes;
}

int Record(void* context, HWND, const char* text, const char*, UINT, DWORD)
{
    static_cast<std::vector<std::string>*>(context)->push_back(text ? text : "");
    return IDOK;
}

} // namespace

TEST_F(TextFileTest, EncodingMarksAreFoundAndSkipped)
{
    EXPECT_EQ(ReadAll(Utf16(u"A\r\nB", true)), (Lines{"A", "B"}));
    EXPECT_EQ(ReadAll(Utf16(u"A\r\nB", false)), (Lines{"A", "B"}));
    EXPECT_EQ(ReadAll("\xEF\xBB\xBFX 1\r\n"), (Lines{"X 1"}));
    // Letters outside ASCII arrive in the ANSI code page.
    EXPECT_EQ(ReadAll(Utf16(u"\u010D\u0159 \u017E\n", true)), (Lines{"\xE8\xF8 \x9E"}));
    EXPECT_EQ(ReadAll(Utf16(u"\u010D\u0159 \u017E\n", false)), (Lines{"\xE8\xF8 \x9E"}));
    // Bytes that only look like a mark in the middle of the file are text.
    EXPECT_EQ(ReadAll("a\n\xFF\xFE"), (Lines{"a", "\xFF\xFE"}));
    EXPECT_EQ(ReadAll(""), Lines{});
    EXPECT_EQ(ReadAll(Utf16(u"", false)), Lines{});
}

// UTF-16 without a mark is told by its NUL bytes in the file's first bytes,
// the same way whatever the reader's buffer size; NULs here and there leave
// a file single-byte.
TEST_F(TextFileTest, UnmarkedUtf16IsRecognisedWhateverTheBufferSize)
{
    for (bool bigEndian : {false, true}) {
        const std::string bytes = Utf16(u"P1 1 2\r\nP2 \u010D 4\r\n", bigEndian).substr(2);
        for (UINT size : {1u, 3u, 7u, 64u, kTextFileBufferSize})
            EXPECT_EQ(ReadAll(bytes, size), (Lines{"P1 1 2", "P2 \xE8 4"})) << bigEndian << " buffer " << size;
    }
    EXPECT_EQ(ReadAll(std::string("ab\0d\n", 5)), (Lines{std::string("ab\0d", 4)}));
    EXPECT_EQ(ReadAll(std::string("P1\0X 1 2\n", 9), 4), (Lines{std::string("P1\0X 1 2", 8)}));
}

TEST_F(TextFileTest, SingleByteLinesConvertOnlyWhenStrictUtf8)
{
    // UTF-8 without a mark, line by line; the ANSI line stays as it is.
    EXPECT_EQ(ReadAll("\xC4\x8D\xC5\x99\n\xE8\xF8\nplain\n"), (Lines{"\xE8\xF8", "\xE8\xF8", "plain"}));
    // Overlong forms, surrogates, cut sequences and values above U+10FFFF
    // are not UTF-8: returned unchanged.
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "x\xC4", "\xF4\x90\x80\x80", "\xE0\x80\x80"})
        EXPECT_EQ(ReadAll(bad), (Lines{bad})) << bad;
    // The character at every place of a line's eight-byte words, and a
    // line end right after it.
    for (size_t at = 0; at <= 17; ++at) {
        const std::string before(at, 'a'), after(17 - at, 'b');
        EXPECT_EQ(ReadAll(before + "\xC5\x99" + after + "\r\n" + before + "\xC4\x8D\nz"),
                  (Lines{before + "\xF8" + after, before + "\xE8", "z"}))
            << at;
    }
    EXPECT_FALSE(IsStrictUtf8(reinterpret_cast<const unsigned char*>("\xF8\x88\x80\x80\x80"), 5));
    EXPECT_TRUE(IsStrictUtf8(reinterpret_cast<const unsigned char*>("\xF0\x9F\x98\x80"), 4));
}

// Whether each line of a file may hold a NUL, read with a buffer of the
// given size.
std::vector<bool> MayHoldNul(const std::string& path, UINT bufferSize = kTextFileBufferSize, bool inPlace = false)
{
    CMVFile<CFile> file(bufferSize);
    EXPECT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite, FALSE));
    std::vector<bool> flags;
    CString line;
    LineText text{nullptr, 0};
    while (inPlace ? file.ReadLineInPlace(line, text) : file.ReadLine(line))
        flags.push_back(file.LineMayHoldNul());
    return flags;
}

TEST_F(TextFileTest, TellsWhichLinesMayHoldANul)
{
    typedef std::vector<bool> Flags;
    // A NUL at every place of a line's eight-byte words, a line end right
    // after it, and lines without one.
    for (size_t at = 0; at <= 17; ++at) {
        const std::string before(at, 'a'), after(17 - at, 'b');
        const std::string text = before + '\0' + after + "\r\nno nul in this line at all\n" + before + '\0' + "\nz";
        const std::string path = Write(text);
        EXPECT_EQ(MayHoldNul(path), (Flags{true, false, true, false})) << at;
        EXPECT_EQ(MayHoldNul(path, kTextFileBufferSize, true), (Flags{true, false, true, false})) << at;
    }
    // A NUL in the first part of a line longer than the buffer, and in its last.
    const std::string longLine(40, 'L');
    EXPECT_EQ(MayHoldNul(Write("a" + std::string(1, '\0') + longLine + "\n" + longLine + "\n" + longLine + '\0'), 8),
              (Flags{true, false, true}));
    // Lines that were converted are not looked at.
    EXPECT_EQ(MayHoldNul(Write("\xC5\x99 1 2\nplain\n")), (Flags{true, false}));
    EXPECT_EQ(MayHoldNul(Write(Utf16(u"a\r\nb", false))), (Flags{true, true}));
}

TEST_F(TextFileTest, ThreeLineEnds)
{
    EXPECT_EQ(ReadAll("a\rb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(ReadAll("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(ReadAll("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(ReadAll("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(ReadAll("\n"), (Lines{""}));
    EXPECT_EQ(ReadAll("\r\r"), (Lines{"", ""}));
    EXPECT_EQ(ReadAll(Utf16(u"a\n\rb\r\nc\r", false)), (Lines{"a", "", "b", "c"}));
    EXPECT_EQ(ReadAll(Utf16(u"a\rb", true)), (Lines{"a", "b"}));
}

TEST_F(TextFileTest, LinesAreWholeWhateverTheBufferSize)
{
    const std::string longLine(300, 'L');
    const std::string text =
        "ab\r\n" + longLine + "\r\ncd\r\r\nef\n\xC4\x8D" + longLine + "\r" + longLine + "\xC5\x99\n";
    const Lines single = {"ab", longLine, "cd", "", "ef", "\xE8" + longLine, longLine + "\xF8"};
    std::u16string wide = u"ab\r\n";
    wide += std::u16string(longLine.begin(), longLine.end()) + u"\r\nx\u0159\r";
    const Lines units = {"ab", longLine, "x\xF8"};
    // Every size puts a line end (CR LF pairs included) or a UTF-16 unit
    // across a refill somewhere.
    for (UINT size = 1; size <= 40; ++size) {
        EXPECT_EQ(ReadAll(text, size), single) << "buffer " << size;
        EXPECT_EQ(ReadAll(text, size, true), single) << "in place, buffer " << size;
        EXPECT_EQ(ReadAll(Utf16(wide, false), size), units) << "buffer " << size;
        EXPECT_EQ(ReadAll(Utf16(wide, true), size), units) << "buffer " << size;
    }
}

// An ASCII line whose line end is in the buffer is handed out where it
// stands; the others come in the caller's string, converted.
TEST_F(TextFileTest, AsciiLinesAreHandedOutInPlace)
{
    CMVFile<CFile> file;
    ASSERT_TRUE(file.Open(Write("ab cd\r\n\xC4\x8D\n\nlast").c_str(), kOpenForReading, FALSE));
    CString line;
    LineText text{nullptr, 0};
    ASSERT_TRUE(file.ReadLineInPlace(line, text));
    EXPECT_EQ(std::string(text.text, text.length), "ab cd");
    EXPECT_NE(text.text, line.GetString());
    ASSERT_TRUE(file.ReadLineInPlace(line, text));
    EXPECT_EQ(text.text, line.GetString());
    EXPECT_STREQ(text.text, "\xE8");
    ASSERT_TRUE(file.ReadLineInPlace(line, text));
    EXPECT_EQ(text.length, 0u);
    EXPECT_STREQ(text.text, "");
    ASSERT_TRUE(file.ReadLineInPlace(line, text)); // no line end: not in the buffer's keeping
    EXPECT_EQ(text.text, line.GetString());
    EXPECT_STREQ(text.text, "last");
    EXPECT_FALSE(file.ReadLineInPlace(line, text));
}

TEST_F(TextFileTest, LineStorageIsReusedAndCallerBufferTakenOver)
{
    const std::string path = Write(std::string(100, 'x') + "\nshort\n" + std::string(100, 'y'));
    CMVFile<CFile> file(8, new char[9]);
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone, TRUE));
    CString line;
    ASSERT_TRUE(file.ReadLine(line));
    const char* storage = line.GetString();
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_STREQ(line, "short");
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line.GetLength(), 100);
    EXPECT_EQ(line.GetString(), storage);
    EXPECT_FALSE(file.ReadLine(line));
    // Opening again starts over.
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone, TRUE));
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, CString(std::string(100, 'x').c_str()));
}

TEST_F(TextFileTest, OpenFailureIsShownOnlyWhenAsked)
{
    std::vector<std::string> shown;
    SetMessageBoxResponder(&Record, &shown);
    const std::string missing = (folder_ / "missing.pts").string();
    CMVFile<CFile> file;
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, FALSE));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(file.m_fileError.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, TRUE));
    SetMessageBoxResponder(nullptr, nullptr);
    ASSERT_EQ(shown.size(), 1u);
    char reason[256];
    ASSERT_TRUE(file.m_fileError.GetErrorMessage(reason, sizeof reason));
    EXPECT_EQ(shown[0], missing + "\r\n\r\nOpen ERROR :\r\n" + reason);
    CString line;
    EXPECT_FALSE(file.ReadLine(line));
}
