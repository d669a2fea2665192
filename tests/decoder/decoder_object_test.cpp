// Definitions of commands, parameters and comment words, and the small
// operations of the decoder.
#include "decoder_fixture.h"

#include <cstring>

using DecoderObject = DecoderTest;

TEST_F(DecoderObject, ParameterBeforeAnyCommandIsRefused)
{
    double value = 0;
    EXPECT_EQ(d->AddParam(kValueNumber, 0, &value, nullptr, "v="), 1u);
    EXPECT_TRUE(d->commands.empty());
}

TEST_F(DecoderObject, SecondDefaultCommandIsRefused)
{
    EXPECT_EQ(d->AddCommand(nullptr, 1), 0u);
    EXPECT_EQ(d->AddCommand(nullptr, 2), 1u);
    EXPECT_EQ(d->AddCommandSharingParams(nullptr, 3, 1), 1u);
    ASSERT_EQ(d->commands.size(), 1u);
    EXPECT_EQ(d->defaultCommand, &d->commands[0]);
    EXPECT_EQ(d->defaultCommand->id, 1u);
}

TEST_F(DecoderObject, DefaultCommandSurvivesTheTableGrowing)
{
    d->AddCommand(nullptr, 1);
    for (uint32_t id = 2; id < 40; ++id)
        d->AddCommand((".c" + std::to_string(id)).c_str(), id);
    ASSERT_NE(d->defaultCommand, nullptr);
    EXPECT_EQ(d->defaultCommand->id, 1u);
    EXPECT_EQ(Decode("plain data").id, 1u);
    EXPECT_EQ(Decode(".C17 x").id, 17u);
}

TEST_F(DecoderObject, KeywordsAreStoredUpperCase)
{
    d->AddCommand(".np", 2);
    d->AddParam(kValueText, 1, nullptr, nullptr, "sName=");
    d->AddParam(kValueText, 1, nullptr, nullptr, "\xE8\xEDslo=");
    EXPECT_STREQ(d->commands[0].params[0].keyword, "SNAME=");
    EXPECT_STREQ(d->commands[0].params[1].keyword, "\xC8\xCDSLO=");
}

TEST_F(DecoderObject, ResetClearsDefinitionsButNotTheSwitches)
{
    d->AddCommentWord(";");
    d->AddCommand(nullptr, 1);
    d->keywordThreshold = 65;
    d->EnableErrorMessages(0);
    EXPECT_EQ(d->ResetDefinitions(), 0u);
    EXPECT_TRUE(d->commands.empty());
    EXPECT_TRUE(d->commentWords.empty());
    EXPECT_EQ(d->defaultCommand, nullptr);
    EXPECT_EQ(d->keywordThreshold, 0u);
    EXPECT_FALSE(d->showMessages);
    EXPECT_EQ(d->AddCommand(nullptr, 5), 0u); // a default command may be defined again
    EXPECT_EQ(Decode("; now text").id, 5u);   // the comment word is gone
}

TEST_F(DecoderObject, YesAndNoValuesAreExact)
{
    double yes = 0, no = 0;
    EXPECT_EQ(d->GetYesNoValues(&yes, &no), 0u);
    EXPECT_EQ(yes, 1.23456789e300);
    EXPECT_EQ(no, -1.23456789e300);
    EXPECT_EQ(d->GetYesNoValues(nullptr, nullptr), 0u);
}

TEST_F(DecoderObject, ErrorMessagesSwitch)
{
    EXPECT_TRUE(d->showMessages);
    d->EnableErrorMessages(0);
    EXPECT_FALSE(d->showMessages);
    d->EnableErrorMessages(-7);
    EXPECT_TRUE(d->showMessages);
}

TEST_F(DecoderObject, AnsweredThroughItsInterface)
{
    IVelorTrDcd* decoder = nullptr;
    ASSERT_EQ(d->NondelegatingQueryInterface(IID_IVelorTrDcd, reinterpret_cast<void**>(&decoder)), S_OK);
    EXPECT_EQ(decoder->AddCommand(".x", 4), 0u);
    EXPECT_EQ(decoder->Release(), 1u);
    void* factory = reinterpret_cast<void*>(1);
    EXPECT_EQ(d->NondelegatingQueryInterface(IID_IClassFactory, &factory), E_NOINTERFACE);
    EXPECT_EQ(factory, nullptr);
}
