// The storage logic of the wide text buffer: in place up to the room, in a
// system string beyond it.
#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The most characters a system string holds.
constexpr int kMaxLength = 0x3FFFFFF0;

[[noreturn]] void OutOfMemory()
{
    std::fputs("MVBstrBuf: out of memory\n", stderr);
    std::abort();
}

size_t Bytes(int length)
{
    return static_cast<size_t>(length) * sizeof(WCHAR);
}

// A system string of capacity characters that starts with count characters
// of first and goes on with more characters of second.
BSTR NewCopy(int capacity, const WCHAR* first, int count, const WCHAR* second, int more)
{
    BSTR heap = SysAllocStringLen(nullptr, static_cast<UINT>(capacity));
    if (!heap)
        OutOfMemory();
    std::memcpy(heap, first, Bytes(count));
    if (more > 0)
        std::memcpy(heap + count, second, Bytes(more));
    return heap;
}

} // namespace

int MVBstrBufBase::Length(const WCHAR* text)
{
    const size_t length = std::char_traits<WCHAR>::length(text);
    if (length > static_cast<size_t>(kMaxLength))
        OutOfMemory();
    return static_cast<int>(length);
}

void MVBstrBufBase::Clear(WCHAR* local)
{
    SysFreeString(m_heap);
    m_heap = nullptr;
    m_length = 0;
    local[0] = 0;
}

void MVBstrBufBase::Set(WCHAR* local, int room, const WCHAR* text, int length)
{
    if (!text || length <= 0) {
        Clear(local);
        return;
    }
    if (length > kMaxLength)
        OutOfMemory();
    if (length <= room) {
        std::memmove(local, text, Bytes(length)); // before the system string goes
        SysFreeString(m_heap);
        m_heap = nullptr;
    } else if (m_heap && length <= static_cast<int>(SysStringLen(m_heap))) {
        std::memmove(m_heap, text, Bytes(length));
    } else {
        BSTR heap = NewCopy(length, text, length, nullptr, 0);
        SysFreeString(m_heap);
        m_heap = heap;
    }
    m_length = length;
    (m_heap ? m_heap : local)[length] = 0;
}

void MVBstrBufBase::Add(WCHAR* local, int room, const WCHAR* text, int length)
{
    if (!text || length <= 0)
        return;
    if (length > kMaxLength - m_length)
        OutOfMemory();
    const int capacity = m_heap ? static_cast<int>(SysStringLen(m_heap)) : room;
    const int total = m_length + length;
    WCHAR* chars = m_heap ? m_heap : local;
    if (total <= capacity) {
        std::memmove(chars + m_length, text, Bytes(length));
    } else {
        const int grown = capacity <= kMaxLength / 2 ? capacity * 2 : kMaxLength;
        // text may lie in the old storage: it is copied before that goes
        BSTR heap = NewCopy(grown > total ? grown : total, chars, m_length, text, length);
        SysFreeString(m_heap);
        m_heap = chars = heap;
    }
    m_length = total;
    chars[total] = 0;
}

void MVBstrBufBase::Take(WCHAR* local, int room, MVBstrBufBase& other, WCHAR* otherLocal)
{
    if (!other.m_heap) {
        Set(local, room, otherLocal, other.m_length);
        return;
    }
    SysFreeString(m_heap);
    m_heap = other.m_heap;
    m_length = other.m_length;
    other.m_heap = nullptr;
    other.Clear(otherLocal);
}
