// The typed values of a decoded line.
#include "decoder/line_scan.h"

#include "VelorTrDcd.h"
#include "common/text_compare.h"
#include "decoder/number_reader.h"

#include <cstdint>
#include <cstring>

namespace {

// Yes when one of "yes", "ja", "ano", "oui" begins with the word, no when
// "non" or "nein" does, tried in that order; an empty word is yes.
enum class YesNo { Yes, No, Neither };

YesNo ReadYesNo(const char* begin, const char* end)
{
    static const char* const words[] = {"yes", "ja", "ano", "oui", "non", "nein"};
    for (int i = 0; i < 6; ++i) {
        if (StartsWithNoCase(words[i], begin, end))
            return i < 4 ? YesNo::Yes : YesNo::No;
    }
    return YesNo::Neither;
}

// The room to ask for when appending add characters behind old ones. An
// append to a collected value rounds up to a power of two, so a line that
// repeats a value many times reallocates only a logarithmic number of times
// rather than on every repeat.
int BufferFor(int old, int add)
{
    const int64_t need = static_cast<int64_t>(old) + add;
    if (old == 0)
        return static_cast<int>(need);
    int64_t room = 64;
    while (room < need)
        room *= 2;
    const int64_t limit = 0x7FFFFFF0;
    return static_cast<int>(room < limit ? room : (need < limit ? limit : need));
}

// Copies [begin, end) into the string, with each backslash that stands
// before a double quote removed; collect appends behind 0x01 to a non-empty
// string.
void StoreText(CString* target, const char* begin, const char* end, bool collect)
{
    if (!target)
        return;
    const int old = collect && !target->IsEmpty() ? target->GetLength() + 1 : 0;
    const size_t count = static_cast<size_t>(end - begin);
    if (!old && !std::memchr(begin, '\\', count)) {
        target->SetString(begin, static_cast<int>(count)); // nothing to take out: one copy
        return;
    }
    char* out = target->GetBuffer(BufferFor(old, static_cast<int>(end - begin)));
    char* w = out + old;
    if (old)
        w[-1] = '\x01';
    for (const char* r = begin; r < end; ++r) {
        if (*r == '\\' && r + 1 < end && r[1] == '"')
            continue;
        *w++ = *r;
    }
    target->ReleaseBuffer(static_cast<int>(w - out));
}

ValueRead ReadText(const char* p, CString* target, bool collect, const LineScan& scan)
{
    bool unterminated = false;
    const char* end = TokenEnd(p, scan, &unterminated);
    if (unterminated)
        return {p, kErrorQuote};
    if (*p != '"') {
        StoreText(target, p, end, collect);
        return {end, kErrorNone};
    }
    StoreText(target, p + 1, end - 1 > p ? end - 1 : end, collect);
    return {SkipBlanks(end, scan.separatorChar), kErrorNone};
}

// The rest of the line, up to a comment word, without trailing blanks; a
// leading quote needs its closing quote at the end.
ValueRead ReadRest(const char* p, CString* target, const LineScan& scan)
{
    const char* end = p;
    while (*end && !(scan.comments && scan.comments->At(end)))
        ++end;
    const char* last = end;
    while (last > p && IsBlank(last[-1]))
        --last;
    if (*p != '"') {
        StoreText(target, p, last, false);
        return {end, kErrorNone};
    }
    const bool closed = last - p >= 2 && last[-1] == '"' && last[-2] != '\\';
    if (!closed)
        return {p, kErrorQuote};
    StoreText(target, p + 1, last - 1, false);
    return {end, kErrorNone};
}

ValueRead ReadFixed(const char* p, int32_t size, char* target, const LineScan& scan)
{
    bool unterminated = false;
    const char* end = TokenEnd(p, scan, &unterminated);
    if (unterminated)
        return {p, kErrorQuote};
    if (target) {
        const size_t n = static_cast<size_t>(end - p) < static_cast<size_t>(size) ? static_cast<size_t>(end - p)
                                                                                  : static_cast<size_t>(size);
        std::memcpy(target, p, n);
        target[n] = 0;
    }
    return {*p == '"' ? SkipBlanks(end, scan.separatorChar) : end, kErrorNone};
}

// A number between double quotes, as spreadsheets write it ("18,1307"): the
// position of its closing quote when the quotes hold exactly one number
// (blanks around it allowed), else null. The quotes are taken off as for a
// text value; the number itself is read as an unquoted one.
const char* QuotedNumberEnd(const char* open, const NumberRead& n)
{
    if (*open != '"' || !n.ok)
        return nullptr;
    const char* q = n.end;
    while (IsBlank(*q))
        ++q;
    return *q == '"' ? q : nullptr;
}

ValueRead ReadDouble(const char* p, double* target, const LineScan& scan)
{
    const char* q = SkipBlanks(p, scan.separatorChar);
    if (*q == '"') {
        const NumberRead n = ReadNumber(q + 1, scan.decimal, '"');
        const char* close = QuotedNumberEnd(q, n);
        if (!close)
            return {p, kErrorNumber};
        if (target)
            *target = n.value;
        return {SkipBlanks(close + 1, scan.separatorChar), kErrorNone};
    }
    const NumberRead n = ReadNumber(p, scan.decimal, scan.separatorChar);
    if (!n.ok)
        return {p, kErrorNumber};
    if (target)
        *target = n.value;
    return {SkipBlanks(n.end, scan.separatorChar), kErrorNone};
}

ValueRead ReadYesNoDouble(const char* p, double* target, const LineScan& scan)
{
    const char* q = SkipBlanks(p, scan.separatorChar);
    if (IsDigit(*q) || *q == '+' || *q == '-' || *q == '"')
        return ReadDouble(p, target, scan);
    const char* end = TokenEnd(q, scan, nullptr);
    const YesNo word = ReadYesNo(q, end);
    if (word == YesNo::Neither)
        return {q, kErrorYesNo};
    if (target)
        *target = word == YesNo::Yes ? YES_VALUE : NO_VALUE;
    return {SkipBlanks(end, scan.separatorChar), kErrorNone};
}

ValueRead ReadInt(const char* p, void* target, int width, const LineScan& scan)
{
    const char* q = SkipBlanks(p, scan.separatorChar);
    const bool quoted = *q == '"';
    const IntegerRead n = ReadInteger(quoted ? q + 1 : p, quoted ? '"' : scan.separatorChar);
    if (!n.ok || n.overflow)
        return {p, kErrorNumber};
    const char* end = n.end;
    if (quoted) {
        while (IsBlank(*end))
            ++end;
        if (*end != '"')
            return {p, kErrorNumber};
        ++end;
    }
    if (width == 2 && (n.value < INT16_MIN || n.value > INT16_MAX))
        return {p, kErrorNumber};
    if (width == 1 && (n.value < 0 || n.value > UINT8_MAX))
        return {p, kErrorNumber};
    if (target) {
        if (width == 2)
            *static_cast<int16_t*>(target) = static_cast<int16_t>(n.value);
        else if (width == 1)
            *static_cast<uint8_t*>(target) = static_cast<uint8_t>(n.value);
        else
            *static_cast<int32_t*>(target) = n.value;
    }
    return {SkipBlanks(end, scan.separatorChar), kErrorNone};
}

// An integer or a yes/no word, stored as a flag of 1 or 0.
ValueRead ReadFlag(const char* p, bool* flag, const LineScan& scan)
{
    const IntegerRead n = ReadInteger(p, scan.separatorChar);
    if (n.ok) {
        *flag = n.overflow || n.value != 0;
        return {SkipBlanks(n.end, scan.separatorChar), kErrorNone};
    }
    const char* q = SkipBlanks(p, scan.separatorChar);
    const char* end = TokenEnd(q, scan, nullptr);
    const YesNo word = ReadYesNo(q, end);
    if (word == YesNo::Neither)
        return {q, kErrorInteger};
    *flag = word == YesNo::Yes;
    return {SkipBlanks(end, scan.separatorChar), kErrorNone};
}

} // namespace

ValueRead ReadValue(const char* p, int32_t type, void* target, const LineScan& scan, int integerWidth)
{
    if (type >= 1)
        return ReadFixed(p, type, static_cast<char*>(target), scan);
    switch (type) {
    case kValueRestOfLine:
        return ReadRest(p, static_cast<CString*>(target), scan);
    case kValueYesNoNumber:
        return ReadYesNoDouble(p, static_cast<double*>(target), scan);
    case kValueFlag32:
    case kValueFlag8:
    case kValueFlag8Alt: {
        bool flag = false;
        const ValueRead r = ReadFlag(p, &flag, scan);
        if (r.error == kErrorNone && target) {
            if (type == kValueFlag32)
                *static_cast<int32_t*>(target) = flag ? 1 : 0;
            else
                *static_cast<uint8_t*>(target) = flag ? 1 : 0;
        }
        return r;
    }
    case kValueTextCollect:
        return ReadText(p, static_cast<CString*>(target), true, scan);
    case kValueText:
        return ReadText(p, static_cast<CString*>(target), false, scan);
    case kValueNumber:
        return ReadDouble(p, static_cast<double*>(target), scan);
    case kValueInteger:
        return ReadInt(p, target, integerWidth, scan);
    default:
        return {p, kErrorNone}; // nothing is read
    }
}
