// CString comparison, searching and substrings.
#include "platform/platform.h"

#include <cstring>

int CString::Compare(const char* text) const
{
    return std::strcmp(m_pchData, text ? text : "");
}

int CString::CompareNoCase(const char* text) const
{
    return lstrcmpiA(m_pchData, text ? text : "");
}

CString CString::Left(int count) const
{
    if (count >= GetLength())
        return *this;
    return CString(m_pchData, count);
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    const int length = GetLength();
    if (first < 0)
        first = 0;
    if (first >= length || count <= 0)
        return CString();
    if (count > length - first)
        count = length - first;
    if (first == 0 && count == length)
        return *this;
    return CString(m_pchData + first, count);
}

CString CString::Right(int count) const
{
    const int length = GetLength();
    if (count >= length)
        return *this;
    if (count <= 0)
        return CString();
    return CString(m_pchData + length - count, count);
}

int CString::Find(char ch, int start) const
{
    const int length = GetLength();
    if (start < 0)
        start = 0;
    if (start >= length)
        return -1;
    const void* hit = std::memchr(m_pchData + start, static_cast<unsigned char>(ch),
                                  static_cast<size_t>(length - start));
    return hit ? static_cast<int>(static_cast<const char*>(hit) - m_pchData) : -1;
}

int CString::Find(const char* sub, int start) const
{
    const int length = GetLength();
    if (!sub)
        return -1;
    if (start < 0)
        start = 0;
    if (start > length)
        return -1;
    const size_t count = std::strlen(sub);
    if (count == 0)
        return start;
    if (count > static_cast<size_t>(length - start))
        return -1;
    const int last = length - static_cast<int>(count);
    for (int at = start; at <= last; ++at) {
        if (m_pchData[at] == sub[0] && std::memcmp(m_pchData + at, sub, count) == 0)
            return at;
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    for (int at = GetLength() - 1; at >= 0; --at) {
        if (m_pchData[at] == ch)
            return at;
    }
    return -1;
}
