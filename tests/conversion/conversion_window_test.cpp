#include "conversion/conversion_window_model.h"

#include "common/messages.h"
#include "conversion/fake_calculator.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <set>
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
    void choose(std::string_view menuItem, MenuPlace place = MenuPlace::MenuBar)
    {
        model.chooseUnit(unit(menuItem), place);
    }
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
    bool everythingEnabled() const
    {
        return model.targetsEnabled() && model.flags(ConversionControl::OptReset).enabled &&
               model.flags(ConversionControl::OptSendCalc).enabled && model.flags(ConversionControl::LblInput).enabled;
    }
    bool anythingEnabled() const
    {
        return model.targetsEnabled() || model.flags(ConversionControl::OptReset).enabled ||
               model.flags(ConversionControl::OptSendCalc).enabled || model.flags(ConversionControl::LblInput).enabled;
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

const ConversionKind kAllKinds[] = {ConversionKind::Distance, ConversionKind::Volume, ConversionKind::Weight};

TEST(ConversionWindow, OpensCollapsedWithNothingToChooseButAUnit)
{
    for (ConversionKind kind : kAllKinds) {
        Window w(kind);
        EXPECT_FALSE(w.model.expanded());
        EXPECT_EQ(w.model.height(), 750);
        EXPECT_FALSE(w.model.shownUnit());
        EXPECT_FALSE(w.anythingEnabled());
        EXPECT_EQ(w.model.convertLabel(), " Convert to");
        EXPECT_EQ(w.model.resultLabel(), "Result");
    }
}

// Each button of a group has a row of its own, and the rows are filled from the top.
TEST(ConversionWindow, EachGroupFillsItsRowsFromTheTop)
{
    for (ConversionKind kind : kAllKinds)
        for (const SourceUnit& unit : designOf(kind).units) {
            std::set<int> rows;
            for (const TargetButton& t : unit.targets) rows.insert(t.row);
            EXPECT_EQ(rows.size(), unit.targets.size()) << unit.group;
            EXPECT_EQ(*rows.begin(), 1) << unit.group;
            EXPECT_EQ(*rows.rbegin(), static_cast<int>(unit.targets.size())) << unit.group;
        }
}

TEST(ConversionWindow, GroupsWithoutAnIndexHaveNoButtonThere)
{
    Window distance(ConversionKind::Distance);
    distance.choose("mnuFathom");
    distance.type("1");
    for (int missing : {0, 1, 6}) {
        distance.model.chooseTarget(missing);
        EXPECT_EQ(distance.model.output(), "");
        EXPECT_EQ(distance.model.selection(), Selection::none());
    }
    distance.model.chooseTarget(3);
    EXPECT_EQ(distance.model.output(), "1.82879999989583");

    Window volume(ConversionKind::Volume);
    for (const char* unit : {"mnuCubicM", "mnuLitre"}) {
        EXPECT_EQ(volume.model.design().units[volume.unit(unit)].target(5), nullptr) << unit;
        EXPECT_NE(volume.model.design().units[volume.unit(unit)].target(6), nullptr) << unit;
    }
}

TEST(ConversionWindow, TargetsResetAndSendWaitForANumber)
{
    for (ConversionKind kind : kAllKinds) {
        Window w(kind);
        w.choose(w.model.design().units[0].menuItem);
        EXPECT_FALSE(w.anythingEnabled());
        w.type(".");
        EXPECT_FALSE(w.anythingEnabled()) << "a point alone is no number";
        w.type("5");
        EXPECT_TRUE(w.everythingEnabled());
        w.type(".");
        EXPECT_EQ(w.model.input(), ".5.");
        EXPECT_FALSE(w.anythingEnabled()) << "two points";
    }
}

TEST(ConversionWindow, APointFirstReadsAsAFraction)
{
    Window w(ConversionKind::Volume);
    w.choose("mnuLitre");
    w.type(".5");
    w.model.chooseTarget(1);  // cubic centimetres
    EXPECT_EQ(w.model.amount(), 0.5);
    EXPECT_EQ(w.model.output(), "500");
}

TEST(ConversionWindow, MoreDigitsLeaveTheOldResultUntilAnotherTargetIsChosen)
{
    Window w(ConversionKind::Distance);
    w.choose("mnuKm");
    w.type("1");
    w.model.chooseTarget(0);  // metres
    EXPECT_EQ(w.model.output(), "1000");
    w.type("2");
    EXPECT_EQ(w.model.output(), "1000");
    w.model.chooseTarget(0);
    EXPECT_EQ(w.model.output(), "1000") << "the selected target again does nothing";
    w.model.chooseTarget(1);  // centimetres
    EXPECT_EQ(w.model.output(), "1200000");
    EXPECT_EQ(w.model.selection(), Selection::target(w.unit("mnuKm"), 1));
}

TEST(ConversionWindow, AnotherUnitKeepsTheAmountAndOnlyTheVolumeWindowEmptiesTheResult)
{
    Window distance(ConversionKind::Distance);
    distance.choose("mnuKm");
    distance.type("3");
    distance.model.chooseTarget(0);
    distance.choose("mnuM", MenuPlace::Popup);
    EXPECT_EQ(distance.model.input(), "3");
    EXPECT_EQ(distance.model.output(), "3000");
    EXPECT_EQ(distance.model.amountLabel(), "Amount of M");
    EXPECT_TRUE(distance.everythingEnabled());

    Window volume(ConversionKind::Volume);
    volume.choose("mnuLitre");
    volume.type("3");
    volume.model.chooseTarget(1);
    volume.choose("mnuDekalitre");
    EXPECT_EQ(volume.model.input(), "3");
    EXPECT_EQ(volume.model.output(), "");
}

TEST(ConversionWindow, TheMilligramLabelDependsOnTheMenu)
{
    Window w(ConversionKind::Weight);
    w.choose("mnuMG");
    EXPECT_EQ(w.model.amountLabel(), "Amount Of Mg");
    w.choose("mnuMG", MenuPlace::Popup);
    EXPECT_EQ(w.model.amountLabel(), "Amount Of mg");
}

TEST(ConversionWindow, ATargetChosenWithoutAnAmountConvertsNothing)
{
    Window w(ConversionKind::Weight);
    w.choose("mnuCarat");
    w.type("1.2.");
    w.model.chooseTarget(2);
    ASSERT_EQ(w.prompter.asked.size(), 1u);
    EXPECT_EQ(w.prompter.asked[0].text, MsgNoInitialValue());
    EXPECT_EQ(w.prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(w.model.input(), "");
    EXPECT_EQ(w.model.output(), "0");
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
    w.model.chooseSend();
    EXPECT_EQ(w.calculator.inputBox, "") << "nothing to send";
}

TEST(ConversionWindow, SendCopiesTheResultIntoTheCalculatorOnce)
{
    for (ConversionKind kind : {ConversionKind::Distance, ConversionKind::Volume}) {
        Window w(kind);
        w.calculator.spool = "12 + ";
        w.convertSomething();
        const std::string result = w.model.output();
        w.model.chooseSend();
        EXPECT_EQ(w.calculator.inputBox, result);
        EXPECT_EQ(w.calculator.outputBox, result);
        EXPECT_EQ(w.calculator.spool, "12 + " + result);
        EXPECT_EQ(w.model.sentValue(), result);
        EXPECT_EQ(w.model.selection(), Selection::none());
        EXPECT_TRUE(w.prompter.asked.empty());

        w.model.chooseSend();
        EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{std::string(MsgUnclearedValue())});
        EXPECT_EQ(w.calculator.spool, "12 + " + result);
        EXPECT_EQ(w.model.selection(), Selection::none());
        EXPECT_EQ(w.model.output(), result) << "the window keeps its result";
    }
}

TEST(ConversionWindow, SendWithoutAResultSendsNothing)
{
    Window w(ConversionKind::Distance);
    w.choose("mnuAU");
    w.type("1");
    w.model.chooseSend();
    EXPECT_EQ(w.prompter.texts(), std::vector<std::string>{std::string(MsgNotConverted())});
    EXPECT_EQ(w.model.selection(), Selection::none());
    EXPECT_EQ(w.calculator.inputBox, "");
    EXPECT_EQ(w.calculator.spool, "");
}

TEST(ConversionWindow, TheWeightWindowLeavesSendSelectedUntilSomethingElseHappens)
{
    Window w(ConversionKind::Weight);
    w.convertSomething();
    w.model.chooseSend();
    EXPECT_EQ(w.model.selection(), Selection::send());
    w.calculator.inputBox = "";
    w.model.chooseSend();
    EXPECT_EQ(w.calculator.inputBox, "") << "choosing the selected Send again does nothing";
    w.type("0");
    EXPECT_EQ(w.model.selection(), Selection::none()) << "a new amount clears Send";
    w.model.chooseSend();
    EXPECT_EQ(w.calculator.inputBox, w.model.output());
}

TEST(ConversionWindow, ResetAsksAndNoLeavesEverythingAsItWas)
{
    Window w(ConversionKind::Distance);
    w.convertSomething();
    w.prompter.script({Answer::No});
    w.model.chooseReset();
    ASSERT_EQ(w.prompter.asked.size(), 1u);
    const Message& asked = w.prompter.asked[0];
    EXPECT_EQ(asked.text, "This will reset the calculator removing existing values");
    EXPECT_EQ(asked.buttons, Buttons::YesNo);
    EXPECT_EQ(asked.icon, Icon::Exclamation);
    EXPECT_EQ(asked.defaultButton, Answer::No);
    EXPECT_EQ(w.model.selection(), Selection::reset());
    EXPECT_EQ(w.model.input(), "2");

    w.model.chooseReset();
    EXPECT_EQ(w.prompter.asked.size(), 1u) << "Reset is still selected";
}

TEST(ConversionWindow, ResetAnsweredYesEmptiesBothBoxes)
{
    Window w(ConversionKind::Weight);
    w.convertSomething();
    w.prompter.script({Answer::Yes});
    w.model.chooseReset();
    EXPECT_EQ(w.model.input(), "");
    EXPECT_EQ(w.model.output(), "");
    EXPECT_EQ(w.model.selection(), Selection::none());
    EXPECT_TRUE(w.model.shownUnit());
    EXPECT_FALSE(w.anythingEnabled());
    EXPECT_FALSE(w.model.flags(ConversionControl::TxtInput).enabled) << "the weight window disables its boxes";
    EXPECT_FALSE(w.model.flags(ConversionControl::TxtOutput).enabled);
    w.type("4");
    EXPECT_TRUE(w.model.flags(ConversionControl::TxtInput).enabled);
    EXPECT_TRUE(w.model.flags(ConversionControl::TxtOutput).enabled);

    Window distance(ConversionKind::Distance);
    distance.convertSomething();
    distance.prompter.script({Answer::Yes});
    distance.model.chooseReset();
    EXPECT_TRUE(distance.model.flags(ConversionControl::TxtInput).enabled);
}

TEST(ConversionWindow, TheVolumeWindowClearsResetOnAUnitChoice)
{
    Window w(ConversionKind::Volume);
    w.convertSomething();
    w.model.chooseReset();  // answered No
    w.choose("mnuLitre");
    EXPECT_EQ(w.model.selection(), Selection::none());
    w.prompter.script({Answer::Yes});
    w.model.chooseReset();
    EXPECT_EQ(w.model.input(), "");
}

TEST(ConversionWindow, ExitWithAnEmptyBoxClosesWithoutAQuestion)
{
    for (ConversionKind kind : kAllKinds) {
        Window w(kind);
        w.choose(w.model.design().units[0].menuItem);
        w.type("7");
        EXPECT_EQ(w.model.requestExit(), ExitOutcome::Closed);
        EXPECT_TRUE(w.prompter.asked.empty());
        EXPECT_FALSE(w.model.loaded());
        EXPECT_GE(w.entriesEnabled(), 1);

        w.model.open();
        EXPECT_FALSE(w.model.expanded()) << "a closed window loads afresh";
        EXPECT_EQ(w.model.input(), "");
    }
}

TEST(ConversionWindow, ExitAnsweredNoKeepsTheWindowButGivesBackTheEntries)
{
    for (ConversionKind kind : kAllKinds) {
        Window w(kind);
        w.convertSomething();
        w.prompter.script({Answer::No});
        EXPECT_EQ(w.model.requestExit(), ExitOutcome::Stays);
        ASSERT_EQ(w.prompter.asked.size(), 1u);
        EXPECT_EQ(w.prompter.asked[0].text, kClosingQuestion);
        EXPECT_EQ(w.prompter.asked[0].defaultButton, w.model.design().closingDefault);
        EXPECT_TRUE(w.model.shown());
        EXPECT_GE(w.entriesEnabled(), 1);

        w.model.open();
        EXPECT_EQ(w.model.input(), "2") << "the launcher shows the same window";
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
    EXPECT_EQ(w.prompter.asked.size(), 1u);
    EXPECT_FALSE(w.model.shown());
    EXPECT_EQ(w.entriesEnabled(), 1);

    w.model.open();
    EXPECT_EQ(w.model.input(), "3");
    EXPECT_EQ(w.model.output(), "3000");
    EXPECT_EQ(w.model.amountLabel(), "Amount of Cubic M");
    EXPECT_EQ(w.model.shownUnit(), w.unit("mnuCubicM"));
}

}  // namespace
}  // namespace tallimo
