// The tick source: GetTickCount unless a test has set another.
#include "platform/platform.h"

#include <atomic>

namespace {
std::atomic<TickCountSource> tickSource{nullptr};
}

DWORD PlatformTickCount()
{
    const TickCountSource source = tickSource.load(std::memory_order_acquire);
    return source ? source() : GetTickCount();
}

void SetTickCountSource(TickCountSource source)
{
    tickSource.store(source, std::memory_order_release);
}
