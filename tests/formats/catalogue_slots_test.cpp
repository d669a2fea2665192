// The decoder's catalogue operations, as a host calls them: each loads the
// catalogue afresh from the ini file and copies into the host's buffers.
#include "tests/formats/catalogue_fixture.h"

#include "decoder/CDecodeTxLine.h"

#include <cstring>

namespace {

class CatalogueSlots : public CatalogueFiles {
protected:
    void SetUp() override
    {
        CatalogueFiles::SetUp();
        SetCatalogueIniPath(ini_.c_str());
        decoder_ = new CDecodeTxLine(nullptr);
        Put("terx.ini", "[SectFmtPoi]\r\nPoly=Y X Z\r\nPoly@inf=survey\r\nPoly@ext=dat\r\n"
                        "[Mine]\r\nOwn=X Y\r\nOwn@ext=dat\r\nLong=Y X cmt(" + std::string(300, 'w') + ")\r\n");
    }
    void TearDown() override
    {
        decoder_->NondelegatingRelease();
        SetCatalogueIniPath(nullptr);
        CatalogueFiles::TearDown();
    }

    IVelorTrDcd* Decoder() { return decoder_; }

    CDecodeTxLine* decoder_ = nullptr;
};

TEST_F(CatalogueSlots, GetFormatForSuffix)
{
    char out[256] = "old";
    EXPECT_EQ(Decoder()->GetFormatForSuffix(nullptr, "DAT", out), 0u);
    EXPECT_STREQ(out, "Poly");
    EXPECT_EQ(Decoder()->GetFormatForSuffix("Mine", "dat", out), 0u);
    EXPECT_STREQ(out, "Own");
    EXPECT_EQ(Decoder()->GetFormatForSuffix("", "plg", out), 0u);
    EXPECT_STREQ(out, "Standard");
    EXPECT_EQ(Decoder()->GetFormatForSuffix(nullptr, "txt", out), 0u);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(Decoder()->GetFormatForSuffix(nullptr, nullptr, out), 0u);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(Decoder()->GetFormatForSuffix(nullptr, "dat", nullptr), 0u);
}

TEST_F(CatalogueSlots, GetFormatEntry)
{
    char format[256] = "x", description[256] = "x", suffixes[256] = "x";
    EXPECT_EQ(Decoder()->GetFormatEntry(nullptr, "poly", format, description, suffixes), 0u);
    EXPECT_STREQ(format, "Y X Z");
    EXPECT_STREQ(description, "survey");
    EXPECT_STREQ(suffixes, "dat");
    for (const char* name : {static_cast<const char*>(nullptr), ""}) {
        EXPECT_EQ(Decoder()->GetFormatEntry(nullptr, name, format, description, suffixes), 0u);
        EXPECT_STREQ(format, "Y X cmt(; $ ! *)");
        EXPECT_STREQ(description, "");
        EXPECT_STREQ(suffixes, "plg");
    }
    EXPECT_EQ(Decoder()->GetFormatEntry("Mine", "Poly", format, description, suffixes), 1u);
    EXPECT_STREQ(format, "");
    EXPECT_STREQ(description, "");
    EXPECT_STREQ(suffixes, "");
    EXPECT_EQ(Decoder()->GetFormatEntry("Mine", "Own", nullptr, nullptr, suffixes), 0u);
    EXPECT_STREQ(suffixes, "dat");
}

TEST_F(CatalogueSlots, GetFormatEntryCutsTextsToTheHostsBuffers)
{
    char format[300];
    std::memset(format, '#', sizeof format);
    EXPECT_EQ(Decoder()->GetFormatEntry("Mine", "long", format, nullptr, nullptr), 0u);
    EXPECT_EQ(std::strlen(format), 255u);
    EXPECT_EQ(std::string(format, 9), "Y X cmt(w");
    EXPECT_EQ(format[256], '#');
}

TEST_F(CatalogueSlots, DetectFileFormat)
{
    Put("with.txt", "; survey\r\n.fmt Y X Z sys=2\r\n1 2 3\r\n");
    Put("without.txt", "1 2 3\r\n");
    char format[512] = "old";
    uint32_t found = 7;
    EXPECT_EQ(Decoder()->DetectFileFormat(Path("with.txt").c_str(), format, &found, 0), 0u);
    EXPECT_EQ(found, 1u);
    EXPECT_STREQ(format, "Y X Z sys=2 cmt(; $ ! *)");
    EXPECT_EQ(Decoder()->DetectFileFormat(Path("without.txt").c_str(), format, &found, 0), 0u);
    EXPECT_EQ(found, 0u);
    EXPECT_STREQ(format, " sys=0");
    EXPECT_EQ(Decoder()->DetectFileFormat(Path("missing.txt").c_str(), format, &found, 0), 1u);
    EXPECT_EQ(found, 0u);
    EXPECT_EQ(Decoder()->DetectFileFormat(Path("with.txt").c_str(), nullptr, nullptr, 0), 0u);
}

} // namespace
