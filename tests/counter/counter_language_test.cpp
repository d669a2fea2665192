// The expression language: operators, prefixes, literals, numbers, comments
// and the status codes of malformed texts, in both widths.
#include "counter_fixture.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

using CounterLanguage = CounterTest;
COUNTER_WIDTHS(CounterLanguage);

TEST_P(CounterLanguage, OperatorsBindByLevelAndAssociateLeft)
{
    EXPECT_EQ(Value("1+2*3"), 7.0);
    EXPECT_EQ(Value("(1+2)*3"), 9.0);
    EXPECT_EQ(Value("2^3^2"), 64.0);
    EXPECT_EQ(Value("10-4-3"), 3.0);
    EXPECT_EQ(Value("64/4/2"), 8.0);
    EXPECT_EQ(Value("1 < 2 = 1"), 1.0);
    EXPECT_EQ(Value("2 = 2 < 1"), 0.0);           // (2 = 2) < 1
    EXPECT_EQ(Value("0 | 1 & 0"), 0.0);           // AND binds tighter than OR
    EXPECT_EQ(Value("1 or 0 AND 0"), 1.0);
    EXPECT_EQ(Value("1 + 1 = 2 && 3 > 2"), 1.0);  // arithmetic before comparison before logic
    EXPECT_EQ(Value("2 * 3 ^ 2"), 18.0);
}

TEST_P(CounterLanguage, EachComparisonAndLogicalSpelling)
{
    const char* yes[] = {"3 == 3", "3 = 3", "3 != 4", "3 <> 4", "3 < 4", "3 <= 3", "4 > 3", "3 >= 3",
                         "1 && 2", "1 & 2", "1 AnD 2", "0 || 2", "0 | 2", "0 oR 2"};
    for (const char* e : yes)
        EXPECT_EQ(Value(e), 1.0) << e;
    const char* no[] = {"3 == 4", "3 != 3", "3 <> 3", "4 < 3", "4 <= 3", "3 > 3", "2 >= 3", "1 && 0", "0 || 0"};
    for (const char* e : no)
        EXPECT_EQ(Value(e), 0.0) << e;
    // NaN is true and equal to nothing.
    EXPECT_EQ(Value("(0/0) && 1"), 1.0);
    EXPECT_EQ(Value("(0/0) = (0/0)"), 0.0);
}

TEST_P(CounterLanguage, PrefixesApplyToTheOperandAlone)
{
    EXPECT_EQ(Value("-2^2"), 4.0);
    EXPECT_EQ(Value("-2 - -3"), 1.0);
    EXPECT_EQ(Value("+5"), 5.0);
    EXPECT_EQ(Value("!5"), 0.0);
    EXPECT_EQ(Value("!0 + 1"), 2.0);
    EXPECT_EQ(Value("NOT 0"), 1.0);
    EXPECT_EQ(Value("not(3)"), 0.0);
    EXPECT_EQ(Value("NOTB 0"), 4294967295.0);
    EXPECT_EQ(Value("NOTB 1"), 4294967294.0);
    EXPECT_EQ(Value("notb 4294967295"), 0.0);
    EXPECT_EQ(Value("NOTB (-1)"), 0.0);
    EXPECT_EQ(Value("NOTB 2.9"), 4294967293.0); // truncated first
    // Out of the 64-bit range and NaN give the most negative integer, whose
    // low bits are all zero.
    EXPECT_EQ(Value("NOTB 1E30"), 4294967295.0);
    EXPECT_EQ(Value("NOTB (0/0)"), 4294967295.0);
    // One prefix only: a second one is no operand.
    EXPECT_EQ(Status("--2"), kStatusInvalidName);
}

TEST_P(CounterLanguage, NumbersAreCorrectlyRounded)
{
    const char* texts[] = {"0.1", "123.456", "1E3", "2.5e-3", "1e+2", "9007199254740993", "0.30000000000000004441",
                           "1.7976931348623157e307", "2.2250738585072014e-308", "4.9e-324", "1e-400"};
    for (const char* t : texts)
        EXPECT_EQ(Value(t), std::strtod(t, nullptr)) << t;
    EXPECT_EQ(Value("0.1+0.2"), 0.1 + 0.2);
    std::string many = "0." + std::string(900, '0') + "1e901";
    EXPECT_EQ(Value(many.c_str()), 1.0);
}

TEST_P(CounterLanguage, NumberErrors)
{
    EXPECT_EQ(Status("1E308"), kStatusTooLarge);
    EXPECT_EQ(Status("10E307"), kStatusTooLarge);
    EXPECT_EQ(Status("0.1E309"), kStatusTooLarge);
    EXPECT_EQ(Status("0.01E309"), kStatusOk); // below 10^308 once scaled
    EXPECT_EQ(Status("99999999999999999999e289"), kStatusTooLarge);
    EXPECT_EQ(Status("99999999999999999999e287"), kStatusOk);
    EXPECT_EQ(Status(".5"), kStatusDigitExpected);
    EXPECT_EQ(Status("1."), kStatusDigitExpected);
    EXPECT_EQ(Status("1E"), kStatusDigitExpected);
    EXPECT_EQ(Status("1e+"), kStatusDigitExpected);
    EXPECT_EQ(Status("2 + .5"), kStatusDigitExpected);
}

TEST_P(CounterLanguage, CharacterLiterals)
{
    EXPECT_EQ(Value("'A'"), 65.0);
    EXPECT_EQ(Value("'A' + 1"), 66.0);
    EXPECT_EQ(Value("' '"), 32.0);
    const Outcome open = Run("'A");
    EXPECT_EQ(open.status, kStatusUnresolved);
    EXPECT_EQ(open.result, 1u);
    EXPECT_EQ(Status("'"), kStatusUnresolved);
    EXPECT_EQ(Status("'AB'"), kStatusUnresolved);
}

TEST_P(CounterLanguage, TextLiteralsAndTheirContinuation)
{
    EXPECT_EQ(TextOf("\"abc\""), "abc");
    EXPECT_EQ(TextOf("\"\""), "");
    EXPECT_EQ(TextOf("\"ab\" + \"cd\""), "abcd");
    EXPECT_EQ(TextOf("\"ab\"\"cd\""), "abcd");
    EXPECT_EQ(TextOf("\"ab\" 'cd'"), "abcd");
    EXPECT_EQ(TextOf("\"ab\" + 'c' /* x */ \"d\""), "abcd");
    EXPECT_EQ(TextOf("\"it's\" + '\"q\"'"), "it's\"q\"");
    const Outcome text = Run("\"x\"");
    EXPECT_EQ(text.result, 1u);
    EXPECT_EQ(text.value, 0.0);
    const Outcome open = Run("\"abc");
    EXPECT_EQ(open.status, kStatusUnclosedText);
    EXPECT_EQ(Status("\"ab\" 'cd"), kStatusUnclosedText);
}

TEST_P(CounterLanguage, TextOperators)
{
    EXPECT_EQ(Value("\"ABC\" = \"abc\""), 1.0);
    EXPECT_EQ(Value("\"ABC\" == \"abd\""), 0.0);
    EXPECT_EQ(Value("\"ABC\" != \"abd\""), 1.0);
    EXPECT_EQ(Value("\"ABC\" <> \"abc\""), 0.0);
    EXPECT_EQ(Value("\"Standard\" *= \"st*\""), 1.0);
    EXPECT_EQ(Value("\"Standard\" *!= \"st*\""), 0.0);
    EXPECT_EQ(Value("\"Standard\" *<> \"x*\""), 1.0);
    EXPECT_EQ(Value("\"a\" + \"b\" = \"AB\""), 1.0); // concatenation binds tighter
    EXPECT_EQ(Value("(\"a\" = \"a\") + 1"), 2.0);    // a comparison goes on as a number
    EXPECT_EQ(Value("\"a\" = \"a\" = 1"), 1.0);
}

TEST_P(CounterLanguage, OtherOperatorsEndATextExpression)
{
    const char* cases[] = {"\"abc\" - 1", "\"abc\"  * 2", "\"abc\" < \"b\"", "\"abc\" && 1", "\"abc\" ^ 2"};
    for (const char* e : cases) {
        const Outcome out = Run(e);
        EXPECT_EQ(out.status, kStatusText) << e;
        EXPECT_EQ(out.text, "abc") << e;
        const char* op = std::strchr(e + 1, '"') + 1;
        while (*op == ' ')
            ++op;
        EXPECT_EQ(out.end, static_cast<long>(op - e)) << e;
    }
}

TEST_P(CounterLanguage, KindMismatches)
{
    EXPECT_EQ(Status("1 + \"a\""), kStatusKind);
    EXPECT_EQ(Status("1 = \"a\""), kStatusKind);
    EXPECT_EQ(Status("\"a\" + 1"), kStatusKind);
    EXPECT_EQ(Status("\"a\" = 1"), kStatusKind);
    EXPECT_EQ(Status("-\"a\""), kStatusKind);
    EXPECT_EQ(Status("NOT \"a\""), kStatusKind);
    EXPECT_EQ(Status("1 *= 2"), kStatusKind);
}

TEST_P(CounterLanguage, CommentsAndWhiteSpace)
{
    EXPECT_EQ(Value("// note\n5"), 5.0);
    EXPECT_EQ(Value("// note\r\n5"), 5.0);
    EXPECT_EQ(Value("// note\r5"), 5.0);
    EXPECT_EQ(Value("1 /* two */ + /**/ 2"), 3.0);
    EXPECT_EQ(Value("\t1\n+\r2 "), 3.0);
    const Outcome open = Run("7 /* open + 1");
    EXPECT_EQ(open.value, 7.0);
    EXPECT_EQ(open.end, 13);
    EXPECT_EQ(Value("8 // + 1"), 8.0);
}

TEST_P(CounterLanguage, HighCharactersAreBlankOnlyInNarrowText)
{
    const Outcome out = Run("1 \xE9+\xA0 2");
    if (IsWide()) {
        EXPECT_EQ(out.status, kStatusOk);
        EXPECT_EQ(out.value, 1.0); // U+00E9 is no operator: the expression ends before it
        EXPECT_EQ(out.end, 2);
    } else {
        EXPECT_EQ(out.status, kStatusOk);
        EXPECT_EQ(out.value, 3.0);
    }
    // Inside literals they are characters: signed bytes, unsigned code units.
    const Outcome code = Run("'\xE9'");
    EXPECT_EQ(code.value, IsWide() ? 233.0 : -23.0);
    EXPECT_EQ(TextOf("\"\xE9 \""), "\xE9 ");
}

TEST_P(CounterLanguage, ArithmeticNeverFails)
{
    EXPECT_EQ(Value("1/0"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Value("-1/0"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(Value("0/0")));
    EXPECT_EQ(Value("1E307*100"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Value("2^0.5"), std::pow(2.0, 0.5));
}

TEST_P(CounterLanguage, WhatStandsWhereAnOperandBelongs)
{
    const Outcome close = Run(")");
    EXPECT_EQ(close.status, kStatusInvalidName);
    EXPECT_EQ(close.end, 0);
    EXPECT_EQ(Status(""), kStatusInvalidName);
    EXPECT_EQ(Status("1 +"), kStatusInvalidName);
    EXPECT_EQ(Status("(1"), kStatusParenthesis);
    EXPECT_EQ(Status("((1) + 2"), kStatusParenthesis);
    const Outcome rest = Run("(1) 2");
    EXPECT_EQ(rest.status, kStatusOk);
    EXPECT_EQ(rest.end, 4);
}
