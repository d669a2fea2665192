// The number box, driven as a user types into it: reading with ',' or '.',
// the 0.49 rounding, a refused text and where it is selected, the hard and
// the soft range, a hidden box, a box without a range, Ctrl+A.
#include "test_dialog.h"

#include "framework/MVNumBox.h"

#include <clocale>
#include <string>

namespace {

class NumberBoxTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        d.number.minimum = 0;
        d.number.maximum = 15;
    }

    // Types text into the number box and presses OK; returns the dialog's
    // result (the driver closes a dialog that stays open with Escape).
    INT_PTR TypeAndOk(const char* text)
    {
        drive = [this, text](const UserScene& scene) {
            UserType(scene.dialog, 1042, text);
            UserClick(scene.dialog, IDOK);
            if (!d.HasEnded()) {
                stayedOpen = true;
                DWORD start = 0, end = 0;
                SendMessageA(GetDlgItem(scene.dialog, 1042), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                             reinterpret_cast<LPARAM>(&end));
                selection = {static_cast<int>(start), static_cast<int>(end)};
                focusOnBox = GetFocus() == GetDlgItem(scene.dialog, 1042);
                UserPressEscape(scene.dialog);
            }
        };
        return d.Run();
    }

    TestDialog d;
    bool stayedOpen = false;
    bool focusOnBox = false;
    std::pair<int, int> selection{-1, -1};
};

} // namespace

TEST_F(NumberBoxTest, CommaOrPointAndTheRoundingBy049)
{
    EXPECT_EQ(TypeAndOk("7,6"), IDOK);
    EXPECT_EQ(d.number.value, 8); // 7.6 + 0.49 cut to 8
    EXPECT_EQ(TypeAndOk("7.5"), IDOK);
    EXPECT_EQ(d.number.value, 7); // 7.99 cut to 7
    EXPECT_EQ(TypeAndOk(" 15 "), IDOK);
    EXPECT_EQ(d.number.value, 15);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(NumberBoxTest, TextAfterTheNumberIsRefusedWithItSelected)
{
    d.number.value = 3;
    EXPECT_EQ(TypeAndOk("12a"), IDCANCEL);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusOnBox);
    EXPECT_EQ(selection, std::make_pair(2, 3));
    EXPECT_TRUE(boxes.empty()); // the selection is the message
    EXPECT_EQ(TypeAndOk("1,5,7"), IDCANCEL);
    EXPECT_EQ(selection, std::make_pair(3, 5));
}

TEST_F(NumberBoxTest, HardRangeRefusesWithTheRangeInTheMessage)
{
    EXPECT_EQ(TypeAndOk("20"), IDCANCEL);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusOnBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please enter a number between 0 and 15.");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes[0].helpId, 61715u);
    // The range shows with the box's scale and decimals.
    d.number.scale = 0.5;
    d.number.decimals = 1;
    d.number.maximum = 30;
    EXPECT_EQ(TypeAndOk("16"), IDCANCEL); // 32 in units of the box
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Please enter a number between 0.0 and 15.0.");
}

TEST_F(NumberBoxTest, SoftRangeAsksAndYesMeansFixIt)
{
    d.number.softRange = true;
    boxAnswers = {IDYES, IDNO};
    EXPECT_EQ(TypeAndOk("20"), IDCANCEL);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Number should be between 0 and 15. Fix it?");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(TypeAndOk("20"), IDOK);
    EXPECT_EQ(d.number.value, 20);
}

TEST_F(NumberBoxTest, HiddenBoxAndBoxWithoutRangeAcceptEveryNumber)
{
    d.number.value = 20;
    d.number.Show(false);
    drive = [](const UserScene& scene) {
        EXPECT_FALSE(UserType(scene.dialog, 1042, "1")); // a user cannot type into it
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(d.number.value, 20);
    EXPECT_TRUE(boxes.empty());

    d.number.Show(true);
    d.number.maximum = 0; // 0..0: no range
    EXPECT_EQ(TypeAndOk("123456"), IDOK);
    EXPECT_EQ(d.number.value, 123456);
    EXPECT_EQ(TypeAndOk("-7,6"), IDOK);
    EXPECT_EQ(d.number.value, -8);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(NumberBoxTest, ShowsTheValueAndCtrlASelectsAll)
{
    d.number.value = 7;
    d.number.scale = 0.5;
    d.number.decimals = 2;
    d.number.width = 6;
    std::string shown;
    std::pair<int, int> afterCtrlA;
    drive = [&](const UserScene& scene) {
        shown = Text(scene.dialog, 1042);
        UserType(scene.dialog, 1042, "2.25");
        const HWND box = GetDlgItem(scene.dialog, 1042);
        SendMessageA(box, EM_SETSEL, 1, 1);
        UserTypeChar(scene.dialog, 1042, '\x01');
        const LRESULT selection = SendMessageA(box, EM_GETSEL, 0, 0);
        afterCtrlA = {LOWORD(selection), HIWORD(selection)};
        UserTypeChar(scene.dialog, 1042, '4');
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(shown, "  3.50");
    EXPECT_EQ(afterCtrlA, std::make_pair(0, 4));
    EXPECT_EQ(d.number.value, 8); // "4" / 0.5
}

TEST_F(NumberBoxTest, EmptyOrUndefinedTextKeepsTheValue)
{
    d.number.value = 5;
    d.number.allowsUndefined = true;
    EXPECT_EQ(TypeAndOk(""), IDOK);
    EXPECT_EQ(d.number.value, 5);
    EXPECT_FALSE(d.number.defined);
    std::string shown;
    drive = [&](const UserScene& scene) {
        shown = Text(scene.dialog, 1042);
        UserClick(scene.dialog, IDOK);
    };
    EXPECT_EQ(d.Run(), IDOK);
    EXPECT_EQ(shown, "(?)");
}

TEST(NumberReading, TakesTheLongestNumberWhateverTheLocale)
{
    double number = 0;
    EXPECT_EQ(ReadNumberPrefix("7,6", &number), 3);
    EXPECT_DOUBLE_EQ(number, 7.6);
    EXPECT_EQ(ReadNumberPrefix("12a", &number), 2);
    EXPECT_DOUBLE_EQ(number, 12);
    EXPECT_EQ(ReadNumberPrefix("1e", &number), 1);
    EXPECT_EQ(ReadNumberPrefix("-0.25x", &number), 5);
    EXPECT_DOUBLE_EQ(number, -0.25);
    EXPECT_EQ(ReadNumberPrefix("abc", &number), 0);
    EXPECT_DOUBLE_EQ(number, 0);
}

// The number box reads '.' and ',' alike whatever locale the host set for
// the process (a locale with the decimal comma here).
TEST(NumberReading, LocaleOfTheProcessChangesNothing)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* set = nullptr;
    for (const char* name : {"cs_CZ.UTF-8", "Czech_Czechia.1250", "Czech", "cs-CZ"})
        if ((set = std::setlocale(LC_NUMERIC, name)) != nullptr)
            break;
    ASSERT_NE(set, nullptr) << "no locale with the decimal comma";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    double number = 0;
    EXPECT_EQ(ReadNumberPrefix("7.6", &number), 3);
    EXPECT_DOUBLE_EQ(number, 7.6);
    EXPECT_EQ(ReadNumberPrefix("7,6", &number), 3);
    EXPECT_DOUBLE_EQ(number, 7.6);
    EXPECT_EQ(ReadNumberPrefix("0,5e1x", &number), 5);
    EXPECT_DOUBLE_EQ(number, 5);
    std::setlocale(LC_NUMERIC, previous.c_str());
}
