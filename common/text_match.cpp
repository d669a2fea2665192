// Prefix tests, whole-word matches, upper-case words and searches.
#include "common/text_compare.h"
#include "common/text_keys.h"

#include <climits>

using namespace textkeys;

namespace {

template <class T, class K>
bool StartsWith(const T* text, const K* keyword, const K* keywordEnd, const T** after)
{
    const CTabVelkaMala& t = *GetCaseTable();
    for (; keywordEnd ? keyword < keywordEnd : *keyword != 0; ++keyword, ++text) {
        if (!*text || Upper(t, *text) != Upper(t, *keyword))
            return false;
    }
    if (after)
        *after = text;
    return true;
}

template <class Ch>
bool WordChar(Ch c, int limitClass)
{
    if (c == 0)
        return false;
    if (c == '_')
        return true;
    return static_cast<long>(Class(*GetCaseTable(), c)) <= limitClass;
}

template <class K, class T>
int MatchWord(const K* keyword, const T* text, int limitClass)
{
    const T* after = nullptr;
    if (!StartsWith(text, keyword, static_cast<const K*>(nullptr), &after))
        return 0;
    if (WordChar(*after, limitClass))
        return 0;
    const size_t length = static_cast<size_t>(after - text);
    return length > INT_MAX ? 0 : static_cast<int>(length);
}

template <class K, class T>
int MatchAdvance(const K* keyword, const T** position, int limitClass)
{
    const int length = MatchWord(keyword, *position, limitClass);
    *position += length;
    return length;
}

template <class Ch>
int UpperWord(const Ch* source, Ch* target, int capacity)
{
    if (capacity <= 0) {
        if (capacity == 0 && target)
            target[0] = 0;
        return -1;
    }
    const CTabVelkaMala& t = *GetCaseTable();
    for (int i = 0; i < capacity; ++i) {
        if (!WordChar(source[i], 1)) {
            target[i] = 0;
            return i;
        }
        target[i] = static_cast<Ch>(Upper(t, source[i]));
    }
    target[capacity] = 0;
    return -1;
}

template <class Ch>
int Find(const Ch* text, const Ch* keyword)
{
    const size_t textLength = Length(text);
    const size_t keywordLength = Length(keyword);
    for (size_t i = 0; i + keywordLength <= textLength; ++i) {
        if (StartsWith(text + i, keyword, static_cast<const Ch*>(nullptr), static_cast<const Ch**>(nullptr)))
            return i > INT_MAX ? -1 : static_cast<int>(i);
    }
    return -1;
}

} // namespace

bool StartsWithNoCase(const char* text, const char* keyword, const char** after)
{
    return StartsWith(text, keyword, static_cast<const char*>(nullptr), after);
}
bool StartsWithNoCase(const WideChar* text, const WideChar* keyword, const WideChar** after)
{
    return StartsWith(text, keyword, static_cast<const WideChar*>(nullptr), after);
}
bool StartsWithNoCase(const WideChar* text, const char* keyword, const WideChar** after)
{
    return StartsWith(text, keyword, static_cast<const char*>(nullptr), after);
}
bool StartsWithNoCase(const char* text, const char* keywordBegin, const char* keywordEnd, const char** after)
{
    return StartsWith(text, keywordBegin, keywordEnd, after);
}
bool StartsWithNoCase(const WideChar* text, const WideChar* keywordBegin, const WideChar* keywordEnd,
                      const WideChar** after)
{
    return StartsWith(text, keywordBegin, keywordEnd, after);
}

bool IsWordChar(char c, int limitClass)
{
    return WordChar(c, limitClass);
}
bool IsWordChar(WideChar c, int limitClass)
{
    return WordChar(c, limitClass);
}

int MatchWordNoCase(const char* keyword, const char* text, int limitClass)
{
    return MatchWord(keyword, text, limitClass);
}
int MatchWordNoCase(const char* keyword, const WideChar* text, int limitClass)
{
    return MatchWord(keyword, text, limitClass);
}
int MatchWordNoCase(const WideChar* keyword, const char* text, int limitClass)
{
    return MatchWord(keyword, text, limitClass);
}
int MatchWordNoCase(const WideChar* keyword, const WideChar* text, int limitClass)
{
    return MatchWord(keyword, text, limitClass);
}

int MatchWordAdvance(const char* keyword, const char** position, int limitClass)
{
    return MatchAdvance(keyword, position, limitClass);
}
int MatchWordAdvance(const char* keyword, const WideChar** position, int limitClass)
{
    return MatchAdvance(keyword, position, limitClass);
}
int MatchWordAdvance(const WideChar* keyword, const char** position, int limitClass)
{
    return MatchAdvance(keyword, position, limitClass);
}
int MatchWordAdvance(const WideChar* keyword, const WideChar** position, int limitClass)
{
    return MatchAdvance(keyword, position, limitClass);
}

int ReadUpperWord(const char* source, char* target, int capacity)
{
    return UpperWord(source, target, capacity);
}
int ReadUpperWord(const WideChar* source, WideChar* target, int capacity)
{
    return UpperWord(source, target, capacity);
}

int FindNoCase(const char* text, const char* keyword)
{
    return Find(text, keyword);
}
int FindNoCase(const WideChar* text, const WideChar* keyword)
{
    return Find(text, keyword);
}
