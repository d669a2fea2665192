// Windows build: conversions through the system's code pages. The C runtime
// already hands the arguments over in the ANSI code page. Output to a console
// goes through the console's wide writing; to a file or pipe as UTF-8.
// Characters the code page lacks become '?', never a look-alike.
#include "tools/velortrdcd/text_codec.h"

#include "tools/velortrdcd/utf8.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace {

std::wstring ToWide(UINT codePage, const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

std::string FromWide(UINT codePage, const std::wstring& wide)
{
    if (wide.empty())
        return std::string();
    const int n =
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0], n, nullptr, nullptr);
    return text;
}

} // namespace

std::string AnsiToUtf8(const char* text)
{
    return FromWide(CP_UTF8, ToWide(CP_ACP, text));
}

std::string Utf8ToAnsi(const std::string& text)
{
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t start = at;
        uint32_t c = 0;
        if (!ReadUtf8(text, &at, &c)) {
            out += text[start]; // not UTF-8: taken as ANSI already
            continue;
        }
        const std::wstring wide = ToWide(CP_UTF8, text.substr(start, at - start));
        char bytes[8] = {0};
        BOOL lossy = FALSE;
        const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                          bytes, sizeof bytes, "?", &lossy);
        out.append(bytes, static_cast<size_t>(n > 0 ? n : 0));
    }
    return out;
}

std::string ArgumentToAnsi(const char* argument)
{
    return argument;
}

void WriteText(FILE* stream, const std::string& utf8)
{
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        const std::wstring wide = ToWide(CP_UTF8, utf8);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

void PrepareStreams()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool StdinIsTerminal()
{
    return _isatty(_fileno(stdin)) != 0;
}

bool StderrIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}
