// The decode-error dialog on the real screen, in Czech, English and
// German: each text must fit its control (measured with the control's own
// font), and a PNG screenshot of each is written to build/screenshots/.
#include "../framework/dialog_fixture.h"

#include "decoder/decode_reports.h"
#include "dialogs/decode_error_dialog.h"
#include "dialogs/dialog_ids.h"
#include "png_writer.h"

namespace {

// The window's pixels as the screen shows them.
bool Capture(HWND window, int* width, int* height, std::vector<uint32_t>* pixels)
{
    RECT r;
    GetWindowRect(window, &r);
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    const HDC screen = GetWindowDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = *width;
    info.bmiHeader.biHeight = -*height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, *width, *height, screen, 0, 0, SRCCOPY) != FALSE;
    if (copied && bits) {
        const auto* p = static_cast<const uint32_t*>(bits);
        pixels->assign(p, p + static_cast<size_t>(*width) * static_cast<size_t>(*height));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return copied && bits;
}

// How much a control's text needs, drawn with the control's font: one line
// for buttons, word-wrapped to the control's width for static texts.
SIZE Needed(HWND control, bool wrap)
{
    RECT client;
    GetClientRect(control, &client);
    char text[1024] = "";
    GetWindowTextA(control, text, sizeof text);
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT need = {0, 0, wrap ? client.right : 0, 0};
    DrawTextA(dc, text, -1, &need, DT_CALCRECT | DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{need.right - need.left, need.bottom - need.top};
}

struct Fit {
    int id;
    SIZE need;
    RECT room;
};

class DecodeErrorScreenshotTest : public DialogTest, public ::testing::WithParamInterface<LanguageIndex> {
protected:
    // The test display has no window manager to draw captions and frames;
    // Wine draws them itself when its X11 driver is told so, which it reads
    // when the process makes its first window.
    static void SetUpTestSuite()
    {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(key, "Decorated", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
            RegCloseKey(key);
        }
    }

    void TearDown() override
    {
        FillLoadTimeTables(kLanguageEnglish);
        DialogTest::TearDown();
    }
};

const char* Suffix(LanguageIndex language)
{
    return language == kLanguageCzech ? "cs" : language == kLanguageGerman ? "de" : "en";
}

} // namespace

TEST_P(DecodeErrorScreenshotTest, TextsFitAndScreenshotIsWritten)
{
    const LanguageIndex language = GetParam();
    FillLoadTimeTables(language);
    SetUnknownCommandAnswerer(nullptr, nullptr);
    std::vector<Fit> fits;
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    drive = [&](const UserScene& scene) {
        RedrawWindow(scene.dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        for (int id : {IDOK, static_cast<int>(kDecodeErrorCancelReading), static_cast<int>(kDecodeErrorNoWarnings),
                       static_cast<int>(kDecodeErrorMessage)}) {
            const HWND control = GetDlgItem(scene.dialog, id);
            RECT room;
            GetClientRect(control, &room);
            fits.push_back(Fit{id, Needed(control, id == kDecodeErrorMessage), room});
        }
        Sleep(200);
        RedrawWindow(scene.dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        Capture(scene.dialog, &width, &height, &pixels);
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(ReportUnknownCommand("C:\\Data\\Survey\\points-2024.txt", 1234, ".xyz 12.5 7.25 \"text\""), 1);
    ASSERT_EQ(fits.size(), 4u);
    for (const Fit& fit : fits) {
        // Buttons keep a margin of 3 pixels on each side for their frame.
        const int margin = fit.id == kDecodeErrorMessage ? 0 : 6;
        EXPECT_LE(fit.need.cx + margin, fit.room.right) << "control " << fit.id << " " << Suffix(language);
        EXPECT_LE(fit.need.cy, fit.room.bottom) << "control " << fit.id << " " << Suffix(language);
    }
    ASSERT_FALSE(pixels.empty());
    CreateDirectoryA(VELOR_SCREENSHOT_DIR, nullptr);
    const std::string file = std::string(VELOR_SCREENSHOT_DIR) + "/decode_error_" + Suffix(language) + ".png";
    EXPECT_TRUE(WritePng(file, width, height, pixels)) << file;
}

INSTANTIATE_TEST_SUITE_P(Languages, DecodeErrorScreenshotTest,
                         ::testing::Values(kLanguageCzech, kLanguageEnglish, kLanguageGerman));
