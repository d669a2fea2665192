// The native test programs run under AddressSanitizer and
// UndefinedBehaviorSanitizer: a heap overflow and a signed overflow must end
// the program with the sanitizer's report.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

namespace {

int Overflow(int value)
{
    return value + 1;
}

char ReadPastEnd(int size)
{
    char* block = static_cast<char*>(std::calloc(static_cast<size_t>(size), 1));
    volatile int index = size;
    char c = block[index];
    std::free(block);
    return c;
}

} // namespace

TEST(EnvironmentDeathTest, AddressSanitizerCatchesHeapOverflow)
{
    EXPECT_DEATH(ReadPastEnd(4), "heap-buffer-overflow");
}

TEST(EnvironmentDeathTest, UndefinedBehaviorSanitizerCatchesSignedOverflow)
{
    volatile int max = INT_MAX;
    EXPECT_DEATH(Overflow(max), "signed integer overflow");
}
