// The environment the Windows test programs are promised under Wine: the
// Czech locale, so the ANSI code page is 1250.
#include "platform/platform.h"

#include <gtest/gtest.h>

TEST(Environment, AnsiCodePageIsCentralEuropean)
{
    EXPECT_EQ(GetACP(), 1250u);
}

TEST(Environment, CharUpperMapsCodePage1250Letters)
{
    char text[] = {static_cast<char>(0xB9), static_cast<char>(0xE8), 0};
    CharUpperA(text);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 0xA5); // a with ogonek
    EXPECT_EQ(static_cast<unsigned char>(text[1]), 0xC8); // c with caron
}
