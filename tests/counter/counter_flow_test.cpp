// Skipping, assignment and variables, sequencing, BLOCK chains and argument
// lists, in both widths.
#include "counter_fixture.h"

#include <string>

using CounterFlow = CounterTest;
COUNTER_WIDTHS(CounterFlow);

TEST_P(CounterFlow, ShortCircuitSkipsTheRightSide)
{
    EXPECT_EQ(Value("1 || (1/0)"), 1.0);
    EXPECT_EQ(Value("0 && (1/0)"), 0.0);
    // Nothing in a skipped side runs: no assignment, no extension call.
    EXPECT_EQ(Value("0 && (x := 5)"), 0.0);
    EXPECT_EQ(Status("x"), kStatusUnresolved);
    EXPECT_EQ(Value("1 || y := 5"), 1.0);
    EXPECT_EQ(Status("y"), kStatusUnresolved);
    // The skipped side ends where its level ends; the expression goes on.
    EXPECT_EQ(Value("0 && 5 || 1"), 1.0);
    EXPECT_EQ(Value("(1 || 0) + 1"), 2.0);
}

TEST_P(CounterFlow, ErrorsInASkippedSideAreDropped)
{
    EXPECT_EQ(Value("0 && unknownName"), 0.0);
    EXPECT_EQ(Value("0 && ('x' + (\"a)\" + 1))"), 0.0);
    EXPECT_EQ(Value("1 || 1 + \"a\""), 1.0);
    EXPECT_EQ(Value("0 && f(1, ) || 1"), 1.0);
    // An unclosed group is still an unclosed group outside the skip.
    const Outcome out = Run("0 && (1");
    EXPECT_EQ(out.status, kStatusOk);
    EXPECT_EQ(out.end, 7);
}

TEST_P(CounterFlow, VariablesKeepValueAndKind)
{
    EXPECT_EQ(Value("x := 5"), 5.0);
    EXPECT_EQ(Value("X*2"), 10.0); // names ignore case
    EXPECT_EQ(TextOf("t := \"ab\""), "ab");
    EXPECT_EQ(TextOf("T + \"c\""), "abc");
    const Outcome mismatch = Run("x := \"a\"");
    EXPECT_EQ(mismatch.status, kStatusKind);
    EXPECT_EQ(mismatch.end, 0);
    EXPECT_EQ(Status("t := 1"), kStatusKind);
    EXPECT_EQ(Value("x"), 5.0);
    EXPECT_EQ(TextOf("t"), "ab");
    EXPECT_EQ(Value("x := x + 1"), 6.0);
    EXPECT_EQ(Value("x"), 6.0);
}

TEST_P(CounterFlow, ManyVariablesStaySorted)
{
    // Inserted in an order unlike the sorted one; each stays found.
    for (int i = 0; i < 40; ++i) {
        const std::string set = "v" + std::to_string((i * 17) % 40) + " := " + std::to_string(i);
        ASSERT_EQ(Run(set.c_str()).status, 0) << set;
    }
    for (int i = 0; i < 40; ++i) {
        const std::string get = "V" + std::to_string((i * 17) % 40);
        EXPECT_EQ(Value(get.c_str()), i) << get;
    }
}

TEST_P(CounterFlow, NameLengthLimits)
{
    const std::string longest(254, 'a');
    EXPECT_EQ(Value((longest + " := 3").c_str()), 3.0);
    EXPECT_EQ(Value(longest.c_str()), 3.0);
    const std::string tooLong(255, 'a');
    EXPECT_EQ(Status((tooLong + " := 3").c_str()), kStatusInvalidName);
}

TEST_P(CounterFlow, SequencingDependsOnTheNestingLevel)
{
    EXPECT_EQ(Value("a := 1, b := 2, a + b"), 3.0);
    const Outcome one = Run("c := 1, d := 2", true);
    EXPECT_EQ(one.status, kStatusOk);
    EXPECT_EQ(one.value, 1.0);
    EXPECT_EQ(one.end, 6);
    EXPECT_EQ(Status("d"), kStatusUnresolved);
    // Inside parentheses both forms go on.
    const Outcome grouped = Run("(e := 4, e * 2) + 1", true);
    EXPECT_EQ(grouped.value, 9.0);
    // A ',' behind anything but an assignment ends the expression.
    const Outcome plain = Run("1, 2");
    EXPECT_EQ(plain.value, 1.0);
    EXPECT_EQ(plain.end, 1);
}

TEST_P(CounterFlow, BlockChains)
{
    EXPECT_EQ(Value("BLOCK 0 5 BLOCK 1 7"), 7.0);
    EXPECT_EQ(Value("BLOCK 0 5"), 0.0);
    EXPECT_EQ(Value("BLOCK (2 > 1) 5"), 5.0);
    EXPECT_EQ(Value("block -1 5 BLOCK 1 7"), 5.0); // the first true section wins
    EXPECT_EQ(Value("BLOCK 1 5 + 1"), 6.0);         // the expression goes on behind the value
    EXPECT_EQ(Value("BLOCK 0 5 BLOCK 0 6 BLOCK !0 (8)"), 8.0);
    // A false condition passes over what is no BLOCK word.
    EXPECT_EQ(Value("BLOCK 0 XBLOCK BLOCK_ BLOCK 1 3"), 3.0);
}

TEST_P(CounterFlow, BlockScanPassesOverLiteralsAndStaysInItsGroup)
{
    EXPECT_EQ(Value("BLOCK 0 \"BLOCK 1 9\" BLOCK 1 4"), 4.0);
    EXPECT_EQ(Value("BLOCK 0 'BLOCK 1 9' BLOCK 1 4"), 4.0);
    EXPECT_EQ(Value("BLOCK 0 (BLOCK 1 9) BLOCK 1 4"), 4.0);
    EXPECT_EQ(Value("(BLOCK 0 1) + BLOCK 1 5"), 5.0);
    const Outcome out = Run("(BLOCK 0 1 )");
    EXPECT_EQ(out.value, 0.0);
    EXPECT_EQ(out.end, 12);
    EXPECT_EQ(Status("BLOCK 0 \"open"), kStatusUnclosedText);
}

TEST_P(CounterFlow, BlockSectionsBehindACompleteExpression)
{
    // Passed over without being evaluated: the value stays.
    const Outcome out = Run("2 + 3 BLOCK 1 (z := 7)");
    EXPECT_EQ(out.value, 5.0);
    EXPECT_EQ(out.end, 22);
    EXPECT_EQ(Status("z"), kStatusUnresolved);
    EXPECT_EQ(Value("BLOCK 1 5 BLOCK 1 unknownName"), 5.0);
}

TEST_P(CounterFlow, BlockConditionErrors)
{
    EXPECT_EQ(Status("BLOCK \"a\" 1"), kStatusKind);
    EXPECT_EQ(Status("BLOCK (1 1"), kStatusParenthesis);
    EXPECT_EQ(Status("BLOCK 0 1 BLOCK unknownName 1"), kStatusUnresolved);
}

TEST_P(CounterFlow, FixedArgumentLists)
{
    double values[3] = {-1, -1, -1};
    int32_t status = -5;
    long end = -1;
    EXPECT_EQ(Args("(1, 2+3)", 2, values, &status, &end), 0u);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(values[0], 1.0);
    EXPECT_EQ(values[1], 5.0);
    EXPECT_EQ(end, 8);

    EXPECT_EQ(Args("(1, 2+3) tail", 3, values, &status, &end), 1u);
    EXPECT_EQ(status, kStatusArgumentCount);
    EXPECT_EQ(Args("(1, 2)", 1, values, &status, &end), 1u);
    EXPECT_EQ(status, kStatusArgumentCount);
    EXPECT_EQ(Args("1, 2", 2, values, &status, &end), 1u);
    EXPECT_EQ(status, kStatusParenthesis);

    // No arguments: the parentheses may be left out.
    EXPECT_EQ(Args(" ()", 0, nullptr, &status, &end), 0u);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(Args("rest", 0, nullptr, &status, &end), 0u);
    EXPECT_EQ(end, 0);
    EXPECT_EQ(Args("(1)", 0, nullptr, &status, &end), 1u);
    EXPECT_EQ(status, kStatusArgumentCount);

    // A text argument leaves its marker and the list goes on as numbers.
    EXPECT_EQ(Args("(\"a\" + \"b\", 3)", 2, values, &status, &end), 0u);
    EXPECT_EQ(values[0], TextArgMarker);
    EXPECT_EQ(values[1], 3.0);
    // An assignment ends its argument at the ','.
    EXPECT_EQ(Args("(k := 2, k * 3)", 2, values, &status, &end), 0u);
    EXPECT_EQ(values[1], 6.0);
}

// The readers the built-in functions use, on the evaluator itself.
TEST_P(CounterFlow, OneAtATimeAndAnyLengthLists)
{
    auto check = [](auto& evaluator, auto widen) {
        auto text = widen("(1, \"t\")");
        bool isText = false;
        evaluator.position = text.data();
        evaluator.status = 0;
        ASSERT_TRUE(evaluator.OpenArguments(kStatusParenthesis));
        EXPECT_EQ(evaluator.ReadOneArgument(false, &isText), 1.0);
        EXPECT_FALSE(isText);
        evaluator.ReadOneArgument(true, &isText);
        EXPECT_TRUE(isText);
        EXPECT_EQ(evaluator.status, 0);

        auto missing = widen("(1 2");
        evaluator.position = missing.data() + 1;
        evaluator.ReadOneArgument(false, &isText);
        EXPECT_EQ(evaluator.status, kStatusArgumentCount);
        evaluator.status = 0;
        evaluator.position = missing.data() + 1;
        evaluator.ReadOneArgument(true, &isText);
        EXPECT_EQ(evaluator.status, kStatusParenthesis);

        auto list = widen("(3, 7; 5)");
        bool more = false;
        evaluator.status = 0;
        evaluator.position = list.data() + 1;
        EXPECT_EQ(evaluator.ReadListArgument(&more), 3.0);
        EXPECT_TRUE(more);
        EXPECT_EQ(evaluator.ReadListArgument(&more), 7.0);
        EXPECT_EQ(evaluator.status, kStatusListSeparator);
    };
    if (IsWide())
        check(counter->wide, [](const char* t) { return Widen(t); });
    else
        check(counter->narrow, [](const char* t) { return std::string(t); });
}

// Joining texts stops at the text limit instead of growing without bound
// (each "a := a + a" doubles the text).
TEST_P(CounterFlow, JoinedTextsStopAtTheLimit)
{
    ASSERT_EQ(TextOf("a := \"0123456789abcdef\""), "0123456789abcdef");
    for (int i = 0; i < 11; ++i)
        ASSERT_EQ(Status("a := a + a"), kStatusText) << i; // 32768 characters
    EXPECT_EQ(Status("a := a + a"), kStatusTooLarge);
    EXPECT_EQ(Status("b := a + \"x\""), kStatusText) << "below the limit a text still joins";
    EXPECT_EQ(TextOf("b").size(), 32769u);
}

// Many variables in one evaluator: each keeps its own value, found without
// regard to case, and a later assignment replaces only its own.
TEST_P(CounterFlow, ThousandsOfVariablesKeepTheirValues)
{
    const int count = 20000;
    for (int i = count; i > 0; --i) {
        const std::string assign = "v" + std::to_string(i * 7919 % count) + "x := " + std::to_string(i);
        ASSERT_EQ(Run(assign.c_str()).status, kStatusOk) << assign;
    }
    ASSERT_EQ(Run("V0X := \"zero\"").status, kStatusKind) << "a number variable stays a number";
    for (int i = 1; i <= count; i += 997) {
        const std::string read = "V" + std::to_string(i * 7919 % count) + "X";
        EXPECT_EQ(Run(read.c_str()).value, static_cast<double>(i)) << read;
    }
    EXPECT_EQ(TextOf("t1 := \"a\", t2 := \"b\", t1 + t2"), "ab");
    EXPECT_EQ(Value("v5x := 1, t1 := \"c\", v5x + 1"), 2.0);
    EXPECT_EQ(TextOf("t1"), "c");
}
