// CString edits in place: case, trimming, replacing, inserting, deleting.
#include "platform/platform.h"

#include <cstring>
#include <utility>

namespace {

// The C white-space set, which the class library's Trim has always taken.
bool IsWhiteSpace(char ch, const char*)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

bool IsInSet(char ch, const char* set)
{
    return ch != '\0' && std::strchr(set, ch) != nullptr;
}

} // namespace

CString& CString::MakeUpper()
{
    if (!IsEmpty()) {
        MakeUnique();
        CharUpperA(m_pchData);
    }
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty()) {
        MakeUnique();
        CharLowerA(m_pchData);
    }
    return *this;
}

CString& CString::TrimLeftWhile(bool (*match)(char, const char*), const char* set)
{
    const int length = GetLength();
    int count = 0;
    while (count < length && match(m_pchData[count], set))
        ++count;
    if (count > 0)
        Splice(0, count, nullptr, 0);
    return *this;
}

CString& CString::TrimRightWhile(bool (*match)(char, const char*), const char* set)
{
    int length = GetLength();
    while (length > 0 && match(m_pchData[length - 1], set))
        --length;
    if (length < GetLength())
        SetLength(length);
    return *this;
}

CString& CString::TrimLeft()
{
    return TrimLeftWhile(IsWhiteSpace, nullptr);
}

CString& CString::TrimLeft(char ch)
{
    const char set[2] = {ch, '\0'};
    return TrimLeftWhile(IsInSet, set);
}

CString& CString::TrimLeft(const char* set)
{
    return set ? TrimLeftWhile(IsInSet, set) : *this;
}

CString& CString::TrimRight()
{
    return TrimRightWhile(IsWhiteSpace, nullptr);
}

CString& CString::TrimRight(char ch)
{
    const char set[2] = {ch, '\0'};
    return TrimRightWhile(IsInSet, set);
}

CString& CString::TrimRight(const char* set)
{
    return set ? TrimRightWhile(IsInSet, set) : *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char ch)
{
    return TrimRight(ch).TrimLeft(ch);
}

CString& CString::Trim(const char* set)
{
    return TrimRight(set).TrimLeft(set);
}

int CString::Replace(char oldCh, char newCh)
{
    if (oldCh == newCh)
        return 0;
    int count = 0;
    for (int at = Find(oldCh); at >= 0; at = Find(oldCh, at + 1)) {
        MakeUnique();
        m_pchData[at] = newCh;
        ++count;
    }
    return count;
}

int CString::Replace(const char* oldText, const char* newText)
{
    if (!oldText || !*oldText)
        return 0;
    const int oldLength = TextLength(oldText);
    int at = Find(oldText);
    if (at < 0)
        return 0;
    // Built aside: newText may point into this string.
    CString result;
    result.GetBuffer(GetLength());
    int count = 0;
    int done = 0;
    for (; at >= 0; at = Find(oldText, done)) {
        result.Append(m_pchData + done, at - done);
        result.Append(newText);
        done = at + oldLength;
        ++count;
    }
    result.Append(m_pchData + done, GetLength() - done);
    *this = std::move(result);
    return count;
}

namespace {

int ClampIndex(int index, int length)
{
    return index < 0 ? 0 : (index > length ? length : index);
}

} // namespace

int CString::Insert(int index, char ch)
{
    Splice(ClampIndex(index, GetLength()), 0, &ch, 1);
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    if (text && *text)
        Splice(ClampIndex(index, GetLength()), 0, text, TextLength(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    const int length = GetLength();
    if (index < 0)
        index = 0;
    if (count > 0 && index < length)
        Splice(index, count < length - index ? count : length - index, nullptr, 0);
    return GetLength();
}
