// The class library's narrow string: text in the ANSI code page, held as one
// pointer to NUL-terminated characters. A small header with the length and
// the capacity stands just before the characters, and a reference count
// before that, so a CString is as wide as a pointer and the structures that
// hosts share keep their member widths.
//
// Copies share their text: a copy takes another reference, and the first
// change to a shared text copies it first (the count is atomic, so copies
// may live in different threads). An empty string points at one shared,
// read-only empty text that is never counted and owns no memory. Indexes
// are clamped: no operation reads or writes outside the text, whatever its
// arguments. Running out of memory ends the process with a message on
// stderr (the class library reports it by throwing, and nothing may be
// thrown across the system's interfaces).
#pragma once

#include <cstdarg>

// Both builds use GCC; the C99 printf of each runtime does the formatting.
// Clang (the fuzz targets' build) knows the same checks as plain printf.
#if defined(__clang__)
#define VELOR_PRINTF_LIKE(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define VELOR_PRINTF_LIKE(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#endif

class CString {
public:
    CString() noexcept;
    CString(const char* text);
    CString(const char* text, int length);
    explicit CString(char ch, int repeat = 1);
    CString(const CString& other);
    CString(CString&& other) noexcept;
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(const char* text);
    CString& operator=(char ch);

    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    // A null text counts as empty; text with a length is copied as it
    // stands (it must hold that many characters).
    void SetString(const char* text);
    void SetString(const char* text, int length);
    void Append(const char* text);
    void Append(const char* text, int length);
    void AppendChar(char ch);

    int GetLength() const { return Head()->length; }
    bool IsEmpty() const { return Head()->length == 0; }
    // Frees the text; the string points at the shared empty text again.
    void Empty();
    const char* GetString() const { return m_pchData; }
    operator const char*() const { return m_pchData; }

    // Out of range: GetAt gives '\0' and SetAt does nothing.
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch);

    // Byte order (strcmp); CompareNoCase is the platform's lstrcmpiA.
    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Index of the first match at or after start (a negative start counts as
    // 0), or -1. An empty substring matches at start.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;

    // Through the platform's CharUpperA / CharLowerA (code-page aware).
    CString& MakeUpper();
    CString& MakeLower();

    // Blanks are space, tab, CR, LF, VT and FF.
    CString& Trim();
    CString& Trim(char ch);
    CString& Trim(const char* set);
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(const char* set);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(const char* set);

    // printf-style, any length. The arguments may be this string's own text.
    void Format(const char* format, ...) VELOR_PRINTF_LIKE(2, 3);
    void FormatV(const char* format, va_list args);
    void AppendFormat(const char* format, ...) VELOR_PRINTF_LIKE(2, 3);
    void AppendFormatV(const char* format, va_list args);

    // Room for at least minLength characters and a NUL, keeping the text.
    // After writing, ReleaseBuffer sets the length: -1 takes it up to the
    // first NUL (at most the capacity); a longer length is cut to the
    // capacity.
    char* GetBuffer(int minLength);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // Return the number of replacements / the new length.
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldText, const char* newText);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

private:
    struct Header {
        int length;
        int capacity; // -1: the static empty text
    };
    // Before the header of a text on the heap: how many strings share it.
    struct Count {
        int references;
        int reserved; // keeps the characters 16-byte aligned
    };
    friend struct SharedEmptyText;

    // Inline: hosts compile GetLength and IsEmpty into their own code, and the
    // decoder asks them for every value of a line.
    const Header* Head() const { return reinterpret_cast<const Header*>(m_pchData - sizeof(Header)); }
    Header* Head() { return reinterpret_cast<Header*>(m_pchData - sizeof(Header)); }
    int* References() const { return reinterpret_cast<int*>(m_pchData - sizeof(Header) - sizeof(Count)); }
    int Capacity() const { return Head()->capacity < 0 ? 0 : Head()->capacity; }
    // The capacity this string may write into: none while the text is shared.
    int Room() const { return Shared() ? 0 : Capacity(); }
    // The text is on the heap (not the static empty text).
    bool Owns() const { return Head()->capacity >= 0; }
    bool Shared() const { return Owns() && __atomic_load_n(References(), __ATOMIC_ACQUIRE) > 1; }
    void MakeUnique();
    void Share(const CString& other);
    bool Aliases(const char* p) const;
    void SetLength(int length);
    void Release();
    void Adopt(char* chars);
    void Splice(int index, int removed, const char* text, int count);
    CString& TrimLeftWhile(bool (*match)(char, const char*), const char* set);
    CString& TrimRightWhile(bool (*match)(char, const char*), const char* set);

    static char* NewText(int capacity);
    static int TextLength(const char* text);
    static CString Concat(const char* a, int na, const char* b, int nb);

    char* m_pchData;
};

static_assert(sizeof(CString) == sizeof(void*), "CString is one pointer wide");

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
inline bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
inline bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }
inline bool operator>(const char* a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, const char* b) { return a.Compare(b) <= 0; }
inline bool operator<=(const char* a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, const char* b) { return a.Compare(b) >= 0; }
inline bool operator>=(const char* a, const CString& b) { return b.Compare(a) <= 0; }
