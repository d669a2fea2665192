// Reading a format string into a PointFormat, token by token.
#include "formats/format_text.h"

#include "common/text_compare.h"

#include <climits>
#include <cstring>

namespace {

bool IsBlank(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

const char* SkipBlanks(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return p;
}

enum Token {
    kTokenSep = kFieldKindCount,
    kTokenDecc,
    kTokenCmt,
    kTokenSys,
    kTokenDec,
    kTokenNone
};

// The keywords in the order they are tried, with the token each stands for.
const struct {
    const char* keyword;
    int token;
} kKeywords[] = {
    {"X", kFieldX},         {"Y", kFieldY},         {"Z", kFieldZ},         {"St", kFieldSt},
    {"Name", kFieldName},   {"NCode", kFieldNCode}, {"PlgP", kFieldPlgP},   {"VDesc", kFieldVDesc},
    {"NoLn", kFieldNoLn},   {"TPri", kFieldTPri},   {"TType", kFieldTType}, {"EType", kFieldEType},
    {"Null", kFieldNull},   {"R", kFieldR},         {"TCodeEnd", kFieldTCodeEnd}, {"PNr", kFieldPNr},
    {"TCode", kFieldTCode}, {"sep", kTokenSep},     {"decc", kTokenDecc},   {"cmt", kTokenCmt},
    {"sys", kTokenSys},     {"dec", kTokenDec},
};

// The token at p, with *after behind its keyword. A keyword counts only when
// a blank, the end, "(" or "=" follows it.
int MatchToken(const char* p, const char** after)
{
    for (const auto& k : kKeywords) {
        if (StartsWithNoCase(p, k.keyword, after)) {
            const char c = **after;
            if (c == 0 || IsBlank(c) || c == '(' || c == '=')
                return k.token;
        }
    }
    return kTokenNone;
}

void Reset(PointFormat& model)
{
    model.fields.clear();
    model.coordSystem = -1;
    model.modelNameInHeader = 0;
    model.decimalComma = 0;
    model.textCodeSeparators.Empty();
    model.fieldSeparators.Empty();
    model.commentWords.clear();
    for (uint8_t& d : model.decimals)
        d = 3;
}

// A parenthesised list "(...)" at p (which stands at "("): the characters up
// to the first ")". Null when the string ends first.
const char* ListEnd(const char* p)
{
    return std::strchr(p + 1, ')');
}

// "= number" behind "sys" or "dec". On success *value is set and the
// position behind the number returned; on failure *error is the position.
const char* ReadSetting(const char* p, int limit, int* value, const char** error)
{
    p = SkipBlanks(p);
    if (*p != '=') {
        *error = p;
        return nullptr;
    }
    const char* afterEquals = p + 1;
    const char* q = SkipBlanks(afterEquals);
    bool negative = false;
    if (*q == '-' || *q == '+')
        negative = *q++ == '-';
    if (*q < '0' || *q > '9') {
        *error = afterEquals;
        return nullptr;
    }
    long n = 0;
    while (*q >= '0' && *q <= '9') {
        if (n <= limit)
            n = n * 10 + (*q - '0');
        ++q;
    }
    if ((negative && n != 0) || n > limit) {
        *error = afterEquals;
        return nullptr;
    }
    *value = static_cast<int>(n);
    return q;
}

// The words of "cmt(" from p (behind the "("). Returns the position behind
// the list, or null when the string ends inside it.
const char* ReadCommentWords(const char* p, std::vector<CString>& words)
{
    for (;;) {
        p = SkipBlanks(p);
        if (!*p)
            return nullptr;
        const char* end = p;
        while (static_cast<unsigned char>(*end) > 32)
            ++end;
        if (end[-1] == ')') {
            if (end - 1 > p)
                words.emplace_back(CString(p, static_cast<int>(end - 1 - p)));
            return end;
        }
        words.emplace_back(CString(p, static_cast<int>(end - p)));
        p = end;
    }
}

} // namespace

void SetStandardCommentWords(PointFormat& model)
{
    model.commentWords.clear();
    for (const char* word : {";", "$", "!", "*"}) {
        if (model.fieldSeparators.Find(word[0]) < 0 && model.textCodeSeparators.Find(word[0]) < 0)
            model.commentWords.emplace_back(word);
    }
}

int32_t ParseFormatText(PointFormat& model, const char* text, uint32_t* stopOffset)
{
    Reset(model);
    if (!text)
        text = "";
    const char* p = SkipBlanks(text);
    const char* error = nullptr;
    bool commentsCleared = false;
    bool systemGiven = false;

    while (*p && !error) {
        const char* after = nullptr;
        const int token = MatchToken(p, &after);
        if (token == kTokenNone) {
            error = p;
        } else if (token == kFieldTCode) {
            model.fields.push_back(kFieldTCode);
            if (*after == '(') {
                const char* close = ListEnd(after);
                if (!close)
                    error = after + std::strlen(after);
                else {
                    model.textCodeSeparators = CString(after + 1, static_cast<int>(close - after - 1));
                    p = close + 1;
                }
            } else {
                p = *after ? after + 1 : after;
            }
        } else if (token < kFieldKindCount) {
            model.fields.push_back(static_cast<FieldKind>(token));
            p = after;
        } else if (token == kTokenSep) {
            const char* close = *after == '(' ? ListEnd(after) : nullptr;
            if (*after != '(')
                error = after;
            else if (!close)
                error = after + std::strlen(after);
            else {
                model.fieldSeparators = CString(after + 1, static_cast<int>(close - after - 1));
                model.fieldSeparators.Replace('t', '\t');
                model.fieldSeparators.Replace('T', '\t');
                p = close + 1;
            }
        } else if (token == kTokenDecc) {
            model.decimalComma = 1;
            p = after;
        } else if (token == kTokenCmt) {
            if (*after != '(') {
                error = after;
            } else {
                if (!commentsCleared)
                    model.commentWords.clear();
                commentsCleared = true;
                const char* end = ReadCommentWords(after + 1, model.commentWords);
                if (!end)
                    error = after + std::strlen(after);
                else
                    p = end;
            }
        } else if (token == kTokenSys) {
            int value = 0;
            const char* end = systemGiven ? nullptr : ReadSetting(after, 7, &value, &error);
            if (systemGiven)
                error = p;
            else if (end) {
                model.coordSystem = static_cast<int8_t>(value);
                systemGiven = true;
                p = end;
            }
        } else { // kTokenDec
            int value = 0;
            const char* end = ReadSetting(after, 15, &value, &error);
            if (end) {
                for (uint8_t& d : model.decimals)
                    d = static_cast<uint8_t>(value);
                p = end;
            }
        }
        if (!error)
            p = SkipBlanks(p);
    }

    if (!commentsCleared)
        SetStandardCommentWords(model);
    const char* stop = error ? error : p;
    if (stopOffset) {
        const size_t offset = static_cast<size_t>(stop - text);
        *stopOffset = offset > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(offset);
    }
    return error ? 1 : 0;
}
