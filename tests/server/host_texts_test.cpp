// The exports that hand whole texts to a host in two calls: the length told
// first is exactly what the second call writes, a buffer one byte short is
// left untouched, and texts far longer than the interface's 256-byte
// buffers come through whole.
#include "VelorTrDcdFormat.h"
#include "VelorTrDcdHost.h"
#include "formats/format_text.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

extern "C" uint32_t VelorPrintFormat(const PointFormat* model, char* out, uint32_t size);
extern "C" uint32_t VelorFileFormatLine(const char* path, int32_t* found, char* out, uint32_t size);

namespace {

// A random format text: fields with long text-code separator lists (each
// printed again wherever a TCode stands), separators, settings, comments.
std::string RandomFormat(std::mt19937& random)
{
    static const char* const kWords[] = {"X", "Y", "Z", "Name", "TCode", "NCode", "Null", "R", "St", "PNr"};
    std::string text;
    const int fields = 1 + static_cast<int>(random() % 400);
    for (int i = 0; i < fields; ++i) {
        text += kWords[random() % 10];
        if (text.size() >= 5 && text.compare(text.size() - 5, 5, "TCode") == 0 && random() % 2)
            text += "(" + std::string(random() % 1200, ",;:|"[random() % 4]) + ")";
        text += ' ';
    }
    if (random() % 2)
        text += "sep(;) ";
    if (random() % 2)
        text += "decc sys=" + std::to_string(random() % 8) + " ";
    if (random() % 3 == 0)
        text += "cmt(# //) ";
    return text;
}

const char kGuard = '\x7f';

class HostFiles : public ::testing::Test, protected TempFolder {
protected:
    void SetUp() override { MakeFolder("host-texts"); }
    void TearDown() override { RemoveFolder(); }
};

} // namespace

TEST(HostTexts, PrintedLengthIsExactlyWhatIsWritten)
{
    std::mt19937 random(20261207);
    PointFormat model;
    for (int round = 0; round < 200; ++round) {
        const std::string text = RandomFormat(random);
        ASSERT_EQ(ParseFormatText(model, text.c_str(), nullptr), 0) << text;
        const uint32_t length = VelorPrintFormat(&model, nullptr, 0);
        const CString expected = PrintFormatText(model);
        ASSERT_EQ(length, static_cast<uint32_t>(expected.GetLength()));

        std::vector<char> shortBuffer(length, kGuard);
        EXPECT_EQ(VelorPrintFormat(&model, shortBuffer.data(), length), length);
        EXPECT_EQ(std::string(shortBuffer.begin(), shortBuffer.end()), std::string(length, kGuard))
            << "a buffer without room for the NUL must be left as it was";

        std::vector<char> buffer(length + 2, kGuard);
        EXPECT_EQ(VelorPrintFormat(&model, buffer.data(), length + 1), length);
        EXPECT_EQ(std::strlen(buffer.data()), length);
        EXPECT_STREQ(buffer.data(), expected.GetString());
        EXPECT_EQ(buffer[length + 1], kGuard) << "nothing is written past the NUL";
    }
}

TEST_F(HostFiles, FileFormatLineComesWholeWithItsNumberAsItStands)
{
    std::string format;
    for (int i = 0; i < 3000; ++i)
        format += i % 2 ? "Z " : "Q "; // does not read: the host gets it as it stands
    Put("long.txt", "title\r\n\r\n  .FMT " + format + "\r\n1 2\r\n");
    const std::string path = Path("long.txt");

    int32_t found = -5;
    const uint32_t length = VelorFileFormatLine(path.c_str(), &found, nullptr, 0);
    EXPECT_EQ(found, 3);
    std::vector<char> buffer(length + 1, kGuard);
    VelorFileFormatLine(path.c_str(), &found, buffer.data(), length + 1);
    EXPECT_EQ(std::string(buffer.data()), " " + format);

    EXPECT_EQ(VelorFileFormatLine(Path("missing.txt").c_str(), &found, nullptr, 0), 0u);
    EXPECT_EQ(found, -1);
    Put("plain.txt", "1 2\n3 4\n");
    EXPECT_EQ(VelorFileFormatLine(Path("plain.txt").c_str(), &found, nullptr, 0), 0u);
    EXPECT_EQ(found, 0);
}

#include "tests/common/settings_fixture.h"

extern "C" uint32_t VelorLanguageSetting(char* out, uint32_t size);
extern "C" int32_t VelorGetLanguage(char* setting, uint32_t size);

namespace {

using HostLanguage = ProductSettings;

// A setting of any length comes whole in two calls; a buffer one short is
// left untouched.
TEST_F(HostLanguage, TheSettingComesWholeInTwoCalls)
{
    const std::string code = "CZ" + std::string(600, 'x');
    Install("Velor", "Language", code.c_str());
    const uint32_t length = VelorLanguageSetting(nullptr, 0);
    ASSERT_EQ(length, code.size());
    std::vector<char> shortBuffer(length, '#');
    EXPECT_EQ(VelorLanguageSetting(shortBuffer.data(), length), length);
    EXPECT_EQ(std::string(shortBuffer.begin(), shortBuffer.end()), std::string(length, '#'));
    std::vector<char> buffer(length + 1, '#');
    EXPECT_EQ(VelorLanguageSetting(buffer.data(), length + 1), length);
    EXPECT_EQ(std::string(buffer.data()), code);
    EXPECT_EQ(VelorGetLanguage(nullptr, 0), VelorGetLanguage(buffer.data(), length + 1));
}

} // namespace

extern "C" {
struct VelorFormatGuess;
VelorFormatGuess* VelorGuessPointFormat(const char* path, int32_t* result);
int32_t VelorGuessFacts(const VelorFormatGuess* guess, VelorFormatGuessFacts* facts);
int32_t VelorGuessColumn(const VelorFormatGuess* guess, uint32_t index, int32_t* field, int32_t* confidence);
uint32_t VelorGuessText(const VelorFormatGuess* guess, int32_t which, uint32_t index, char* out, uint32_t size);
void VelorFreeFormatGuess(VelorFormatGuess* guess);
}

TEST_F(HostFiles, GuessComesAsFactsColumnsAndWholeTexts)
{
    int32_t result = 9;
    EXPECT_EQ(VelorGuessPointFormat(Path("missing.txt").c_str(), &result), nullptr);
    EXPECT_EQ(result, 1);

    Put("p.txt", "Pt Y X Z\n1 745000.5 1045000.25 250.1\n2 745010 1045010 251\n");
    VelorFormatGuess* guess = VelorGuessPointFormat(Path("p.txt").c_str(), &result);
    ASSERT_NE(guess, nullptr);
    EXPECT_EQ(result, 0);
    VelorFormatGuessFacts facts{};
    ASSERT_EQ(VelorGuessFacts(guess, &facts), 1);
    EXPECT_EQ(facts.decided, 1);
    EXPECT_EQ(facts.firstLine, 2);
    EXPECT_EQ(facts.fileLines, 3u);
    EXPECT_EQ(facts.columns, 4u);
    EXPECT_EQ(facts.checkedLines, 2u);

    const uint32_t length = VelorGuessText(guess, kGuessFormat, 0, nullptr, 0);
    std::vector<char> buffer(length + 1, kGuard);
    EXPECT_EQ(VelorGuessText(guess, kGuessFormat, 0, buffer.data(), length), length);
    EXPECT_EQ(buffer[0], kGuard) << "a buffer one short is left untouched";
    EXPECT_EQ(VelorGuessText(guess, kGuessFormat, 0, buffer.data(), length + 1), length);
    EXPECT_STREQ(buffer.data(), "Name Y X Z sys=0");

    int32_t field = -1, confidence = -1;
    EXPECT_EQ(VelorGuessColumn(guess, 2, &field, &confidence), 1);
    EXPECT_EQ(field, kFieldX);
    EXPECT_GT(confidence, 50);
    EXPECT_EQ(VelorGuessColumn(guess, 4, &field, &confidence), 0);
    EXPECT_GT(VelorGuessText(guess, kGuessColumnReason, 0, nullptr, 0), 0u);
    EXPECT_EQ(VelorGuessText(guess, kGuessColumnReason, 4, nullptr, 0), 0u) << "no such field: empty";
    EXPECT_EQ(VelorGuessText(guess, 99, 0, nullptr, 0), 0u);
    EXPECT_EQ(VelorGuessText(nullptr, kGuessFormat, 0, nullptr, 0), 0u);
    VelorFreeFormatGuess(guess);
}
