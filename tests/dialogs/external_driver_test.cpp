// The format dialog driven from outside: velortrdcd.exe format-dialog runs
// as a process of its own, and this program finds the dialog among that
// process's windows and acts in it by window messages alone, as test
// automation and accessibility tools do. The tool prints what the dialog
// confirmed; that text is checked.
#include "external_tool_run.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int kFormatList = 1027;
const int kCommentWords = 1022;
const int kCoordSystemList = 1030;
const int kOfferList = 1033;
const int kFieldList = 1023;
const int kAddField = 1020;
const int kRemoveField = 1021;
const int kPreviewList = 1025;

// The data file and the catalogue of a case, in a folder of their own.
class ExternalDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.Create());
        dataFile_ = folder_.Write("points.pts", "* survey\r\n1000.5 2000.25 300\r\n1001 2001 301\r\n");
        ini_ = folder_.Write("terx.ini", "[SectFmtPoi]\r\nPts=Y X Z cmt(*)\r\nPts@ext=pts\r\n"
                                         "Other=Name Y X cmt(#)\r\n");
        ASSERT_FALSE(dataFile_.empty());
        ASSERT_FALSE(ini_.empty());
        iniBefore_ = ReadWholeFile(ini_);
    }

    // Starts the tool on the data file and waits for its dialog.
    HWND OpenDialog()
    {
        const std::string command = "\"" + ToolBesideThisProgram() + "\" format-dialog \"" + dataFile_ +
                                    "\" --ini \"" + ini_ + "\" --output json";
        if (!tool_.Start(command))
            return nullptr;
        return tool_.WaitForDialog(kFormatList, 30000);
    }

    // Ends the case: the tool's exit code and what it printed.
    void Finish(DWORD* exitCode, std::string* out)
    {
        *exitCode = tool_.Finish(20000, out);
    }

    TempFolder folder_;
    ToolProcess tool_;
    std::string dataFile_, ini_, iniBefore_;
};

} // namespace

TEST_F(ExternalDriverTest, FormatChosenAndEditedByMessagesIsPrinted)
{
    const HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr) << "no dialog of class #32770 in the tool's process";
    // The preview holds the data file's three lines; the suffix chose Pts.
    EXPECT_EQ(SendTo(dialog, kPreviewList, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SelectedComboText(dialog, kFormatList), "Pts");

    const LRESULT other = SendTo(dialog, kFormatList, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>("Other"));
    ASSERT_GE(other, 0);
    EXPECT_TRUE(SelectInCombo(dialog, kFormatList, static_cast<int>(other)));
    EXPECT_EQ(SendTo(dialog, kFieldList, LB_GETCOUNT, 0, 0), 3) << "Name Y X in the field list";

    // Z (the first field offered) after X, then Name out of the line.
    SendTo(dialog, kFieldList, LB_SETCURSEL, 2, 0);
    SendTo(dialog, kOfferList, LB_SETCURSEL, 0, 0);
    EXPECT_TRUE(ClickButton(dialog, kAddField));
    EXPECT_EQ(SendTo(dialog, kFieldList, LB_GETCOUNT, 0, 0), 4);
    SendTo(dialog, kFieldList, LB_SETCURSEL, 0, 0);
    EXPECT_TRUE(ClickButton(dialog, kRemoveField));
    EXPECT_EQ(SendTo(dialog, kFieldList, LB_GETCOUNT, 0, 0), 3);

    EXPECT_TRUE(SetEditText(dialog, kCommentWords, "* #"));
    EXPECT_TRUE(SelectInCombo(dialog, kCoordSystemList, 3));
    // The edited definition is no stored one: no name is selected.
    EXPECT_EQ(SendTo(dialog, kFormatList, CB_GETCURSEL, 0, 0), CB_ERR);

    EXPECT_TRUE(PostClick(dialog, IDOK));
    DWORD exitCode = 0;
    std::string out;
    Finish(&exitCode, &out);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(out, "{\"confirmed\":true,\"name\":\"\",\"format\":\"Y X Z sys=2 cmt(* #)\"}\n");
    EXPECT_EQ(ReadWholeFile(ini_), iniBefore_) << "OK writes nothing to the catalogue";
}

TEST_F(ExternalDriverTest, RestoredCommentWordsSelectTheNameAgain)
{
    const HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr) << "no dialog of class #32770 in the tool's process";
    EXPECT_TRUE(SetEditText(dialog, kCommentWords, "* x"));
    EXPECT_EQ(SendTo(dialog, kFormatList, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_TRUE(SetEditText(dialog, kCommentWords, "*"));
    EXPECT_EQ(SelectedComboText(dialog, kFormatList), "Pts");

    EXPECT_TRUE(PostClick(dialog, IDOK));
    DWORD exitCode = 0;
    std::string out;
    Finish(&exitCode, &out);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(out, "{\"confirmed\":true,\"name\":\"Pts\",\"format\":\"Y X Z cmt(*)\"}\n");
}

TEST_F(ExternalDriverTest, CancelPrintsNotConfirmedAndExitsOne)
{
    const HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr) << "no dialog of class #32770 in the tool's process";
    SendTo(dialog, kOfferList, LB_SETCURSEL, 0, 0);
    EXPECT_TRUE(ClickButton(dialog, kAddField));
    EXPECT_TRUE(PostClick(dialog, IDCANCEL));
    DWORD exitCode = 0;
    std::string out;
    Finish(&exitCode, &out);
    EXPECT_EQ(exitCode, 1u);
    EXPECT_EQ(out, "{\"confirmed\":false}\n");
    EXPECT_EQ(ReadWholeFile(ini_), iniBefore_);
}
