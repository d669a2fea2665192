// The evaluator's wide text buffer: in place up to N characters, in a system
// string beyond, and back in place when the text fits again.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

typedef std::basic_string<WCHAR> Wide;

Wide Letters(int count)
{
    Wide text;
    for (int i = 0; i < count; ++i)
        text += static_cast<WCHAR>('a' + i % 26);
    return text;
}

template <int N>
Wide Text(const MVBstrBuf<N>& buffer)
{
    EXPECT_EQ(buffer.GetString()[buffer.GetLength()], 0) << "not NUL-terminated";
    return Wide(buffer.GetString(), static_cast<size_t>(buffer.GetLength()));
}

} // namespace

TEST(MVBstrBuf, SwitchesStorageAtNAndBack)
{
    MVBstrBuf<4> buffer;
    EXPECT_TRUE(buffer.IsEmpty());
    EXPECT_EQ(buffer.GetString()[0], 0);

    buffer = VELOR_W("abcd");
    EXPECT_FALSE(buffer.IsAllocated());
    EXPECT_EQ(Text(buffer), VELOR_W("abcd"));

    buffer = VELOR_W("abcde");
    EXPECT_TRUE(buffer.IsAllocated());
    EXPECT_EQ(buffer.GetLength(), 5);
    EXPECT_EQ(Text(buffer), VELOR_W("abcde"));

    buffer = VELOR_W("xy");
    EXPECT_FALSE(buffer.IsAllocated());
    EXPECT_EQ(Text(buffer), VELOR_W("xy"));

    buffer = VELOR_W("abcdefgh");
    buffer.Empty();
    EXPECT_FALSE(buffer.IsAllocated());
    EXPECT_EQ(buffer.GetLength(), 0);
    EXPECT_EQ(buffer.GetString()[0], 0);
}

TEST(MVBstrBuf, EvaluatorBufferHoldsTwoHundredInPlace)
{
    const Wide exact = Letters(200);
    MVBstrBuf<200> buffer(exact.c_str());
    EXPECT_FALSE(buffer.IsAllocated());
    buffer += VELOR_W('!');
    EXPECT_TRUE(buffer.IsAllocated());
    EXPECT_EQ(Text(buffer), exact + VELOR_W("!"));
}

TEST(MVBstrBuf, AppendingGrowsAcrossN)
{
    MVBstrBuf<4> buffer(VELOR_W("abc"));
    buffer.Append(VELOR_W("de"));
    EXPECT_TRUE(buffer.IsAllocated());
    EXPECT_EQ(Text(buffer), VELOR_W("abcde"));

    Wide expected = VELOR_W("abcde");
    for (int i = 0; i < 1000; ++i) {
        buffer.AppendChar(static_cast<WCHAR>('0' + i % 10));
        expected += static_cast<WCHAR>('0' + i % 10);
    }
    EXPECT_EQ(Text(buffer), expected);

    buffer.Append(VELOR_W("xyz"), 2);
    buffer.Append(nullptr);
    buffer.Append(VELOR_W("q"), 0);
    EXPECT_EQ(Text(buffer), expected + VELOR_W("xy"));
}

TEST(MVBstrBuf, OwnTextAsSource)
{
    MVBstrBuf<4> buffer(VELOR_W("ab"));
    buffer += buffer; // in place
    EXPECT_EQ(Text(buffer), VELOR_W("abab"));
    buffer += buffer; // grows while reading from the place it leaves
    EXPECT_EQ(Text(buffer), VELOR_W("abababab"));
    buffer.Append(buffer.GetString() + 6, 2); // reads from the system string it replaces
    EXPECT_EQ(Text(buffer), VELOR_W("ababababab"));
    buffer.SetString(buffer.GetString() + 4); // shrinks within the system string
    EXPECT_EQ(Text(buffer), VELOR_W("ababab"));
    EXPECT_TRUE(buffer.IsAllocated());
    buffer.SetString(buffer.GetString() + 3); // moves back in place from it
    EXPECT_FALSE(buffer.IsAllocated());
    EXPECT_EQ(Text(buffer), VELOR_W("bab"));
}

TEST(MVBstrBuf, CopiesAreIndependentAndMovesTakeTheSystemString)
{
    MVBstrBuf<4> allocated(VELOR_W("abcdefg"));
    MVBstrBuf<4> copy(allocated);
    copy.SetAt(0, 'X');
    EXPECT_EQ(Text(allocated), VELOR_W("abcdefg"));
    EXPECT_EQ(Text(copy), VELOR_W("Xbcdefg"));

    const WCHAR* chars = allocated.GetString();
    MVBstrBuf<4> moved(std::move(allocated));
    EXPECT_EQ(moved.GetString(), chars);
    EXPECT_TRUE(allocated.IsEmpty());
    EXPECT_FALSE(allocated.IsAllocated());

    MVBstrBuf<4> small(VELOR_W("ab"));
    moved = std::move(small);
    EXPECT_FALSE(moved.IsAllocated());
    EXPECT_EQ(Text(moved), VELOR_W("ab"));

    copy = moved;
    EXPECT_EQ(Text(copy), VELOR_W("ab"));
    EXPECT_FALSE(copy.IsAllocated());
}

TEST(MVBstrBuf, CharacterAccessOutOfRangeIsHarmless)
{
    MVBstrBuf<4> buffer(VELOR_W("abcdef"), 3);
    EXPECT_EQ(Text(buffer), VELOR_W("abc"));
    EXPECT_EQ(buffer[2], VELOR_W('c'));
    EXPECT_EQ(buffer.GetAt(3), 0);
    EXPECT_EQ(buffer.GetAt(-1), 0);
    buffer.SetAt(3, 'x');
    buffer.SetAt(-1, 'x');
    EXPECT_EQ(Text(buffer), VELOR_W("abc"));
    buffer.SetString(nullptr);
    EXPECT_TRUE(buffer.IsEmpty());
}
