// COM basics the component frame relies on, on both builds.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const CLSID kSample = {0x62CBC284, 0x808B, 0x11D7, {0xBA, 0x15, 0x00, 0xE0, 0x7D, 0xD1, 0x12, 0x38}};

std::string Narrow(const OLECHAR* text)
{
    std::string out;
    for (; *text; ++text)
        out += static_cast<char>(*text);
    return out;
}

} // namespace

TEST(Com, StringFromClsidGivesRegistryTextForm)
{
    LPOLESTR text = nullptr;
    ASSERT_EQ(StringFromCLSID(kSample, &text), S_OK);
    EXPECT_EQ(Narrow(text), "{62CBC284-808B-11D7-BA15-00E07DD11238}");
    CoTaskMemFree(text);
}

TEST(Com, GuidEqualityComparesEveryByte)
{
    CLSID other = kSample;
    EXPECT_TRUE(IsEqualGUID(kSample, other));
    other.Data4[7] ^= 1;
    EXPECT_FALSE(IsEqualGUID(kSample, other));
    EXPECT_FALSE(IsEqualGUID(IID_IUnknown, IID_IClassFactory));
}

TEST(Com, InterlockedCountsReturnTheNewValue)
{
    volatile LONG count = 1;
    EXPECT_EQ(InterlockedIncrement(&count), 2);
    EXPECT_EQ(InterlockedDecrement(&count), 1);
    EXPECT_EQ(InterlockedDecrement(&count), 0);
    EXPECT_EQ(InterlockedDecrement(&count), -1);
}

TEST(Com, SystemStringsKeepLengthAndTerminator)
{
    const OLECHAR source[] = {'a', 0x0161, 'c', 0};
    BSTR text = SysAllocString(source);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 3u);
    EXPECT_EQ(text[1], 0x0161);
    EXPECT_EQ(text[3], 0);
    SysFreeString(text);

    BSTR blank = SysAllocStringLen(nullptr, 5);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(SysStringLen(blank), 5u);
    EXPECT_EQ(blank[5], 0);
    SysFreeString(blank);
    SysFreeString(nullptr);
}

TEST(Com, HresultValuesMatchWindows)
{
    EXPECT_EQ(static_cast<uint32_t>(E_NOINTERFACE), 0x80004002u);
    EXPECT_EQ(static_cast<uint32_t>(E_POINTER), 0x80004003u);
    EXPECT_EQ(static_cast<uint32_t>(E_OUTOFMEMORY), 0x8007000Eu);
    EXPECT_EQ(static_cast<uint32_t>(CLASS_E_NOAGGREGATION), 0x80040110u);
    EXPECT_EQ(static_cast<uint32_t>(CLASS_E_CLASSNOTAVAILABLE), 0x80040111u);
    EXPECT_TRUE(FAILED(E_POINTER));
    EXPECT_TRUE(SUCCEEDED(S_FALSE));
}
