// lstrcmpA/W and lstrcmpiA/W: the Windows word sort on ICU's collator.
//
// A string is split into what ICU compares and the word sort's specials
// (apostrophes, hyphens, dashes, most control characters) with their
// positions; characters Unicode has not assigned count for nothing, as in
// Windows. ICU decides first, tailored so that the characters of the ANSI
// code page sort as Windows sorts them; only when it finds the rest equal do
// the specials decide: a special nearer the start makes a string sort later,
// at the same position the special's own weight decides, and more specials
// sort later ("coop" < "co-op" < "cop").
//
// Short strings are split in place, on the stack; only strings longer than
// kInline characters take memory from the heap.
#include "platform/posix/chars.h"

#include "platform/posix/codepage.h"
#include "platform/posix/collate_rules.h"
#include "platform/posix/locale_env.h"

#include <unicode/uchar.h>
#include <unicode/ucol.h>

#include <memory>
#include <new>
#include <string>

namespace {

const size_t kInline = 128;

// What stands in the rest for a special: a character ICU ignores, but which
// keeps the letters on its two sides from forming a contraction ("c-h" is
// no "ch").
const WCHAR kContractionBreak = 0x034F;

struct Collators {
    UCollator* caseSensitive = nullptr;
    UCollator* caseInsensitive = nullptr;
};

UCollator* OpenTailored(const std::u16string& rules, UCollationStrength strength)
{
    UParseError where;
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_openRules(rules.data(), static_cast<int32_t>(rules.size()), UCOL_DEFAULT,
                                         strength, &where, &status);
    if (U_FAILURE(status)) {
        ucol_close(collator);
        return nullptr;
    }
    return collator;
}

// The language's own tailoring. Windows knows the Czech and Slovak "ch" in
// three spellings, "ch", "Ch" and "CH"; "cH" is two letters.
std::u16string LanguageRules(const char* language)
{
    std::u16string rules;
    UErrorCode status = U_ZERO_ERROR;
    UCollator* own = ucol_open(language, &status);
    if (U_SUCCESS(status) && own) {
        int32_t length = 0;
        const UChar* text = ucol_getRules(own, &length);
        rules.assign(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length));
    }
    ucol_close(own);
    const std::u16string mixedCase = u"<<<cH";
    for (size_t at = rules.find(mixedCase); at != std::u16string::npos; at = rules.find(mixedCase, at))
        rules.erase(at, mixedCase.size());
    return rules;
}

// The language's rules after the Windows order; when ICU refuses the two
// together, the language's rules alone.
Collators OpenCollators()
{
    char language[16];
    velor_native::CollationLanguageFromEnvironment(language, sizeof language);
    const std::u16string own = LanguageRules(language);
    const std::u16string combined = velor_native::WindowsOrderRules() + u'\n' + own;
    for (const std::u16string* rules : {&combined, &own}) {
        Collators collators{OpenTailored(*rules, UCOL_TERTIARY), OpenTailored(*rules, UCOL_SECONDARY)};
        if (collators.caseSensitive && collators.caseInsensitive)
            return collators;
        ucol_close(collators.caseSensitive);
        ucol_close(collators.caseInsensitive);
    }
    return Collators{};
}

const Collators& TheCollators()
{
    static const Collators collators = OpenCollators();
    return collators;
}

struct Special {
    size_t position; // characters before it that are no specials
    uint16_t weight;
};

// One string split for comparison.
class Split {
public:
    bool Wide(const WCHAR* text) { return Fill(text, [](const WCHAR* t, size_t i) { return t[i]; }); }

    bool Narrow(const char* text)
    {
        const WCHAR* toWide = velor_native::AnsiCodePage().toWide;
        return Fill(text, [toWide](const char* t, size_t i) { return toWide[static_cast<unsigned char>(t[i])]; });
    }

    const WCHAR* rest() const { return rest_; }
    int32_t restLength() const { return static_cast<int32_t>(restLength_); }
    const Special* specials() const { return specials_; }
    size_t specialCount() const { return specialCount_; }

private:
    template <typename Char, typename Read>
    bool Fill(const Char* text, Read read)
    {
        size_t length = 0;
        while (text[length])
            ++length;
        if (!Reserve(length))
            return false;
        size_t plain = 0;
        for (size_t i = 0; i < length; ++i) {
            const WCHAR c = read(text, i);
            if (u_charType(c) == U_UNASSIGNED)
                continue;
            const uint16_t weight = velor_native::WordSortSpecialWeight(c);
            if (weight) {
                specials_[specialCount_] = Special{plain, weight};
                ++specialCount_;
                rest_[restLength_] = kContractionBreak;
            } else {
                rest_[restLength_] = c;
                ++plain;
            }
            ++restLength_;
        }
        return true;
    }

    bool Reserve(size_t length)
    {
        if (length <= kInline)
            return true;
        heapRest_.reset(new (std::nothrow) WCHAR[length]);
        heapSpecials_.reset(new (std::nothrow) Special[length]);
        if (!heapRest_ || !heapSpecials_)
            return false;
        rest_ = heapRest_.get();
        specials_ = heapSpecials_.get();
        return true;
    }

    WCHAR inlineRest_[kInline];
    Special inlineSpecials_[kInline];
    WCHAR* rest_ = inlineRest_;
    Special* specials_ = inlineSpecials_;
    size_t restLength_ = 0;
    size_t specialCount_ = 0;
    std::unique_ptr<WCHAR[]> heapRest_;
    std::unique_ptr<Special[]> heapSpecials_;
};

int CompareSpecials(const Split& a, const Split& b)
{
    const size_t common = a.specialCount() < b.specialCount() ? a.specialCount() : b.specialCount();
    for (size_t i = 0; i < common; ++i) {
        const Special& x = a.specials()[i];
        const Special& y = b.specials()[i];
        if (x.position != y.position)
            return x.position < y.position ? 1 : -1;
        if (x.weight != y.weight)
            return x.weight < y.weight ? -1 : 1;
    }
    if (a.specialCount() != b.specialCount())
        return a.specialCount() < b.specialCount() ? -1 : 1;
    return 0;
}

int CompareUnits(const Split& a, const Split& b)
{
    const int32_t common = a.restLength() < b.restLength() ? a.restLength() : b.restLength();
    for (int32_t i = 0; i < common; ++i) {
        if (a.rest()[i] != b.rest()[i])
            return a.rest()[i] < b.rest()[i] ? -1 : 1;
    }
    return a.restLength() == b.restLength() ? 0 : (a.restLength() < b.restLength() ? -1 : 1);
}

int CompareSplit(const Split& a, const Split& b, bool ignoreCase)
{
    const Collators& collators = TheCollators();
    const UCollator* collator = ignoreCase ? collators.caseInsensitive : collators.caseSensitive;
    if (!collator) {
        // No collator could be made: code unit order.
        const int units = CompareUnits(a, b);
        return units ? units : CompareSpecials(a, b);
    }
    const UCollationResult result = ucol_strcoll(collator, a.rest(), a.restLength(), b.rest(), b.restLength());
    if (result != UCOL_EQUAL)
        return result == UCOL_LESS ? -1 : 1;
    return CompareSpecials(a, b);
}

int NullOrder(const void* a, const void* b)
{
    if (!a && !b)
        return 0;
    return a ? 1 : -1;
}

int CompareNarrow(LPCSTR a, LPCSTR b, bool ignoreCase)
{
    if (!a || !b)
        return NullOrder(a, b);
    Split x, y;
    if (!x.Narrow(a) || !y.Narrow(b))
        return 0;
    return CompareSplit(x, y, ignoreCase);
}

int CompareWide(LPCWSTR a, LPCWSTR b, bool ignoreCase)
{
    if (!a || !b)
        return NullOrder(a, b);
    Split x, y;
    if (!x.Wide(a) || !y.Wide(b))
        return 0;
    return CompareSplit(x, y, ignoreCase);
}

} // namespace

int lstrcmpA(LPCSTR a, LPCSTR b)
{
    return CompareNarrow(a, b, false);
}

int lstrcmpiA(LPCSTR a, LPCSTR b)
{
    return CompareNarrow(a, b, true);
}

int lstrcmpW(LPCWSTR a, LPCWSTR b)
{
    return CompareWide(a, b, false);
}

int lstrcmpiW(LPCWSTR a, LPCWSTR b)
{
    return CompareWide(a, b, true);
}
