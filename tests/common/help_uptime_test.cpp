// Help calls with their "terx.out" record, the hand-over of files to the
// editor, and the uptime warning with a replaced tick count.
#include "common/config.h"
#include "common/help.h"
#include "common/uptime.h"
#include "tests/common/settings_fixture.h"

#include <clocale>

namespace {

std::vector<std::pair<std::string, int>> displays;
int helpFileNumber = 0;

void RecordDisplay(const char* file, int context)
{
    displays.emplace_back(file, context);
}

int FixedHelpFileNumber(int)
{
    return helpFileNumber;
}

class Help : public ProductSettings {
protected:
    void SetUp() override
    {
        ProductSettings::SetUp();
        displays.clear();
        SetHelpDisplayRoutine(RecordDisplay);
        SetHelpFileNumberRoutine(FixedHelpFileNumber);
        Install("Terx", "LocalPath", Dir().c_str());
        Install("Terx", "HelpPath", "C:\\help");
    }
    void TearDown() override
    {
        SetHelpDisplayRoutine(nullptr);
        SetHelpFileNumberRoutine(nullptr);
        ProductSettings::TearDown();
    }

    std::string Record(const char* key) { return std::string(ReadIniString(Path("terx.out").c_str(), "Help", key, "-", false, false)); }
};

TEST_F(Help, EachHelpFileNumberOpensItsFileAndOthersNothing)
{
    const char* files[] = {"TravCOM.chm", "TravCOMAlvo.chm", "TravCOMBeno.chm", "TravCOMCisu.chm", "TravCOM.chm"};
    for (int number = 0; number < 5; ++number) {
        helpFileNumber = number;
        displays.clear();
        ShowHelp(20732);
        ASSERT_EQ(displays.size(), 2u) << number;
        EXPECT_EQ(displays[0].first, std::string("C:\\help\\") + files[number]);
        EXPECT_EQ(displays[0].second, 20732);
        EXPECT_EQ(displays[1].second, 0) << "the second request names no context";
    }
    helpFileNumber = 5;
    displays.clear();
    std::remove(Path("terx.out").c_str());
    ShowHelp(20080);
    EXPECT_TRUE(displays.empty());
    EXPECT_FALSE(Exists("terx.out"));
}

TEST_F(Help, RecordsTheLocaleAroundTheCallUnlessHelpLocaleIsZero)
{
    std::setlocale(LC_ALL, "C");
    OpenHelpFile("TravCOM.chm", 0);
    ASSERT_EQ(displays.size(), 1u) << "context 0 makes only the second request";
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, "Software\\Velor Terx\\TravCOM\\pom", "HelpLocale", 9, false), 1u)
        << "a missing HelpLocale is created with 1";
    EXPECT_EQ(Record("LocaleStr0"), "C");
    EXPECT_EQ(Record("LocaleStr1"), "C");
    EXPECT_EQ(Record("LastHelpCall"), "C:\\help\\TravCOM.chm");

    std::remove(Path("terx.out").c_str());
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, "Software\\Velor Terx\\TravCOM\\pom", "HelpLocale", 0));
    OpenHelpFile("TravCOMBeno.chm", 7);
    EXPECT_EQ(Record("LastHelpCall"), "C:\\help\\TravCOMBeno.chm");
    EXPECT_EQ(Record("LocaleStr0"), "-");
    EXPECT_EQ(Record("LocaleStr1"), "-");
}

short editResult = 0;
std::vector<std::string> edits;

short RecordEdit(const char* ini, const char* file, short flag)
{
    edits.push_back(std::string(ini) + "|" + file + "|" + std::to_string(flag));
    return editResult;
}

TEST_F(Help, EditTextFileQuotesTheNameAndPassesTheGlobalIni)
{
    Install("Terx", "LocalPath", "C:\\loc");
    SetEditFileRoutine(RecordEdit);
    editResult = 3;
    EXPECT_EQ(EditTextFile("C:\\a b.txt", 2), 3);
    EXPECT_EQ(EditTextFile("\"C:\\q.txt\"", 0), 3);
    EXPECT_EQ(EditTextFile("", 1), 3);
    SetEditFileRoutine(nullptr);
    ASSERT_EQ(edits.size(), 3u);
    EXPECT_EQ(edits[0], "C:\\loc\\terx.ini|\"C:\\a b.txt\"|2");
    EXPECT_EQ(edits[1], "C:\\loc\\terx.ini|\"C:\\q.txt\"|0");
    EXPECT_EQ(edits[2], "C:\\loc\\terx.ini||1");
}

#if !defined(_WIN32)
TEST_F(Help, NativeEditorComesFromVisualThenEditor)
{
    unsetenv("VISUAL");
    unsetenv("EDITOR");
    EXPECT_EQ(EditTextFile("/tmp/x.txt", 0), 0) << "no editor";
    setenv("EDITOR", "test -n", 1);
    EXPECT_EQ(EditTextFile("/tmp/x.txt", 0), 1);
    setenv("VISUAL", "false", 1);
    EXPECT_EQ(EditTextFile("/tmp/x.txt", 0), 0) << "VISUAL goes first; it failed";
    unsetenv("VISUAL");
    unsetenv("EDITOR");
}
#endif

DWORD tick = 0;
DWORD Tick()
{
    return tick;
}

class Uptime : public ProductSettings {
protected:
    void SetUp() override
    {
        ProductSettings::SetUp();
        SetTickCountSource(Tick);
    }
    void TearDown() override
    {
        SetTickCountSource(nullptr);
        ProductSettings::TearDown();
    }
    DWORD Setting() { return ReadRegDword(HKEY_CURRENT_USER, "Software\\Velor Terx", "NoMsgTimeProblem", 99, false); }
};

TEST_F(Uptime, ANonZeroCountNeitherWarnsNorTouchesTheRegistry)
{
    tick = 1;
    EXPECT_EQ(GetTickCountChecked(), 1u);
    tick = 0xFFFFFFFFu;
    EXPECT_EQ(GetTickCountChecked(), 0xFFFFFFFFu);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(Setting(), 99u);
    EXPECT_FALSE(UptimeWarningShown());
}

TEST_F(Uptime, ZeroWithTheWarningSwitchedOffShowsNothingAndIsCheckedOnce)
{
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, "Software\\Velor Terx", "NoMsgTimeProblem", 1));
    tick = 0;
    EXPECT_EQ(GetTickCountChecked(), 0u);
    EXPECT_TRUE(UptimeWarningShown());
    ClearProductKeys();
    EXPECT_EQ(GetTickCountChecked(), 0u);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(Setting(), 99u) << "the second reading did not look at the registry";
}

TEST_F(Uptime, ZeroOnAMachineWithoutTheValueCreatesItAndWarnsOnce)
{
    tick = 0;
    EXPECT_EQ(GetTickCountChecked(), 0u);
    EXPECT_EQ(GetTickCountChecked(), 0u);
    EXPECT_EQ(Setting(), 0u);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(Utf8From1250(boxes_[0].text.c_str()),
              "The operating system is running continuously for at least 49 days.\r\n"
              "Some Windows functions have problem with it, it can cause retardation of program or another "
              "problem.\r\n\r\n"
              "(This message is reported only once at program runtime, very experienced users may suppress this "
              "message (if it is important) in Windows Register entering DWORD value NoMsgTimeProblem=1 in key "
              "HKEY_CURRENT_USER\\Software\\Velor Terx.\r\n\r\n\r\n\r\n"
              "Operační systém běží nepřetržitě nejméně 49 dní.\r\n"
              "Některé funkce Windows s tím mají problém, který může vést ke zpomalení ale i k funkčním "
              "problémům.\r\n\r\n"
              "(Toto hlášení je zobrazeno pouze jednou za běhu programu, pokud není možné restartovat systém, "
              "velmi zkušení uživatelé mohou potlačit toto hlášení v registrech Windows zápisem DWORD hodnoty "
              "NoMsgTimeProblem=1 do klíče HKEY_CURRENT_USER\\Software\\Velor Terx.");
}

} // namespace
