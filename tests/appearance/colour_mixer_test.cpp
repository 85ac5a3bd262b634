// The colour mixer: sliders, the mixed colour, the labels and the closing questions.

#include "appearance/colour_mixer.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace tallimo::testing {
namespace {

const std::string kCloseQuestion = "If you close the program all current values will be lost";
const std::string kExitQuestion = "If you close the program all current values will be lost.";

class ColourMixerTest : public ::testing::Test {
protected:
    ColourMixerTest() { mixer.open(Colour::fromNumber(32768)); }

    ScriptedPrompter prompter;
    int releases = 0;
    ColourMixer mixer{prompter, [this] { ++releases; }};
};

TEST_F(ColourMixerTest, OpensInTheSchemesColourWithEverythingAtZero)
{
    EXPECT_EQ(mixer.background().number(), 32768u);
    for (Component c : {Component::Red, Component::Green, Component::Blue}) {
        EXPECT_EQ(mixer.valueText(c), "0");
        EXPECT_EQ(mixer.nameLabelBackground(c), kBlack);
    }
    EXPECT_EQ(mixer.nameLabelText(), kWhite);
}

TEST_F(ColourMixerTest, SlidersMixTheColourAndColourTheirOwnLabels)
{
    mixer.move(Component::Red, 255);
    EXPECT_EQ(mixer.mixed().number(), 255u);
    EXPECT_EQ(mixer.valueText(Component::Red), "255");
    EXPECT_EQ(mixer.nameLabelBackground(Component::Red), (Colour{255, 0, 0}));
    EXPECT_EQ(mixer.valueText(Component::Green), "0");
    EXPECT_EQ(mixer.nameLabelBackground(Component::Green), kBlack);

    mixer.move(Component::Green, 128);
    EXPECT_EQ(mixer.mixed().number(), 33023u);
    EXPECT_EQ(mixer.nameLabelBackground(Component::Green), (Colour{0, 128, 0}));
    EXPECT_EQ(mixer.nameLabelBackground(Component::Red), (Colour{255, 0, 0}));

    mixer.move(Component::Blue, 300);
    EXPECT_EQ(mixer.valueText(Component::Blue), "255");
    EXPECT_EQ(mixer.mixed(), (Colour{255, 128, 255}));
}

TEST_F(ColourMixerTest, ClosingAsksAndGivesTheColourEntriesBackWhateverTheAnswer)
{
    prompter.script({Answer::No});
    EXPECT_FALSE(mixer.requestClose());
    EXPECT_TRUE(mixer.isOpen());
    EXPECT_EQ(releases, 1);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, kCloseQuestion);
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);

    prompter.script({Answer::Yes});
    EXPECT_TRUE(mixer.requestClose());
    EXPECT_FALSE(mixer.isOpen());
    EXPECT_EQ(releases, 2);
}

TEST_F(ColourMixerTest, ExitAsksItsOwnQuestionThenTheClosingOne)
{
    struct Case {
        std::initializer_list<Answer> answers;
        std::vector<std::string> asked;
        bool closes;
    };
    const Case cases[] = {
        {{Answer::No}, {kExitQuestion}, false},
        {{Answer::Yes, Answer::No}, {kExitQuestion, kCloseQuestion}, false},
        {{Answer::Yes, Answer::Yes}, {kExitQuestion, kCloseQuestion}, true},
    };
    for (const Case& c : cases) {
        ScriptedPrompter answers;
        answers.script(c.answers);
        int released = 0;
        ColourMixer exiting{answers, [&released] { ++released; }};
        exiting.open(kBlack);
        EXPECT_EQ(exiting.exit(), c.closes);
        EXPECT_EQ(answers.texts(), c.asked);
        EXPECT_EQ(exiting.isOpen(), !c.closes);
        EXPECT_GE(released, 1);
    }
}

TEST_F(ColourMixerTest, OpeningAgainAfterACloseStartsAfreshButAnOpenMixerKeepsItsValues)
{
    mixer.move(Component::Blue, 40);
    mixer.open(kBlack);
    EXPECT_EQ(mixer.value(Component::Blue), 40);
    EXPECT_EQ(mixer.background().number(), 32768u);

    prompter.script({Answer::Yes});
    mixer.requestClose();
    mixer.open(Colour::fromNumber(255));
    EXPECT_EQ(mixer.value(Component::Blue), 0);
    EXPECT_EQ(mixer.valueText(Component::Blue), "0");
    EXPECT_EQ(mixer.background().number(), 255u);
}

}  // namespace
}  // namespace tallimo::testing
