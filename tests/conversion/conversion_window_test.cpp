#include "conversion/conversion_window_model.h"

#include "conversion/fake_calculator.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <string>

namespace tallimo {
namespace {

using testing::FakeCalculator;
using testing::ScriptedPrompter;

const char* const kClosingQuestion = "If you close the program all current values will be lost";

// A conversion window opened from the main window, with helpers named after what the
// user does.
struct Window {
    explicit Window(ConversionKind kind) : model(kind, calculator, prompter) { model.open(); }

    std::size_t unit(std::string_view menuItem) const
    {
        const auto units = model.design().units;
        for (std::size_t u = 0; u < units.size(); ++u)
            if (units[u].menuItem == menuItem) return u;
        ADD_FAILURE() << "no unit " << menuItem;
        return 0;
    }
    void choose(std::string_view menuItem) { model.chooseUnit(unit(menuItem)); }
    void type(std::string_view keys)
    {
        for (char c : keys) model.pressKeypad(c == '.' ? 10 : c - '0');
    }
    // Both boxes filled: an amount converted by the unit's first target.
    void convertSomething()
    {
        choose(model.design().units[0].menuItem);
        type("2");
        model.chooseTarget(model.design().units[0].targets[0].index);
    }
    // How many of the targets, Reset, Send and the amount's label are enabled.
    int enabled() const
    {
        return model.targetsEnabled() + model.flags(ConversionControl::OptReset).enabled +
               model.flags(ConversionControl::OptSendCalc).enabled + model.flags(ConversionControl::LblInput).enabled;
    }
    int entriesEnabled() const
    {
        const auto it = calculator.entriesEnabled.find(model.design().kind);
        return it == calculator.entriesEnabled.end() ? 0 : it->second;
    }

    FakeCalculator calculator;
    ScriptedPrompter prompter;
    ConversionWindowModel model;
};

constexpr auto kAllKinds = kConversionKinds;

TEST(ConversionWindow, OpensCollapsedWithNothingToChooseButAUnit)
{
    for (ConversionKind kind : kAllKinds) {
        Window w(kind);
        EXPECT_FALSE(w.model.expanded());
        EXPECT_EQ(w.model.height(), 750);
        EXPECT_FALSE(w.model.shownUnit());
        EXPECT_EQ(w.enabled(), 0);
    }
}

TEST(ConversionWindow, TargetsResetAndSendWaitForANumber)
{
    for (ConversionKind kind : kAllKinds) {
        Window w(kind);
        w.choose(w.model.design().units[0].menuItem);
        EXPECT_EQ(w.enabled(), 0);
        w.type(".");
        EXPECT_EQ(w.enabled(), 0) << "a point alone is no number";
        w.type("5");
        EXPECT_EQ(w.enabled(), 4);
        w.model.chooseTarget(w.model.design().units[0].targets[0].index);
        EXPECT_EQ(w.model.amount(), 0.5);
        w.type(".");
        EXPECT_EQ(w.enabled(), 0) << "two points";
    }
    Window w(ConversionKind::Weight);
    w.choose("mnuCarat");
    w.type("1.2.");
    EXPECT_EQ(w.enabled(), 0);
    w.model.chooseTarget(2);
    EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{"You have not entered an initial value to convert!"});
    EXPECT_EQ(w.model.input(), "");
}

TEST(ConversionWindow, MoreDigitsLeaveTheOldResultUntilAnotherTargetIsChosen)
{
    Window w(ConversionKind::Distance);
    w.choose("mnuKm");
    w.type("1");
    w.model.chooseTarget(0);  // metres
    w.type("2");
    EXPECT_EQ(w.model.output(), "1000");
    w.model.chooseTarget(0);
    EXPECT_EQ(w.model.output(), "1000") << "the selected target again does nothing";
    w.model.chooseTarget(1);  // centimetres
    EXPECT_EQ(w.model.output(), "1200000");
    EXPECT_EQ(w.calculator.results, (std::vector<std::string>{"1000", "1200000"})) << "each result told once";
}

// Keys can build an amount beyond the double range: no box may show a saturated or
// infinite number for it.
TEST(ConversionWindow, AnAmountOrResultBeyondTheDoubleRangeIsRefused)
{
    Window w(ConversionKind::Distance);
    w.choose("mnuLightyear");
    w.type("1" + std::string(300, '0'));
    w.model.chooseTarget(1);  // light years to km: 1E+300 times 9.45E+12
    w.type(std::string(10, '0'));
    w.model.chooseTarget(0);  // an amount of 1E+310 to AU
    w.model.chooseTarget(1);
    EXPECT_EQ(w.prompter.texts(), std::vector<std::string>(3, "Overflow exception"));
    EXPECT_EQ(w.model.output(), "");
    EXPECT_EQ(w.calculator.results, std::vector<std::string>{}) << "a refused result is not told";
    w.model.chooseSend();
    EXPECT_EQ(w.calculator.inputBox, "") << "nothing to send";
    EXPECT_EQ(w.prompter.texts().back(), "No value has been converted.  Convert a value then send to calculator.");
}

TEST(ConversionWindow, SendCopiesTheResultIntoTheCalculatorOnce)
{
    for (ConversionKind kind : {ConversionKind::Distance, ConversionKind::Volume}) {
        Window w(kind);
        w.calculator.tape = "12 + ";
        w.convertSomething();
        const std::string result = w.model.output();
        w.model.chooseSend();
        EXPECT_EQ(w.calculator.inputBox + "|" + w.calculator.outputBox + "|" + w.calculator.tape,
                  result + "|" + result + "|12 + " + result);
        EXPECT_EQ(w.calculator.results, (std::vector<std::string>{result, result})) << "converted, then sent";
        EXPECT_TRUE(w.prompter.asked.empty());

        w.model.chooseSend();
        EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{"The calculator is currently holding an uncleared "
                                                              "value.  Clear this then resend value!"});
        EXPECT_EQ(w.calculator.tape, "12 + " + result);
        EXPECT_EQ(w.calculator.results.size(), 2U) << "a refused send is not told";
    }
}

TEST(ConversionWindow, ResetAnsweredNoLeavesEverythingAsItWas)
{
    Window w(ConversionKind::Distance);
    w.convertSomething();
    w.prompter.script({Answer::No});
    w.model.chooseReset();
    EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{"This will reset the calculator removing existing values"});
    EXPECT_EQ(w.model.selection(), Selection::reset());
    EXPECT_EQ(w.model.input(), "2");
    w.model.chooseReset();
    EXPECT_EQ(w.prompter.asked.size(), 1u) << "Reset is still selected";
}

TEST(ConversionWindow, ExitWithAnEmptyBoxClosesWithoutAQuestion)
{
    for (ConversionKind kind : kAllKinds) {
        Window w(kind);
        w.choose(w.model.design().units[0].menuItem);
        w.type("7");
        EXPECT_EQ(w.model.requestExit(), ExitOutcome::Closed);
        EXPECT_TRUE(w.prompter.asked.empty());
        EXPECT_GE(w.entriesEnabled(), 1);
        w.model.open();
        EXPECT_EQ(w.model.input(), "") << "a closed window loads afresh";
    }
}

TEST(ConversionWindow, ExitAnsweredNoKeepsTheWindowButGivesBackTheEntries)
{
    for (ConversionKind kind : kAllKinds) {
        Window w(kind);
        w.convertSomething();
        w.prompter.script({Answer::No});
        EXPECT_EQ(w.model.requestExit(), ExitOutcome::Stays);
        EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{kClosingQuestion});
        EXPECT_TRUE(w.model.shown());
        EXPECT_GE(w.entriesEnabled(), 1);
    }
}

TEST(ConversionWindow, DistanceAndWeightAskTwiceOnExit)
{
    for (ConversionKind kind : {ConversionKind::Distance, ConversionKind::Weight}) {
        Window w(kind);
        w.convertSomething();
        w.prompter.script({Answer::Yes, Answer::No});
        EXPECT_EQ(w.model.requestExit(), ExitOutcome::Stays) << "the second answer keeps it";
        w.prompter.script({Answer::Yes, Answer::Yes});
        EXPECT_EQ(w.model.requestExit(), ExitOutcome::Closed);
        EXPECT_EQ(w.prompter.texts(), std::vector<std::string>(4, kClosingQuestion));
    }
}

TEST(ConversionWindow, TheVolumeWindowHidesOnExitAndComesBackAsItWas)
{
    Window w(ConversionKind::Volume);
    w.choose("mnuCubicM");
    w.type("3");
    w.model.chooseTarget(0);
    w.prompter.script({Answer::Yes});
    EXPECT_EQ(w.model.requestExit(), ExitOutcome::Hidden);
    EXPECT_FALSE(w.model.shown());
    EXPECT_EQ(w.entriesEnabled(), 1);
    w.model.open();
    EXPECT_EQ(w.model.input() + "|" + w.model.output(), "3|3000");
    EXPECT_EQ(w.model.shownUnit(), w.unit("mnuCubicM"));
}

}  // namespace
}  // namespace tallimo
