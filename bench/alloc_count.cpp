#include "bench/alloc_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// The benchmarks run on one thread; a load and a store (no locked
// increment) keep the counting cheap and still free of data races.
std::atomic<uint64_t> allocations{0};

void Count()
{
    allocations.store(allocations.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
}

} // namespace

extern "C" {
void* __real_malloc(std::size_t size);
void* __real_calloc(std::size_t count, std::size_t size);
void* __real_realloc(void* block, std::size_t size);

void* __wrap_malloc(std::size_t size)
{
    Count();
    return __real_malloc(size);
}

void* __wrap_calloc(std::size_t count, std::size_t size)
{
    Count();
    return __real_calloc(count, size);
}

void* __wrap_realloc(void* block, std::size_t size)
{
    Count();
    return __real_realloc(block, size);
}
}

namespace bench {

uint64_t AllocationCount()
{
    return allocations.load(std::memory_order_relaxed);
}

} // namespace bench

// The global allocator of this program: malloc underneath, so that each
// allocation is counted once.
void* operator new(std::size_t size)
{
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
