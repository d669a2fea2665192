// Code passed over without being evaluated (a skipped group, the IF
// alternative not chosen, the BLOCK sections behind the first true one),
// lists of assignments of any length, and numbers whose exponent has more
// digits than any double needs.
#include "counter_fixture.h"

#include "counter/counter_status.h"

#include <string>

namespace {

class CounterSkip : public CounterTest {};

TEST_P(CounterSkip, AFlatListOfAssignmentsNestsNoDeeper)
{
    std::string list = "(";
    for (int i = 0; i < 1000; ++i)
        list += "a" + std::to_string(i) + " := " + std::to_string(i) + ", ";
    EXPECT_EQ(Value((list + "a0 + a999 + 1)").c_str()), 1000.0);
    EXPECT_EQ(Value("a500"), 500.0);
    // At the top level as well, where the list goes on as it does in a group.
    EXPECT_EQ(Value((list.substr(1) + "a998 * 2").c_str()), 1996.0);

    // Each item reads its whole expression, and the last item's value is
    // the list's.
    EXPECT_EQ(Value("(p := 1, q := 2 + 3 * p, p + q)"), 6.0);
    // An assignment's expression takes the rest of the list into its value.
    EXPECT_EQ(Value("(u := 1, v := w := 4, w * 10)"), 40.0);
    EXPECT_EQ(Value("v"), 40.0);
    EXPECT_EQ(Value("(p := 1, q := (s := 2, s + 1), q)"), 3.0);
    // An item that is no assignment ends the list before its ','.
    const Outcome plain = Run("(p := 1, 2 + 3, 7)");
    EXPECT_EQ(plain.status, kStatusParenthesis);
    const Outcome top = Run("p := 1, 2 + 3, 7");
    EXPECT_EQ(top.value, 5.0);
    EXPECT_EQ(top.end, 13);

    // Real nesting is still guarded.
    const std::string deep = std::string(kMaxNesting + 5, '(') + "1" + std::string(kMaxNesting + 5, ')');
    EXPECT_EQ(Status(deep.c_str()), kStatusTooDeep);
}

TEST_P(CounterSkip, TheApostropheLiteralIsPassedOver)
{
    EXPECT_EQ(Value("'''"), 39.0);
    EXPECT_EQ(Value("if(0, ''', 5)"), 5.0);
    EXPECT_EQ(Value("if(1, ''', 5)"), 39.0);
    EXPECT_EQ(Value("BLOCK 0 ''' BLOCK 1 5"), 5.0);
    EXPECT_EQ(Value("(0 & (''')) + 5"), 5.0);
    EXPECT_EQ(Value("(0 & (')' + 1)) + 5"), 5.0);
}

// The skipped side of "&" is everything of higher precedence behind it, so
// "0 & (...) + 5" is 0 and reads to the end of the text.
TEST_P(CounterSkip, SkippedGroupsPassOverComments)
{
    const char* const wholes[] = {"0 & (1 // don't\n) + 5", "0 & (1 /* ) */ ) + 5", "1 | (\"(\" // )\n) + 5"};
    for (const char* whole : wholes) {
        const Outcome out = Run(whole);
        EXPECT_EQ(out.status, kStatusOk) << whole;
        EXPECT_EQ(out.end, static_cast<long>(std::string(whole).size())) << whole;
        EXPECT_EQ(out.value, whole[0] == '0' ? 0.0 : 1.0) << whole;
    }
    EXPECT_EQ(Value("(0 & (1 // don't\n)) + 5"), 5.0);
    EXPECT_EQ(Value("if(0, (1 // )\n), 5)"), 5.0);
    EXPECT_EQ(Value("BLOCK 0 (1 // BLOCK 1 9\n) BLOCK 1 4"), 4.0);
    // A comment that runs to the end leaves the skipped group open, and so
    // the group around it.
    EXPECT_EQ(Status("(0 & (1 // ))"), kStatusParenthesis);
}

TEST_P(CounterSkip, LongExponentsSaturate)
{
    const std::string zeros = "0." + std::string(99999, '0');
    // 10^-100000 * 10^100003
    EXPECT_DOUBLE_EQ(Value((zeros + "1e100003").c_str()), 1000.0);
    EXPECT_EQ(Status((zeros + "1e1000000").c_str()), Status("1e1000000"));
    EXPECT_EQ(Status("1e1000000"), kStatusTooLarge);
    EXPECT_EQ(Value(("1" + std::string(1000, '0') + "e-1000").c_str()), 1.0);
    EXPECT_EQ(Status(("1e" + std::string(40, '9')).c_str()), kStatusTooLarge);
    EXPECT_EQ(Value(("1e-" + std::string(40, '9')).c_str()), 0.0);
    EXPECT_EQ(Value((std::string(40000, '9') + "e-" + std::string(30, '9')).c_str()), 0.0);
}

COUNTER_WIDTHS(CounterSkip);

} // namespace
