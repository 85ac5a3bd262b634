// The colour mixer's closing questions; the window's tests cover its sliders.

#include "appearance/colour_mixer.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace tallimo::testing {
namespace {

const std::string kCloseQuestion = "If you close the program all current values will be lost";
const std::string kExitQuestion = "If you close the program all current values will be lost.";

TEST(ColourMixer, ClosingAndExitAskAndGiveTheColourEntriesBackWhateverTheAnswer)
{
    struct Case {
        bool viaExit;
        std::initializer_list<Answer> answers;
        std::vector<std::string> asked;
        bool closes;
    };
    const Case cases[] = {
        {false, {Answer::No}, {kCloseQuestion}, false},
        {false, {Answer::Yes}, {kCloseQuestion}, true},
        {true, {Answer::No}, {kExitQuestion}, false},
        {true, {Answer::Yes, Answer::No}, {kExitQuestion, kCloseQuestion}, false},
        {true, {Answer::Yes, Answer::Yes}, {kExitQuestion, kCloseQuestion}, true},
    };
    for (const Case& c : cases) {
        ScriptedPrompter prompter;
        prompter.script(c.answers);
        int releases = 0;
        ColourMixer mixer{prompter, [&releases] { ++releases; }};
        mixer.open(kBlack);
        EXPECT_EQ(c.viaExit ? mixer.exit() : mixer.requestClose(), c.closes);
        EXPECT_EQ(prompter.texts(), c.asked);
        EXPECT_EQ(mixer.isOpen(), !c.closes);
        EXPECT_GE(releases, 1);
        EXPECT_EQ(prompter.asked[0].buttons, Buttons::YesNo);
        EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    }
}

}  // namespace
}  // namespace tallimo::testing
