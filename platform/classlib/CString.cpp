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

const CString::Header* CString::Head() const
{
    return reinterpret_cast<const Header*>(m_pchData - sizeof(Header));
}

CString::Header* CString::Head()
{
    return reinterpret_cast<Header*>(m_pchData - sizeof(Header));
}

bool CString::Owns() const
{
    return Head()->capacity >= 0;
}

bool CString::Aliases(const char* p) const
{
    const auto at = reinterpret_cast<uintptr_t>(p);
    const auto begin = reinterpret_cast<uintptr_t>(m_pchData);
    return at >= begin && at <= begin + static_cast<uintptr_t>(Capacity());
}

char* CString::NewText(int capacity)
{
    if (capacity < 0 || capacity > kMaxLength)
        OutOfMemory();
    void* block = std::malloc(sizeof(Header) + static_cast<size_t>(capacity) + 1);
    if (!block)
        OutOfMemory();
    new (block) Header{0, capacity};
    char* chars = static_cast<char*>(block) + sizeof(Header);
    chars[0] = 0;
    chars[capacity] = 0;
    return chars;
}

void CString::Release()
{
    if (Owns())
        std::free(m_pchData - sizeof(Header));
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
    SetString(other.m_pchData, other.GetLength());
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
    SetString(other.m_pchData, other.GetLength());
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
        SetLength(0); // keeps the buffer for the next text
        return;
    }
    if (length <= Capacity()) {
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
    if (length < Capacity()) {
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
    if (total > Capacity()) {
        char* chars = NewText(GrownCapacity(Capacity(), total));
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
    if (index >= 0 && index < GetLength())
        m_pchData[index] = ch;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength < 0)
        minLength = 0;
    if (!Owns() || minLength > Capacity()) {
        const int length = GetLength();
        char* chars = NewText(minLength > length ? minLength : length);
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
