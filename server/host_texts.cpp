// Exports that hand a host whole texts of any length in two calls: the first
// (with a null buffer, or one too small) returns the text's length in bytes,
// the second, with room for that many bytes and a NUL, receives the text. A
// buffer too small for the whole text is left untouched, so a host never
// works on a text cut without knowing it. The interface's own operations
// copy such texts whole into buffers of the host's choosing; these exports
// let a host size them first.
#include "VelorTrDcdFormat.h"
#include "decoder/format_dialog_slot.h"
#include "formats/catalogue.h"
#include "formats/format_text.h"

#include <cstring>
#include <new>

namespace {

uint32_t CopyIfWhole(const char* text, size_t length, char* out, uint32_t size)
{
    const uint32_t told = length > UINT32_MAX - 1 ? UINT32_MAX - 1 : static_cast<uint32_t>(length);
    if (out && size > length) {
        std::memcpy(out, text, length);
        out[length] = '\0';
    }
    return told;
}

uint32_t CopyIfWhole(const CString& text, char* out, uint32_t size)
{
    return CopyIfWhole(text.GetString(), static_cast<size_t>(text.GetLength()), out, size);
}

void Tell(int32_t* found, int32_t value)
{
    if (found)
        *found = value;
}

} // namespace

// The result of a format dialog the user confirmed: the catalogue name and
// the format string.
struct VelorFormatDialogResult {
    CString name, format;
};

// The normal text form of model (as FormatToString writes it).
extern "C" uint32_t VelorPrintFormat(const PointFormat* model, char* out, uint32_t size)
{
    return model ? CopyIfWhole(PrintFormatText(*model), out, size) : CopyIfWhole("", 0, out, size);
}

// The text after ".fmt" on the ".fmt" line among the first lines of the data
// file at path, as it stands. *found: the line's 1-based number, 0 when
// there is none, -1 when the file cannot be opened.
extern "C" uint32_t VelorFileFormatLine(const char* path, int32_t* found, char* out, uint32_t size)
{
    CString text;
    Tell(found, ReadFileFormatLine(path, text));
    return CopyIfWhole(text, out, size);
}

// One text of the catalogue entry of that name (empty or null: "Standard")
// in section (null: "SectFmtPoi"): which 0 its format, 1 its description,
// 2 its suffix list. *found: 1 there is such an entry, 0 there is none.
extern "C" uint32_t VelorCatalogueText(const char* section, const char* name, int32_t which, int32_t* found,
                                       char* out, uint32_t size)
{
    FormatCatalogue catalogue;
    catalogue.LoadCatalogue(section);
    CString texts[3];
    const bool there =
        catalogue.LookupEntry(name && *name ? name : kStandardFormatName, texts[0], texts[1], texts[2]);
    Tell(found, there ? 1 : 0);
    return CopyIfWhole(there && which >= 0 && which <= 2 ? texts[which] : CString(), out, size);
}

// The name of the catalogue entry whose suffix list holds suffix; empty when
// there is none.
extern "C" uint32_t VelorCatalogueSuffixOwner(const char* section, const char* suffix, char* out, uint32_t size)
{
    FormatCatalogue catalogue;
    catalogue.LoadCatalogue(section);
    return CopyIfWhole(catalogue.FindFormatForSuffix(suffix), out, size);
}

// The format dialog of EditFormatDialog. Returns the confirmed result, which
// the host reads with VelorFormatDialogText and frees with
// VelorFreeFormatDialogResult; null when the user cancelled.
extern "C" VelorFormatDialogResult* VelorRunFormatDialog(const char* section, const char* name, const char* dataFile,
                                                         const char* limitFormat, const char* format,
                                                         uint8_t givenFormat, uint8_t variantMode)
{
    auto* result = new (std::nothrow) VelorFormatDialogResult();
    if (result && RunEditFormatDialog(section, name, dataFile, limitFormat, format, givenFormat != 0,
                                      variantMode != 0, result->name, result->format))
        return result;
    delete result;
    return nullptr;
}

// One text of a confirmed dialog: which 0 the name, 1 the format string.
extern "C" uint32_t VelorFormatDialogText(const VelorFormatDialogResult* result, int32_t which, char* out,
                                          uint32_t size)
{
    if (!result || which < 0 || which > 1)
        return CopyIfWhole("", 0, out, size);
    return CopyIfWhole(which == 0 ? result->name : result->format, out, size);
}

extern "C" void VelorFreeFormatDialogResult(VelorFormatDialogResult* result)
{
    delete result;
}
