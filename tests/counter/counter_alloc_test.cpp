// Allocation during evaluation, counted by replacing the global allocator of
// this test program, and what the evaluator's factory does when it fails.
#include "counter/CAtCounterI.h"
#include "server/frame/factory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

namespace {
long allocations = 0;
bool failNothrow = false; // the next nothrow allocations return null
}

void* operator new(std::size_t size)
{
    ++allocations;
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
    ++allocations;
    if (failNothrow)
        return nullptr;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

TEST(CounterAllocation, NumericExpressionsAllocateNothing)
{
    CAtCounterI* counter = new CAtCounterI(nullptr);
    double value = 0;
    int32_t status = 0;
    counter->Compute("x := 1", nullptr, nullptr, &value, &status); // the variable itself
    const unsigned short wide[] = {'x', '*', '2', '^', '3', 0};
    long before = allocations;
    counter->Compute("(x + 2) * 3 ^ 2 / 1.5E2 - NOT 0 || BLOCK 0 1 BLOCK 1 'A' // done", nullptr, nullptr, &value,
                     &status);
    EXPECT_EQ(status, 0);
    counter->Compute("x := x + 1, x * 2 && 0", nullptr, nullptr, &value, &status);
    EXPECT_EQ(status, 0);
    counter->ComputeW(wide, nullptr, nullptr, &value, &status);
    EXPECT_EQ(status, kStatusUnresolved); // the wide x is unknown: errors allocate nothing either
    EXPECT_EQ(allocations, before);
    counter->NondelegatingRelease();
}

// Texts live in the evaluator's text types (the narrow string and the wide
// buffer, which keeps up to 200 characters in place); evaluating a text
// expression allocates nothing beyond them.
TEST(CounterAllocation, TextExpressionsAllocateOnlyForTheirTexts)
{
    CAtCounterI* counter = new CAtCounterI(nullptr);
    double value = 0;
    int32_t status = 0;
    std::vector<unsigned short> shortText, longText;
    for (const char* p = "\"ab\" + \"c\" = \"ABC\" && \"x\" *= \"*\""; *p; ++p)
        shortText.push_back(static_cast<unsigned char>(*p));
    shortText.push_back(0);
    longText.push_back('"');
    longText.insert(longText.end(), 150, 'w');
    longText.insert(longText.end(), {'"', '+', '"'});
    longText.insert(longText.end(), 100, 'v');
    longText.insert(longText.end(), {'"', 0});
    GetCaseTable(); // built once per process, before any counting

    const long before = allocations;
    counter->ComputeW(shortText.data(), nullptr, nullptr, &value, &status);
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(counter->wide.TextResult().IsAllocated());
    counter->ComputeW(longText.data(), nullptr, nullptr, &value, &status);
    EXPECT_EQ(status, kStatusText);
    EXPECT_TRUE(counter->wide.TextResult().IsAllocated()); // 250 characters: a system string
    counter->Compute("\"ab\" + \"cd\" + \"ef\"", nullptr, nullptr, &value, &status);
    EXPECT_EQ(status, kStatusText);
    EXPECT_EQ(allocations, before);
    EXPECT_STREQ(counter->narrow.TextResult().GetString(), "abcdef");
    counter->NondelegatingRelease();
}

// Built-in functions read their names and arguments in place; numeric ones
// allocate nothing, and a number text fits in the wide buffer's own room.
TEST(CounterAllocation, FunctionsAllocateOnlyForTheirTexts)
{
    CAtCounterI* counter = new CAtCounterI(nullptr);
    double value = 0;
    int32_t status = 0;
    GetCaseTable();
    std::vector<unsigned short> numberText;
    for (const char* p = "RTOS3(-1234567.891, -60, 5) + ITOS(7) + DEGTODMS(-0.5, 3, 2) + IFS(0, x, \"a\")"; *p; ++p)
        numberText.push_back(static_cast<unsigned char>(*p));
    numberText.push_back(0);

    const long before = allocations;
    counter->Compute("sin(PI/2) + max(1, atan2(1, 0), min(3, 4)) + if(0, unknown, ang360(-30)) + round(2.5)"
                     " + trunc(-2.7) + sqr(3) + pow(2, 3) + RANDOMNUMMAX + GETTICKCOUNT * 0",
                     nullptr, nullptr, &value, &status);
    EXPECT_EQ(status, 0);
    counter->ComputeW(numberText.data(), nullptr, nullptr, &value, &status);
    EXPECT_EQ(status, kStatusText);
    EXPECT_FALSE(counter->wide.TextResult().IsAllocated());
    EXPECT_EQ(allocations, before);
    counter->NondelegatingRelease();
}

TEST(FactoryAllocation, AnObjectThatCannotBeMadeIsOutOfMemoryWithTheOutputCleared)
{
    CFactory<CAtCounterI>* factory = new CFactory<CAtCounterI>();
    void* p = factory; // anything but null: the factory must clear it
    failNothrow = true;
    const HRESULT hr = factory->CreateInstance(nullptr, IID_IVelorTrCounter, &p);
    failNothrow = false;
    EXPECT_EQ(hr, E_OUTOFMEMORY);
    EXPECT_EQ(p, nullptr);
    // Once memory is there again the same factory makes the object.
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IVelorTrCounter, &p), S_OK);
    ASSERT_NE(p, nullptr);
    static_cast<IUnknown*>(p)->Release();
    factory->Release();
}
