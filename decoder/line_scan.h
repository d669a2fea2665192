// Reading positions of one line: blanks, comment words, token ends and the
// typed values of the decoder. Positions are pointers into the caller's line,
// which is never written; no read goes past its NUL.
#pragma once

#include "common/chars.h"
#include "platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The comment words of a decoder, with the bytes that can begin one, so that
// most positions are ruled out by one look-up.
class CommentWords {
public:
    CommentWords() { Clear(); }
    void Clear();
    void Add(const char* word);
    // Whether a comment word begins at p (without regard to case). Inline:
    // the decoder asks at every value.
    bool At(const char* p) const { return (any_ || mayStart_[static_cast<unsigned char>(*p)]) && WordAt(p); }
    const std::vector<CString>& Words() const { return words_; }

private:
    bool WordAt(const char* p) const;

    std::vector<CString> words_;
    bool mayStart_[256];
    bool any_;
};

// How one line is read: the field separator in force (if any), the decimal
// separator and the comment words.
struct LineScan {
    const char* separator = nullptr; // the field separator string, or null
    size_t separatorLength = 0;
    char separatorChar = 0;          // its first character, or 0
    char decimal = '.';
    const CommentWords* comments = nullptr;
};

// Skips blanks, except a blank that is the separator character.
inline const char* SkipBlanks(const char* p, char separatorChar)
{
    while (IsBlank(*p) && *p != separatorChar)
        ++p;
    return p;
}

// Whether the whole field separator follows at p.
inline bool SeparatorAt(const char* p, const LineScan& scan)
{
    if (!scan.separator || *p != scan.separatorChar)
        return false;
    for (size_t i = 1; i < scan.separatorLength; ++i) {
        if (p[i] != scan.separator[i])
            return false;
    }
    return true;
}

// The end of the token at p. A quoted token ends behind its closing quote
// (backslash-quote does not close it); one without its closing quote ends at
// the end of the line and sets *unterminated. Any other token ends at the end
// of the line, at a comment word, or at the field separator (when one is in
// force) or a blank (when none is).
const char* TokenEnd(const char* p, const LineScan& scan, bool* unterminated);

// The result of reading one value: where reading stopped (behind the value,
// or at it after an error) and the error code (0 when none).
struct ValueRead {
    const char* end;
    uint32_t error;
};

// Reads one value of the given type into target (null: decode and drop).
// integerWidth is the size of an integer target (4, 2 or 1 bytes): a value
// that does not fit is error 4.
ValueRead ReadValue(const char* p, int32_t type, void* target, const LineScan& scan, int integerWidth = 4);
