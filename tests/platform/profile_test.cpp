// The private-profile (ini file) functions: how values, names and lists are
// read, the results when the buffer is too small, and what a write leaves in
// the file. The fixtures are written in the layout the Windows writer uses
// (no blank lines, no blanks around '=', CR LF), so that the files after a
// write compare byte for byte on every build.
#include "tests/platform/profile_fixture.h"

#include <string>

using namespace std::string_literals;

namespace {

using Profile = ProfileFiles;

TEST_F(Profile, ValuesLoseBlanksAndEnclosingQuotes)
{
    Put("q.ini", "[s]\r\nk1=\"abc\"\r\nk2='abc'\r\nk3=\"abc'\r\nk4=\"\r\nk5=\"\"\r\n"
                 "k6=  \" abc \"  \r\nk7=\"a\"b\"\r\nk8=a\"b\"\r\n  k9  \t=  \tv v \t\x1A\r\n");
    const char* expected[][2] = {{"k1", "abc"}, {"k2", "abc"}, {"k3", "\"abc'"}, {"k4", "\""},
                                 {"k5", ""}, {"k6", " abc "}, {"k7", "a\"b"}, {"k8", "a\"b\""},
                                 {"k9", "v v"}};
    for (const auto& pair : expected)
        EXPECT_EQ(Value("q.ini", "s", pair[0]), pair[1]) << pair[0];
}

TEST_F(Profile, DefaultLosesTrailingSpacesAndQuotes)
{
    Put("d.ini", "[s]\r\nk=v\r\n");
    EXPECT_EQ(Value("d.ini", "s", "none", "def  "), "def");
    EXPECT_EQ(Value("d.ini", "s", "none", "   "), " ");
    EXPECT_EQ(Value("d.ini", "s", "none", " def\t"), " def\t");
    EXPECT_EQ(Value("d.ini", "s", "none", "\"def\""), "def");
    EXPECT_EQ(Value("d.ini", "s", "none", nullptr), "");
}

TEST_F(Profile, MissingFileGivesTheDefaultAndFileNotFound)
{
    SetLastError(0);
    EXPECT_EQ(Value("missing.ini", "s", "k", "'q'  "), "q");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(Value("missing.ini", "s", nullptr), "D");
    std::string bytes;
    EXPECT_EQ(Read("missing.ini", nullptr, nullptr, "D", 10, bytes), 0u);
    EXPECT_EQ(bytes, "\0"s);
}

TEST_F(Profile, NamesMatchTrimmedAndWithoutAsciiCase)
{
    Put("c.ini", "[Sekce]\r\nKlic=1\r\n[ c ]\r\nw=2\r\n[\xA9\xE1]\r\n\xE8\xF8=3\r\n");
    EXPECT_EQ(Value("c.ini", "SEKCE", "kLIC"), "1");
    EXPECT_EQ(Value("c.ini", " Sekce\t", "  Klic "), "1");
    EXPECT_EQ(Value("c.ini", "c", "w"), "2");
    EXPECT_EQ(Value("c.ini", "\xA9\xE1", "\xE8\xF8"), "3");
    // Letters of code page 1250 above 0x7F must match exactly.
    EXPECT_EQ(Value("c.ini", "\xB9\xC1", "\xE8\xF8"), "D");
    EXPECT_EQ(Value("c.ini", "\xA9\xE1", "\xC8\xD8"), "D");
}

TEST_F(Profile, CommentsBareLinesAndDuplicates)
{
    Put("m.ini", "; top\r\nk0=v0\r\n[a]\r\n;c=1\r\n#h=2\r\nbare\r\nx=1\r\nx=2\r\nX=3\r\n[b]\r\ny=1\r\n"
                 "[A]\r\nx=9\r\nz=5\r\n[]\r\nk0=e\r\n[e]x]\r\nr=1\r\n");
    EXPECT_EQ(Value("m.ini", "a", ";c"), "1");
    EXPECT_EQ(Value("m.ini", "a", "#h"), "2");
    EXPECT_EQ(Value("m.ini", "a", "bare"), "D");
    EXPECT_EQ(Value("m.ini", "a", "x"), "1");
    EXPECT_EQ(Value("m.ini", "a", "z"), "D");  // only the first [a] is read
    EXPECT_EQ(Value("m.ini", "", "k0"), "v0");
    EXPECT_EQ(Value("m.ini", "e]x", "r"), "1");

    std::string bytes;
    EXPECT_EQ(Read("m.ini", "a", nullptr, "D", 100, bytes), 9u);
    EXPECT_EQ(bytes, "#h\0x\0x\0X\0\0"s);
    EXPECT_EQ(Read("m.ini", nullptr, "ignored", "D", 100, bytes), 10u);
    EXPECT_EQ(bytes, "a\0b\0A\0e]x\0\0"s);
}

TEST_F(Profile, KeyListOfAnEmptyOrMissingSectionIsTheDefault)
{
    Put("e.ini", "[empty]\r\n[b]\r\ny=1\r\n");
    EXPECT_EQ(Value("e.ini", "empty", nullptr), "D");
    EXPECT_EQ(Value("e.ini", "none", nullptr, nullptr), "");
    EXPECT_EQ(Value("e.ini", " b ", nullptr), "D");  // the section name is not trimmed here
    EXPECT_EQ(Value("e.ini", "B", nullptr), "y\0"s);
}

TEST_F(Profile, ValuesAreCutToTheBuffer)
{
    Put("v.ini", "[s]\r\nplain=val1\r\nquoted=\"abcd\"\r\n");
    const char* plain[] = {"", "v", "va", "val", "val1", "val1"};
    const char* quoted[] = {"", "a", "ab", "abc", "abc", "abcd"};
    for (DWORD size = 1; size <= 6; ++size) {
        std::string bytes;
        DWORD length = Read("v.ini", "s", "plain", "D", size, bytes);
        EXPECT_EQ(bytes, plain[size - 1] + "\0"s) << size;
        EXPECT_EQ(length, bytes.size() - 1);
        length = Read("v.ini", "s", "quoted", "D", size, bytes);
        EXPECT_EQ(bytes, quoted[size - 1] + "\0"s) << size;
        EXPECT_EQ(length, bytes.size() - 1);
    }
}

TEST_F(Profile, ListsAreCutToTheBuffer)
{
    Put("l.ini", "[ab]\r\nk1=1\r\nk22=2\r\n[cd]\r\n[efg]\r\n");
    struct Case { DWORD size; DWORD result; std::string bytes; };
    const Case keys[] = {{1, 0, "\0"s}, {2, 1, "D\0"s}, {3, 1, "k\0"s}, {4, 2, "k1\0"s},
                         {5, 3, "k1\0\0"s}, {6, 4, "k1\0k\0"s}, {8, 6, "k1\0k22\0"s},
                         {9, 7, "k1\0k22\0\0"s}};
    for (const Case& c : keys) {
        std::string bytes;
        EXPECT_EQ(Read("l.ini", "ab", nullptr, "D", c.size, bytes), c.result) << c.size;
        EXPECT_EQ(bytes, c.bytes) << c.size;
    }
    const Case sections[] = {{1, 0, "\0"s}, {2, 0, "\0"s}, {3, 1, "a\0"s}, {5, 3, "ab\0\0"s},
                             {6, 4, "ab\0c\0"s}, {8, 6, "ab\0cd\0\0"s}, {11, 9, "ab\0cd\0efg\0"s},
                             {12, 10, "ab\0cd\0efg\0\0"s}};
    for (const Case& c : sections) {
        std::string bytes;
        EXPECT_EQ(Read("l.ini", nullptr, nullptr, "D", c.size, bytes), c.result) << c.size;
        EXPECT_EQ(bytes, c.bytes) << c.size;
    }
}

TEST_F(Profile, WriteCreatesTheFileAndStripsLeadingBlanks)
{
    EXPECT_TRUE(Write("n.ini", "s", "k", "v"));
    EXPECT_EQ(Get("n.ini"), "[s]\r\nk=v\r\n");
    EXPECT_TRUE(Write("n.ini", " t ", " k ", "  v  "));
    EXPECT_EQ(Get("n.ini"), "[s]\r\nk=v\r\n[t ]\r\nk =v  \r\n");
    EXPECT_TRUE(Write("n.ini", "t", "q", "\"  v  \""));
    EXPECT_EQ(Value("n.ini", "t", "k"), "v");
    EXPECT_EQ(Value("n.ini", "t", "q"), "  v  ");
}

TEST_F(Profile, WriteKeepsCommentsAndOrder)
{
    Put("w.ini", "; head\r\n[a]\r\nk1=v1\r\n; c\r\nbare\r\n[b]\r\nx=1\r\n");
    EXPECT_TRUE(Write("w.ini", "A", "K1", "new"));
    EXPECT_TRUE(Write("w.ini", "a", "k2", "v2"));
    EXPECT_TRUE(Write("w.ini", "a", "bare", ""));
    EXPECT_TRUE(Write("w.ini", "c", "z", "1"));
    EXPECT_TRUE(Write("w.ini", "", "top", "1"));
    EXPECT_EQ(Get("w.ini"), "; head\r\ntop=1\r\n[a]\r\nk1=new\r\n; c\r\nbare=\r\nk2=v2\r\n"
                            "[b]\r\nx=1\r\n[c]\r\nz=1\r\n");
}

TEST_F(Profile, DeletesTakeTheFirstOfTheirName)
{
    Put("x.ini", "[a]\r\nx=1\r\nx=2\r\n[b]\r\ny=1\r\n[A]\r\nx=3\r\nz=5\r\n");
    EXPECT_TRUE(Write("x.ini", "a", "z", nullptr));  // found in the second [a]
    EXPECT_TRUE(Write("x.ini", "a", "x", nullptr));
    EXPECT_EQ(Value("x.ini", "a", "x"), "2");
    EXPECT_TRUE(Write("x.ini", "a", " x ", nullptr));  // names are not trimmed
    EXPECT_TRUE(Write("x.ini", " b ", nullptr, nullptr));
    EXPECT_TRUE(Write("x.ini", "b", "none", nullptr));
    EXPECT_EQ(Get("x.ini"), "[a]\r\nx=2\r\n[b]\r\ny=1\r\n[A]\r\nx=3\r\n");
    EXPECT_TRUE(Write("x.ini", "a", nullptr, "ignored"));
    EXPECT_EQ(Get("x.ini"), "[b]\r\ny=1\r\n[A]\r\nx=3\r\n");
    EXPECT_EQ(Value("x.ini", "a", "x"), "3");
}

TEST_F(Profile, WritesWithoutAFileToChange)
{
    EXPECT_TRUE(Write("gone.ini", "a", "k", nullptr));  // nothing to delete, nothing created
    EXPECT_TRUE(Write("gone.ini", "a", nullptr, nullptr));
    EXPECT_FALSE(Write("gone.ini", nullptr, "k", "v"));
    EXPECT_FALSE(Exists("gone.ini"));
    EXPECT_FALSE(Write("nodir/f.ini", "a", "k", "v"));
}

TEST_F(Profile, LinesMayEndWithLfOrCrAlone)
{
    Put("e.ini", "[a]\nk=v\rj=w\n\n[b]\rx=1");
    EXPECT_EQ(Value("e.ini", "a", "k"), "v");
    EXPECT_EQ(Value("e.ini", "a", "j"), "w");
    EXPECT_EQ(Value("e.ini", "b", "x"), "1");
    EXPECT_TRUE(Write("e.ini", "b", "y", "2"));
    EXPECT_EQ(Value("e.ini", "b", "x"), "1");
    EXPECT_EQ(Value("e.ini", "b", "y"), "2");
}

TEST_F(Profile, AnsiBytesAreKept)
{
    Put("b.ini", "[a]\r\nk=\x81\x83\x88\x90\x98\xA0\xE8\r\n");
    EXPECT_TRUE(Write("b.ini", "a", "j", "\x81\xE8"));
    EXPECT_EQ(Get("b.ini"), "[a]\r\nk=\x81\x83\x88\x90\x98\xA0\xE8\r\nj=\x81\xE8\r\n");
    EXPECT_EQ(Value("b.ini", "a", "k"), "\x81\x83\x88\x90\x98\xA0\xE8");
}

TEST_F(Profile, IntegersTakeTheLeadingNumber)
{
    Put("i.ini", "[s]\r\na=42abc\r\nb=\" -7\"\r\nc=0x1F\r\nd=0X10\r\ne=0b101\r\nf=0o17\r\ng=08\r\n"
                 "h=+3\r\ni=4294967297\r\nj=abc\r\nk=\r\nl=0000000000000000000000000000001\r\n"
                 "[t]\r\n12=1\r\n");
    struct Case { const char* key; UINT value; };
    const Case cases[] = {{"a", 42}, {"b", 0u - 7u}, {"c", 31}, {"d", 0}, {"e", 5}, {"f", 15},
                          {"g", 8}, {"h", 3}, {"i", 1}, {"j", 0}, {"k", 99}, {"l", 0}, {"none", 99}};
    for (const Case& c : cases)
        EXPECT_EQ(GetPrivateProfileIntA("s", c.key, 99, Path("i.ini").c_str()), c.value) << c.key;
    EXPECT_EQ(GetPrivateProfileIntA("t", nullptr, 99, Path("i.ini").c_str()), 12u);
    EXPECT_EQ(GetPrivateProfileIntA("s", "a", -5, Path("none.ini").c_str()), 0u - 5u);
}

} // namespace
