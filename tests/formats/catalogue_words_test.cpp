// The words of a suffix list and the suffix of a file name.
#include "formats/catalogue.h"

#include "common/cp1250.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string SuffixOf(const char* path)
{
    const CString suffix = FileSuffixOf(path);
    return std::string(suffix.GetString(), static_cast<size_t>(suffix.GetLength()));
}

TEST(MatchListWord, PositionsCountEveryWordTheSeparatorsCut)
{
    EXPECT_EQ(MatchListWord("txt", "plg txt", ' '), 2);
    EXPECT_EQ(MatchListWord("txt", "plg  txt", ' '), 3); // two blanks: an empty word between
    EXPECT_EQ(MatchListWord("txt", " txt", ' '), 2);
    EXPECT_EQ(MatchListWord("plg", "plg;txt", ';'), 1);
    EXPECT_EQ(MatchListWord("txt", "plg;;txt;", ';'), 3);
}

TEST(MatchListWord, WordsMatchWholeAndWithoutCase)
{
    EXPECT_EQ(MatchListWord("TXT", "plg txt", ' '), 2);
    EXPECT_EQ(MatchListWord(VELOR_CP1250("ŽÁB"), VELOR_CP1250("dat žáb"), ' '), 2);
    EXPECT_EQ(MatchListWord("tx", "plg txt", ' '), 0);
    EXPECT_EQ(MatchListWord("txt", "plg txt2", ' '), 0);
    EXPECT_EQ(MatchListWord("txt2", "plg txt", ' '), 0);
    EXPECT_EQ(MatchListWord("txt", "plg txt", ';'), 0); // one word "plg txt"
}

TEST(MatchListWord, EmptyListsAndEmptyWords)
{
    EXPECT_EQ(MatchListWord("txt", "", ' '), 0);
    EXPECT_EQ(MatchListWord("", "", ' '), 0);
    EXPECT_EQ(MatchListWord("txt", nullptr, ' '), 0);
    EXPECT_EQ(MatchListWord("", "a  b", ' '), 2); // the empty word between the blanks
    EXPECT_EQ(MatchListWord("", "a b", ' '), 0);
    EXPECT_EQ(MatchListWord("", "a ", ' '), 2);
}

TEST(FileSuffixOf, TheTextAfterTheLastDotOfTheFileName)
{
    EXPECT_EQ(SuffixOf("C:\\dir\\data.Txt"), "Txt");
    EXPECT_EQ(SuffixOf("C:\\dir\\data.tar.gz"), "gz");
    EXPECT_EQ(SuffixOf("data.plg"), "plg");
    EXPECT_EQ(SuffixOf("C:\\dir\\data."), "");
    EXPECT_EQ(SuffixOf(""), "");
    EXPECT_EQ(SuffixOf(nullptr), "");
}

TEST(FileSuffixOf, ADotInADirectoryNameIsNoSuffix)
{
    EXPECT_EQ(SuffixOf("C:\\a.b\\file"), "");
    EXPECT_EQ(SuffixOf("C:/a.b/file"), "");
    EXPECT_EQ(SuffixOf("/home/a.b/file"), "");
    EXPECT_EQ(SuffixOf("C:\\a.b\\file.dat"), "dat");
    EXPECT_EQ(SuffixOf("a.b/c.d\\e.f"), "f");
}

} // namespace
