// A decoder made for one test, and DecodeLine with all its outputs.
#pragma once

#include "decoder/CDecodeTxLine.h"

#include <gtest/gtest.h>

#include <string>

struct Decoded {
    uint32_t result;
    uint32_t id;
    uint32_t positional;
    long stop; // offset of the stop position in the line
    uint32_t error;
};

class DecoderTest : public ::testing::Test {
protected:
    void SetUp() override { d = new CDecodeTxLine(nullptr); }
    void TearDown() override { d->NondelegatingRelease(); }

    Decoded Decode(const std::string& text)
    {
        line = text;
        Decoded out{};
        char* stop = nullptr;
        out.result = d->DecodeLine(&line[0], &out.id, &out.positional, &stop, &out.error);
        out.stop = stop ? static_cast<long>(stop - line.data()) : -1;
        EXPECT_EQ(line, text) << "the decoder wrote into the line";
        return out;
    }

    // Makes the command defined last a point line with the given separator.
    void MarkPointLine(const char* separator = "", bool decimalComma = false)
    {
        d->commands.back().isPointLine = true;
        d->fieldSeparator = separator;
        d->decimalComma = decimalComma;
    }

    CDecodeTxLine* d = nullptr;
    std::string line;
};
