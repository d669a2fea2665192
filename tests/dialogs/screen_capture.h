// Screenshots of the system's windows under Wine, and how much room their
// controls' texts need, measured with each control's own font.
#pragma once

#include "common/language.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top row first
};

// The window's pixels as the screen shows them, after it was redrawn.
bool CaptureWindow(HWND window, ScreenImage* image);

// The room a text needs in a control's font: one line, or word-wrapped to
// width when wrapWidth is above 0.
SIZE NeededForText(HWND control, const std::string& text, int wrapWidth = 0);
// The room the control's own text needs (see NeededForText).
SIZE NeededForControl(HWND control, bool wrap);

// The test display has no window manager to draw captions and frames; Wine
// draws them itself when its X11 driver is told so, which it reads when the
// process makes its first window.
void LetWineDrawWindowFrames();

// "cs", "en" or "de".
const char* LanguageSuffix(LanguageIndex language);

// Writes the image to the screenshot folder under the file name; false when
// it could not be written.
bool WriteScreenshot(const std::string& fileName, const ScreenImage& image);
