// RANDOMNUM follows the runtime library's generator of Windows programs from
// its first number in a fresh process, in both builds and both widths.
#include "counter/CAtCounterI.h"
#include "tests/support/child_process.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The generator: state * 214013 + 2531011 modulo 2^32 from the state 1, the
// number being bits 16 to 30 of the state.
class ReferenceSequence {
public:
    int Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    uint32_t state_ = 1;
};

double Random(CAtCounterI* counter, bool wide)
{
    double value = -1;
    int32_t status = -5;
    if (wide) {
        const unsigned short text[] = {'R', 'a', 'n', 'd', 'o', 'm', 'N', 'u', 'm', 0};
        counter->ComputeW(text, nullptr, nullptr, &value, &status);
    } else {
        counter->Compute("RANDOMNUM", nullptr, nullptr, &value, &status);
    }
    EXPECT_EQ(status, 0);
    return value;
}

TEST(CounterRandom, FreshProcessesFollowTheRuntimeLibrarysSequence)
{
    EXPECT_EQ(RunChildTest("CounterRandom.DISABLED_SequenceFromTheStart", "narrow"), 0);
    EXPECT_EQ(RunChildTest("CounterRandom.DISABLED_SequenceFromTheStart", "wide"), 0);
}

TEST(CounterRandom, DISABLED_SequenceFromTheStart)
{
    const char* width = ChildTestParameter();
    ASSERT_NE(width, nullptr);
    const bool wide = std::strcmp(width, "wide") == 0;
    CAtCounterI* counter = new CAtCounterI(nullptr);
    ReferenceSequence expected;
    const int first = expected.Next();
    EXPECT_EQ(first, 41); // the generator's well-known first number
    EXPECT_EQ(Random(counter, wide), first);
    for (int i = 1; i < 12; ++i)
        EXPECT_EQ(Random(counter, wide), expected.Next()) << "number " << i;
    // Both widths draw from the one sequence of the thread.
    EXPECT_EQ(Random(counter, !wide), expected.Next());
#if defined(_WIN32)
    // It is the runtime library's own generator: rand() goes on with it.
    EXPECT_EQ(std::rand(), expected.Next());
    EXPECT_EQ(Random(counter, wide), expected.Next());
#endif
    counter->NondelegatingRelease();
}

} // namespace
