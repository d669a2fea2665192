// The class library's narrow string: storage, clamped substrings, searching,
// code-page case mapping, formatting and the raw buffer.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

const char kLowerAOgonek = static_cast<char>(0xB9); // code page 1250
const char kUpperAOgonek = static_cast<char>(0xA5);
const char kLowerCCaron = static_cast<char>(0xE8);
const char kUpperCCaron = static_cast<char>(0xC8);

} // namespace

TEST(CString, EmptyStringsShareOneTextAndOwnNothing)
{
    CString a;
    CString b(nullptr);
    CString c("");
    EXPECT_EQ(a.GetString(), b.GetString());
    EXPECT_EQ(a.GetString(), c.GetString());
    EXPECT_STREQ(a, "");
    EXPECT_TRUE(a.IsEmpty());

    CString text("abc");
    EXPECT_NE(text.GetString(), a.GetString());
    text.Empty();
    EXPECT_EQ(text.GetString(), a.GetString());
    EXPECT_EQ(text.GetLength(), 0);
}

TEST(CString, ConstructionForms)
{
    EXPECT_STREQ(CString("abcdef", 3), "abc");
    EXPECT_STREQ(CString('x', 4), "xxxx");
    EXPECT_TRUE(CString('x', 0).IsEmpty());
    EXPECT_TRUE(CString('x', -2).IsEmpty());
    EXPECT_TRUE(CString("abc", -1).IsEmpty());

    const CString embedded("a\0b", 3);
    EXPECT_EQ(embedded.GetLength(), 3);
    EXPECT_EQ(embedded.GetAt(2), 'b');
}

TEST(CString, CopiesShareUntilOneChangesAndMovesTakeTheText)
{
    CString original("text");
    CString copy(original);
    EXPECT_EQ(copy.GetString(), original.GetString()) << "a copy shares the text";
    copy.SetAt(0, 'n');
    EXPECT_STREQ(original, "text");
    EXPECT_STREQ(copy, "next");

    const char* chars = original.GetString();
    CString moved(std::move(original));
    EXPECT_EQ(moved.GetString(), chars);
    EXPECT_TRUE(original.IsEmpty());

    copy = moved;
    EXPECT_STREQ(copy, "text");
    copy = copy; // self-assignment keeps the text
    EXPECT_STREQ(copy, "text");
    copy = 'z';
    EXPECT_STREQ(copy, "z");
}

// Every operation that changes a string leaves the copies it shared its text
// with as they were.
TEST(CString, EveryChangeOfASharedTextCopiesItFirst)
{
    const struct {
        const char* name;
        void (*change)(CString&);
        const char* result;
    } changes[] = {
        {"SetAt", [](CString& s) { s.SetAt(1, 'X'); }, "sXared text "},
        {"+=", [](CString& s) { s += "!"; }, "shared text !"},
        {"AppendChar", [](CString& s) { s.AppendChar('!'); }, "shared text !"},
        {"SetString", [](CString& s) { s.SetString("new"); }, "new"},
        {"SetString empty", [](CString& s) { s.SetString(""); }, ""},
        {"MakeUpper", [](CString& s) { s.MakeUpper(); }, "SHARED TEXT "},
        {"TrimRight", [](CString& s) { s.TrimRight(); }, "shared text"},
        {"TrimLeft", [](CString& s) { s.TrimLeft('s'); }, "hared text "},
        {"Replace char", [](CString& s) { s.Replace('e', 'E'); }, "sharEd tExt "},
        {"Replace text", [](CString& s) { s.Replace("text", "word"); }, "shared word "},
        {"Insert", [](CString& s) { s.Insert(0, '>'); }, ">shared text "},
        {"Delete all", [](CString& s) { s.Delete(0, 100); }, ""},
        {"Format", [](CString& s) { s.Format("%d", 42); }, "42"},
        {"GetBuffer", [](CString& s) { s.GetBuffer(0)[0] = 'S'; s.ReleaseBuffer(); }, "Shared text "},
        {"ReleaseBuffer", [](CString& s) { s.ReleaseBuffer(3); }, "sha"},
        {"GetBufferSetLength", [](CString& s) { s.GetBufferSetLength(2); }, "sh"},
        {"Empty", [](CString& s) { s.Empty(); }, ""},
    };
    for (const auto& c : changes) {
        CString original("shared text ");
        CString copy = original;
        CString third;
        third = copy;
        ASSERT_EQ(third.GetString(), original.GetString()) << c.name;
        c.change(copy);
        EXPECT_STREQ(copy, c.result) << c.name;
        EXPECT_STREQ(original, "shared text ") << c.name;
        EXPECT_STREQ(third, "shared text ") << c.name;
        EXPECT_EQ(third.GetString(), original.GetString()) << c.name << ": the other two still share";
        EXPECT_EQ(original.GetLength(), 12) << c.name;
    }
}

TEST(CString, LastCopyFreesTheTextAndEmptyTextsAreNeverCounted)
{
    CString* first = new CString("kept by the last copy");
    CString second = *first;
    delete first;
    EXPECT_STREQ(second, "kept by the last copy"); // under the sanitizers: no use after free
    CString empty, other = empty;
    EXPECT_EQ(other.GetString(), empty.GetString());
    other += "x";
    EXPECT_TRUE(empty.IsEmpty());
    std::vector<CString> many(1000, second);
    for (const CString& s : many)
        EXPECT_EQ(s.GetString(), second.GetString());
    many.clear();
    second.SetAt(0, 'K'); // the only owner again: written in place
    EXPECT_STREQ(second, "Kept by the last copy");
}

TEST(CString, ConcatenationAndAppending)
{
    const CString ab("ab");
    EXPECT_STREQ(ab + "cd", "abcd");
    EXPECT_STREQ("xy" + ab, "xyab");
    EXPECT_STREQ(ab + ab, "abab");
    EXPECT_STREQ(ab + 'c', "abc");
    EXPECT_STREQ('z' + ab, "zab");
    EXPECT_STREQ(ab + static_cast<const char*>(nullptr), "ab");

    CString text;
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        text += static_cast<char>('a' + i % 26);
        expected += static_cast<char>('a' + i % 26);
    }
    EXPECT_EQ(text.GetLength(), 1000);
    EXPECT_EQ(std::string(text), expected);
}

TEST(CString, AppendingItsOwnText)
{
    CString text("abc");
    text += text;
    EXPECT_STREQ(text, "abcabc");
    text += text.GetString() + 4; // grows while reading from the old text
    EXPECT_STREQ(text, "abcabcbc");

    CString roomy;
    roomy.GetBuffer(64);
    roomy = "12345";
    roomy.Append(roomy.GetString() + 1, 3); // fits: appends in place
    EXPECT_STREQ(roomy, "12345234");
    roomy.SetString(roomy.GetString() + 5);
    EXPECT_STREQ(roomy, "234");
}

TEST(CString, ComparisonsOrderBytesUnsigned)
{
    const CString b("b");
    EXPECT_TRUE(b == "b");
    EXPECT_TRUE("b" == b);
    EXPECT_TRUE(b != "B");
    EXPECT_TRUE(b < "c");
    EXPECT_TRUE("a" < b);
    EXPECT_TRUE(b > "a");
    EXPECT_TRUE(b <= CString("b"));
    EXPECT_TRUE(b >= "b");
    EXPECT_GT(CString("\xE8").Compare("z"), 0); // bytes above 127 sort last
    EXPECT_GT(b.Compare(nullptr), 0);
    EXPECT_EQ(CString().Compare(nullptr), 0);
}

TEST(CString, CompareNoCaseFollowsTheCodePage)
{
    EXPECT_EQ(CString("Standard").CompareNoCase("sTANDARD"), 0);
    EXPECT_EQ(CString(std::string(1, kLowerAOgonek).c_str()).CompareNoCase(std::string(1, kUpperAOgonek).c_str()), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
}

TEST(CString, SubstringsAreClampedToTheText)
{
    const CString text("abcdef");
    EXPECT_STREQ(text.Left(2), "ab");
    EXPECT_STREQ(text.Left(-1), "");
    EXPECT_STREQ(text.Left(99), "abcdef");
    EXPECT_STREQ(text.Mid(2), "cdef");
    EXPECT_STREQ(text.Mid(-5), "abcdef");
    EXPECT_STREQ(text.Mid(6), "");
    EXPECT_STREQ(text.Mid(99), "");
    EXPECT_STREQ(text.Mid(1, 2), "bc");
    EXPECT_STREQ(text.Mid(2, INT_MAX), "cdef");
    EXPECT_STREQ(text.Mid(3, -1), "");
    EXPECT_STREQ(text.Mid(-2, 3), "abc");
    EXPECT_STREQ(text.Right(2), "ef");
    EXPECT_STREQ(text.Right(-1), "");
    EXPECT_STREQ(text.Right(99), "abcdef");
}

TEST(CString, CharacterAccessOutOfRangeIsHarmless)
{
    CString text("ab");
    EXPECT_EQ(text.GetAt(1), 'b');
    EXPECT_EQ(text[0], 'a');
    EXPECT_EQ(text.GetAt(-1), '\0');
    EXPECT_EQ(text.GetAt(2), '\0');
    text.SetAt(2, 'x');
    text.SetAt(-1, 'x');
    text.SetAt(1, 'c');
    EXPECT_STREQ(text, "ac");
    CString empty;
    empty.SetAt(0, 'x');
    EXPECT_STREQ(empty, "");
}

TEST(CString, FindAndReverseFind)
{
    const CString text("a.b.c");
    EXPECT_EQ(text.Find('.'), 1);
    EXPECT_EQ(text.Find('.', 2), 3);
    EXPECT_EQ(text.Find('.', 4), -1);
    EXPECT_EQ(text.Find('.', 99), -1);
    EXPECT_EQ(text.Find('.', -3), 1);
    EXPECT_EQ(text.Find('x'), -1);
    EXPECT_EQ(text.Find("b.c"), 2);
    EXPECT_EQ(text.Find("c", 4), 4);
    EXPECT_EQ(text.Find("b.c.d"), -1);
    EXPECT_EQ(text.Find("a", 1), -1);
    EXPECT_EQ(text.Find(""), 0);
    EXPECT_EQ(text.Find("", 5), 5);
    EXPECT_EQ(text.Find("", 6), -1);
    EXPECT_EQ(text.Find(static_cast<const char*>(nullptr)), -1);
    EXPECT_EQ(text.ReverseFind('.'), 3);
    EXPECT_EQ(text.ReverseFind('a'), 0);
    EXPECT_EQ(text.ReverseFind('x'), -1);
    EXPECT_EQ(CString().Find('\0'), -1);
}

TEST(CString, CaseMappingUsesTheAnsiCodePage)
{
    const char lower[] = {'a', 'z', kLowerAOgonek, kLowerCCaron, '1', 0};
    const char upper[] = {'A', 'Z', kUpperAOgonek, kUpperCCaron, '1', 0};
    CString text(lower);
    EXPECT_STREQ(text.MakeUpper(), upper);
    EXPECT_STREQ(text.MakeLower(), lower);
    CString empty;
    EXPECT_STREQ(empty.MakeUpper(), "");
}

TEST(CString, TrimmingBlanksCharactersAndSets)
{
    CString text(" \t a b \r\n");
    EXPECT_STREQ(text.Trim(), "a b");
    text = "  x  ";
    EXPECT_STREQ(text.TrimLeft(), "x  ");
    EXPECT_STREQ(text.TrimRight(), "x");
    text = "xxabxx";
    EXPECT_STREQ(text.TrimLeft('x'), "abxx");
    EXPECT_STREQ(text.TrimRight('x'), "ab");
    text = ".,a,b.,";
    EXPECT_STREQ(text.Trim(".,"), "a,b");
    EXPECT_STREQ(text.TrimLeft(static_cast<const char*>(nullptr)), "a,b");
    text = " \t ";
    EXPECT_STREQ(text.Trim(), "");
    EXPECT_EQ(text.GetLength(), 0);
}

TEST(CString, FormatHandlesShortLongAndOwnArguments)
{
    CString text;
    text.Format("%d|%.2f|%5s|%c", -12, 2.345, "ab", 'z');
    EXPECT_STREQ(text, "-12|2.35|   ab|z");

    const std::string longText(5000, 'q');
    text.Format("<%s>", longText.c_str());
    EXPECT_EQ(text.GetLength(), 5002);
    EXPECT_EQ(std::string(text), "<" + longText + ">");

    text.Format("[%s]", text.GetString()); // long, formatted from its own text
    EXPECT_EQ(text.GetLength(), 5004);
    EXPECT_EQ(text.Left(3), "[<q");

    text = "ab";
    text.Format("%s%s", text.GetString(), text.GetString()); // short, own text
    EXPECT_STREQ(text, "abab");

    text.AppendFormat("-%03d", 7);
    EXPECT_STREQ(text, "abab-007");
    text.AppendFormat("%s", longText.c_str());
    EXPECT_EQ(text.GetLength(), 8 + 5000);
    EXPECT_EQ(text.Right(2), "qq");
}

TEST(CString, GetBufferAndReleaseBuffer)
{
    CString text("ab");
    char* buffer = text.GetBuffer(10);
    EXPECT_STREQ(buffer, "ab");
    std::memcpy(buffer, "hello", 6);
    text.ReleaseBuffer();
    EXPECT_EQ(text.GetLength(), 5);
    EXPECT_STREQ(text, "hello");

    text.GetBuffer(0);
    text.ReleaseBuffer(3);
    EXPECT_STREQ(text, "hel");

    CString full;
    buffer = full.GetBuffer(4);
    std::memset(buffer, 'x', 4); // no NUL written: the length stops at the room
    full.ReleaseBuffer();
    EXPECT_STREQ(full, "xxxx");
    full.ReleaseBuffer(1000);
    EXPECT_EQ(full.GetLength(), 4);

    buffer = text.GetBufferSetLength(2);
    EXPECT_EQ(text.GetLength(), 2);
    EXPECT_EQ(buffer[2], '\0');

    CString empty;
    char* own = empty.GetBuffer(0);
    own[0] = '\0'; // the buffer is the string's own, never the shared empty text
    empty.ReleaseBuffer();
    EXPECT_NE(own, CString().GetString());
    EXPECT_STREQ(CString(), "");
}

TEST(CString, ReplaceInsertAndDelete)
{
    CString text("a-b-c");
    EXPECT_EQ(text.Replace("-", "--"), 2);
    EXPECT_STREQ(text, "a--b--c");
    EXPECT_EQ(text.Replace("--", ""), 2);
    EXPECT_STREQ(text, "abc");
    EXPECT_EQ(text.Replace("", "x"), 0);
    EXPECT_EQ(text.Replace("zz", "x"), 0);
    EXPECT_EQ(text.Replace('b', 'B'), 1);
    EXPECT_STREQ(text, "aBc");
    EXPECT_EQ(text.Replace("aBc", text.GetString()), 1); // new text is its own
    EXPECT_STREQ(text, "aBc");

    EXPECT_EQ(text.Insert(-3, '<'), 4);
    EXPECT_EQ(text.Insert(99, ">"), 5);
    EXPECT_STREQ(text, "<aBc>");
    EXPECT_EQ(text.Insert(1, text.GetString()), 10);
    EXPECT_STREQ(text, "<<aBc>aBc>");

    EXPECT_EQ(text.Delete(-1, 2), 8);
    EXPECT_STREQ(text, "aBc>aBc>");
    EXPECT_EQ(text.Delete(4, 100), 4);
    EXPECT_EQ(text.Delete(10), 4);
    EXPECT_EQ(text.Delete(0, 0), 4);
    EXPECT_STREQ(text, "aBc>");
}

TEST(CString, EmptyTextOfAnotherModuleIsNeverFreed)
{
    // A record made by a host holds the empty text of the host's own copy of
    // the class; the module must recognise it by its header, not its address.
    struct ForeignEmpty {
        int length;
        int capacity;
        char text[1];
    };
    static ForeignEmpty foreign = {0, -1, {0}};
    static_assert(sizeof(ForeignEmpty) - 1 >= 2 * sizeof(int), "header of two ints");
    CString s;
    char* chars = foreign.text;
    std::memcpy(static_cast<void*>(&s), &chars, sizeof chars);
    EXPECT_TRUE(s.IsEmpty());
    s = "abc"; // would free the static text if it were taken for the heap
    EXPECT_STREQ(s, "abc");
    EXPECT_EQ(foreign.capacity, -1);
    s.Empty();
    EXPECT_EQ(s.GetLength(), 0);
}
