// The tick count as the system reads it, and its replaceable source.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

DWORD fakeTicks = 0;

DWORD FakeTicks()
{
    return fakeTicks++;
}

struct SourceScope {
    explicit SourceScope(TickCountSource source) { SetTickCountSource(source); }
    ~SourceScope() { SetTickCountSource(nullptr); }
};

} // namespace

TEST(TickCount, ReplacedSourceIsReadAndRestored)
{
    {
        SourceScope scope(FakeTicks);
        fakeTicks = 0xFFFFFFFFu;
        EXPECT_EQ(PlatformTickCount(), 0xFFFFFFFFu);
        EXPECT_EQ(PlatformTickCount(), 0u); // wraps like the real count
        EXPECT_EQ(PlatformTickCount(), 1u);
    }
    const DWORD before = GetTickCount();
    const DWORD read = PlatformTickCount();
    const DWORD after = GetTickCount();
    EXPECT_LE(static_cast<DWORD>(read - before), static_cast<DWORD>(after - before));
    EXPECT_EQ(fakeTicks, 2u);
}

TEST(TickCount, CountsMillisecondsAsTimePasses)
{
    const DWORD start = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const DWORD elapsed = GetTickCount() - start; // unsigned: right across a wrap too
    EXPECT_GE(elapsed, 80u);
    EXPECT_LT(elapsed, 5000u);
}
