// A data file's own format: its ".fmt" line among the first 51 lines, a
// ".fmt" line that does not read, and a first line that holds only the
// model's name.
#include "tests/formats/catalogue_fixture.h"

#include "formats/format_text.h"

namespace {

// n data lines, then the given lines.
std::string DataLines(int n, const std::string& after)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += std::to_string(i) + " 1.5 2.5\r\n";
    return text + after;
}

// A model with the default comment words.
PointFormat DefaultModel()
{
    PointFormat model;
    ParseFormatText(model, DefaultFormat, nullptr);
    return model;
}

class FileScan : public CatalogueFiles {
protected:
    // Scans text (as the file data.txt) into model.
    int Scan(const std::string& text, PointFormat& model, bool& found)
    {
        Put("data.txt", text);
        return ScanFileForFormat(Path("data.txt").c_str(), model, found);
    }
};

TEST_F(FileScan, AFormatLineCountsUpToTheFiftyFirstLine)
{
    PointFormat model;
    bool found = false;
    EXPECT_EQ(Scan(DataLines(50, ".fmt X Y Z\r\n1 2 3\r\n"), model, found), 0);
    EXPECT_TRUE(found);
    EXPECT_EQ(Str(PrintFormatText(model)), "X Y Z cmt(; $ ! *)");

    model = PointFormat();
    EXPECT_EQ(Scan(DataLines(51, ".fmt X Y Z\r\n"), model, found), 0);
    EXPECT_FALSE(found);
    EXPECT_TRUE(model.commentWords.empty());
    EXPECT_EQ(Str(PrintFormatText(model, false)), " sys=0");
}

TEST_F(FileScan, TheFormatLineMayStandAfterBlanksInAnyCase)
{
    PointFormat model;
    bool found = false;
    EXPECT_EQ(Scan("1 2\r\n \t.FMT y x decc\r\n", model, found), 0);
    EXPECT_TRUE(found);
    EXPECT_EQ(Str(PrintFormatText(model)), "Y X decc cmt(; $ ! *)");
    EXPECT_EQ(Scan(".fmtName Y X\n", model, found), 0); // no blank needed after ".fmt"
    EXPECT_TRUE(found);
    EXPECT_EQ(Str(PrintFormatText(model)), "Name Y X cmt(; $ ! *)");
}

TEST_F(FileScan, AFormatLineInAUtf16File)
{
    const std::u16string text = u"Model\r\n.fmt Z X Y\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text)
        bytes += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    PointFormat model;
    bool found = false;
    EXPECT_EQ(Scan(bytes, model, found), 0);
    EXPECT_TRUE(found);
    EXPECT_EQ(Str(PrintFormatText(model)), "Z X Y cmt(; $ ! *)");
    EXPECT_EQ(model.modelNameInHeader, 1);
}

TEST_F(FileScan, ABadFormatLineIsFoundAndKeepsWhatWasRead)
{
    PointFormat model = DefaultModel();
    bool found = false;
    EXPECT_EQ(Scan("Model1\r\n.fmt Y X Q Z\r\n", model, found), 0);
    EXPECT_TRUE(found);
    EXPECT_EQ(model.fields, (std::vector<FieldKind>{kFieldY, kFieldX}));
    EXPECT_EQ(model.modelNameInHeader, 0); // not looked for after a bad line

    EXPECT_EQ(Scan("Model1\r\n.fmt Y X Z\r\n", model, found), 0);
    EXPECT_EQ(model.modelNameInHeader, 1);
}

TEST_F(FileScan, AModelNameIsAFirstSignificantLineOfOneWord)
{
    PointFormat model = DefaultModel();
    bool found = true;
    EXPECT_EQ(Scan("Model1\r\n1 2 3\r\n", model, found), 0);
    EXPECT_FALSE(found);
    EXPECT_EQ(model.modelNameInHeader, 1);
    EXPECT_EQ(Scan("Model1 2\r\n1 2 3\r\n", model, found), 0);
    EXPECT_EQ(model.modelNameInHeader, 0);
    EXPECT_EQ(Scan("; comment\r\n\r\n  \t\r\n  Model1 \t\r\n1 2\r\n", model, found), 0);
    EXPECT_EQ(model.modelNameInHeader, 1);
    EXPECT_EQ(Scan("; Model1\r\n1 2 3\r\n", model, found), 0);
    EXPECT_EQ(model.modelNameInHeader, 0);
    EXPECT_EQ(Scan("", model, found), 0);
    EXPECT_EQ(model.modelNameInHeader, 0);

    // Without ";" among the comment words, "; Model1" is the first line, and
    // holds two words.
    ParseFormatText(model, "Y X cmt(*)", nullptr);
    EXPECT_EQ(Scan("; Model1\r\nModel2\r\n", model, found), 0);
    EXPECT_EQ(model.modelNameInHeader, 0);
    EXPECT_EQ(Scan("*x\r\nModel2\r\n", model, found), 0);
    EXPECT_EQ(model.modelNameInHeader, 1);
}

TEST_F(FileScan, AFileThatCannotBeOpened)
{
    PointFormat model;
    model.modelNameInHeader = 1;
    bool found = true;
    EXPECT_EQ(ScanFileForFormat(Path("missing.txt").c_str(), model, found), -1);
    EXPECT_FALSE(found);
    EXPECT_EQ(model.modelNameInHeader, 1);
    EXPECT_EQ(ScanFileForFormat(nullptr, model, found), -1);
}

} // namespace
