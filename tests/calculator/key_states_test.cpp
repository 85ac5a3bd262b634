// Which keys and menu items are enabled after start-up, the change reactions,
// ReSet, and the tape's Edit menu.

#include "spool/edit_menu.h"
#include "support/calculator_fixture.h"

#include <optional>
#include <set>

namespace tallimo::testing {
namespace {

using C = Control;

std::set<Control> enabledButtons(const Calculator& calculator)
{
    std::set<Control> out;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto c = static_cast<Control>(i);
        const std::string_view name = controlName(c);
        if (name.starts_with("cmd") && calculator.controls().enabled(c) && calculator.controls().visible(c))
            out.insert(c);
    }
    return out;
}

std::set<Control> digitsAnd(std::initializer_list<Control> more)
{
    std::set<Control> out(more);
    for (int d = 0; d <= 9; ++d) out.insert(digitKey(d));
    return out;
}

TEST_F(CalculatorTest, StartsWithOnlyTheEntryKeysEnabled)
{
    // The total keys are hidden until Shift; their enabled flags are those designed.
    EXPECT_EQ(enabledButtons(calculator),
              digitsAnd({C::cmdIntrinsic_0, C::cmdIntrinsic_1, C::cmdPye, C::cmdLevel_1, C::cmdLevel_2,
                         C::cmdMemory_2, C::cmdMemory_3, C::cmdShift, C::cmdDestroy}));
    EXPECT_TRUE(enabled(C::cmdMemory_6));
    EXPECT_TRUE(enabled(C::cmdMemory_7));
    EXPECT_FALSE(visible(C::cmdCancel));
    EXPECT_FALSE(visible(C::txtSpool));
    EXPECT_EQ(calculator.controls().height(), WindowHeight::Short);
    EXPECT_EQ(calculator.fields().strAngleMode, "Degree");
    EXPECT_EQ(calculator.fields().strRunningTotal, "0");
    EXPECT_TRUE(calculator.controls().checked(C::mnuBold));
    EXPECT_TRUE(calculator.controls().checked(C::mnuScheme3));
    EXPECT_TRUE(calculator.controls().checked(C::PopUpScheme3));
    for (C item : {C::mnuClose, C::mnuSave, C::mnuPrint, C::mnuCopy, C::mnuCut, C::mnuPaste, C::mnuWipe,
                   C::mnuStyle, C::mnuColor, C::mnuBold, C::mnuItalic, C::mnuUnderline, C::mnuResults})
        EXPECT_FALSE(enabled(item)) << controlName(item);
}

TEST_F(CalculatorTest, InputChangeFollowsWhetherTheInputIsEmpty)
{
    const Control followers[] = {C::cmdScientificDegree_0, C::cmdScientific_0, C::cmdScientific_9, C::cmdDelete,
                                 C::cmdMemory_0, C::cmdMemory_1, C::cmdWipe, C::cmdSqrCubed_1, C::cmdOperator_0,
                                 C::cmdOperator_5, C::cmdScientificNotation_0, C::cmdMemory_4, C::cmdMemory_5,
                                 C::mnuWipe, C::PopUpWipe};
    keys("7");
    for (C c : followers) EXPECT_TRUE(enabled(c)) << controlName(c);
    EXPECT_TRUE(enabled(C::mnuClose));
    keys("C");
    for (C c : followers) EXPECT_FALSE(enabled(c)) << controlName(c);
    EXPECT_TRUE(enabled(C::mnuClose));
    EXPECT_TRUE(enabled(C::PopUpClose));
}

TEST_F(CalculatorTest, OperatorShowsExactlyOneEqualsAndCrossesOverForModAndPower)
{
    const int expected[] = {0, 1, 2, 3, 5, 4};
    for (int i = 0; i < 6; ++i) {
        calculator.setInput("2");
        calculator.pressOperator(i);
        int visibleCount = 0;
        for (int k = 0; k < 6; ++k) visibleCount += visible(equalsKey(k)) ? 1 : 0;
        EXPECT_EQ(visibleCount, 1);
        EXPECT_EQ(calculator.pendingEquals(), expected[i]);
        EXPECT_TRUE(enabled(C::cmdIntrinsic_2));
    }
}

TEST_F(CalculatorTest, ExponentMarkerRefusedLeavesTheFunctionsDisabled)
{
    keys("5 E+");
    EXPECT_TRUE(enabled(C::cmdScientific_3));
    keys("E+");
    EXPECT_EQ(input(), "5E+");
    EXPECT_FALSE(enabled(C::cmdScientific_3));
    EXPECT_FALSE(enabled(C::cmdScientificDegree_1));
}

TEST_F(CalculatorTest, MemoryCellsThatHoldNumbersEnableTheirControls)
{
    calculator.setOutput(3, "abc");
    EXPECT_FALSE(enabled(sendButton(2)));
    EXPECT_FALSE(enabled(C::cmdMemory_2));
    calculator.setOutput(3, "7");
    EXPECT_TRUE(enabled(sendButton(2)));
    EXPECT_TRUE(enabled(deleteBox(2)));
    EXPECT_TRUE(enabled(C::cmdMemory_2));
    EXPECT_TRUE(enabled(C::cmdMemory_3));
}

TEST_F(CalculatorTest, ResetReturnsToIdleAndMarksTheTape)
{
    keys("1 2 + 3");
    calculator.controls().enable(C::cmdReset);  // as a failed function leaves it
    keys("ReSet");
    EXPECT_EQ(spool.text(), "12 + 3 RESET # \n");
    EXPECT_EQ(input(), "");
    EXPECT_EQ(output(), "");
    EXPECT_EQ(calculator.fields().strFirstValue, "");
    EXPECT_FALSE(calculator.pendingEquals());
    EXPECT_TRUE(visible(C::cmdEquals_0));
    EXPECT_EQ(enabledButtons(calculator),
              digitsAnd({C::cmdIntrinsic_0, C::cmdIntrinsic_1, C::cmdPye, C::cmdLevel_1, C::cmdLevel_2,
                         C::cmdShift, C::cmdDestroy}));
    EXPECT_TRUE(enabled(C::cmdMemory_6));
    EXPECT_TRUE(enabled(C::cmdMemory_7));
}

TEST_F(CalculatorTest, OverflowDoesNotEnableReset)
{
    keys("5 / 0 =");
    EXPECT_FALSE(enabled(C::cmdReset));
    calculator.pressSign();
    EXPECT_FALSE(enabled(C::cmdReset));
}

TEST_F(CalculatorTest, MenuWipeEnablesTheInputAgain)
{
    keys("1 2");
    calculator.controls().disable(C::txtInput);  // as a failed function leaves it
    calculator.controls().disable(C::txtOutput_0);
    prompter.script({Answer::Yes});
    calculator.menuWipe();
    EXPECT_TRUE(enabled(C::txtInput));
    EXPECT_FALSE(enabled(C::txtOutput_0));
    EXPECT_TRUE(enabled(C::cmdSwop));
    EXPECT_EQ(spool.text(), "12#");
}

// ---- the tape ----

class FakeClipboard : public Clipboard {
public:
    void clear() override { content.reset(); }
    void setText(std::string_view text) override { content = std::string(text); }
    std::optional<std::string> text() const override { return content; }
    std::optional<std::string> content;
};

class Tape : public CalculatorTest {
protected:
    FakeClipboard clipboard;
    EditMenu edit{spool, clipboard, prompter};

    void openPage()
    {
        calculator.controls().show(C::txtSpool);
        spool.setText("");
    }
    bool documentItemsEnabled()
    {
        for (C c : {C::mnuPrint, C::PopUpprint, C::mnuSave, C::PopUpSave, C::mnuStyle, C::PopUpStyle, C::mnuCut,
                    C::mnuCopy, C::mnuPaste, C::PopUpCut, C::PopUpCopy, C::PopUpPaste, C::mnuBold, C::mnuItalic,
                    C::mnuUnderline, C::mnuColor, C::PopUpBold, C::PopUpItalic, C::PopUpUnderline, C::PopUpColor})
            if (!enabled(c)) return false;
        return true;
    }
};

TEST_F(Tape, DocumentItemsFollowAnOpenPageWithText)
{
    keys("1");
    EXPECT_FALSE(documentItemsEnabled()) << "a hidden tape keeps them disabled";
    openPage();
    EXPECT_FALSE(documentItemsEnabled());
    spool.type("x");
    EXPECT_TRUE(documentItemsEnabled());
    spool.select(0, 1);
    edit.cut();
    EXPECT_EQ(spool.text(), "");
    EXPECT_FALSE(documentItemsEnabled());
    EXPECT_FALSE(enabled(C::mnuCopy));
    EXPECT_TRUE(enabled(C::mnuClose)) << "emptying the tape leaves Close alone";
}

TEST_F(Tape, CopyCutAndPaste)
{
    openPage();
    spool.type("12 + 3 = 15#\n");
    spool.select(0, 2);
    edit.copy();
    EXPECT_EQ(clipboard.content, "12");
    EXPECT_EQ(spool.text(), "12 + 3 = 15#\n");

    spool.select(5, 5);
    edit.cut();
    EXPECT_EQ(clipboard.content, "") << "cutting nothing still clears the clipboard";
    EXPECT_EQ(spool.text(), "12 + 3 = 15#\n");

    spool.select(0, 5);
    edit.cut();
    EXPECT_EQ(clipboard.content, "12 + ");
    EXPECT_EQ(spool.text(), "3 = 15#\n");

    spool.select(0, 1);
    edit.paste();
    EXPECT_EQ(spool.text(), "3 = 15#\n12 + ") << "pasted at the end, the selection kept";

    clipboard.content.reset();
    edit.paste();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, " The clipboard contents are invalid ");
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(spool.text(), "3 = 15#\n12 + ");
}

TEST_F(Tape, DeleteKeyTakesTheLastCharacterOfTheTape)
{
    keys("1 2 + 3 =");
    keys("4 C");
    EXPECT_EQ(spool.text(), "12 + 3 = 15#\n");
    calculator.setInput("5");
    keys("C");
    EXPECT_EQ(spool.text(), "12 + 3 = 15#") << "the result line's line feed goes";
}

}  // namespace
}  // namespace tallimo::testing

namespace tallimo::testing {
namespace {

TEST(CalculatorLifetime, ATapeThatOutlivesItsCalculatorStillChanges)
{
    InMemorySpool tape;
    {
        ScriptedPrompter prompter;
        Calculator calculator(prompter, tape);
        calculator.start();
    }
    tape.setText("written after the calculator has gone");
    EXPECT_EQ(tape.text(), "written after the calculator has gone");
}

}  // namespace
}  // namespace tallimo::testing
