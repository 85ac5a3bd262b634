// Colour schemes, the OPTIONS toggles, the clock, the entries that open the other
// windows and the colour mixer's closing questions.

#include "appearance/colour_mixer_window_model.h"
#include "appearance/colour_schemes.h"
#include "appearance/display_options.h"
#include "appearance/window_menu.h"
#include "support/calculator_fixture.h"

#include <cstdio>

namespace tallimo::testing {
namespace {

using C = Control;

// A wall clock that moves only when told: milliseconds since midnight of day 0.
class FakeClock : public Clock {
public:
    ClockReading read() const override
    {
        const long long day = wall / kDay;
        const long long second = wall % kDay / 1000;
        char time[16];
        std::snprintf(time, sizeof time, "%02lld:%02lld:%02lld", second / 3600, second / 60 % 60, second % 60);
        return {time, "day " + std::to_string(day), static_cast<int>(wall % 1000)};
    }
    static long long at(int day, int h, int m, int s, int ms) { return day * kDay + ((h * 60LL + m) * 60 + s) * 1000 + ms; }

    static constexpr long long kDay = 86'400'000;
    long long wall = at(1, 9, 0, 0, 0);
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
    FakeClock clock;
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

TEST_F(DisplayTest, ResultsAlternatesTheHeightsOnlyWhileATapeIsOpen)
{
    options.toggleResults();
    EXPECT_EQ(calculator.controls().height(), WindowHeight::Short);
    calculator.controls().show(C::txtSpool);  // a tape is open
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
    clock.wall = FakeClock::at(1, 10, 11, 12, 0);
    options.tick();
    EXPECT_EQ(options.timeText() + " " + options.dateText(), "10:11:12 day 1");
    options.toggleTime();
    EXPECT_TRUE(visible(C::txtTime));
}

// Timer1 sleeps for what each tick asks, then ticks again; `jump` moves the wall
// clock while it sleeps (the clock set, or the machine asleep) before tick `at`.
struct Tick {
    std::string time;
    std::string date;
    int millisecond;
};
std::vector<Tick> runClock(FakeClock& clock, DisplayOptions& options, int ticks, int at = -1, long long jump = 0)
{
    std::vector<Tick> shown;
    for (int i = 0; i < ticks; ++i) {
        if (i == at) clock.wall += jump;
        const auto next = options.tick();
        shown.push_back({options.timeText(), options.dateText(), static_cast<int>(clock.wall % 1000)});
        clock.wall += next.count();
    }
    return shown;
}

TEST_F(DisplayTest, TheClockWakesOnceASecondJustAfterTheSecondBegins)
{
    clock.wall = FakeClock::at(1, 12, 0, 0, 400);
    const std::vector<Tick> shown = runClock(clock, options, 61);
    EXPECT_EQ(shown.front().time, "12:00:00");
    EXPECT_EQ(shown.back().time, "12:01:00");
    for (std::size_t i = 1; i < shown.size(); ++i) {
        EXPECT_NE(shown[i].time, shown[i - 1].time) << i;
        EXPECT_LT(shown[i].millisecond, 100) << i;  // well within a tenth of a second
    }
}

TEST_F(DisplayTest, TheClockTurnsTheDateWithTheTimeAtMidnight)
{
    clock.wall = FakeClock::at(1, 23, 59, 59, 990);
    const std::vector<Tick> shown = runClock(clock, options, 2);
    EXPECT_EQ(shown[0].time + " " + shown[0].date, "23:59:59 day 1");
    EXPECT_EQ(shown[1].time + " " + shown[1].date, "00:00:00 day 2");
}

TEST_F(DisplayTest, TheClockFollowsAClockSetOrASleepAtItsNextTickAndKeepsToTheSecond)
{
    struct Case { const char* what; long long jump; const char* first; const char* second; };
    for (const Case& c : {Case{"set back an hour and 400 ms", -FakeClock::at(0, 1, 0, 0, 400), "09:00:05", "09:00:06"},
                          Case{"set forward 300 ms", 300, "10:00:06", "10:00:07"},
                          Case{"asleep for a day", FakeClock::kDay + 123, "10:00:06", "10:00:07"}}) {
        clock.wall = FakeClock::at(1, 10, 0, 5, 0);
        const std::vector<Tick> shown = runClock(clock, options, 3, 1, c.jump);
        EXPECT_EQ(shown[1].time, c.first) << c.what;
        EXPECT_EQ(shown[2].time, c.second) << c.what;
        EXPECT_LT(shown[2].millisecond, 100) << c.what;
    }
    EXPECT_EQ(options.dateText(), "day 2");
}

TEST_F(DisplayTest, ATickThatComesEarlyShowsItsSecondAndIsDueAgainAtTheNext)
{
    clock.wall = FakeClock::at(1, 8, 0, 0, 990);
    const std::vector<Tick> shown = runClock(clock, options, 2);
    EXPECT_EQ(shown[0].time, "08:00:00");
    EXPECT_EQ(shown[1].time, "08:00:01");
    EXPECT_LT(shown[1].millisecond, 100);
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

TEST(ColourMixerWindowModel, ClosingAndExitAskAndGiveTheColourEntriesBackWhateverTheAnswer)
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
        ColourMixerWindowModel mixer{prompter, [&releases] { ++releases; }};
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
