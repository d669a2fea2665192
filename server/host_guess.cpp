// The format guessed from a file, for hosts: VelorGuessPointFormat makes the
// guess once and keeps it in an object that the host reads through
// VelorGuessFacts, VelorGuessColumn and VelorGuessText (each text in two
// calls: the length first, then the text) and frees with
// VelorFreeFormatGuess.
#include "VelorTrDcdHost.h"
#include "decoder/guess_format.h"

#include <cstring>
#include <new>

struct VelorFormatGuess {
    PointFormatGuess guess;
};

namespace {

uint32_t CopyIfWhole(const std::string& text, char* out, uint32_t size)
{
    const size_t length = text.size();
    if (out && size > length) {
        std::memcpy(out, text.data(), length);
        out[length] = '\0';
    }
    return length > UINT32_MAX - 1 ? UINT32_MAX - 1 : static_cast<uint32_t>(length);
}

const std::string* TextOf(const PointFormatGuess& g, int32_t which, uint32_t index)
{
    switch (which) {
    case kGuessFormat: return &g.format;
    case kGuessAlternative: return &g.alternative;
    case kGuessWarning: return &g.warning;
    case kGuessColumnReason: return index < g.columns.size() ? &g.columns[index].reason : nullptr;
    case kGuessNote: return index < g.notes.size() ? &g.notes[index] : nullptr;
    default: return nullptr;
    }
}

} // namespace

// The guess for the file at path; null when it cannot be opened (*result 1)
// or memory ran out (*result -1). *result 0 with a guess.
extern "C" VelorFormatGuess* VelorGuessPointFormat(const char* path, int32_t* result)
{
    auto* guess = new (std::nothrow) VelorFormatGuess();
    int32_t code = -1;
    if (guess) {
        code = GuessPointFormat(path, guess->guess);
        if (code != kGuessMade) {
            delete guess;
            guess = nullptr;
        }
    }
    if (result)
        *result = code;
    return guess;
}

extern "C" int32_t VelorGuessFacts(const VelorFormatGuess* guess, VelorFormatGuessFacts* facts)
{
    if (!guess || !facts)
        return 0;
    const PointFormatGuess& g = guess->guess;
    *facts = VelorFormatGuessFacts{g.decided ? 1 : 0,
                             g.firstLine,
                             g.lastLine,
                             g.fileLines,
                             static_cast<uint32_t>(g.columns.size()),
                             static_cast<uint32_t>(g.notes.size()),
                             g.checkedLines,
                             g.undecodedLines,
                             g.firstUndecoded,
                             g.unusedValues,
                             g.firstUnused};
    return 1;
}

// The field and the confidence (0 to 100) of field index; 0 when there is
// no such field.
extern "C" int32_t VelorGuessColumn(const VelorFormatGuess* guess, uint32_t index, int32_t* field,
                                    int32_t* confidence)
{
    if (!guess || index >= guess->guess.columns.size())
        return 0;
    if (field)
        *field = guess->guess.columns[index].field;
    if (confidence)
        *confidence = guess->guess.columns[index].confidence;
    return 1;
}

extern "C" uint32_t VelorGuessText(const VelorFormatGuess* guess, int32_t which, uint32_t index, char* out,
                                   uint32_t size)
{
    const std::string* text = guess ? TextOf(guess->guess, which, index) : nullptr;
    return CopyIfWhole(text ? *text : std::string(), out, size);
}

extern "C" void VelorFreeFormatGuess(VelorFormatGuess* guess)
{
    delete guess;
}
