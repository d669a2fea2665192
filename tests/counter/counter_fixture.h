// Runs each expression through the component in the width the test is
// instantiated for, so every case covers the narrow and the wide evaluator.
#pragma once

#include "VelorTrCounter.h"
#include "counter/CAtCounterI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

enum class Width { kNarrow, kWide };

inline std::string WidthName(const testing::TestParamInfo<Width>& info)
{
    return info.param == Width::kNarrow ? "Narrow" : "Wide";
}

struct Outcome {
    uint32_t result;
    int32_t status;
    double value;
    long end; // characters from the start of the text
    std::string text; // the text result (wide characters cut to bytes)
};

inline std::vector<unsigned short> Widen(const char* text)
{
    std::vector<unsigned short> wide;
    for (const char* p = text; *p; ++p)
        wide.push_back(static_cast<unsigned char>(*p));
    wide.push_back(0);
    return wide;
}

class CounterTest : public testing::TestWithParam<Width> {
protected:
    void TearDown() override { counter->NondelegatingRelease(); }

    bool IsWide() const { return GetParam() == Width::kWide; }

    std::string Text()
    {
        std::string text;
        if (IsWide()) {
            std::vector<unsigned short> buffer(counter->GetTextW(nullptr, 0) + 1);
            counter->GetTextW(buffer.data(), static_cast<uint32_t>(buffer.size()));
            for (size_t i = 0; buffer[i]; ++i)
                text.push_back(static_cast<char>(buffer[i]));
        } else {
            text.resize(counter->GetText(nullptr, 0) + 1);
            counter->GetText(&text[0], static_cast<uint32_t>(text.size()));
            text.resize(text.size() - 1);
        }
        return text;
    }

    // Compute (or ComputeOne) in this test's width.
    Outcome Run(const char* expression, bool one = false)
    {
        Outcome out{};
        out.value = -12345.0;
        out.status = -12345;
        if (IsWide()) {
            std::vector<unsigned short> wide = Widen(expression);
            const unsigned short* end = nullptr;
            out.result = one ? counter->ComputeOneW(wide.data(), nullptr, &end, &out.value, &out.status)
                             : counter->ComputeW(wide.data(), nullptr, &end, &out.value, &out.status);
            out.end = static_cast<long>(end - wide.data());
        } else {
            const char* end = nullptr;
            out.result = one ? counter->ComputeOne(expression, nullptr, &end, &out.value, &out.status)
                             : counter->Compute(expression, nullptr, &end, &out.value, &out.status);
            out.end = static_cast<long>(end - expression);
        }
        if (out.status == kStatusText)
            out.text = Text();
        return out;
    }

    double Value(const char* expression)
    {
        const Outcome out = Run(expression);
        EXPECT_EQ(out.status, 0) << expression;
        return out.value;
    }

    int32_t Status(const char* expression) { return Run(expression).status; }

    std::string TextOf(const char* expression)
    {
        const Outcome out = Run(expression);
        EXPECT_EQ(out.status, kStatusText) << expression;
        return out.text;
    }

    uint32_t Args(const char* text, uint32_t count, double* values, int32_t* status, long* end)
    {
        uint32_t result;
        if (IsWide()) {
            std::vector<unsigned short> wide = Widen(text);
            const unsigned short* stop = nullptr;
            result = counter->ComputeArgsW(wide.data(), nullptr, &stop, count, values, status);
            *end = static_cast<long>(stop - wide.data());
        } else {
            const char* stop = nullptr;
            result = counter->ComputeArgs(text, nullptr, &stop, count, values, status);
            *end = static_cast<long>(stop - text);
        }
        return result;
    }

    CAtCounterI* counter = new CAtCounterI(nullptr);
};

#define COUNTER_WIDTHS(Suite) \
    INSTANTIATE_TEST_SUITE_P(Widths, Suite, testing::Values(Width::kNarrow, Width::kWide), WidthName)
