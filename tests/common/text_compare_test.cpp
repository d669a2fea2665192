// Case-insensitive matching and collation through the case table, in the
// narrow, wide and mixed forms.
#include "common/text_compare.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Wide text from a UTF-16 literal.
std::vector<WideChar> W(const char16_t* s)
{
    std::vector<WideChar> out;
    for (; *s; ++s)
        out.push_back(static_cast<WideChar>(*s));
    out.push_back(0);
    return out;
}

const char kLowerCCaron[] = "\xE8";  // c with caron, code page 1250
const char kUpperCCaron[] = "\xC8";

} // namespace

TEST(StartsWithNoCase, PrefixTestInEveryForm)
{
    const char* after = nullptr;
    EXPECT_TRUE(StartsWithNoCase("Name=1", "NAME", &after));
    EXPECT_STREQ(after, "=1");
    EXPECT_FALSE(StartsWithNoCase("Nam", "Name"));
    EXPECT_TRUE(StartsWithNoCase("abc", "", &after));
    EXPECT_STREQ(after, "abc");
    EXPECT_TRUE(StartsWithNoCase("\xE8slo", kUpperCCaron));

    auto text = W(u"Přesnost=2");
    auto keyword = W(u"PŘESNOST");
    const WideChar* wafter = nullptr;
    EXPECT_TRUE(StartsWithNoCase(text.data(), keyword.data(), &wafter));
    EXPECT_EQ(*wafter, '=');
    auto ascii = W(u"Presnost=2");
    EXPECT_TRUE(StartsWithNoCase(ascii.data(), "PRESNOST", &wafter));
    EXPECT_EQ(*wafter, '=');
    EXPECT_FALSE(StartsWithNoCase(text.data(), "Presnost"));
}

TEST(StartsWithNoCase, KeywordAsRangeNeedNotBeTerminated)
{
    const char keyword[] = "SNAMEXYZ";
    const char* after = nullptr;
    EXPECT_TRUE(StartsWithNoCase("sname=abc", keyword, keyword + 5, &after));
    EXPECT_STREQ(after, "=abc");
    EXPECT_FALSE(StartsWithNoCase("snam", keyword, keyword + 5));
    auto text = W(u"tan(1)");
    auto wkeyword = W(u"TANGENS");
    const WideChar* wafter = nullptr;
    EXPECT_TRUE(StartsWithNoCase(text.data(), wkeyword.data(), wkeyword.data() + 3, &wafter));
    EXPECT_EQ(*wafter, '(');
}

TEST(MatchWordNoCase, WholeWordsUnderTheLimitClass)
{
    EXPECT_EQ(MatchWordNoCase("TAN", "tan(1)", 1), 3);
    EXPECT_EQ(MatchWordNoCase("TAN", "TAN2(1,2)", 1), 0);
    EXPECT_EQ(MatchWordNoCase("TAN", "TAN2(1,2)", 0), 3);
    EXPECT_EQ(MatchWordNoCase("TAN", "tan_x", 0), 0);
    EXPECT_EQ(MatchWordNoCase("TAN", "tangens", 1), 0);
    EXPECT_EQ(MatchWordNoCase("TAN", "tan", 1), 3);
    EXPECT_EQ(MatchWordNoCase("TAN", "ta", 1), 0);
    EXPECT_EQ(MatchWordNoCase("SIN", "sin\xE8", 0), 0); // an accented letter continues the word

    auto wtext = W(u"sqrt(4)");
    auto wkeyword = W(u"SQRT");
    EXPECT_EQ(MatchWordNoCase("SQRT", wtext.data(), 1), 4);
    EXPECT_EQ(MatchWordNoCase(wkeyword.data(), "Sqrt 4", 1), 4);
    EXPECT_EQ(MatchWordNoCase(wkeyword.data(), wtext.data(), 1), 4);
    auto wword = W(u"sqrtž");
    EXPECT_EQ(MatchWordNoCase(wkeyword.data(), wword.data(), 0), 0);
}

TEST(MatchWordNoCase, AdvanceMovesOnlyOnAMatch)
{
    const char* p = "pi*2";
    EXPECT_EQ(MatchWordAdvance("PI", &p, 1), 2);
    EXPECT_STREQ(p, "*2");
    EXPECT_EQ(MatchWordAdvance("PI", &p, 1), 0);
    EXPECT_STREQ(p, "*2");

    auto wtext = W(u"Abs(x)");
    const WideChar* wp = wtext.data();
    EXPECT_EQ(MatchWordAdvance("ABS", &wp, 1), 3);
    EXPECT_EQ(*wp, '(');
    auto wkeyword = W(u"ABS");
    const char* np = "abs1";
    EXPECT_EQ(MatchWordAdvance(wkeyword.data(), &np, 1), 0);
    EXPECT_STREQ(np, "abs1");
    const WideChar* wq = wtext.data();
    EXPECT_EQ(MatchWordAdvance(wkeyword.data(), &wq, 1), 3);
}

TEST(IsWordChar, LettersDigitsAndUnderscore)
{
    EXPECT_TRUE(IsWordChar('a', 0));
    EXPECT_TRUE(IsWordChar('_', 0));
    EXPECT_FALSE(IsWordChar('5', 0));
    EXPECT_TRUE(IsWordChar('5', 1));
    EXPECT_TRUE(IsWordChar('\xE8', 0));
    EXPECT_FALSE(IsWordChar('\0', 1));
    EXPECT_FALSE(IsWordChar('-', 1));
    EXPECT_TRUE(IsWordChar(static_cast<WideChar>(0x0161), 0));
    EXPECT_FALSE(IsWordChar(static_cast<WideChar>(0), 255));
    EXPECT_FALSE(IsWordChar(static_cast<WideChar>('+'), 1));
}

TEST(ReadUpperWord, CopiesAWordUpperCased)
{
    char target[11];
    EXPECT_EQ(ReadUpperWord("ab_1+", target, 10), 4);
    EXPECT_STREQ(target, "AB_1");
    EXPECT_EQ(ReadUpperWord("\xE8" "ara", target, 10), 4);
    EXPECT_STREQ(target, "\xC8" "ARA");
    EXPECT_EQ(ReadUpperWord("+x", target, 10), 0);
    EXPECT_STREQ(target, "");

    char small[4];
    EXPECT_EQ(ReadUpperWord("abcdef", small, 3), -1);
    EXPECT_STREQ(small, "ABC");
    char one[1] = {'x'};
    EXPECT_EQ(ReadUpperWord("abc", one, 0), -1);
    EXPECT_EQ(one[0], '\0');
    EXPECT_EQ(ReadUpperWord("abc", nullptr, -5), -1);

    auto source = W(u"žena-1");
    WideChar wtarget[8];
    EXPECT_EQ(ReadUpperWord(source.data(), wtarget, 7), 4);
    EXPECT_EQ(wtarget[0], 0x017D);
    EXPECT_EQ(wtarget[3], 'A');
    EXPECT_EQ(wtarget[4], 0);
}

TEST(CompareCollate, OrdersByLocaleRanks)
{
    EXPECT_EQ(CompareCollate("abc", "abc"), 0);
    EXPECT_NE(CompareCollate("abc", "ABC"), 0);
    EXPECT_EQ(CompareCollateNoCase("abc", "ABC"), 0);
    EXPECT_LT(CompareCollate("c", kLowerCCaron), 0);  // by code c-caron (0xE8) is far above d
    EXPECT_LT(CompareCollate(kLowerCCaron, "d"), 0);
    EXPECT_LT(CompareCollate("ab", "abc"), 0);
    EXPECT_GT(CompareCollate("abc", "ab"), 0);
    EXPECT_LT(CompareCollateNoCase("alfa", "BETA"), 0);
    EXPECT_EQ(CompareCollateNoCase(kLowerCCaron, kUpperCCaron), 0);

    auto a = W(u"čaj");
    auto b = W(u"dům");
    auto c = W(u"ČAJ");
    EXPECT_LT(CompareCollate(a.data(), b.data()), 0);
    EXPECT_NE(CompareCollate(a.data(), c.data()), 0);
    EXPECT_EQ(CompareCollateNoCase(a.data(), c.data()), 0);
}

TEST(WildMatchNoCase, StarsStandForAnyRun)
{
    EXPECT_NE(WildMatchNoCase("", "*"), 0);
    EXPECT_NE(WildMatchNoCase("", ""), 0);
    EXPECT_EQ(WildMatchNoCase("Standard", "st*"), 0);
    EXPECT_EQ(WildMatchNoCase("abc", "*c"), 0);
    EXPECT_EQ(WildMatchNoCase("abc", "ABC"), 0);
    EXPECT_NE(WildMatchNoCase("abc", "ab"), 0);
    EXPECT_NE(WildMatchNoCase("ab", "abc"), 0);
    EXPECT_EQ(WildMatchNoCase("abc", "a*b*c"), 0);
    EXPECT_EQ(WildMatchNoCase("abc", "**"), 0);
    EXPECT_NE(WildMatchNoCase("abc", "*d*"), 0);
    EXPECT_EQ(WildMatchNoCase("\xE8" "ara", "\xC8*"), 0);
}

TEST(WildMatchNoCase, BacktracksPastAnEarlyPartialMatch)
{
    EXPECT_EQ(WildMatchNoCase("abcb", "*b"), 0);
    EXPECT_EQ(WildMatchNoCase("mississippi", "*iss*ppi"), 0);
    EXPECT_EQ(WildMatchNoCase("aaab", "*ab"), 0);
    EXPECT_EQ(WildMatchNoCase("xaxbxc", "x*x*c"), 0);
    EXPECT_NE(WildMatchNoCase("abcbd", "*b"), 0);
    EXPECT_NE(WildMatchNoCase("ab", "a*b*b"), 0); // segments may not overlap
    auto text = W(u"Řeka řeka");
    auto pattern = W(u"*ŘEKA");
    EXPECT_EQ(WildMatchNoCase(text.data(), pattern.data()), 0);
    auto miss = W(u"*ŘEKY");
    EXPECT_NE(WildMatchNoCase(text.data(), miss.data()), 0);
}

TEST(WildMatch, GeneralFormWithOrWithoutMap)
{
    EXPECT_NE(WildMatch("ABC", "a*", false, nullptr), 0);
    EXPECT_EQ(WildMatch("abc", "a*", false, nullptr), 0);
    unsigned char digitsAlike[256];
    for (int i = 0; i < 256; ++i)
        digitsAlike[i] = static_cast<unsigned char>(i >= '0' && i <= '9' ? '0' : i);
    EXPECT_EQ(WildMatch("x1975", "x0000", true, digitsAlike), 0);
    EXPECT_NE(WildMatch("x1975", "x0000", false, digitsAlike), 0);
}

TEST(FindNoCase, FirstPositionOrMinusOne)
{
    EXPECT_EQ(FindNoCase("Hello world", "WORLD"), 6);
    EXPECT_EQ(FindNoCase("Hello world", "worlds"), -1);
    EXPECT_EQ(FindNoCase("abc", ""), 0);
    EXPECT_EQ(FindNoCase("", "a"), -1);
    EXPECT_EQ(FindNoCase("aaab", "AAB"), 1);
    auto text = W(u"Dlouhá ČÁRA");
    auto keyword = W(u"čára");
    EXPECT_EQ(FindNoCase(text.data(), keyword.data()), 7);
}
