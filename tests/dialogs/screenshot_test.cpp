// The decode-error dialog on the real screen, in Czech, English and
// German: each text must fit its control (measured with the control's own
// font), and a PNG screenshot of each is written to build/screenshots/.
#include "../framework/dialog_fixture.h"

#include "decoder/decode_reports.h"
#include "dialogs/decode_error_dialog.h"
#include "dialogs/dialog_ids.h"
#include "screen_capture.h"

namespace {

struct Fit {
    int id;
    SIZE need;
    RECT room;
};

class DecodeErrorScreenshotTest : public DialogTest, public ::testing::WithParamInterface<LanguageIndex> {
protected:
    static void SetUpTestSuite() { LetWineDrawWindowFrames(); }

    void TearDown() override
    {
        FillLoadTimeTables(kLanguageEnglish);
        DialogTest::TearDown();
    }
};

} // namespace

TEST_P(DecodeErrorScreenshotTest, TextsFitAndScreenshotIsWritten)
{
    const LanguageIndex language = GetParam();
    FillLoadTimeTables(language);
    SetUnknownCommandAnswerer(nullptr, nullptr);
    std::vector<Fit> fits;
    ScreenImage image;
    drive = [&](const UserScene& scene) {
        for (int id : {IDOK, static_cast<int>(kDecodeErrorCancelReading), static_cast<int>(kDecodeErrorNoWarnings),
                       static_cast<int>(kDecodeErrorMessage)}) {
            const HWND control = GetDlgItem(scene.dialog, id);
            RECT room;
            GetClientRect(control, &room);
            fits.push_back(Fit{id, NeededForControl(control, id == kDecodeErrorMessage), room});
        }
        CaptureWindow(scene.dialog, &image);
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(ReportUnknownCommand("C:\\Data\\Survey\\points-2024.txt", 1234, ".xyz 12.5 7.25 \"text\""), 1);
    ASSERT_EQ(fits.size(), 4u);
    for (const Fit& fit : fits) {
        // Buttons keep a margin of 3 pixels on each side for their frame.
        const int margin = fit.id == kDecodeErrorMessage ? 0 : 6;
        EXPECT_LE(fit.need.cx + margin, fit.room.right) << "control " << fit.id << " " << LanguageSuffix(language);
        EXPECT_LE(fit.need.cy, fit.room.bottom) << "control " << fit.id << " " << LanguageSuffix(language);
    }
    ASSERT_FALSE(image.pixels.empty());
    const std::string file = std::string("decode_error_") + LanguageSuffix(language) + ".png";
    EXPECT_TRUE(WriteScreenshot(file, image)) << file;
}

INSTANTIATE_TEST_SUITE_P(Languages, DecodeErrorScreenshotTest,
                         ::testing::Values(kLanguageCzech, kLanguageEnglish, kLanguageGerman));
