// What differs between the narrow and the wide evaluator: white space, the
// value of a character literal, the text types and the case-insensitive
// order of names. Everything else is written once over the character type.
#pragma once

#include <climits>

#include "platform/platform.h"

#include "common/case_table.h"
#include "common/text_compare.h"

// Narrow white space: bytes 1 to 32 and every byte read as negative (0x80 to
// 0xFF outside literals). Wide white space: code units 1 to 32.
inline bool IsCounterBlank(char c)
{
    const signed char s = static_cast<signed char>(c);
    return s < 0 || (s >= 1 && s <= 32);
}
inline bool IsCounterBlank(WideChar c) { return c >= 1 && c <= 32; }

// The value of a character literal: a narrow byte as a signed number, a wide
// code unit as an unsigned one.
inline double CharCode(char c) { return static_cast<signed char>(c); }
inline double CharCode(WideChar c) { return c; }

// The case table's upper case of a character: the first test of every
// keyword match, so that most positions are ruled out by one look-up.
inline unsigned UpperCode(char c)
{
    return GetCaseTable()->upperA[static_cast<unsigned char>(c)];
}
inline unsigned UpperCode(WideChar c)
{
    return GetCaseTable()->upperW[c];
}

// Whether the case table turns c into the capital ASCII letter: within ASCII
// only the letter's two cases do, so the table is read only beyond it.
inline bool TurnsUpperInto(char c, char letter)
{
    const unsigned u = static_cast<unsigned char>(c);
    const unsigned target = static_cast<unsigned char>(letter);
    return u < 0x80 ? (u & ~0x20u) == target : UpperCode(c) == target;
}
inline bool TurnsUpperInto(WideChar c, char letter)
{
    const unsigned target = static_cast<unsigned char>(letter);
    return c < 0x80 ? (c & ~0x20u) == target : UpperCode(c) == target;
}

template <class Ch>
inline bool IsDecimalDigit(Ch c)
{
    return c >= '0' && c <= '9';
}

// The characters of a text value, in the evaluator's character type.
inline const char* TextChars(const CString& s) { return s.GetString(); }
template <int N>
inline const WideChar* TextChars(const MVBstrBuf<N>& s)
{
    return reinterpret_cast<const WideChar*>(s.GetString());
}

inline void TextAssign(CString& s, const char* p, int n) { s.SetString(p, n); }
template <int N>
inline void TextAssign(MVBstrBuf<N>& s, const WideChar* p, int n)
{
    s.SetString(reinterpret_cast<const WCHAR*>(p), n);
}

inline void TextAppend(CString& s, const char* p, int n) { s.Append(p, n); }
template <int N>
inline void TextAppend(MVBstrBuf<N>& s, const WideChar* p, int n)
{
    s.Append(reinterpret_cast<const WCHAR*>(p), n);
}

// Case-insensitive collation rank of a character.
inline int NoCaseRank(const CTabVelkaMala& t, char c) { return t.sortNoCaseA[static_cast<unsigned char>(c)]; }
inline int NoCaseRank(const CTabVelkaMala& t, WideChar c) { return t.sortNoCaseW[c]; }

// The order of variable names: the name [name, name + length) against a
// stored NUL-terminated name, as the case-insensitive collation compares two
// texts (the difference of the first ranks that differ; 0 when equal).
template <class Ch>
int CompareNameNoCase(const Ch* name, int length, const Ch* stored)
{
    const CTabVelkaMala& t = *GetCaseTable();
    for (int i = 0;; ++i) {
        const Ch a = i < length ? name[i] : Ch(0);
        const int difference = NoCaseRank(t, a) - NoCaseRank(t, stored[i]);
        if (difference != 0)
            return difference;
        if (a == 0)
            return 0;
    }
}

// A variable's name where it stands in the expression, looked up without a
// copy.
template <class Ch>
struct NameRef {
    const Ch* chars;
    int length;
};

// The order of the variables (CompareNameNoCase), for stored names and for
// names as they stand: a sorted map finds and inserts in logarithmic time.
template <class Ch, class Str>
struct VariableOrder {
    using is_transparent = void;
    bool operator()(const Str& a, const Str& b) const
    {
        return CompareNameNoCase(TextChars(a), a.GetLength(), TextChars(b)) < 0;
    }
    bool operator()(const NameRef<Ch>& a, const Str& b) const
    {
        return CompareNameNoCase(a.chars, a.length, TextChars(b)) < 0;
    }
    bool operator()(const Str& a, const NameRef<Ch>& b) const
    {
        return CompareNameNoCase(b.chars, b.length, TextChars(a)) > 0;
    }
};

// Narrow text of the ANSI code page into a text value: as it is for the
// narrow evaluator, each byte through the case table's ansiToWide map for the
// wide one. The other way, each wide code unit goes through wideToAnsi.
inline void AssignAnsi(CString& s, const char* text, int length) { s.SetString(text, length); }
template <int N>
void AssignAnsi(MVBstrBuf<N>& s, const char* text, int length)
{
    const CTabVelkaMala* table = GetCaseTable(); // packed: its wide maps are read through it
    WCHAR chunk[64];
    s.Empty();
    for (int done = 0; done < length;) {
        const int count = length - done < 64 ? length - done : 64;
        for (int i = 0; i < count; ++i)
            chunk[i] = static_cast<WCHAR>(table->ansiToWide[static_cast<unsigned char>(text[done + i])]);
        s.Append(chunk, count);
        done += count;
    }
}

inline CString AnsiCopy(const CString& s) { return s; }
template <int N>
CString AnsiCopy(const MVBstrBuf<N>& s)
{
    const CTabVelkaMala* table = GetCaseTable();
    const WideChar* text = TextChars(s);
    const int length = s.GetLength();
    CString copy;
    char chunk[64];
    for (int done = 0; done < length;) {
        const int count = length - done < 64 ? length - done : 64;
        for (int i = 0; i < count; ++i)
            chunk[i] = static_cast<char>(table->wideToAnsi[text[done + i]]);
        copy.Append(chunk, count);
        done += count;
    }
    return copy;
}
