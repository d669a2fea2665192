// Whole sections of an ini file: the section read, and the two section
// writes (the profile function and the platform's whole-section write that
// the catalogue saves with) held to the same expectations on both builds.
#include "tests/platform/profile_fixture.h"

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

std::string ReadSection(const std::string& ini, const char* section, DWORD size, DWORD* result)
{
    std::vector<char> buffer(size, '\x7F');
    *result = GetPrivateProfileSectionA(section, buffer.data(), size, ini.c_str());
    return std::string(buffer.data(), std::min<DWORD>(*result + (*result ? 1 : 2), size));
}

using SectionWriter = bool (*)(const std::string& ini, const char* section, const char* block);

bool ProfileWrite(const std::string& ini, const char* section, const char* block)
{
    return WritePrivateProfileSectionA(section, block, ini.c_str()) != FALSE;
}

bool WholeWrite(const std::string& ini, const char* section, const char* block)
{
    return WritePrivateProfileSectionWhole(ini.c_str(), section, block);
}

class SectionWrite : public ProfileFiles, public ::testing::WithParamInterface<SectionWriter> {
protected:
    bool WriteSection(const char* section, const char* block) const
    {
        return GetParam()(Path("terx.ini"), section, block);
    }
    std::string Value(const char* section, const char* key) const
    {
        return ProfileFiles::Value("terx.ini", section, key, "<missing>");
    }
    // The names in the test's folder: a writer leaves no copy behind.
    size_t FilesInFolder() const
    {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir_),
                                                 std::filesystem::directory_iterator()));
    }
};

const char kBlock[] = "Poly=Y X Z\0Poly@inf= \" lead\"\0Key=v\0Empty=\0";

TEST_P(SectionWrite, ReplacesTheEntriesOfTheSectionAndKeepsTheOthers)
{
    Put("terx.ini", "[Before]\r\nA=1\r\n[Cat]\r\n; comment\r\nOld=gone\r\nPoly=old\r\n[After]\r\nB=2\r\n");
    ASSERT_TRUE(WriteSection("Cat", kBlock));
    EXPECT_EQ(Value("Cat", "Poly"), "Y X Z");
    EXPECT_EQ(Value("Cat", "Poly@inf"), " lead");
    EXPECT_EQ(Value("Cat", "Key"), "v");
    EXPECT_EQ(Value("Cat", "Empty"), "");
    EXPECT_EQ(Value("Cat", "Old"), "<missing>");
    EXPECT_EQ(Value("Before", "A"), "1");
    EXPECT_EQ(Value("After", "B"), "2");
    DWORD length = 0;
    const std::string list = ReadSection(Path("terx.ini"), "Cat", 256, &length);
    EXPECT_EQ(list, std::string("Poly=Y X Z\0Poly@inf=\" lead\"\0Key=v\0Empty=\0\0", 42));
    EXPECT_EQ(length, 41u);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_P(SectionWrite, AddsAMissingSectionAndAMissingFile)
{
    ASSERT_TRUE(WriteSection("Cat", "A=1\0B=2\0"));
    EXPECT_EQ(Value("Cat", "B"), "2");
    Put("terx.ini", "[Other]\r\nK=1");
    ASSERT_TRUE(WriteSection("Cat", "A=1\0"));
    EXPECT_EQ(Value("Cat", "A"), "1");
    EXPECT_EQ(Value("Other", "K"), "1");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_P(SectionWrite, AnEmptyListEmptiesTheSectionAndNoListDeletesIt)
{
    Put("terx.ini", "[Cat]\r\nA=1\r\n[After]\r\nB=2\r\n");
    ASSERT_TRUE(WriteSection("Cat", "\0"));
    DWORD length = 9;
    EXPECT_EQ(ReadSection(Path("terx.ini"), "Cat", 64, &length), std::string(2, '\0'));
    EXPECT_EQ(length, 0u);
    EXPECT_NE(Get("terx.ini").find("[Cat]"), std::string::npos);
    ASSERT_TRUE(WriteSection("Cat", nullptr));
    EXPECT_EQ(Get("terx.ini").find("[Cat]"), std::string::npos);
    EXPECT_EQ(Value("After", "B"), "2");
}

INSTANTIATE_TEST_SUITE_P(Writers, SectionWrite, ::testing::Values(&ProfileWrite, &WholeWrite),
                         [](const ::testing::TestParamInfo<SectionWriter>& info) {
                             return info.param == &ProfileWrite ? "Profile" : "Whole";
                         });

TEST_F(ProfileFiles, SectionReadOfAMissingSectionOrFileIsEmpty)
{
    DWORD length = 9;
    EXPECT_EQ(ReadSection(Path("terx.ini"), "Cat", 64, &length), std::string(2, '\0'));
    EXPECT_EQ(length, 0u);
    Put("terx.ini", "[Other]\r\nA=1\r\n");
    EXPECT_EQ(ReadSection(Path("terx.ini"), "Cat", 64, &length), std::string(2, '\0'));
    EXPECT_EQ(length, 0u);
}

TEST_F(ProfileFiles, SectionReadIsCutToTheBuffer)
{
    Put("terx.ini", "[Cat]\r\nAlpha=1\r\nBeta=2\r\nGamma=3\r\n");
    DWORD length = 0;
    ReadSection(Path("terx.ini"), "Cat", 12, &length);
    EXPECT_EQ(length, 10u);
    const std::string whole = ReadSection(Path("terx.ini"), "Cat", 64, &length);
    EXPECT_EQ(whole, std::string("Alpha=1\0Beta=2\0Gamma=3\0\0", 24));
    EXPECT_EQ(length, 23u);
}

} // namespace
