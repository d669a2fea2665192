// Reading a format string into a PointFormat, token by token.
#include "formats/format_text.h"

#include "common/chars.h"
#include "common/text_compare.h"

#include <climits>
#include <cstring>

namespace {

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

// The highest values that "sys=" and "dec=" take: the last coordinate
// system the transforms know, and the most decimals a value is written with.
const int kMaxCoordSystem = 7;
const int kMaxDecimals = 15;

// Where a token's reader stopped: behind what it read, or at the fault.
struct Reached {
    const char* at;
    bool ok;
};

Reached Behind(const char* p)
{
    return {p, true};
}

Reached FaultAt(const char* p)
{
    return {p, false};
}

// The fault of a list that the string ends inside: its end.
Reached Unclosed(const char* p)
{
    return FaultAt(p + std::strlen(p));
}

// What the readers of one format string share.
struct FormatParse {
    PointFormat& model;
    bool commentsCleared = false;
    bool systemGiven = false;
};

// list: "(" {char} ")" at p, which stands at "(". The characters up to the
// first ")", or null when the string ends first.
const char* ListEnd(const char* p)
{
    return std::strchr(p + 1, ')');
}

// setting: blank* "=" blank* ["+" | "-"] digit {digit}, at most limit; a sign
// is kept only for zero. A fault stands at the "=" when no "=" follows, else
// behind it; a counter that passes the limit stops growing.
Reached ReadSetting(const char* p, int limit, int* value)
{
    p = SkipBlanks(p);
    if (*p != '=')
        return FaultAt(p);
    const char* afterEquals = p + 1;
    const char* q = SkipBlanks(afterEquals);
    bool negative = false;
    if (*q == '-' || *q == '+')
        negative = *q++ == '-';
    if (!IsDigit(*q))
        return FaultAt(afterEquals);
    long n = 0;
    for (; IsDigit(*q); ++q) {
        if (n <= limit)
            n = n * 10 + (*q - '0');
    }
    if ((negative && n != 0) || n > limit)
        return FaultAt(afterEquals);
    *value = static_cast<int>(n);
    return Behind(q);
}

// words: {blank} word {blank word} ")" from p (behind the "("), where a
// word runs to the next blank and the last one ends in ")".
Reached ReadCommentWords(const char* p, std::vector<CString>& words)
{
    for (;;) {
        p = SkipBlanks(p);
        if (!*p)
            return FaultAt(p);
        const char* end = p;
        while (!IsBlankOrNul(*end))
            ++end;
        if (end[-1] == ')') {
            if (end - 1 > p)
                words.emplace_back(CString(p, static_cast<int>(end - 1 - p)));
            return Behind(end);
        }
        words.emplace_back(CString(p, static_cast<int>(end - p)));
        p = end;
    }
}

// textcode: "TCode" ["(" {char} ")"]. Without a list, the one character
// behind the keyword (its blank or "=") goes with it.
Reached ReadTextCode(FormatParse& parse, const char* after)
{
    parse.model.fields.push_back(kFieldTCode);
    if (*after != '(')
        return Behind(*after ? after + 1 : after);
    const char* close = ListEnd(after);
    if (!close)
        return Unclosed(after);
    parse.model.textCodeSeparators = CString(after + 1, static_cast<int>(close - after - 1));
    return Behind(close + 1);
}

// separators: "sep" "(" {char} ")", where "t" or "T" stands for TAB.
Reached ReadSeparators(FormatParse& parse, const char* after)
{
    if (*after != '(')
        return FaultAt(after);
    const char* close = ListEnd(after);
    if (!close)
        return Unclosed(after);
    CString& separators = parse.model.fieldSeparators;
    separators = CString(after + 1, static_cast<int>(close - after - 1));
    separators.Replace('t', '\t');
    separators.Replace('T', '\t');
    return Behind(close + 1);
}

// comments: "cmt" "(" words. The first list replaces the standard words,
// later ones add to it.
Reached ReadComments(FormatParse& parse, const char* after)
{
    if (*after != '(')
        return FaultAt(after);
    if (!parse.commentsCleared)
        parse.model.commentWords.clear();
    parse.commentsCleared = true;
    const Reached end = ReadCommentWords(after + 1, parse.model.commentWords);
    return end.ok ? end : Unclosed(after);
}

// system: "sys" setting, given once at most (a second one is the fault at
// its keyword).
Reached ReadSystem(FormatParse& parse, const char* keyword, const char* after)
{
    if (parse.systemGiven)
        return FaultAt(keyword);
    int value = 0;
    const Reached end = ReadSetting(after, kMaxCoordSystem, &value);
    if (end.ok) {
        parse.model.coordSystem = static_cast<int8_t>(value);
        parse.systemGiven = true;
    }
    return end;
}

// decimals: "dec" setting, for every kind of value.
Reached ReadDecimals(FormatParse& parse, const char* after)
{
    int value = 0;
    const Reached end = ReadSetting(after, kMaxDecimals, &value);
    if (end.ok) {
        for (uint8_t& d : parse.model.decimals)
            d = static_cast<uint8_t>(value);
    }
    return end;
}

// token: field | textcode | separators | "decc" | comments | system | decimals,
// at p with its keyword already matched (after stands behind it).
Reached ReadToken(FormatParse& parse, int token, const char* p, const char* after)
{
    switch (token) {
    case kFieldTCode:
        return ReadTextCode(parse, after);
    case kTokenSep:
        return ReadSeparators(parse, after);
    case kTokenDecc:
        parse.model.decimalComma = 1;
        return Behind(after);
    case kTokenCmt:
        return ReadComments(parse, after);
    case kTokenSys:
        return ReadSystem(parse, p, after);
    case kTokenDec:
        return ReadDecimals(parse, after);
    case kTokenNone:
        return FaultAt(p);
    default:
        parse.model.fields.push_back(static_cast<FieldKind>(token));
        return Behind(after);
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

// format: {blank} {token {blank}}. Stops at the first fault, whose offset
// goes to *stopOffset (else the length of the text read).
int32_t ParseFormatText(PointFormat& model, const char* text, uint32_t* stopOffset)
{
    Reset(model);
    if (!text)
        text = "";
    FormatParse parse{model};
    Reached reached = Behind(SkipBlanks(text));
    while (reached.ok && *reached.at) {
        const char* p = reached.at;
        const char* after = nullptr;
        const int token = MatchToken(p, &after);
        reached = ReadToken(parse, token, p, after);
        if (reached.ok)
            reached.at = SkipBlanks(reached.at);
    }

    if (!parse.commentsCleared)
        SetStandardCommentWords(model);
    if (stopOffset) {
        const size_t offset = static_cast<size_t>(reached.at - text);
        *stopOffset = offset > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(offset);
    }
    return reached.ok ? 0 : 1;
}
