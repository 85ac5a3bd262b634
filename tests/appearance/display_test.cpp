// Colour schemes, the OPTIONS toggles, the clock and the entries that open the
// other windows.

#include "appearance/appearance_ports.h"
#include "appearance/colour_schemes.h"
#include "appearance/display_options.h"
#include "support/calculator_fixture.h"

namespace tallimo::testing {
namespace {

using C = Control;

class DisplayTest : public CalculatorTest {
protected:
    std::vector<int> checkedSchemes(Control first)
    {
        std::vector<int> out;
        for (int n = 1; n <= 4; ++n)
            if (calculator.controls().checked(member(first, n - 1))) out.push_back(n);
        return out;
    }
    WindowHeight height() { return calculator.controls().height(); }

    ColourSchemes schemes{calculator.controls()};
    SetClock clock;
    DisplayOptions options{calculator.controls(), clock};
    RecordingWindows windows;
    WindowMenu menu{calculator.controls(), windows};
};

TEST_F(DisplayTest, SchemeChangesTheColourAndMovesTheCheckMarkInBothMenus)
{
    EXPECT_EQ(schemes.colour(), kBlack);
    EXPECT_EQ(checkedSchemes(C::mnuScheme1), std::vector<int>{3});
    const std::uint32_t numbers[] = {32768, 255, 0, 65535};
    for (int n : {2, 1, 4, 3, 2}) {
        schemes.choose(n);
        EXPECT_EQ(schemes.colour().number(), numbers[n - 1]) << "scheme " << n;
        EXPECT_EQ(checkedSchemes(C::mnuScheme1), std::vector<int>{n});
        EXPECT_EQ(checkedSchemes(C::PopUpScheme1), std::vector<int>{n});
    }
    EXPECT_EQ(schemes.colour(), (Colour{255, 0, 0}));
}

TEST_F(DisplayTest, ResultsAlternatesTheHeightsOnlyWhileAPageIsOpen)
{
    options.toggleResults();
    EXPECT_EQ(height(), WindowHeight::Short);
    calculator.controls().show(C::txtSpool);  // a page is open
    for (WindowHeight expected : {WindowHeight::Tall, WindowHeight::Short, WindowHeight::Tall}) {
        options.toggleResults();
        EXPECT_EQ(height(), expected);
    }
}

TEST_F(DisplayTest, TheClockWritesTheTimeBoxWhileItIsHidden)
{
    options.toggleTime();
    EXPECT_FALSE(visible(C::txtTime));
    EXPECT_TRUE(visible(C::txtDate));
    clock.time = "10:11:12";
    clock.date = "02/03/2026";
    options.tick();
    options.toggleTime();
    EXPECT_TRUE(visible(C::txtTime));
    EXPECT_EQ(options.timeText(), "10:11:12");
    EXPECT_EQ(options.dateText(), "02/03/2026");
    options.toggleDate();
    EXPECT_FALSE(visible(C::txtDate));
}

TEST_F(DisplayTest, AnOpenConversionWindowKeepsItsEntriesDisabledInBothMenus)
{
    struct Case {
        ConversionKind kind;
        Control bar;
        Control popup;
    };
    for (const Case& c : {Case{ConversionKind::Distance, C::mnuDistance, C::PopUpDistance},
                          Case{ConversionKind::Volume, C::mnuVolume, C::PopUpVolume},
                          Case{ConversionKind::Weight, C::mnuWeight, C::PopUpWeight}}) {
        menu.openConversion(c.kind);
        EXPECT_EQ(windows.shown.back(), static_cast<int>(c.kind));
        EXPECT_FALSE(enabled(c.bar) || enabled(c.popup)) << controlName(c.bar);
        calculator.enableConversionEntries(c.kind);  // the window closes
        EXPECT_TRUE(enabled(c.bar) && enabled(c.popup)) << controlName(c.bar);
    }
}

TEST_F(DisplayTest, OnlyTheMenuBarsColourEntryDisablesBothColourEntries)
{
    menu.openColourMixer(MenuOrigin::Popup);
    EXPECT_TRUE(enabled(C::mnuColour) && enabled(C::PopUpColour));
    menu.openColourMixer(MenuOrigin::MenuBar);
    EXPECT_FALSE(enabled(C::mnuColour) || enabled(C::PopUpColour));
    EXPECT_EQ(windows.shown, (std::vector<int>{RecordingWindows::kMixer, RecordingWindows::kMixer}));
    menu.releaseColourMixer();
    EXPECT_TRUE(enabled(C::mnuColour) && enabled(C::PopUpColour));
}

}  // namespace
}  // namespace tallimo::testing
