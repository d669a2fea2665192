// The built-in numeric functions and constants, how their names are found
// and how their argument lists are read, in both widths.
#include "counter_fixture.h"

#include "common/text_compare.h"
#include "platform/platform.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

const double kPi = 3.141592653589793;

using CounterFunctions = CounterTest;
COUNTER_WIDTHS(CounterFunctions);

// The normalisation as repeated subtraction and addition of the period.
double NormaliseByLoop(double a, double period)
{
    while (a > period)
        a -= period;
    while (a < 0)
        a += period;
    return a;
}

std::string Call(const char* function, double argument)
{
    char text[80];
    std::snprintf(text, sizeof text, "%s(%.17g)", function, argument);
    return text;
}

TEST_P(CounterFunctions, TrigonometryInRadians)
{
    EXPECT_DOUBLE_EQ(Value("atan2(1, 0)"), kPi / 2);
    EXPECT_DOUBLE_EQ(Value("ATAN(1)*4"), kPi);
    EXPECT_DOUBLE_EQ(Value("atan2(0, -1)"), kPi); // the first argument is y
    EXPECT_DOUBLE_EQ(Value("atan2(-1, 0)"), -kPi / 2);
    EXPECT_DOUBLE_EQ(Value("sin(PI / 2)"), 1.0);
    EXPECT_DOUBLE_EQ(Value("cos(PI)"), -1.0);
    EXPECT_DOUBLE_EQ(Value("tan(PI / 4)"), 1.0);
    EXPECT_DOUBLE_EQ(Value("asin(1)"), kPi / 2);
    EXPECT_DOUBLE_EQ(Value("acos(-1)"), kPi);
    EXPECT_EQ(Value("PI"), kPi);
}

TEST_P(CounterFunctions, AngleUnitConversions)
{
    EXPECT_EQ(Value("degtorad(180)"), kPi);
    EXPECT_EQ(Value("gradtodeg(100)"), 90.0);
    EXPECT_EQ(Value("degtograd(90)"), 100.0);
    EXPECT_EQ(Value("gradtorad(200)"), kPi);
    EXPECT_EQ(Value("radtodeg(PI)"), 180.0);
    EXPECT_EQ(Value("radtograd(PI / 2)"), 100.0);
}

TEST_P(CounterFunctions, PowersLogarithmsAndSquares)
{
    EXPECT_EQ(Value("pow(2, 10)"), 1024.0);
    EXPECT_EQ(Value("sqr(-3)"), 9.0);
    EXPECT_EQ(Value("sqrt(16)"), 4.0);
    EXPECT_EQ(Value("abs(-2.5)"), 2.5);
    EXPECT_EQ(Value("log(1)"), 0.0);
    EXPECT_DOUBLE_EQ(Value("log(2)"), std::log(2.0));
    EXPECT_EQ(Value("log10(1000)"), 3.0);
    // Failures of the arithmetic are values, not errors.
    EXPECT_TRUE(std::isnan(Value("sqrt(-1)")));
    EXPECT_EQ(Value("log(0)"), -std::numeric_limits<double>::infinity());
}

TEST_P(CounterFunctions, TruncationAndRoundingTo32Bits)
{
    EXPECT_EQ(Value("trunc(-2.7)"), -2.0);
    EXPECT_EQ(Value("trunc(2.7)"), 2.0);
    EXPECT_EQ(Value("round(2.5)"), 3.0);
    EXPECT_EQ(Value("round(-2.5)"), -3.0);
    EXPECT_EQ(Value("round(2.4)"), 2.0);
    EXPECT_EQ(Value("round(-0.4)"), 0.0);
    EXPECT_EQ(Value("trunc(2147483647.9)"), 2147483647.0);
    EXPECT_EQ(Value("trunc(-2147483648.9)"), -2147483648.0);
    // Outside the 32-bit range, and NaN: the most negative 32-bit integer.
    EXPECT_EQ(Value("trunc(2147483648)"), -2147483648.0);
    EXPECT_EQ(Value("trunc(-2147483649)"), -2147483648.0);
    EXPECT_EQ(Value("trunc(1E300)"), -2147483648.0);
    EXPECT_EQ(Value("trunc(0/0)"), -2147483648.0);
    EXPECT_EQ(Value("round(2147483647.4)"), 2147483647.0);
    EXPECT_EQ(Value("round(2147483647.5)"), -2147483648.0);
}

TEST_P(CounterFunctions, AnglesComeIntoTheirRange)
{
    EXPECT_EQ(Value("ang360(-30)"), 330.0);
    EXPECT_EQ(Value("ang360(720)"), 360.0);
    EXPECT_EQ(Value("ang400(400)"), 400.0);
    EXPECT_EQ(Value("ang400(800)"), 400.0);
    EXPECT_EQ(Value("ang400(-10)"), 390.0);
    EXPECT_EQ(Value("ang400(-400)"), 0.0);
    EXPECT_EQ(Value("ang400(0)"), 0.0);
    EXPECT_EQ(Value("ang2pi(-PI)"), kPi);
    EXPECT_EQ(Value("ang2pi(2 * PI)"), 2 * kPi);
}

// The same angles as repeated subtraction gives: exactly for the degree and
// grad periods over many turns, and for the full circle in radians within a
// turn either side.
TEST_P(CounterFunctions, AnglesAgreeWithRepeatedSubtraction)
{
    for (double a = -4000.0; a <= 4000.0; a += 37.25) {
        EXPECT_EQ(Value(Call("ang360", a).c_str()), NormaliseByLoop(a, 360.0)) << a;
        EXPECT_EQ(Value(Call("ang400", a).c_str()), NormaliseByLoop(a, 400.0)) << a;
    }
    for (double a = -6.2; a <= 12.5; a += 0.0731) {
        EXPECT_EQ(Value(Call("ang2pi", a).c_str()), NormaliseByLoop(a, 2 * kPi)) << a;
    }
}

// Huge angles end at once within the range; infinite ones and NaN give NaN.
TEST_P(CounterFunctions, AnglesBeyondAnyTurnCountEnd)
{
    const double huge = Value("ang400(1E300)");
    EXPECT_GE(huge, 0.0);
    EXPECT_LE(huge, 400.0);
    const double negative = Value("ang2pi(-1E300)");
    EXPECT_GE(negative, 0.0);
    EXPECT_LE(negative, 2 * kPi);
    EXPECT_TRUE(std::isnan(Value("ang360(1/0)")));
    EXPECT_TRUE(std::isnan(Value("ang400(-1/0)")));
    EXPECT_TRUE(std::isnan(Value("ang2pi(0/0)")));
}

TEST_P(CounterFunctions, MinAndMaxTakeAnyNumberOfArguments)
{
    EXPECT_EQ(Value("max(3, 7, 5)"), 7.0);
    EXPECT_EQ(Value("min(3, 7, 5)"), 3.0);
    EXPECT_EQ(Value("max(-4)"), -4.0);
    EXPECT_EQ(Value("max()"), 0.0);
    EXPECT_EQ(Value("MIN( )"), 0.0);
    EXPECT_EQ(Value("max(1, 2 + 3, min(4, -1), 4)"), 5.0);
    // Within an argument a ',' behind an assignment goes on with the next expression.
    EXPECT_EQ(Value("min(a := 2, a * 3) + 1"), 7.0);
}

TEST_P(CounterFunctions, ConstantsTakeNoArguments)
{
    EXPECT_EQ(Value("pi()"), kPi);
    EXPECT_EQ(Value("PI ( ) * 2"), 2 * kPi);
    EXPECT_EQ(Value("RANDOMNUMMAX"), 32767.0);
    EXPECT_EQ(Value("randomnummax + 1"), 32768.0);
    EXPECT_EQ(Status("PI(1)"), kStatusArgumentCount);
    const double random = Value("RANDOMNUM");
    EXPECT_GE(random, 0.0);
    EXPECT_LE(random, 32767.0);
    EXPECT_EQ(random, std::floor(random));
}

DWORD FixedTicks()
{
    return 0xFFFFFFF0u;
}

TEST_P(CounterFunctions, TickCountIsUnsigned)
{
    SetTickCountSource(&FixedTicks);
    const double ticks = Value("GETTICKCOUNT");
    const double called = Value("GetTickCount() + 1");
    SetTickCountSource(nullptr);
    EXPECT_EQ(ticks, 4294967280.0);
    EXPECT_EQ(called, 4294967281.0);
}

TEST_P(CounterFunctions, NamesMatchAsWholeWordsWithoutRegardToCase)
{
    EXPECT_DOUBLE_EQ(Value("ATAN2(1, 1)"), kPi / 4); // not ATAN followed by "2(1, 1)"
    EXPECT_EQ(Value("Log10(100)"), 2.0);
    EXPECT_EQ(Value("SQRT(9)"), 3.0);
    EXPECT_EQ(Value("sCmPi(\"a\", \"A\")"), 0.0);
    EXPECT_EQ(Status("PI2"), kStatusUnresolved);
    EXPECT_EQ(Status("PI_"), kStatusUnresolved);
    EXPECT_EQ(Status("PIX"), kStatusUnresolved);
    EXPECT_EQ(Status("SIN2(1)"), kStatusUnresolved);
    EXPECT_EQ(Status("XSIN(1)"), kStatusUnresolved);
    // A variable may carry such a name; it is no constant.
    EXPECT_EQ(Value("pi2 := 4"), 4.0);
    EXPECT_EQ(Value("PI2 + 1"), 5.0);
}

TEST_P(CounterFunctions, FixedListStatuses)
{
    EXPECT_EQ(Status("sin 1"), kStatusParenthesis);
    EXPECT_EQ(Status("sin(1"), kStatusArgumentCount);
    EXPECT_EQ(Status("atan2(1 2)"), kStatusArgumentCount);
    EXPECT_EQ(Status("atan2(1)"), kStatusArgumentCount);
    EXPECT_EQ(Status("pow(1, 2, 3)"), kStatusArgumentCount);
    EXPECT_EQ(Status("rtos(1, 2)"), kStatusArgumentCount);
    EXPECT_EQ(Status("itos 1"), kStatusParenthesis);
    // A failing argument keeps its own code.
    EXPECT_EQ(Status("sin(.5)"), kStatusDigitExpected);
    EXPECT_EQ(Status("cos((1 2))"), kStatusParenthesis);
}

TEST_P(CounterFunctions, OneAtATimeStatuses)
{
    EXPECT_EQ(Status("if 1"), kStatusParenthesis);
    EXPECT_EQ(Status("if(1 2, 3)"), kStatusArgumentCount);
    EXPECT_EQ(Status("if(1, 2 3)"), kStatusArgumentCount);
    EXPECT_EQ(Status("if(0, 2 3)"), kStatusArgumentCount);
    EXPECT_EQ(Status("if(1, 2, 3"), kStatusParenthesis);
    EXPECT_EQ(Status("if(0, 2, 3"), kStatusParenthesis);
    EXPECT_EQ(Status("if(1, 2, 3, 4)"), kStatusParenthesis);
    EXPECT_EQ(Status("slen(\"a\""), kStatusParenthesis);
    EXPECT_EQ(Status("scmp(\"a\" 1)"), kStatusArgumentCount);
    EXPECT_EQ(Status("subs(\"abc\", 1 2)"), kStatusArgumentCount);
    EXPECT_EQ(Status("subs(\"abc\", 1, 2"), kStatusParenthesis);
    EXPECT_EQ(Status("slen(\"open)"), kStatusUnclosedText);
}

TEST_P(CounterFunctions, AnyLengthListStatuses)
{
    EXPECT_EQ(Status("max(1 2)"), kStatusListSeparator);
    EXPECT_EQ(Status("max(1, 2"), kStatusListSeparator);
    EXPECT_EQ(Status("min(1; 2)"), kStatusListSeparator);
    EXPECT_EQ(Status("max 1"), kStatusParenthesis);
    EXPECT_EQ(Status("max(1, )"), kStatusInvalidName);
}

TEST_P(CounterFunctions, ArgumentsOfTheWrongKind)
{
    const char* cases[] = {"sin(\"a\")",         "atan2(1, \"a\")",          "max(1, \"a\")",
                           "slen(5)",            "scmp(\"a\", 1)",           "sstr(1, \"a\")",
                           "if(\"a\", 1, 2)",    "if(1, \"a\", 2)",          "if(0, 1, \"b\")",
                           "ifs(1, 2, \"b\")",   "ifs(0, \"a\", 2)",         "rtos(\"a\", 0, 0)",
                           "itos(\"a\")",        "degtodms(1, \"a\", 0)",    "subs(1, 0, 1)",
                           "subs(\"ab\", \"a\", 1)", "subs(\"ab\", 0, \"b\")", "DataPath(1)"};
    for (const char* e : cases)
        EXPECT_EQ(Status(e), kStatusKind) << e;
}

// The branch not taken is passed over by its characters: nothing in it runs
// and no error in it counts.
TEST_P(CounterFunctions, IfEvaluatesOnlyTheChosenBranch)
{
    EXPECT_EQ(Value("if(0, 1/0, 2)"), 2.0);
    EXPECT_EQ(Value("if(1, 2, unknownName)"), 2.0);
    EXPECT_EQ(Value("if(0, unknownName, 3)"), 3.0);
    EXPECT_EQ(Value("if(0, 1 2 garbage +, 5)"), 5.0);
    EXPECT_EQ(Value("if(0, x := 5, 1)"), 1.0);
    EXPECT_EQ(Status("x"), kStatusUnresolved);
    EXPECT_EQ(Value("if(1, 7, y := 5)"), 7.0);
    EXPECT_EQ(Status("y"), kStatusUnresolved);
    EXPECT_EQ(Value("if(0/0, 1, 2)"), 1.0); // NaN is not 0
    EXPECT_EQ(Value("if(1, if(0, bad, 7), bad) + 1"), 8.0);
}

TEST_P(CounterFunctions, PassedBranchesSkipGroupsLiteralsAndComments)
{
    EXPECT_EQ(Value("if(0, (1, 2, \"),\"), 3)"), 3.0);
    EXPECT_EQ(Value("if(0, ',' + ')', 4)"), 4.0);
    EXPECT_EQ(Value("if(0, /* , */ 1, 2)"), 2.0);
    EXPECT_EQ(Value("if(1, 2, f(1, (2)) \",)\")"), 2.0);
    EXPECT_EQ(Status("if(0, 1)"), kStatusArgumentCount); // the list ends before the third
    EXPECT_EQ(Status("if(0, \"open, 3)"), kStatusUnclosedText);
    EXPECT_EQ(Status("if(1, 2, \"open)"), kStatusUnclosedText);
}

TEST_P(CounterFunctions, TextMeasures)
{
    EXPECT_EQ(Value("slen(\"abc\")"), 3.0);
    EXPECT_EQ(Value("slen(\"\")"), 0.0);
    EXPECT_EQ(Value("slen(\"ab\" + \"cd\") * 2"), 8.0); // a number again after it
    EXPECT_EQ(Value("scmpi(\"abc\", \"ABC\")"), 0.0);
    EXPECT_LT(Value("scmp(\"a\", \"b\")"), 0.0);
    EXPECT_GT(Value("scmpi(\"B\", \"a\")"), 0.0);
    const double exact = IsWide() ? CompareCollate(Widen("abc").data(), Widen("ABC").data())
                                  : CompareCollate("abc", "ABC");
    EXPECT_NE(exact, 0.0);
    EXPECT_EQ(Value("scmp(\"abc\", \"ABC\")"), exact);
    EXPECT_EQ(Value("sstr(\"abcabc\", \"ca\")"), 2.0);
    EXPECT_EQ(Value("sstr(\"abc\", \"C\")"), -1.0);
    EXPECT_EQ(Value("sstri(\"abc\", \"C\")"), 2.0);
    EXPECT_EQ(Value("sstr(\"abc\", \"\")"), 0.0);
    EXPECT_EQ(Value("sstr(\"ab\", \"abc\")"), -1.0);
    EXPECT_EQ(Value("sstr(\"aab\", \"ab\")"), 1.0);
    EXPECT_EQ(Value("sstri(\"xyz\", \"Q\")"), -1.0);
}

// On the right of a text operator only text functions are names of the
// evaluator; in a function's arguments both groups are again.
TEST_P(CounterFunctions, TextOperatorsTakeOnlyTextFunctions)
{
    EXPECT_EQ(Status("\"a\" + PI"), kStatusUnresolved);
    EXPECT_EQ(Status("\"3\" = slen(\"abc\")"), kStatusUnresolved);
    EXPECT_EQ(TextOf("\"a\" + ITOS(PI)"), "a3");
    EXPECT_EQ(TextOf("\"a\" + SUBS(\"xyz\", slen(\"q\"), 9)"), "ayz");
    EXPECT_EQ(Value("\"1\" = ITOS(1)"), 1.0);
    EXPECT_EQ(Value("PI > 3"), 1.0);
}

} // namespace
