// CString storage: the header before the characters, the shared empty text,
// construction, assignment, appending and the raw buffer.
#include "platform/platform.h"

#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

// The empty text every empty CString points at. It is never written: every
// write path first checks that the string owns its text. Its capacity of -1
// marks it as static rather than its address, so that an empty text made by
// another module's copy of this class (a host's record handed to the
// module, or the other way round) is recognised and never freed.
struct SharedEmptyText {
    CString::Header header;
    char text[1];
};

namespace {

const SharedEmptyText sharedEmpty = {{0, -1}, {0}};
static_assert(offsetof(SharedEmptyText, text) == sizeof(sharedEmpty.header),
              "the header stands right before the characters");

// Longest text a CString holds; keeps every size computation within int.
constexpr int kMaxLength = INT_MAX - 64;

char* EmptyChars()
{
    return const_cast<char*>(sharedEmpty.text);
}

[[noreturn]] void OutOfMemory()
{
    std::fputs("CString: out of memory\n", stderr);
    std::abort();
}

// Capacity for a text that grows to needed characters: at least double the
// old one, so that appending a character at a time stays linear.
int GrownCapacity(int current, int needed)
{
    int grown = current <= kMaxLength / 2 ? current * 2 : kMaxLength;
    if (grown < 16)
        grown = 16;
    return grown > needed ? grown : needed;
}

} // namespace

int CString::TextLength(const char* text)
{
    const size_t length = std::strlen(text);
    if (length > static_cast<size_t>(kMaxLength))
        OutOfMemory();
    return static_cast<int>(length);
}

// Gives this string a text of its own before it writes.
void CString::MakeUnique()
{
    if (!Shared())
        return;
    const int length = GetLength();
    char* chars = NewText(Capacity());
    std::memcpy(chars, m_pchData, static_cast<size_t>(length) + 1);
    reinterpret_cast<Header*>(chars - sizeof(Header))->length = length;
    Adopt(chars);
}

// Takes another reference to other's text (or the empty text).
void CString::Share(const CString& other)
{
    if (m_pchData == other.m_pchData)
        return;
    if (other.Owns())
        __atomic_add_fetch(other.References(), 1, __ATOMIC_RELAXED);
    Release();
    m_pchData = other.Owns() ? other.m_pchData : EmptyChars();
}

bool CString::Aliases(const char* p) const
{
    const auto at = reinterpret_cast<uintptr_t>(p);
    const auto begin = reinterpret_cast<uintptr_t>(m_pchData);
    return at >= begin && at <= begin + static_cast<uintptr_t>(Capacity());
}

char* CString::NewText(int capacity)
{
    static_assert(sizeof(Count) + sizeof(Header) == 16, "the characters stay 16-byte aligned");
    if (capacity < 0 || capacity > kMaxLength)
        OutOfMemory();
    void* block = std::malloc(sizeof(Count) + sizeof(Header) + static_cast<size_t>(capacity) + 1);
    if (!block)
        OutOfMemory();
    new (block) Count{1, 0};
    new (static_cast<char*>(block) + sizeof(Count)) Header{0, capacity};
    char* chars = static_cast<char*>(block) + sizeof(Count) + sizeof(Header);
    chars[0] = 0;
    chars[capacity] = 0;
    return chars;
}

void CString::Release()
{
    // A text with one reference is this string's alone: no other thread can
    // take a reference to it, so it is freed without the atomic decrement.
    if (Owns() && (__atomic_load_n(References(), __ATOMIC_ACQUIRE) == 1 ||
                   __atomic_sub_fetch(References(), 1, __ATOMIC_ACQ_REL) == 0))
        std::free(m_pchData - sizeof(Header) - sizeof(Count));
    m_pchData = EmptyChars();
}

void CString::Adopt(char* chars)
{
    Release();
    m_pchData = chars;
}

void CString::SetLength(int length)
{
    if (!Owns())
        return; // only a length of 0 reaches here
    MakeUnique();
    Head()->length = length;
    m_pchData[length] = 0;
}

CString::CString() noexcept : m_pchData(EmptyChars()) {}

CString::CString(const char* text) : m_pchData(EmptyChars())
{
    SetString(text);
}

CString::CString(const char* text, int length) : m_pchData(EmptyChars())
{
    SetString(text, length);
}

CString::CString(char ch, int repeat) : m_pchData(EmptyChars())
{
    if (repeat <= 0)
        return;
    m_pchData = NewText(repeat);
    std::memset(m_pchData, static_cast<unsigned char>(ch), static_cast<size_t>(repeat));
    SetLength(repeat);
}

CString::CString(const CString& other) : m_pchData(EmptyChars())
{
    Share(other);
}

CString::CString(CString&& other) noexcept : m_pchData(other.m_pchData)
{
    other.m_pchData = EmptyChars();
}

CString::~CString()
{
    Release();
}

CString& CString::operator=(const CString& other)
{
    Share(other);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other) {
        Release();
        m_pchData = other.m_pchData;
        other.m_pchData = EmptyChars();
    }
    return *this;
}

CString& CString::operator=(const char* text)
{
    SetString(text);
    return *this;
}

CString& CString::operator=(char ch)
{
    SetString(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    Append(other.m_pchData, other.GetLength());
    return *this;
}

CString& CString::operator+=(const char* text)
{
    Append(text);
    return *this;
}

CString& CString::operator+=(char ch)
{
    AppendChar(ch);
    return *this;
}

void CString::SetString(const char* text)
{
    SetString(text, text ? TextLength(text) : 0);
}

void CString::SetString(const char* text, int length)
{
    if (!text || length <= 0) {
        if (Shared())
            Release();
        else
            SetLength(0); // keeps the buffer for the next text
        return;
    }
    if (length <= Room()) {
        std::memmove(m_pchData, text, static_cast<size_t>(length));
    } else {
        char* chars = NewText(length);
        std::memcpy(chars, text, static_cast<size_t>(length)); // text may be ours: copy first
        Adopt(chars);
    }
    SetLength(length);
}

void CString::Append(const char* text)
{
    if (text)
        Append(text, TextLength(text));
}

void CString::Append(const char* text, int length)
{
    if (text && length > 0)
        Splice(GetLength(), 0, text, length);
}

void CString::AppendChar(char ch)
{
    const int length = GetLength();
    if (length < Room()) {
        m_pchData[length] = ch;
        SetLength(length + 1);
    } else {
        Splice(length, 0, &ch, 1);
    }
}

// Replaces removed characters at index (both already within the text) by
// count characters of text. text may point into this string.
void CString::Splice(int index, int removed, const char* text, int count)
{
    const int length = GetLength();
    if (count > kMaxLength - (length - removed))
        OutOfMemory();
    const int total = length - removed + count;
    const int tail = length - index - removed;
    if (Shared() || total > Capacity()) {
        char* chars = NewText(total > Capacity() ? GrownCapacity(Capacity(), total) : Capacity());
        std::memcpy(chars, m_pchData, static_cast<size_t>(index));
        if (count > 0)
            std::memcpy(chars + index, text, static_cast<size_t>(count));
        std::memcpy(chars + index + count, m_pchData + index + removed, static_cast<size_t>(tail));
        Adopt(chars);
    } else if (count > 0 && Aliases(text)) {
        const CString copy(text, count);
        Splice(index, removed, copy.m_pchData, count);
        return;
    } else {
        std::memmove(m_pchData + index + count, m_pchData + index + removed, static_cast<size_t>(tail));
        if (count > 0)
            std::memcpy(m_pchData + index, text, static_cast<size_t>(count));
    }
    SetLength(total);
}

void CString::Empty()
{
    Release();
}

char CString::GetAt(int index) const
{
    return index >= 0 && index < GetLength() ? m_pchData[index] : '\0';
}

void CString::SetAt(int index, char ch)
{
    if (index >= 0 && index < GetLength()) {
        MakeUnique();
        m_pchData[index] = ch;
    }
}

char* CString::GetBuffer(int minLength)
{
    if (minLength < 0)
        minLength = 0;
    if (!Owns() || Shared() || minLength > Capacity()) {
        const int length = GetLength();
        const int keep = Shared() ? Capacity() : length;
        char* chars = NewText(minLength > keep ? minLength : keep);
        std::memcpy(chars, m_pchData, static_cast<size_t>(length) + 1);
        reinterpret_cast<Header*>(chars - sizeof(Header))->length = length;
        Adopt(chars);
    }
    return m_pchData;
}

char* CString::GetBufferSetLength(int length)
{
    if (length < 0)
        length = 0;
    GetBuffer(length);
    SetLength(length);
    return m_pchData;
}

void CString::ReleaseBuffer(int newLength)
{
    if (!Owns())
        return;
    const int capacity = Capacity();
    if (newLength < 0)
        newLength = static_cast<int>(strnlen(m_pchData, static_cast<size_t>(capacity)));
    SetLength(newLength < capacity ? newLength : capacity);
}

CString CString::Concat(const char* a, int na, const char* b, int nb)
{
    if (nb > kMaxLength - na)
        OutOfMemory();
    CString result;
    if (na + nb == 0)
        return result;
    result.m_pchData = NewText(na + nb);
    std::memcpy(result.m_pchData, a, static_cast<size_t>(na));
    std::memcpy(result.m_pchData + na, b, static_cast<size_t>(nb));
    result.SetLength(na + nb);
    return result;
}

CString operator+(const CString& a, const CString& b)
{
    return CString::Concat(a.m_pchData, a.GetLength(), b.m_pchData, b.GetLength());
}

CString operator+(const CString& a, const char* b)
{
    return CString::Concat(a.m_pchData, a.GetLength(), b ? b : "", b ? CString::TextLength(b) : 0);
}

CString operator+(const char* a, const CString& b)
{
    return CString::Concat(a ? a : "", a ? CString::TextLength(a) : 0, b.m_pchData, b.GetLength());
}

CString operator+(const CString& a, char b)
{
    return CString::Concat(a.m_pchData, a.GetLength(), &b, 1);
}

CString operator+(char a, const CString& b)
{
    return CString::Concat(&a, 1, b.m_pchData, b.GetLength());
}
