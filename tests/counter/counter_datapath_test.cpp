// DataPath: the product's local data directory from the installation
// settings, alone or joined with a name, in narrow text and converted through
// the code page in wide text.
#include "counter/CAtCounterI.h"
#include "tests/common/settings_fixture.h"

#include <string>
#include <vector>

namespace {

class CounterDataPath : public ProductSettings {
protected:
    void TearDown() override
    {
        counter->NondelegatingRelease();
        ProductSettings::TearDown();
    }

    std::string Narrow(const char* expression)
    {
        double value = 0;
        int32_t status = 0;
        counter->Compute(expression, nullptr, nullptr, &value, &status);
        EXPECT_EQ(status, kStatusText) << expression;
        std::string text(counter->GetText(nullptr, 0) + 1, '\0');
        counter->GetText(&text[0], static_cast<uint32_t>(text.size()));
        text.resize(text.size() - 1);
        return text;
    }

    // The expression is ASCII; the text comes back as its UTF-16 units.
    std::u16string Wide(const char* expression)
    {
        std::vector<unsigned short> units(expression, expression + std::char_traits<char>::length(expression) + 1);
        double value = 0;
        int32_t status = 0;
        counter->ComputeW(units.data(), nullptr, nullptr, &value, &status);
        EXPECT_EQ(status, kStatusText) << expression;
        std::vector<unsigned short> text(counter->GetTextW(nullptr, 0) + 1);
        counter->GetTextW(text.data(), static_cast<uint32_t>(text.size()));
        return std::u16string(text.begin(), text.end() - 1);
    }

    CAtCounterI* counter = new CAtCounterI(nullptr);
};

TEST_F(CounterDataPath, DirectoryAloneOrJoinedWithAName)
{
    Install("Terx", "LocalPath", "C:\\local");
    EXPECT_EQ(Narrow("DataPath"), "C:\\local");
    EXPECT_EQ(Narrow("DataPath()"), "C:\\local");
    EXPECT_EQ(Narrow("datapath(\"terx.ini\")"), "C:\\local\\terx.ini");
    EXPECT_EQ(Narrow("DataPath(\"sub\" + \"\\a.txt\") + \"!\""), "C:\\local\\sub\\a.txt!");
    EXPECT_EQ(Wide("DataPath"), u"C:\\local");
    EXPECT_EQ(Wide("DATAPATH ( \"terx.ini\" )"), u"C:\\local\\terx.ini");
}

TEST_F(CounterDataPath, WithoutSettingsTheSharedDirectoryStandsIn)
{
    EXPECT_EQ(Narrow("DataPath"), "");
    Install("Terx", "SharedPath", "D:\\shared");
    EXPECT_EQ(Narrow("DataPath(\"x\")"), "D:\\shared\\x");
}

// The directory is ANSI text (code page 1250 here); the wide evaluator gets
// its characters through the code page, and gives a wide name back the same
// way.
TEST_F(CounterDataPath, WideTextGoesThroughTheCodePage)
{
    Install("Terx", "LocalPath", "C:\\m\xECr\xEDn\xED");
    EXPECT_EQ(Narrow("DataPath"), "C:\\m\xECr\xEDn\xED");
    EXPECT_EQ(Wide("DataPath"), u"C:\\m\u011Br\u00EDn\u00ED");
    const unsigned short name[] = {'D', 'a', 't', 'a', 'P', 'a', 't', 'h', '(', '"', 0x0159, '.', 't', 'x', 't', '"', ')', 0};
    double value = 0;
    int32_t status = 0;
    counter->ComputeW(name, nullptr, nullptr, &value, &status);
    ASSERT_EQ(status, kStatusText);
    std::vector<unsigned short> text(counter->GetTextW(nullptr, 0) + 1);
    counter->GetTextW(text.data(), static_cast<uint32_t>(text.size()));
    EXPECT_EQ(std::u16string(text.begin(), text.end() - 1), u"C:\\m\u011Br\u00EDn\u00ED\\\u0159.txt");
}

} // namespace
