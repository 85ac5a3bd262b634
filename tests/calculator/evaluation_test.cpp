// Key sequences in, boxes and tape out.

#include "support/calculator_fixture.h"

namespace tallimo::testing {
namespace {

struct Sequence {
    const char* keys;
    const char* input;
    const char* output;
    const char* tape;
};

void PrintTo(const Sequence& s, std::ostream* os) { *os << '"' << s.keys << '"'; }

class Evaluation : public CalculatorTest, public ::testing::WithParamInterface<Sequence> {};

TEST_P(Evaluation, LeavesBoxesAndTape)
{
    const Sequence& s = GetParam();
    EXPECT_EQ(keys(s.keys), "") << "a key was disabled";
    EXPECT_EQ(input(), s.input);
    EXPECT_EQ(output(), s.output);
    EXPECT_EQ(spool.text(), s.tape);
    EXPECT_TRUE(prompter.asked.empty()) << prompter.asked.front().text;
}

INSTANTIATE_TEST_SUITE_P(Keys, Evaluation, ::testing::Values(
    Sequence{"1 2 + 3 =", "15", "15", "12 + 3 = 15#\n"},
    Sequence{"1 2 + 3 = 4", "4", "15", "12 + 3 = 15#\n4"},
    Sequence{"1 2 + 3 = . 3", "3", "15", "12 + 3 = 15#\n.3"},
    Sequence{"2 + 3 = =", "7", "7", "2 + 3 = 5#\n = 7#\n"},
    Sequence{"2 + 3 +", "", "", "2 + 3 + "},
    Sequence{"1 + =", "1", "1", "1 +  = 1#\n"},
    Sequence{"7 Mod 3 =", "1", "1", "7 Mod 3 = 1#\n"},
    Sequence{"7 +/- Mod 3 =", "-1", "-1", "7 Mod 3 = -1#\n"},
    Sequence{"7 Mod 3 +/- =", "1", "1", "7 Mod 3 = 1#\n"},
    Sequence{"7 . 5 Mod 2 =", "0", "0", "7.5 Mod 2 = 0#\n"},
    Sequence{"6 . 5 Mod 4 =", "2", "2", "6.5 Mod 4 = 2#\n"},
    Sequence{"2 ^ 0 . 5 =", "1.4142135623731", "1.4142135623731", "2 ^ 0.5 = 1.4142135623731#\n"},
    Sequence{"2 ^ 1 0 =", "1024", "1024", "2 ^ 10 = 1024#\n"},
    Sequence{"1 / 3 =", "0.333333333333333", "0.333333333333333", "1 / 3 = 0.333333333333333#\n"},
    Sequence{"2 + 3 X2 =", "12", "12", "2 + 3Sqr = 9#\n = 12#\n"},
    Sequence{"5 X2", "25", "25", "5Sqr = 25#\n"},
    Sequence{"2 X3", "8", "8", "2Cube = 8#\n"},
    Sequence{"Pye X2", "9.86960440108934", "9.86960440108934", "3.14159265358979 pye Sqr = 9.86960440108934#\n"},
    Sequence{"2 0 0 + 1 0 %", "20", "20", "200 + 10 %"},
    Sequence{"2 0 0 + 1 0 % =", "220", "220", "200 + 10 % = 220#\n"},
    Sequence{"5 0 - 1 0 %", "5", "5", "50 - 10%"},
    Sequence{"5 0 * 1 0 %", "5", "5", "50 * 10 %"},
    Sequence{"1 2 +/-", "-12", "", "12"},
    Sequence{"+/-", "-", "", "-"},
    Sequence{"+/- 5 +/-", "-5", "", "-5"},
    Sequence{"1 E- 5 +/-", "1E-5", "", "1E-5"},
    Sequence{"1 . 5 .", "1.5", "", "1.5"},
    Sequence{"2 E- 3 .", "2E-3", "", "2E-3"},
    Sequence{".", ".", "", "."},
    Sequence{"5 E+", "5E+", "", "5E+"},
    Sequence{"5 E+ E-", "5E+", "", "5E+"},
    Sequence{"1 2 3 C", "12", "", "12"},
    Sequence{"1 2 + 3 = 4 C", "", "15", "12 + 3 = 15#\n"},
    Sequence{"1 + 2 = swop", "3", "3", "1 + 2 = 3#\n3(ANS) "},
    Sequence{"2 + Pye =", "5.14159265358979", "5.14159265358979", "2 + 3.14159265358979 pye  = 5.14159265358979#\n"}));

TEST_F(CalculatorTest, DividingByZeroTakesTheOverflowPath)
{
    keys("5 / 0 =");
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "Overflow exception");
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::Ok);
    EXPECT_EQ(prompter.asked[0].title, "Tallimo");
    EXPECT_EQ(input(), "");
    EXPECT_EQ(spool.text(), "5 / 0");
    for (int k = 0; k < 6; ++k) EXPECT_FALSE(enabled(equalsKey(k)));
    EXPECT_FALSE(enabled(Control::cmdReset));
    EXPECT_FALSE(calculator.pendingEquals());
}

TEST_F(CalculatorTest, EveryArithmeticFailureIsCaughtAndNeverShown)
{
    for (const char* sequence : {"5 / 0 =", "0 / 0 =", "1 E+ 3 0 0 * 1 E+ 3 0 0 =", "2 +/- ^ 0 . 5 =",
                                 "0 ^ 1 +/- =", "1 E+ 2 0 Mod 3 =", "7 Mod 0 =", "1 E+ 4 0 0 + 1 ="}) {
        ScriptedPrompter fresh;
        InMemorySpool tape;
        Calculator c(fresh, tape);
        c.start();
        press(c, sequence);
        ASSERT_EQ(fresh.texts(), std::vector<std::string>{"Overflow exception"}) << sequence;
        EXPECT_EQ(c.inputText(), "") << sequence;
        EXPECT_EQ(tape.text().find("inf"), std::string::npos);
        EXPECT_EQ(tape.text().find("nan"), std::string::npos);
    }
}

TEST_F(CalculatorTest, ModOfTheSmallest32BitValueByMinusOneIsZero)
{
    calculator.setInput("-2147483648");
    keys("Mod 1 +/- =");
    EXPECT_EQ(output(), "0");
}

TEST_F(CalculatorTest, SquareBeyondTheDoubleRangeEmptiesTheInput)
{
    keys("1 E+ 3 0 0 X2");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Overflow exception"});
    EXPECT_EQ(input(), "");
    EXPECT_EQ(spool.text(), "1E+300");
}

TEST_F(CalculatorTest, PercentOnAnEmptyInputWarnsAndUsesZero)
{
    keys("5 0 + %");
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text,
              " No sum to calculate. You must use the 'swop' feature, or enter an initial value into the input "
              "box.  Click reset to continue!");
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(input(), "0");
    EXPECT_EQ(spool.text(), "50 +  %");
}

TEST_F(CalculatorTest, PercentAfterPowerOrModChangesNothing)
{
    keys("2 ^ 5 %");
    EXPECT_EQ(input(), "5");
    EXPECT_EQ(spool.text(), "2 ^ 5");
}

TEST_F(CalculatorTest, WipeKeepsThePendingOperation)
{
    keys("1 2 + 3");
    prompter.script({Answer::No});
    keys("Wipe");
    EXPECT_EQ(input(), "3");
    EXPECT_EQ(spool.text(), "12 + 3");
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.asked[0].defaultButton, Answer::No);
    EXPECT_EQ(prompter.asked[0].text,
              "This will reset the calculator removing existing values except for the memory, spool and Running "
              "Total.");

    prompter.script({Answer::Yes});
    keys("Wipe");
    EXPECT_EQ(input(), "");
    EXPECT_EQ(output(), "");
    EXPECT_EQ(spool.text(), "12 + 3#");
    EXPECT_EQ(calculator.pendingEquals(), 0);
    keys("=");
    EXPECT_EQ(output(), "0");
    keys("4 =");
    EXPECT_EQ(output(), "4");
}

TEST_F(CalculatorTest, ValuesReceivedFromOutsideBecomeTheRightHandOperand)
{
    keys("2 +");
    EXPECT_FALSE(calculator.holdsValue());
    calculator.setInput("40");
    EXPECT_TRUE(calculator.holdsValue());
    EXPECT_TRUE(enabled(operatorKey(0)));
    keys("=");
    EXPECT_EQ(output(), "42");
}

}  // namespace
}  // namespace tallimo::testing
