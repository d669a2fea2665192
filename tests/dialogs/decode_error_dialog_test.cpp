// The decode-error dialog answered by each of its buttons, by Enter, by
// Escape and by the close box, with the composed message read back from
// control 1053; its texts in the three languages; the dialog as the
// decoder's default answerer.
#include "../framework/dialog_fixture.h"

#include "common/decoder_texts.h"
#include "decoder/CDecodeTxLine.h"
#include "decoder/decode_reports.h"
#include "dialogs/decode_error_dialog.h"
#include "dialogs/dialog_ids.h"

#include <filesystem>
#include <fstream>

namespace {

struct Shown {
    int templateId = 0;
    std::string caption, message, ok, cancelReading, noWarnings;
    bool okIsDefault = false;
};

class DecodeErrorDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        SetUnknownCommandAnswerer(nullptr, nullptr); // the dialog
    }

    void TearDown() override
    {
        FillLoadTimeTables(kLanguageEnglish);
        DialogTest::TearDown();
    }

    // Reports an unknown command; the user answers with act.
    uint16_t Report(std::function<void(HWND)> act, uint32_t line = 12, const char* file = "C:\\data\\p.txt",
                    const char* text = ".zz 1 2")
    {
        drive = [this, act](const UserScene& scene) {
            shown.templateId = scene.templateId;
            shown.caption = WindowTextOf(scene.dialog);
            shown.message = Text(scene.dialog, kDecodeErrorMessage);
            shown.ok = Text(scene.dialog, IDOK);
            shown.cancelReading = Text(scene.dialog, kDecodeErrorCancelReading);
            shown.noWarnings = Text(scene.dialog, kDecodeErrorNoWarnings);
            shown.okIsDefault = (GetWindowLongA(GetDlgItem(scene.dialog, IDOK), GWL_STYLE) & BS_TYPEMASK) ==
                                BS_DEFPUSHBUTTON;
            act(scene.dialog);
        };
        return ReportUnknownCommand(file, line, text);
    }

    Shown shown;
};

} // namespace

TEST_F(DecodeErrorDialogTest, EachButtonGivesItsAnswer)
{
    EXPECT_EQ(Report([](HWND d) { UserClick(d, IDOK); }), 1);
    EXPECT_EQ(shown.templateId, 140);
    EXPECT_EQ(shown.message, std::string(ComposeUnknownCommand("C:\\data\\p.txt", 12, ".zz 1 2")));
    EXPECT_EQ(Report([](HWND d) { UserClick(d, kDecodeErrorCancelReading); }), 0);
    EXPECT_EQ(Report([](HWND d) { UserClick(d, kDecodeErrorNoWarnings); }), 2);
    EXPECT_EQ(DecodeErrorDialog().result, 2);
    EXPECT_EQ(drivenDialogs, 3);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DecodeErrorDialogTest, EnterIsOkAndEscapeOrCloseBoxStopReading)
{
    EXPECT_EQ(Report([](HWND d) { UserPressEnter(d); }), 1);
    EXPECT_TRUE(shown.okIsDefault);
    // Escape after an answer of 2: never the earlier answer.
    EXPECT_EQ(Report([](HWND d) { UserClick(d, kDecodeErrorNoWarnings); }), 2);
    EXPECT_EQ(Report([](HWND d) { UserPressEscape(d); }), 0);
    EXPECT_EQ(Report([](HWND d) { UserClick(d, IDOK); }), 1);
    EXPECT_EQ(Report([](HWND d) { UserCloseBox(d); }), 0);
    EXPECT_EQ(DecodeErrorDialog().lastCommand, IDCANCEL);
    // A driver that leaves the dialog open gets it closed with Enter.
    EXPECT_EQ(Report([](HWND) {}), 1);
}

TEST_F(DecodeErrorDialogTest, MessageCaptionAndButtonsInEachLanguage)
{
    EXPECT_EQ(Report([](HWND d) { UserClick(d, IDOK); }, 1234, "f.txt", ".zz"), 1);
    EXPECT_EQ(shown.caption, "Warning");
    EXPECT_EQ(shown.ok, "OK");
    EXPECT_EQ(shown.cancelReading, "Cancel reading");
    EXPECT_EQ(shown.noWarnings, "No warnings");
    EXPECT_EQ(shown.message, "!!! Unknown command in file:\r\n   f.txt\r\n\r\nat line 1234 :\r\n\".zz\"\r\n\r\n"
                             "Line will be ignored.");

    FillLoadTimeTables(kLanguageCzech);
    EXPECT_EQ(Report([](HWND d) { UserClick(d, IDOK); }, 7, "", ""), 1);
    EXPECT_EQ(shown.caption, "Upozorn\xECn\xED");
    EXPECT_EQ(shown.cancelReading, "P\xF8" "eru\x9Ait \xE8ten\xED");
    EXPECT_EQ(shown.noWarnings, "Ji\x9E nehl\xE1sit");
    EXPECT_EQ(shown.message, "!!! Nezn\xE1m\xFD p\xF8\xEDkaz p\xF8i \xE8ten\xED souboru:\r\n   \r\n\r\nna \xF8\xE1" "dce 7 :\r\n"
                             "\"\"\r\n\r\n\xD8\xE1" "dka bude ignorov\xE1na.");

    FillLoadTimeTables(kLanguageGerman);
    EXPECT_EQ(Report([](HWND d) { UserClick(d, IDOK); }), 1);
    EXPECT_EQ(shown.caption, "Hinweis");
    EXPECT_EQ(shown.cancelReading, "Lesen unterbrechen");
    EXPECT_EQ(shown.noWarnings, "Nicht mehr melden");
    EXPECT_EQ(shown.ok, "OK");
}

TEST_F(DecodeErrorDialogTest, AnswersSteerTheReadingOfAPointFile)
{
    const auto path = std::filesystem::temp_directory_path() / "velor-decode-error-dialog.txt";
    std::ofstream(path, std::ios::binary) << "1 2\n.xx a\n3 4\n.yy\n5 6\n.ww\n7 8\n";
    auto* decoder = new CDecodeTxLine(nullptr);
    std::vector<int> answered;
    auto read = [&](std::vector<int> ids) {
        int asked = 0;
        drive = [&, ids](const UserScene& scene) {
            const int id = ids[static_cast<size_t>(asked++)];
            answered.push_back(id);
            UserClick(scene.dialog, id);
        };
        PolygonItemList items;
        uint32_t lines = 0, result = 0;
        decoder->ReadPointFile(path.string().c_str(), "Y X", &items, 0, 0, 0, 0, &lines, &result);
        size_t points = 0;
        for (const PolygonItem& item : items)
            points += item.points.size();
        return std::make_pair(result, points);
    };
    EXPECT_EQ(read({IDOK, IDOK, IDOK}), std::make_pair(0u, size_t{4}));
    EXPECT_EQ(drivenDialogs, 3);
    EXPECT_EQ(read({kDecodeErrorNoWarnings}), std::make_pair(0u, size_t{4}));
    EXPECT_EQ(drivenDialogs, 4); // no further dialog for the rest of the file
    EXPECT_EQ(read({IDOK, kDecodeErrorCancelReading}), std::make_pair(2u, size_t{2}));
    EXPECT_EQ(drivenDialogs, 6);
    decoder->NondelegatingRelease();
    std::filesystem::remove(path);
}

#if !defined(_WIN32)
// Natively, with no driver, the stand-in dialog ends with its default
// button: the answer is OK, as before there was a dialog.
TEST_F(DecodeErrorDialogTest, WithoutDriverTheStandInAnswersOk)
{
    SetDialogDriver(nullptr, nullptr);
    DecodeErrorDialog().result = 2;
    EXPECT_EQ(ReportUnknownCommand("f", 1, ".x"), 1);
    EXPECT_EQ(std::string(DecodeErrorDialog().message), std::string(ComposeUnknownCommand("f", 1, ".x")));
}
#endif
