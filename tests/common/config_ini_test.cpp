// Ini entries through the configuration: the sentinel and the growing
// re-read, quoting, numbers that are kept, and the question about a missing
// ini file.
#include "common/config.h"
#include "tests/common/settings_fixture.h"

namespace {

using IniSettings = ProductSettings;

TEST_F(IniSettings, EntriesUpTo253CharactersComeFromTheFirstReadAndLongerOnesWhole)
{
    const std::string ini = Path("long.ini");
    const std::string e253(253, 'a'), e254(254, 'b'), e255(255, 'c'), e2000(2000, 'd');
    Put("long.ini", "[S]\nA=" + e253 + "\nB=" + e254 + "\nC=" + e255 + "\nD=" + e2000 + "\nE=\n");
    EXPECT_EQ(std::string(ReadIniString(ini.c_str(), "S", "A", "x", false, false)), e253);
    EXPECT_EQ(std::string(ReadIniString(ini.c_str(), "S", "B", "x", false, false)), e254);
    EXPECT_EQ(std::string(ReadIniString(ini.c_str(), "S", "C", "x", false, false)), e255);
    EXPECT_EQ(std::string(ReadIniString(ini.c_str(), "S", "D", "x", false, false)), e2000);
    // An empty entry is there: no default.
    EXPECT_STREQ(ReadIniString(ini.c_str(), "S", "E", "x", true, false), "");
}

TEST_F(IniSettings, MissingEntriesGiveTheDefaultAndWriteItWhenAsked)
{
    const std::string ini = Path("d.ini");
    Put("d.ini", "[S]\nA=1\n");
    EXPECT_STREQ(ReadIniString(ini.c_str(), "S", "New", "def", false, true), "def");
    EXPECT_EQ(Get("d.ini").find("New"), std::string::npos);
    EXPECT_STREQ(ReadIniString(ini.c_str(), "S", "New", " padded ", true, true), " padded ");
    EXPECT_NE(Get("d.ini").find("New=\" padded \""), std::string::npos) << Get("d.ini");
    EXPECT_STREQ(ReadIniString(ini.c_str(), "S", "New", "other", true, true), " padded ");
    // An entry that holds the sentinel's text is still the entry.
    ASSERT_TRUE(WriteIniString(ini.c_str(), "S", "Odd", "#MaVoChyba#x"));
    EXPECT_STREQ(ReadIniString(ini.c_str(), "S", "Odd", "d", false, false), "#MaVoChyba#x");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(IniSettings, TextsWithOuterBlanksOrControlsAreQuoted)
{
    const std::string ini = Path("q.ini");
    ASSERT_TRUE(WriteIniString(ini.c_str(), "S", "Lead", " a"));
    ASSERT_TRUE(WriteIniString(ini.c_str(), "S", "Tail", "a\t"));
    ASSERT_TRUE(WriteIniString(ini.c_str(), "S", "Inner", "a b"));
    ASSERT_TRUE(WriteIniString(ini.c_str(), "S", "Empty", ""));
    ASSERT_TRUE(WriteIniString(ini.c_str(), "S", "High", "\xA0x\xA0"));
    const std::string file = Get("q.ini");
    EXPECT_NE(file.find("Lead=\" a\""), std::string::npos) << file;
    EXPECT_NE(file.find("Tail=\"a\t\""), std::string::npos) << file;
    EXPECT_TRUE(HasLine("q.ini", "Inner=a b")) << file;
    EXPECT_TRUE(HasLine("q.ini", "Empty=")) << file;
    EXPECT_TRUE(HasLine("q.ini", "High=\xA0x\xA0")) << file;
    EXPECT_STREQ(ReadIniString(ini.c_str(), "S", "Lead", "", false, false), " a");
}

TEST_F(IniSettings, NumbersThatAreNoNumbersAreKept)
{
    const std::string ini = Path("n.ini");
    Put("n.ini", "[S]\nBad=12abc\nGood= 0x10\n");
    EXPECT_EQ(ReadIniNumber(ini.c_str(), "S", "Bad", 4.5, true, true), 4.5);
    EXPECT_TRUE(HasLine("n.ini", "Bad=12abc"));
    EXPECT_EQ(ReadIniNumber(ini.c_str(), "S", "Good", 0, true, true), 16);
    EXPECT_EQ(ReadIniNumber(ini.c_str(), "S", "New", 1.0 / 3.0, true, true), 1.0 / 3.0);
    EXPECT_TRUE(HasLine("n.ini", "New=0.33333333")) << Get("n.ini");
    EXPECT_EQ(ReadIniNumber(ini.c_str(), "S", "Whole", 7.0, true, true), 7.0);
    EXPECT_TRUE(HasLine("n.ini", "Whole=7")) << Get("n.ini");
    ASSERT_TRUE(WriteIniNumber(ini.c_str(), "S", "Fixed", 1.0, 3));
    EXPECT_TRUE(HasLine("n.ini", "Fixed=1.000"));
}

TEST_F(IniSettings, FileExistsClearsTheErrorOfAMissingFileOrPath)
{
    Put("here.ini", "");
    SetLastError(5);
    EXPECT_TRUE(FileExists(Path("here.ini").c_str()));
    SetLastError(5);
    EXPECT_FALSE(FileExists(Path("gone.ini").c_str()));
    EXPECT_EQ(GetLastError(), 0u);
    SetLastError(5);
    EXPECT_FALSE(FileExists(Path("nodir/gone.ini").c_str()));
    EXPECT_EQ(GetLastError(), 0u);
}

// Asked again after No, never again after Yes; the default is not written
// into a file that does not exist.
TEST_F(IniSettings, MissingIniFileIsAskedAboutUntilTheUserSaysYes)
{
    const std::string ini = Path("absent.ini");
    answers_ = {IDNO, IDYES};
    EXPECT_STREQ(ReadIniString(ini.c_str(), "Sect", "Key", "d", true, true), "d");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(Utf8From1250(boxes_[0].text.c_str()),
              "Čtení položky Key ze sekce [Sect] z ini, soubor nebyl nalzezen:\r\n" + ini +
                  "\r\n\r\nJIŽ NEHLÁSIT (za tohoto běhu programu) ?");
    EXPECT_EQ(boxes_[0].type & (MB_TYPEMASK | MB_ICONMASK | MB_DEFMASK),
              static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
    EXPECT_FALSE(Exists("absent.ini"));
    EXPECT_TRUE(MissingIniReported());

    EXPECT_EQ(ReadIniNumber(ini.c_str(), "Sect", "Num", 3, true, true), 3);
    EXPECT_EQ(boxes_.size(), 2u) << "No leaves the question on";
    EXPECT_FALSE(MissingIniReported());
    EXPECT_FALSE(CheckIniFile(ini.c_str(), "Sect", "Key"));
    EXPECT_EQ(boxes_.size(), 2u) << "Yes ends it for the run";
    EXPECT_FALSE(Exists("absent.ini"));
}

TEST_F(IniSettings, AskYesNoMapsTheDefaultButtonAndTheAnswers)
{
    answers_ = {IDYES, IDNO, IDCANCEL};
    EXPECT_EQ(AskYesNo("q", 1), 1);
    EXPECT_EQ(AskYesNo("q", 0), 0);
    EXPECT_EQ(AskYesNo("q", -1), -1);
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_[0].type & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON1));
    EXPECT_EQ(boxes_[1].type & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON2));
    EXPECT_EQ(boxes_[2].type & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON3));
    EXPECT_EQ(boxes_[0].type & MB_MODEMASK, static_cast<UINT>(MB_TASKMODAL));
}

} // namespace
