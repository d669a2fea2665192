// The decoder's catalogue operations: a data file's own format, and the
// catalogue's formats by suffix and by name. Each call loads a fresh
// catalogue and never saves it.
#include "decoder/CDecodeTxLine.h"

#include "formats/catalogue.h"
#include "formats/format_text.h"

#include <cstring>

namespace {

const size_t kOutputSize = 256; // the hosts' buffers: 255 characters and a NUL

// Copies text into a host's 256-byte buffer, cut to 255 characters.
void CopyCut(const CString& text, char* out)
{
    const size_t length = static_cast<size_t>(text.GetLength());
    const size_t copied = length < kOutputSize ? length : kOutputSize - 1;
    std::memcpy(out, text.GetString(), copied);
    out[copied] = '\0';
}

} // namespace

uint32_t CDecodeTxLine::DetectFileFormat(const char* path, char* formatOut, uint32_t* found, uint8_t)
{
    PointFormat model;
    bool foundLine = false;
    const int result = ScanFileForFormat(path, model, foundLine);
    if (found)
        *found = foundLine ? 1 : 0;
    if (formatOut) {
        // Without a ".fmt" line the model names no comment words, and its
        // form stays " sys=0" as hosts know it.
        const CString printed = PrintFormatText(model, foundLine);
        std::memcpy(formatOut, printed.GetString(), static_cast<size_t>(printed.GetLength()) + 1);
    }
    return result < 0 ? 1 : 0;
}

uint32_t CDecodeTxLine::GetFormatForSuffix(const char* section, const char* suffix, char out[256])
{
    FormatCatalogue catalogue;
    catalogue.LoadCatalogue(section);
    if (out)
        CopyCut(catalogue.FindFormatForSuffix(suffix), out);
    return 0;
}

// Each output is a host's 256-byte buffer; a longer text is cut to 255
// characters.
uint32_t CDecodeTxLine::GetFormatEntry(const char* section, const char* name, char* formatOut,
                                       char* descriptionOut, char* suffixesOut)
{
    for (char* out : {formatOut, descriptionOut, suffixesOut}) {
        if (out)
            out[0] = '\0';
    }
    FormatCatalogue catalogue;
    catalogue.LoadCatalogue(section);
    CString format, description, suffixes;
    if (!catalogue.LookupEntry(name && *name ? name : kStandardFormatName, format, description, suffixes))
        return 1;
    if (formatOut)
        CopyCut(format, formatOut);
    if (descriptionOut)
        CopyCut(description, descriptionOut);
    if (suffixesOut)
        CopyCut(suffixes, suffixesOut);
    return 0;
}
