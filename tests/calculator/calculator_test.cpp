// Key sequences in, boxes, tape and messages out; which keys take a click; the tape's
// Edit menu.

#include "support/calculator_fixture.h"
#include "tape/edit_menu.h"

#include <optional>

namespace tallimo::testing {
namespace {

using C = Control;

constexpr const char* kOverflow = "Overflow exception";

struct Sequence {
    const char* keys;
    const char* input;
    const char* output;
    const char* tape;
    const char* message = nullptr;  // the one box shown, if any
};

void PrintTo(const Sequence& s, std::ostream* os) { *os << '"' << s.keys << '"'; }

class Keys : public CalculatorTest, public ::testing::WithParamInterface<Sequence> {};

TEST_P(Keys, LeaveBoxesTapeAndMessages)
{
    const Sequence& s = GetParam();
    EXPECT_EQ(keys(s.keys), "") << "a key was disabled";
    EXPECT_EQ(input(), s.input);
    EXPECT_EQ(output(), s.output);
    EXPECT_EQ(tape.text(), s.tape);
    EXPECT_EQ(prompter.texts(), s.message ? std::vector<std::string>{s.message} : std::vector<std::string>{});
    EXPECT_FALSE(enabled(C::cmdReset)) << "only the scientific keys enable ReSet";
    if (s.message == kOverflow) {
        EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
        for (Equals k : kEqualsKeys) EXPECT_FALSE(enabled(controlOf(k))) << controlName(controlOf(k));
    }
}

INSTANTIATE_TEST_SUITE_P(EntryAndResults, Keys, ::testing::Values(
    Sequence{"1 2 + 3 =", "15", "15", "12 + 3 = 15#\n"},
    Sequence{"1 2 + 3 = 4", "4", "15", "12 + 3 = 15#\n4"},  // a digit after "=" starts anew
    Sequence{"2 + 3 = =", "7", "7", "2 + 3 = 5#\n = 7#\n"},
    Sequence{"7 Mod 3 =", "1", "1", "7 Mod 3 = 1#\n"},
    Sequence{"7 +/- Mod 3 =", "-1", "-1", "7 +/- Mod 3 = -1#\n"},
    Sequence{"7 . 5 Mod 2 =", "0", "0", "7.5 Mod 2 = 0#\n"},  // operands round half to even
    Sequence{"6 . 5 Mod 4 =", "2", "2", "6.5 Mod 4 = 2#\n"},
    Sequence{"2 1 4 7 4 8 3 6 4 8 +/- Mod 1 +/- =", "0", "0", "2147483648 +/- Mod 1 +/- = 0#\n"},
    Sequence{"2 ^ 0 . 5 =", "1.4142135623731", "1.4142135623731", "2 ^ 0.5 = 1.4142135623731#\n"},
    Sequence{"Pye X2", "9.86960440108934", "9.86960440108934", "3.14159265358979 pye Sqr = 9.86960440108934#\n"},
    Sequence{"2 0 0 + 1 0 %", "20", "20", "200 + 10 %"},
    Sequence{"2 0 0 + 1 0 % =", "220", "220", "200 + 10 % = 220#\n"},
    Sequence{"5 0 - 1 0 % =", "45", "45", "50 - 10% = 45#\n"},  // no blank before "%" after "-" and "/"
    Sequence{"5 0 * 1 0 %", "5", "5", "50 * 10 %"},
    Sequence{"5 0 / 1 0 % =", "10", "10", "50 / 10% = 10#\n"},
    Sequence{"2 ^ 5 %", "5", "", "2 ^ 5"},
    Sequence{"1 + 2 = swop", "3", "3", "1 + 2 = 3#\n3(ANS) "},
    Sequence{"5 +/- - 3 =", "-8", "-8", "5 +/- - 3 = -8#\n"},  // the sign of a number is on the tape
    Sequence{"1 + 2 = +/- * 2 =", "-6", "-6", "1 + 2 = 3#\n +/- * 2 = -6#\n"},  // and of a result
    Sequence{"1 2 +/- +/-", "-12", "", "12 +/-"},  // a negative number stays as it is
    Sequence{"1 E- 5 +/-", "1E-5", "", "1E-5"},
    Sequence{"+/- 5 +/-", "-5", "", "-5"},
    Sequence{"1 . 5 .", "1.5", "", "1.5"},
    Sequence{"5 E+ E-", "5E+", "", "5E+"},
    Sequence{"1 2 3 C", "12", "", "12"}));

// Every failure of the arithmetic is caught: no box and no tape ever shows inf or nan.
INSTANTIATE_TEST_SUITE_P(Failures, Keys, ::testing::Values(
    Sequence{"5 / 0 =", "", "", "5 / 0", kOverflow},
    Sequence{"1 E+ 3 0 0 * 1 E+ 3 0 0 =", "", "", "1E+300 * 1E+300", kOverflow},
    Sequence{"1 E+ 4 0 0 + 1 =", "", "", "1E+400 + 1", kOverflow},
    Sequence{"2 +/- ^ 0 . 5 =", "", "", "2 +/- ^ 0.5", kOverflow},
    Sequence{"7 Mod 0 =", "", "", "7 Mod 0", kOverflow},
    Sequence{"1 E+ 2 0 Mod 3 =", "", "", "1E+20 Mod 3", kOverflow},
    Sequence{"1 E+ 3 0 0 X2", "", "", "1E+300", kOverflow},
    Sequence{"5 0 + %", "0", "0", "50 +  %",
             " No sum to calculate. You must use the 'swop' feature, or enter an initial value into the input "
             "box.  Click reset to continue!"}));

TEST_F(CalculatorTest, StartState)
{
    std::set<Control> expected = {C::cmdIntrinsic_0, C::cmdIntrinsic_1, C::cmdPye, C::cmdLevel_1, C::cmdLevel_2,
                                  C::cmdMemory_2, C::cmdMemory_3, C::cmdShift, C::cmdDestroy};
    expected.insert(kDigitKeys.begin(), kDigitKeys.end());
    EXPECT_EQ(clickable(), expected);
    EXPECT_FALSE(enabled(C::mnuClose) || enabled(C::mnuCopy) || enabled(C::mnuWipe) || visible(C::txtSpool));
    EXPECT_EQ(calculator.controls().height(), WindowHeight::Short);
    EXPECT_TRUE(calculator.controls().checked(C::mnuBold) && calculator.controls().checked(C::mnuScheme3));
}

TEST_F(CalculatorTest, AnInputEnablesTheCalculatingKeysAndAnEmptyOneDisablesThemAgain)
{
    const std::set<Control> atStart = clickable();
    keys("7");
    for (C c : {C::cmdOperator_5, C::cmdScientificDegree_0, C::cmdScientific_9, C::cmdMemory_0, C::mnuWipe})
        EXPECT_TRUE(enabled(c)) << controlName(c);
    keys("C");
    EXPECT_EQ(clickable(), atStart);
    EXPECT_TRUE(enabled(C::mnuClose) && !enabled(C::mnuWipe)) << "Close stays enabled";
}

TEST_F(CalculatorTest, EachOperatorShowsExactlyOneEqualsWithModAndPowerCrossedOver)
{
    const std::pair<Operator, Control> shown[] = {
        {Operator::Add, C::cmdEquals_0},    {Operator::Subtract, C::cmdEquals_1}, {Operator::Multiply, C::cmdEquals_2},
        {Operator::Divide, C::cmdEquals_3}, {Operator::Mod, C::cmdEquals_5},      {Operator::Power, C::cmdEquals_4}};
    for (const auto& [op, equals] : shown) {
        calculator.setInput("2");
        calculator.pressOperator(op);
        for (Equals k : kEqualsKeys)
            EXPECT_EQ(visible(controlOf(k)), controlOf(k) == equals) << controlName(equals) << controlName(controlOf(k));
    }
}

TEST_F(CalculatorTest, ResetReturnsToTheStartKeysAndMarksTheTape)
{
    std::set<Control> expected = clickable();
    expected.erase(C::cmdMemory_2);  // MR and MC now follow the empty memory
    expected.erase(C::cmdMemory_3);
    keys("1 2 + 3");
    calculator.controls().enable(C::cmdReset);  // as a failed function leaves it
    ASSERT_EQ(keys("ReSet"), "");
    EXPECT_EQ(tape.text(), "12 + 3 RESET # \n");
    EXPECT_EQ(input() + output() + calculator.fields().strFirstValue, "");
    EXPECT_EQ(clickable(), expected);
}

TEST_F(CalculatorTest, WipeAsksFirstThenClearsTheValuesButKeepsTheOperator)
{
    keys("1 2 + 3");
    prompter.script({Answer::No, Answer::Yes});
    keys("Wipe");
    EXPECT_EQ(input(), "3");
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"This will reset the calculator removing existing values "
                                                         "except for the memory, spool and Running Total."});
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.asked[0].defaultButton, Answer::No);

    keys("Wipe");
    EXPECT_EQ(input() + output(), "");
    EXPECT_EQ(tape.text(), "12 + 3#");
    keys("4 =");
    EXPECT_EQ(output(), "4") << "the left operand was wiped";
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
    Tape() { calculator.controls().show(C::txtSpool); }
    int documentItemsEnabled()  // of six taken from both menus
    {
        int n = 0;
        for (C c : {C::mnuPrint, C::PopUpSave, C::mnuCopy, C::PopUpCut, C::mnuBold, C::PopUpColor}) n += enabled(c);
        return n;
    }
    FakeClipboard clipboard;
    EditMenu edit{tape, clipboard, prompter};
};

TEST_F(Tape, DocumentItemsFollowAnOpenTapeWithText)
{
    EXPECT_EQ(documentItemsEnabled(), 0);
    tape.type("x");
    EXPECT_EQ(documentItemsEnabled(), 6);
    tape.select(0, 1);
    edit.cut();
    EXPECT_EQ(documentItemsEnabled(), 0);
    EXPECT_TRUE(enabled(C::mnuClose)) << "emptying the tape leaves Close alone";

    calculator.controls().hide(C::txtSpool);
    tape.type("x");
    EXPECT_EQ(documentItemsEnabled(), 0) << "a hidden tape keeps them disabled";
}

TEST_F(Tape, CopyCutAndPaste)
{
    tape.type("12 + 3 = 15#\n");
    tape.select(0, 2);
    edit.copy();
    EXPECT_EQ(clipboard.content, "12");

    tape.select(0, 5);
    edit.cut();
    EXPECT_EQ(clipboard.content, "12 + ");

    tape.select(0, 1);
    edit.paste();
    EXPECT_EQ(tape.text(), "3 = 15#\n12 + ") << "the cut is gone, the paste goes at the end";

    clipboard.content.reset();
    edit.paste();
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{" The clipboard contents are invalid "});
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(tape.text(), "3 = 15#\n12 + ");
}

// The window's tape outlives the calculator and may still change while it closes.
TEST(CalculatorLifetime, ATapeThatOutlivesItsCalculatorNoLongerCallsIt)
{
    InMemoryTape tape;
    {
        ScriptedPrompter prompter;
        Calculator calculator(prompter, tape);
        ASSERT_TRUE(tape.hasListeners());
    }
    EXPECT_FALSE(tape.hasListeners());
}

}  // namespace
}  // namespace tallimo::testing
