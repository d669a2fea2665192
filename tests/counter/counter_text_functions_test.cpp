// The text functions: numbers as text (width, decimals, rounding, grouping,
// clamping and the length bound), degrees-minutes-seconds, substrings, IFS
// and PUT / PUT0, in both widths.
#include "counter_fixture.h"

#include <string>

namespace {

using CounterTextFunctions = CounterTest;
COUNTER_WIDTHS(CounterTextFunctions);

TEST_P(CounterTextFunctions, NumberTextExamples)
{
    EXPECT_EQ(TextOf("RTOS(1234.5, 0, 2)"), "1234.50");
    EXPECT_EQ(TextOf("RTOS3(1234567.891, 0, 1)"), "1 234 567.9");
    EXPECT_EQ(TextOf("RTOSC(0.25, 0, 1)"), "0,3");
    EXPECT_EQ(TextOf("RTOSC3(-1234567.891, 0, 2)"), "-1 234 567,89");
    EXPECT_EQ(TextOf("RTOS(1.5, 0, 203)"), "1.5");
    EXPECT_EQ(TextOf("RTOS(2, 0, 103)"), "2");
    EXPECT_EQ(TextOf("RTOS(-5, -6, 0)"), "-00005");
}

TEST_P(CounterTextFunctions, WidthAlignsRightOrPadsWithZeros)
{
    EXPECT_EQ(TextOf("RTOS(5, 4, 0)"), "   5");
    EXPECT_EQ(TextOf("RTOS(-5, 6, 0)"), "    -5");
    EXPECT_EQ(TextOf("RTOS(1.5, -6, 1)"), "0001.5");
    EXPECT_EQ(TextOf("RTOS(12345, 3, 0)"), "12345"); // a field never cuts
    EXPECT_EQ(TextOf("RTOS(-12345, -3, 0)"), "-12345");
    EXPECT_EQ(TextOf("RTOS3(-1234, -8, 0)"), "-001 234"); // separators counted, padding not grouped
    EXPECT_EQ(TextOf("RTOS(2.9, 3.9, 0)"), "  3");        // the width is truncated to an integer
}

TEST_P(CounterTextFunctions, DecimalCounts)
{
    EXPECT_EQ(TextOf("RTOS(2.5, 0, 103)"), "2.5");
    EXPECT_EQ(TextOf("RTOS(2, 0, 203)"), "2.0");
    EXPECT_EQ(TextOf("RTOS(1.23456, 0, 103)"), "1.235");
    EXPECT_EQ(TextOf("RTOS(1.2, 0, 305)"), "1.20");
    EXPECT_EQ(TextOf("RTOS(1.2, 0, 1505)"), "1.20000"); // at least 14 kept: every decimal printed stays
    EXPECT_EQ(TextOf("RTOS(0.5, 0, 100)"), "1");        // no decimals at all
    EXPECT_EQ(TextOf("RTOS(1, 0, 40)"), "1.000000000000000000"); // at most 18
    EXPECT_EQ(TextOf("RTOS(0.1234567, 0, 7)"), "0.1234567");
    // A negative count groups by three, before and after the decimal character.
    EXPECT_EQ(TextOf("RTOS(1234.5678, 0, -2)"), "1 234.57");
    EXPECT_EQ(TextOf("RTOSC(1234.5678, 0, -2)"), "1 234,57");
    EXPECT_EQ(TextOf("RTOS3(0.1234567, 0, 7)"), "0.123 456 7");
    EXPECT_EQ(TextOf("RTOS(0.123456, 0, -6)"), "0.123 456");
    EXPECT_EQ(TextOf("RTOS(1234.5, 0, -103)"), "1 234.5");
}

TEST_P(CounterTextFunctions, RoundingSignsAndTheCarry)
{
    EXPECT_EQ(TextOf("RTOS(2.5, 0, 0)"), "3");
    EXPECT_EQ(TextOf("RTOS(-2.5, 0, 0)"), "-3");
    EXPECT_EQ(TextOf("RTOS(-0.4, 0, 0)"), "0");
    EXPECT_EQ(TextOf("RTOS(-0.25, 0, 1)"), "-0.3"); // a negative number with integer part 0
    EXPECT_EQ(TextOf("RTOS(-0.001, 0, 2)"), "-0.00");
    // The rounded fraction reaching 10^d carries into the integer part.
    EXPECT_EQ(TextOf("RTOS(0.999, 0, 2)"), "1.00");
    EXPECT_EQ(TextOf("RTOS(-0.999, 0, 2)"), "-1.00");
    EXPECT_EQ(TextOf("RTOS(9.9999, 0, 3)"), "10.000");
    EXPECT_EQ(TextOf("RTOS3(-999.9996, 0, 3)"), "-1 000.000");
    EXPECT_EQ(TextOf("RTOS(0.9999, 0, 103)"), "1");
    EXPECT_EQ(TextOf("RTOS(0/0, 0, 2)"), "?");
    EXPECT_EQ(TextOf("RTOS(0/0, 4, 2)"), "   ?");
}

TEST_P(CounterTextFunctions, LargeNumbersAndTheClamp)
{
    EXPECT_EQ(TextOf("RTOS(2000000000.5, 0, 0)"), "2000000001");
    EXPECT_EQ(TextOf("RTOS(3E9, 0, 2)"), "3000000000.00");
    EXPECT_EQ(TextOf("RTOS(123456789012.25, 0, 1)"), "123456789012.3");
    EXPECT_EQ(TextOf("RTOS(1.5, 0, 12)"), "1.500000000000");
    EXPECT_EQ(TextOf("RTOS(1E19, 0, 0)"), "4000000000000000000");
    EXPECT_EQ(TextOf("RTOS(-1/0, 0, 1)"), "-4000000000000000000.0");
    EXPECT_EQ(TextOf("RTOS3(-1E19, 0, 0)"), "-4 000 000 000 000 000 000");
}

TEST_P(CounterTextFunctions, IntegerTexts)
{
    EXPECT_EQ(TextOf("ITOS(42)"), "42");
    EXPECT_EQ(TextOf("ITOS(-7.9)"), "-7");
    EXPECT_EQ(TextOf("ITOS(1E10)"), "-2147483648");
    EXPECT_EQ(TextOf("ITOS3(123456)"), "123 456");
    EXPECT_EQ(TextOf("ITOS3(12)"), "12");
    EXPECT_EQ(TextOf("ITOS3(1E10)"), "-2 147 483 648");
    // The minus sign counts as a character of the first group.
    EXPECT_EQ(TextOf("ITOS3(-123)"), "- 123");
    EXPECT_EQ(TextOf("ITOS3(-1234)"), "-1 234");
    EXPECT_EQ(TextOf("ITOS3(-123456)"), "- 123 456");
    EXPECT_EQ(TextOf("RTOS3(-123.5, 0, 1)"), "- 123.5");
}

// No number text grows beyond 200 characters, whatever the width, the
// decimals or the spaces ask for; in the wide evaluator it stays in place.
TEST_P(CounterTextFunctions, NumberTextsAreBounded)
{
    const std::string wide = TextOf("RTOS(1, 1000, 0)");
    EXPECT_EQ(wide, std::string(199, ' ') + "1");
    EXPECT_EQ(TextOf("RTOS(1, 200, 0)"), wide);
    EXPECT_EQ(TextOf("RTOS(-1, -1E12, 0)"), "-" + std::string(198, '0') + "1");
    EXPECT_EQ(TextOf("RTOS(1, 0, -1E12)"), "1.000 000 000 000 000 000");
    const std::string dms = TextOf("DEGTODMS(-1E300, -1E12, 1000)");
    EXPECT_LE(dms.size(), 200u);
    EXPECT_EQ(TextOf("DEGTODMS(1, 0, 1000)"),
              "1\xB0" + std::string(64, ' ') + "0\xB4" + std::string(64, ' ') + "0\xB4\xB4");
    EXPECT_FALSE(counter->wide.TextResult().IsAllocated());
}

TEST_P(CounterTextFunctions, DegreesMinutesSeconds)
{
    EXPECT_EQ(TextOf("DEGTODMS(10.5, 0, 1)"), "10\xB0 30\xB4 0\xB4\xB4");
    EXPECT_EQ(TextOf("DEGTODMS(-10.5, 0, 0)"), "-10\xB0" "30\xB4" "0\xB4\xB4");
    // Above -1 the degrees are 0; the sign stays in front.
    EXPECT_EQ(TextOf("DEGTODMS(-0.5, 0, 1)"), "-0\xB0 30\xB4 0\xB4\xB4");
    EXPECT_EQ(TextOf("DEGTODMS(0.5, 0, 1)"), "0\xB0 30\xB4 0\xB4\xB4");
    // Negative decimals: a decimal comma, no grouping.
    EXPECT_EQ(TextOf("DEGTODMS(10.5125, -2, 0)"), "10\xB0" "30\xB4" "45,00\xB4\xB4");
    EXPECT_EQ(TextOf("DEGTODMS(10.5125, 2, 0)"), "10\xB0" "30\xB4" "45.00\xB4\xB4");
    EXPECT_EQ(TextOf("DEGTODMS(10.5125, 103, 0)"), "10\xB0" "30\xB4" "45\xB4\xB4");
    EXPECT_EQ(TextOf("DEGTODMS(1.2345678, -4, 0)"), "1\xB0" "14\xB4" "4,4441\xB4\xB4");
    // Seconds are not carried into the minutes.
    EXPECT_EQ(TextOf("DEGTODMS(10.1, 2, 0)"), "10\xB0" "5\xB4" "60.00\xB4\xB4");
    EXPECT_EQ(TextOf("DEGTODMS(2, 0, -3)"), "2\xB0" "0\xB4" "0\xB4\xB4");
}

TEST_P(CounterTextFunctions, Substrings)
{
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", 1, 3)"), "bcd");
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", 2, -1)"), "cdef");
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", -5, 1)"), "ab");
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", 0.9, 0)"), "a");
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", 4, 100)"), "ef");
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", 3, 2)"), "");
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", 10, -1)"), "");
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", 0, -2)"), "");
    EXPECT_EQ(TextOf("SUBS(\"\", 0, -1)"), "");
    EXPECT_EQ(TextOf("SUBS(\"abc\" + \"def\", 2, 3)"), "cd");
    // The numbers may compute texts of their own.
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", slen(\"xy\"), slen(SUBS(\"1234\", 0, 2)))"), "cd");
    EXPECT_EQ(TextOf("SUBS(\"abcdef\", 1, 1) + \"!\""), "b!");
}

TEST_P(CounterTextFunctions, IfsChoosesATextLazily)
{
    EXPECT_EQ(TextOf("IFS(1, \"a\", \"b\")"), "a");
    EXPECT_EQ(TextOf("IFS(0, \"a\", \"b\")"), "b");
    EXPECT_EQ(TextOf("IFS(0, unknownName, \"b\" + \"c\")"), "bc");
    EXPECT_EQ(TextOf("\"x\" + IFS(2 > 1, \"y\", 1/0 + bad(\")\"))"), "xy");
    EXPECT_EQ(TextOf("IFS(0, PUT(v, 1), ITOS(7))"), "7");
    EXPECT_EQ(Status("v"), kStatusUnresolved);
}

TEST_P(CounterTextFunctions, TextFunctionsJoinTextExpressions)
{
    EXPECT_EQ(TextOf("\"x=\" + RTOS(1.5, 0, 2)"), "x=1.50");
    EXPECT_EQ(TextOf("ITOS(3) + \"!\""), "3!");
    EXPECT_EQ(Value("RTOS(1, 0, 0) = \"1\""), 1.0);
    EXPECT_EQ(Value("slen(RTOS3(1234567, 0, 0))"), 9.0);
}

TEST_P(CounterTextFunctions, PutAssignsLikeAnAssignment)
{
    EXPECT_EQ(Value("PUT(a, 5)"), 5.0); // PUT's operand is the value assigned
    EXPECT_EQ(Value("a"), 5.0);
    EXPECT_EQ(Value("PUT(a, a + 1) * 2"), 12.0);
    EXPECT_EQ(Value("a"), 6.0);
    EXPECT_EQ(TextOf("PUT(t, \"x\" + \"y\")"), "xy");
    EXPECT_EQ(TextOf("t"), "xy");
    // The kind stays fixed: the position returns to the name.
    const Outcome mismatch = Run("PUT( a, \"x\")");
    EXPECT_EQ(mismatch.status, kStatusKind);
    EXPECT_EQ(mismatch.end, 5);
    EXPECT_EQ(Status("PUT(t, 1)"), kStatusKind);
    EXPECT_EQ(Value("a"), 6.0);
}

TEST_P(CounterTextFunctions, Put0AddsNothingToAText)
{
    EXPECT_EQ(TextOf("\"<\" + PUT0(b, 7) + \">\""), "<>");
    EXPECT_EQ(Value("b"), 7.0);
    EXPECT_EQ(TextOf("PUT0(c, \"text\")"), "");
    EXPECT_EQ(TextOf("c"), "text");
}

TEST_P(CounterTextFunctions, PutSequencesLikeAnAssignment)
{
    EXPECT_EQ(Value("PUT(d, 2), d * 3"), 6.0);
    EXPECT_EQ(Value("PUT0(e, 4), e + 1"), 5.0);
    const Outcome one = Run("PUT(f, 2), f * 3", true);
    EXPECT_EQ(one.status, kStatusOk);
    EXPECT_EQ(one.value, 2.0);
    EXPECT_EQ(one.end, 9);
    const Outcome empty = Run("PUT0(g, 2), 1", true);
    EXPECT_EQ(empty.status, kStatusText);
    EXPECT_EQ(empty.text, "");
    // Nothing is stored on a side that is skipped.
    EXPECT_EQ(Value("0 && PUT(h, 1)"), 0.0);
    EXPECT_EQ(Status("h"), kStatusUnresolved);
}

TEST_P(CounterTextFunctions, PutStatuses)
{
    EXPECT_EQ(Status("PUT a, 1"), kStatusArgumentCount);
    EXPECT_EQ(Status("PUT(a 1)"), kStatusArgumentCount);
    EXPECT_EQ(Status("PUT0(a)"), kStatusArgumentCount);
    const Outcome open = Run("PUT(a, 1");
    EXPECT_EQ(open.status, kStatusParenthesis);
    EXPECT_EQ(open.value, 7.0);
    EXPECT_EQ(Status("PUT(, 1)"), kStatusInvalidName);
    EXPECT_EQ(Status(("PUT(" + std::string(255, 'n') + ", 1)").c_str()), kStatusInvalidName);
    EXPECT_EQ(Value(("PUT(" + std::string(254, 'n') + ", 3)").c_str()), 3.0);
    EXPECT_EQ(Status("PUT(a, .5)"), kStatusDigitExpected);
    EXPECT_EQ(Status("a"), kStatusUnresolved); // nothing stored by a failed PUT
}

} // namespace
