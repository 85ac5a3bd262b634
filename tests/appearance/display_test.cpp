// Colour schemes, the OPTIONS toggles, the clock, the entries that open the other
// windows and the colour mixer's closing questions.

#include "appearance/colour_mixer.h"
#include "appearance/colour_schemes.h"
#include "appearance/display_options.h"
#include "appearance/window_menu.h"
#include "support/calculator_fixture.h"

namespace tallimo::testing {
namespace {

using C = Control;

class SetClock : public Clock {
public:
    std::string timeText() const override { return time; }
    std::string shortDateText() const override { return "01/02/2026"; }
    std::string time = "09:00:00";
};

class NoWindows : public ChildWindows {
public:
    void showConversion(ConversionKind) override {}
    void showColourMixer() override {}
    void showAbout() override {}
};

class DisplayTest : public CalculatorTest {
protected:
    ColourSchemes schemes{calculator.controls()};
    SetClock clock;
    DisplayOptions options{calculator.controls(), clock};
    NoWindows windows;
    WindowMenu menu{calculator.controls(), windows};
};

TEST_F(DisplayTest, SchemeChangesTheColourAndMovesTheCheckMarkInBothMenus)
{
    schemes.choose(2);
    EXPECT_EQ(schemes.colour(), (Colour{255, 0, 0}));
    for (int k = 0; k < kSchemeCount; ++k) {
        EXPECT_EQ(calculator.controls().checked(member(C::mnuScheme1, k)), k == 1) << k;
        EXPECT_EQ(calculator.controls().checked(member(C::PopUpScheme1, k)), k == 1) << k;
    }
}

TEST_F(DisplayTest, ResultsAlternatesTheHeightsOnlyWhileAPageIsOpen)
{
    options.toggleResults();
    EXPECT_EQ(calculator.controls().height(), WindowHeight::Short);
    calculator.controls().show(C::txtSpool);  // a page is open
    for (WindowHeight expected : {WindowHeight::Tall, WindowHeight::Short, WindowHeight::Tall}) {
        options.toggleResults();
        EXPECT_EQ(calculator.controls().height(), expected);
    }
}

// The texts are taken at the tick itself, not when a box shows again.
TEST_F(DisplayTest, EachToggleHidesItsOwnBoxAndATickReadsTheClockWhileBothAreHidden)
{
    options.toggleTime();
    EXPECT_TRUE(!visible(C::txtTime) && visible(C::txtDate));
    options.toggleDate();
    EXPECT_FALSE(visible(C::txtDate));
    clock.time = "10:11:12";
    options.tick();
    EXPECT_EQ(options.timeText() + " " + options.dateText(), "10:11:12 01/02/2026");
    options.toggleTime();
    EXPECT_TRUE(visible(C::txtTime));
}

TEST_F(DisplayTest, AnOpenWindowKeepsItsEntriesDisabledInBothMenus)
{
    menu.openConversion(ConversionKind::Weight);
    EXPECT_FALSE(enabled(C::mnuWeight) || enabled(C::PopUpWeight));
    calculator.enableConversionEntries(ConversionKind::Weight);  // the window closes
    EXPECT_TRUE(enabled(C::mnuWeight) && enabled(C::PopUpWeight));

    menu.openColourMixer(MenuOrigin::Popup);
    EXPECT_TRUE(enabled(C::mnuColour) && enabled(C::PopUpColour));
    menu.openColourMixer(MenuOrigin::MenuBar);
    EXPECT_FALSE(enabled(C::mnuColour) || enabled(C::PopUpColour));
}

TEST(ColourMixer, ClosingAndExitAskAndGiveTheColourEntriesBackWhateverTheAnswer)
{
    const std::string close = "If you close the program all current values will be lost";
    // Exit answered Yes runs the closing steps, which give the entries back too.
    struct Case {
        bool viaExit;
        std::initializer_list<Answer> answers;
        std::vector<std::string> asked;
        bool closes;
        int releases;
    };
    for (const Case& c : {Case{false, {Answer::No}, {close}, false, 1}, Case{false, {Answer::Yes}, {close}, true, 1},
                          Case{true, {Answer::No}, {close + "."}, false, 1},
                          Case{true, {Answer::Yes, Answer::No}, {close + ".", close}, false, 2},
                          Case{true, {Answer::Yes, Answer::Yes}, {close + ".", close}, true, 2}}) {
        ScriptedPrompter prompter;
        prompter.script(c.answers);
        int releases = 0;
        ColourMixer mixer{prompter, [&releases] { ++releases; }};
        mixer.open(kBlack);
        EXPECT_EQ(c.viaExit ? mixer.exit() : mixer.requestClose(), c.closes);
        EXPECT_EQ(prompter.texts(), c.asked);
        EXPECT_EQ(mixer.isOpen(), !c.closes);
        EXPECT_EQ(releases, c.releases);
        EXPECT_EQ(prompter.asked[0].buttons, Buttons::YesNo);
    }
}

}  // namespace
}  // namespace tallimo::testing
