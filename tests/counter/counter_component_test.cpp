// The component: its interfaces, the text result, the hook, the host's
// extension and the nesting limit.
#include "counter_fixture.h"

#include <cstring>
#include <string>

using CounterComponent = CounterTest;
COUNTER_WIDTHS(CounterComponent);

TEST(CounterInterfaces, QueryInterfaceReachesBothInterfaces)
{
    CAtCounterI* object = new CAtCounterI(nullptr);
    IVelorTrCounter* counter = object;
    IVelorTrCounterText* text = nullptr;
    ASSERT_EQ(counter->QueryInterface(IID_IVelorTrCounterText, reinterpret_cast<void**>(&text)), S_OK);
    EXPECT_EQ(static_cast<void*>(text), static_cast<void*>(static_cast<IVelorTrCounterText*>(object)));
    IVelorTrCounter* back = nullptr;
    ASSERT_EQ(text->QueryInterface(IID_IVelorTrCounter, reinterpret_cast<void**>(&back)), S_OK);
    EXPECT_EQ(back, counter);
    void* none = &object;
    EXPECT_EQ(counter->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(object->refCount, 3);
    back->Release();
    EXPECT_EQ(text->Release(), 1u);
    counter->Release();
}

// An aggregating object that owns the component's non-delegating unknown.
struct Outer : IUnknown {
    IUnknown* inner = nullptr;
    long count = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        return inner->QueryInterface(riid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++count); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--count); }
};

TEST(CounterInterfaces, AggregatedInterfacesCountOnTheOuterObject)
{
    Outer outer;
    CAtCounterI* object = new CAtCounterI(&outer);
    outer.inner = static_cast<INDUnknown*>(object);
    IVelorTrCounterText* text = nullptr;
    ASSERT_EQ(outer.QueryInterface(IID_IVelorTrCounterText, reinterpret_cast<void**>(&text)), S_OK);
    EXPECT_EQ(outer.count, 2);
    EXPECT_EQ(object->refCount, 1);
    double value = 0;
    EXPECT_EQ(object->Compute("\"aggregated\"", nullptr, nullptr, &value, nullptr), 1u);
    char buffer[32];
    EXPECT_EQ(text->GetText(buffer, sizeof buffer), 10u);
    EXPECT_STREQ(buffer, "aggregated");
    text->Release();
    EXPECT_EQ(outer.count, 1);
    outer.inner->Release();
}

TEST_P(CounterComponent, ComputeReportsValueEndAndResult)
{
    const Outcome out = Run("1+2");
    EXPECT_EQ(out.result, 0u);
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.value, 3.0);
    EXPECT_EQ(out.end, 3);
    // Status and end may be left out; the value is always stored.
    double value = 0;
    if (IsWide())
        EXPECT_EQ(counter->ComputeW(Widen("2*4").data(), nullptr, nullptr, &value, nullptr), 0u);
    else
        EXPECT_EQ(counter->Compute("2*4", nullptr, nullptr, &value, nullptr), 0u);
    EXPECT_EQ(value, 8.0);
}

TEST_P(CounterComponent, TextResultIsCutToTheCallersBuffer)
{
    std::string expression = "\"" + std::string(300, 'q') + "\" + \"end\"";
    EXPECT_EQ(Run(expression.c_str()).text, std::string(300, 'q') + "end");
    if (IsWide()) {
        unsigned short small[4] = {1, 1, 1, 1};
        EXPECT_EQ(counter->GetTextW(small, 4), 303u);
        EXPECT_EQ(small[2], 'q');
        EXPECT_EQ(small[3], 0);
        EXPECT_EQ(counter->GetTextW(small, 0), 303u);
    } else {
        char small[4] = {1, 1, 1, 1};
        EXPECT_EQ(counter->GetText(small, 4), 303u);
        EXPECT_STREQ(small, "qqq");
    }
}

TEST(CounterInterfaces, VariablesBelongToOneComponentAndWidth)
{
    CAtCounterI* first = new CAtCounterI(nullptr);
    CAtCounterI* second = new CAtCounterI(nullptr);
    double value = 0;
    int32_t status = 0;
    first->Compute("x := 5", nullptr, nullptr, &value, &status);
    EXPECT_EQ(first->Compute("x*2", nullptr, nullptr, &value, &status), 0u);
    EXPECT_EQ(value, 10.0);
    EXPECT_EQ(second->Compute("x", nullptr, nullptr, &value, &status), 1u);
    EXPECT_EQ(status, kStatusUnresolved);
    EXPECT_EQ(value, 999.0);
    EXPECT_EQ(first->ComputeW(Widen("x").data(), nullptr, nullptr, &value, &status), 1u);
    EXPECT_EQ(status, kStatusUnresolved);
    first->NondelegatingRelease();
    second->NondelegatingRelease();
}

// A host extension over either width: resolves "host" to 42 and "nested" by
// computing "7*6" on the same component; refuses "refused" (optionally with
// a code of its own).
template <class Ch>
bool At(const Ch* p, const char* word)
{
    size_t i = 0;
    for (; word[i]; ++i)
        if (p[i] != static_cast<unsigned char>(word[i]))
            return false;
    return !((p[i] >= 'a' && p[i] <= 'z') || (p[i] >= '0' && p[i] <= '9'));
}

template <class Ch, class Ext>
struct TestExtension : Ext {
    CAtCounterI* counter = nullptr;
    int32_t ownCode = 0;
    int calls = 0;
    int32_t STDMETHODCALLTYPE ResolveName(const Ch* position, int32_t zero, const Ch** end, double* value,
                                          int32_t* status) override
    {
        ++calls;
        EXPECT_EQ(zero, 0);
        EXPECT_EQ(*value, 0.0);
        if (At(position, "host")) {
            *value = 42;
            *end = position + 4;
            return 0;
        }
        if (At(position, "nested")) {
            *end = position + 6;
            return Nested(value);
        }
        if (At(position, "refused")) {
            *end = position + 7;
            if (ownCode)
                *status = ownCode;
            return 1;
        }
        return 1;
    }
    int32_t Nested(double* value);
};

template <>
int32_t TestExtension<char, IVelorTrCounterExt>::Nested(double* value)
{
    const char* end = nullptr;
    int32_t status = -7;
    counter->Compute("7*6 + bad", nullptr, &end, value, &status);
    EXPECT_EQ(status, kStatusUnresolved);
    return counter->Compute("7*6", nullptr, nullptr, value, nullptr);
}

template <>
int32_t TestExtension<unsigned short, IVelorTrCounterExtW>::Nested(double* value)
{
    int32_t status = -7;
    counter->ComputeW(Widen("7*6 + bad").data(), nullptr, nullptr, value, &status);
    EXPECT_EQ(status, kStatusUnresolved);
    return counter->ComputeW(Widen("7*6").data(), nullptr, nullptr, value, nullptr);
}

TEST_P(CounterComponent, ExtensionResolvesRefusesAndReenters)
{
    TestExtension<char, IVelorTrCounterExt> narrow;
    TestExtension<unsigned short, IVelorTrCounterExtW> wide;
    narrow.counter = wide.counter = counter;
    counter->SetExtension(&narrow);
    counter->SetExtensionW(&wide);

    EXPECT_EQ(Value("host + 1"), 43.0);
    // The nested computation leaves the outer position and status alone.
    const Outcome nested = Run("1 + nested * 2");
    EXPECT_EQ(nested.status, 0);
    EXPECT_EQ(nested.value, 85.0);
    EXPECT_EQ(nested.end, 14);

    const Outcome refused = Run("1 + refused");
    EXPECT_EQ(refused.status, kStatusUnresolved);
    EXPECT_EQ(refused.value, 999.0); // the value of the failed operand
    EXPECT_EQ(refused.end, 4);
    EXPECT_EQ(Run("refused").value, 999.0);

    narrow.ownCode = wide.ownCode = 77;
    const Outcome own = Run("1 + refused");
    EXPECT_EQ(own.status, 77);
    EXPECT_EQ(own.value, 999.0);
    EXPECT_EQ(own.end, 11);

    // Variables come before the extension; skipped names never reach it.
    const int before = IsWide() ? wide.calls : narrow.calls;
    EXPECT_EQ(Value("host := 1, host"), 1.0);
    EXPECT_EQ(Value("0 && host"), 0.0);
    EXPECT_EQ(IsWide() ? wide.calls : narrow.calls, before);
}

// A hook that takes "hooked" and rejects "rejected", reading the evaluator's
// position.
template <class Evaluator>
struct TestHook : TExtCompuI {
    Evaluator* evaluator = nullptr;
    int32_t EvalIdentifier(double* value) override
    {
        if (At(evaluator->position, "hooked")) {
            *value = 11;
            evaluator->position += 6;
            return 1;
        }
        return At(evaluator->position, "rejected") ? -1 : 0;
    }
    double EvalUnknown() override { return evaluator->EvalUnknown(); }
};

TEST_P(CounterComponent, HookIsAskedFirst)
{
    TestHook<CAtCounterNarrow> narrow;
    TestHook<CAtCounterWide> wide;
    narrow.evaluator = &counter->narrow;
    wide.evaluator = &counter->wide;
    counter->narrow.SetHook(&narrow);
    counter->wide.SetHook(&wide);
    const Outcome taken = Run("hooked := 3"); // the hook takes the name before any assignment
    EXPECT_EQ(taken.value, 11.0);
    EXPECT_EQ(taken.end, 7); // at the ':' that no operator begins
    EXPECT_EQ(Value("hooked * 2"), 22.0);
    const Outcome rejected = Run("1 + rejected");
    EXPECT_EQ(rejected.status, kStatusHookRejected);
    EXPECT_EQ(Status("other"), kStatusUnresolved);
}

TEST_P(CounterComponent, DeepNestingStopsWithAStatus)
{
    const char* shapes[][2] = {{"(", ")"}, {"-(", ")"}, {"NOT (", ")"}, {"\"a\" + (", ")"}, {"a := ", ""},
                               {"BLOCK 1 ", ""}, {"0 && (", ")"}};
    for (const auto& shape : shapes) {
        std::string text;
        for (int i = 0; i < 10000; ++i)
            text += shape[0];
        text += "1";
        for (int i = 0; i < 10000; ++i)
            text += shape[1];
        const int32_t status = Status(text.c_str());
        // Skipped groups are passed over by counting, so they may nest freely.
        if (std::string(shape[0]) == "0 && (")
            EXPECT_EQ(status, 0);
        else
            EXPECT_EQ(status, kStatusTooDeep) << shape[0];
    }
    EXPECT_EQ(Value("((((((((((1))))))))))"), 1.0);
}
