// The platform's whole-section read and write that the catalogue stands on:
// the same expectations for the Windows functions and the native stand-ins.
#include "tests/formats/catalogue_fixture.h"

#include <algorithm>
#include <cstring>

namespace {

std::string ReadSection(const std::string& ini, const char* section, DWORD size, DWORD* result)
{
    std::vector<char> buffer(size, '\x7F');
    *result = GetPrivateProfileSectionA(section, buffer.data(), size, ini.c_str());
    return std::string(buffer.data(), std::min<DWORD>(*result + (*result ? 1 : 2), size));
}

const char kBlock[] = "Poly=Y X Z\0Poly@inf= \" lead\"\0Key=v\0Empty=\0";

TEST_F(CatalogueFiles, SectionWriteReplacesTheEntriesOfTheSection)
{
    Put("terx.ini", "[Before]\r\nA=1\r\n[Cat]\r\n; comment\r\nOld=gone\r\nPoly=old\r\n[After]\r\nB=2\r\n");
    ASSERT_TRUE(WritePrivateProfileSectionA("Cat", kBlock, ini_.c_str()));
    EXPECT_EQ(Value("Cat", "Poly"), "Y X Z");
    EXPECT_EQ(Value("Cat", "Poly@inf"), " lead");
    EXPECT_EQ(Value("Cat", "Key"), "v");
    EXPECT_EQ(Value("Cat", "Empty"), "");
    EXPECT_EQ(Value("Cat", "Old"), "<missing>");
    EXPECT_EQ(Value("Before", "A"), "1");
    EXPECT_EQ(Value("After", "B"), "2");
    DWORD length = 0;
    const std::string list = ReadSection(ini_, "Cat", 256, &length);
    const std::string expected("Poly=Y X Z\0Poly@inf=\" lead\"\0Key=v\0Empty=\0\0", 42);
    EXPECT_EQ(list, expected);
    EXPECT_EQ(length, 41u);
}

TEST_F(CatalogueFiles, SectionWriteAddsAMissingSectionAndAFile)
{
    ASSERT_TRUE(WritePrivateProfileSectionA("Cat", "A=1\0B=2\0", ini_.c_str()));
    EXPECT_EQ(Value("Cat", "B"), "2");
    Put("terx.ini", "[Other]\r\nK=1");
    ASSERT_TRUE(WritePrivateProfileSectionA("Cat", "A=1\0", ini_.c_str()));
    EXPECT_EQ(Value("Cat", "A"), "1");
    EXPECT_EQ(Value("Other", "K"), "1");
}

TEST_F(CatalogueFiles, SectionWriteOfAnEmptyListEmptiesTheSection)
{
    Put("terx.ini", "[Cat]\r\nA=1\r\n[After]\r\nB=2\r\n");
    ASSERT_TRUE(WritePrivateProfileSectionA("Cat", "\0", ini_.c_str()));
    DWORD length = 9;
    EXPECT_EQ(ReadSection(ini_, "Cat", 64, &length), std::string(2, '\0'));
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(Value("After", "B"), "2");
}

TEST_F(CatalogueFiles, SectionWriteWithoutAListDeletesTheSection)
{
    Put("terx.ini", "[Cat]\r\nA=1\r\n[After]\r\nB=2\r\n");
    ASSERT_TRUE(WritePrivateProfileSectionA("Cat", nullptr, ini_.c_str()));
    EXPECT_EQ(Get("terx.ini").find("[Cat]"), std::string::npos);
    EXPECT_EQ(Value("After", "B"), "2");
}

TEST_F(CatalogueFiles, SectionReadOfAMissingSectionOrFile)
{
    DWORD length = 9;
    EXPECT_EQ(ReadSection(ini_, "Cat", 64, &length), std::string(2, '\0'));
    EXPECT_EQ(length, 0u);
    Put("terx.ini", "[Other]\r\nA=1\r\n");
    EXPECT_EQ(ReadSection(ini_, "Cat", 64, &length), std::string(2, '\0'));
    EXPECT_EQ(length, 0u);
}

TEST_F(CatalogueFiles, SectionReadCutToTheBuffer)
{
    Put("terx.ini", "[Cat]\r\nAlpha=1\r\nBeta=2\r\nGamma=3\r\n");
    DWORD length = 0;
    ReadSection(ini_, "Cat", 12, &length);
    EXPECT_EQ(length, 10u);
    const std::string whole = ReadSection(ini_, "Cat", 64, &length);
    EXPECT_EQ(whole, std::string("Alpha=1\0Beta=2\0Gamma=3\0\0", 24));
    EXPECT_EQ(length, 23u);
}

} // namespace
