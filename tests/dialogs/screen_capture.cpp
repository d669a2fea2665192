// Screenshots and text measurements under Wine.
#include "screen_capture.h"

#include "png_writer.h"

namespace {

void Redraw(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
}

} // namespace

bool CaptureWindow(HWND window, ScreenImage* image)
{
    Redraw(window);
    Sleep(200);
    Redraw(window);
    RECT r;
    GetWindowRect(window, &r);
    image->width = r.right - r.left;
    image->height = r.bottom - r.top;
    const HDC screen = GetWindowDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image->width;
    info.bmiHeader.biHeight = -image->height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, image->width, image->height, screen, 0, 0, SRCCOPY) != FALSE;
    if (copied && bits) {
        const auto* p = static_cast<const uint32_t*>(bits);
        image->pixels.assign(p, p + static_cast<size_t>(image->width) * static_cast<size_t>(image->height));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return copied && bits;
}

SIZE NeededForText(HWND control, const std::string& text, int wrapWidth)
{
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT need = {0, 0, wrapWidth, 0};
    DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{need.right - need.left, need.bottom - need.top};
}

SIZE NeededForControl(HWND control, bool wrap)
{
    RECT client;
    GetClientRect(control, &client);
    char text[1024] = "";
    GetWindowTextA(control, text, sizeof text);
    return NeededForText(control, text, wrap ? client.right : 0);
}

void LetWineDrawWindowFrames()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, "Decorated", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
        RegCloseKey(key);
    }
}

const char* LanguageSuffix(LanguageIndex language)
{
    return language == kLanguageCzech ? "cs" : language == kLanguageGerman ? "de" : "en";
}

bool WriteScreenshot(const std::string& fileName, const ScreenImage& image)
{
    CreateDirectoryA(VELOR_SCREENSHOT_DIR, nullptr);
    return WritePng(std::string(VELOR_SCREENSHOT_DIR) + "/" + fileName, image.width, image.height, image.pixels);
}
