// The scientific keys: bin, hex, oct, sqr, int, log, atn, the angle modes and tan,
// sin and cos; their results, tape lines, failures and the lock after a base.

#include "calculator/trigonometry.h"
#include "support/scientific_fixture.h"

#include <cmath>
#include <numbers>

namespace tallimo::testing {
namespace {

using C = Control;

struct KeyCase {
    const char* entry;   // keys before the scientific key, a mode key first when not Degree
    const char* key;
    const char* result;  // in both boxes; nullptr when the key fails
    const char* line = "";  // what the key appends to the tape
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << '"' << c.entry << ' ' << c.key << '"'; }

class Scientific : public ScientificTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Scientific, ShowsTheResultWithOneTapeLineOrFailsLeavingBoth)
{
    const KeyCase& c = GetParam();
    ASSERT_EQ(keys(c.entry), "");
    const std::string typed = input();
    const std::string tapeBefore = tape.text();
    ASSERT_EQ(keys(c.key), "");
    const std::string_view key = c.key;
    if (c.result == nullptr) {
        ASSERT_EQ(prompter.texts(), std::vector<std::string>{"Unknown exception.  Click reset to continue"});
        EXPECT_EQ(output(), typed);
        EXPECT_EQ(input(), typed);
        EXPECT_EQ(tape.text(), tapeBefore);
        EXPECT_TRUE(enabled(C::cmdReset));
        // The functions take both boxes out of use; tan, sin and cos leave them.
        const bool trig = key == "tan" || key == "sin" || key == "cos";
        EXPECT_EQ(enabled(C::txtInput), trig);
        EXPECT_EQ(enabled(C::txtOutput_0), trig);
        return;
    }
    EXPECT_EQ(output(), c.result);
    EXPECT_EQ(input(), c.result);
    EXPECT_EQ(tape.text(), tapeBefore + c.line);
    EXPECT_TRUE(calculator.fields().blnClearInput);
    const bool locks = key == "bin" || key == "hex" || key == "oct";
    EXPECT_EQ(prompter.texts(), locks ? std::vector<std::string>{" Click Reset to continue "}
                                      : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Keys, Scientific, ::testing::Values(
    KeyCase{"1 0", "bin", "1010", " = 1010 Bin # \n"},
    KeyCase{"0", "bin", "0", " = 0 Bin # \n"},
    KeyCase{"2 . 5", "bin", "10", " = 10 Bin # \n"},  // halves round to even
    KeyCase{"3 . 5", "bin", "100", " = 100 Bin # \n"},
    KeyCase{"5 +/-", "bin", "11111111111111111111111111111011", " = 11111111111111111111111111111011 Bin # \n"},
    KeyCase{"2 5 5", "hex", "FF", " = FF Hex # \n"},
    KeyCase{"2 . 5", "hex", "2", " = 2 Hex # \n"},
    KeyCase{"5 E+ 3", "hex", "1388", " = 1388 Hex # \n"},
    KeyCase{"+/-", "hex", "0", " = 0 Hex # \n"},
    KeyCase{"8", "oct", "10", " = 10 Oct # \n"},
    KeyCase{"1 +/-", "oct", "37777777777", " = 37777777777 Oct # \n"},
    KeyCase{"2", "sqr", "1.4142135623731", " = 1.4142135623731 SqrRoot # \n"},
    KeyCase{"2 . 5 +/-", "int", "-3", " = -3 Int#\n"},
    KeyCase{"1 0 0", "log", "2", " = 2 Log # \n"},
    KeyCase{"1 0 0 0", "log", "3", " = 3 Log # \n"},
    KeyCase{"2", "log", "0.301029995663981", " = 0.301029995663981 Log # \n"},
    KeyCase{"+/-", "bin", nullptr},
    KeyCase{"2 1 4 7 4 8 3 6 4 8", "bin", nullptr},
    KeyCase{"1 E+ 2 0", "hex", nullptr},
    KeyCase{"4 +/-", "sqr", nullptr},
    KeyCase{"0", "log", nullptr},
    KeyCase{"1 E+ 9 9 9", "int", nullptr},
    KeyCase{"3 0", "sin", "0.5", " = 0.5 Sin Degree # \n"},
    KeyCase{"6 0", "cos", "0.5", " = 0.5 Cos Degree # \n"},
    KeyCase{"4 5", "tan", "1", " = 1 Tan Degree # \n"},
    KeyCase{"9 0", "sin", "1", " = 1 Sin Degree # \n"},
    KeyCase{"9 0", "cos", "0", " = 0 Cos Degree # \n"},
    KeyCase{"1 8 0", "sin", "0", " = 0 Sin Degree # \n"},
    KeyCase{"3 0 +/-", "sin", "-0.5", " = -0.5 Sin Degree # \n"},
    KeyCase{"3 9 0", "sin", "0.5", " = 0.5 Sin Degree # \n"},
    KeyCase{"1", "atn", "0.785398163397448", " = 0.785398163397448 Atn # \n"},
    KeyCase{"Gradient 1 0 0", "sin", "1", " = 1 Sin Gradient # \n"},
    KeyCase{"Gradient 1 0 0", "cos", "0", " = 0 Cos Gradient # \n"},
    KeyCase{"Gradient 1", "atn", "0.785398163397448", " = 0.785398163397448 Atn # \n"},
    KeyCase{"Radian 1", "sin", "0.841470984807897", " = 0.841470984807897 Sin Radian # \n"},
    KeyCase{"Radian +/-", "sin", "0", " = 0 Sin Radian # \n"},
    KeyCase{"Radian +/-", "cos", "1", " = 1 Cos Radian # \n"},
    KeyCase{"Radian +/-", "tan", "0", " = 0 Tan Radian # \n"},
    KeyCase{"Radian 1", "atn", "0.785398163397448", " = 0.785398163397448 Atn # \n"},
    KeyCase{"+/-", "sin", nullptr},
    KeyCase{"9 0", "tan", nullptr},
    KeyCase{"2 7 0", "tan", nullptr},
    KeyCase{"Radian 1 E+ 9 9 9", "sin", nullptr}));

TEST_F(ScientificTest, BaseConversionsLockTheKeysUntilReset)
{
    for (const char* function : {"bin", "hex", "oct"}) {
        SCOPED_TRACE(function);
        ASSERT_EQ(keys(std::string("1 2 + 4 2 ") + function), "");
        // The pending "=", the angle modes and the delete key are left alone.
        EXPECT_EQ(clickable(), (std::set<Control>{C::cmdReset, C::cmdEquals_0, C::cmdLevel_1, C::cmdLevel_2,
                                                  C::cmdDelete, C::cmdDestroy}));
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
        prompter.asked.clear();
        ASSERT_EQ(keys("ReSet 7"), "");
        EXPECT_EQ(input(), "7");
    }
}

// A screen reader hears each result once, though two boxes show it; entering a
// number, or a key that fails, tells nothing.
TEST_F(ScientificTest, EveryResultIsToldOnce)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"1 2 + 3 =", {"15"}},
        {"2 + 3 = =", {"5", "7"}},
        {"2 0 0 + 1 0 % =", {"20", "220"}},
        {"Pye X2 X3", {"9.86960440108934", "961.389193575299"}},
        {"1 + 2 = swop", {"3"}},
        {"1 2 3 C . 5 +/- Pye", {}},
        {"9 sqr 3 0 sin", {"3", "0.5"}},
        {"1 0 bin", {"1010"}},
        {"5 / 0 = 0 log", {}},
    };
    for (const auto& [sequence, told] : cases) {
        calculator.pressReset();
        results.told.clear();
        ASSERT_EQ(keys(sequence), "") << sequence;
        EXPECT_EQ(results.told, told) << sequence;
    }
}

TEST_F(ScientificTest, MenuWipeAfterAFailureEnablesTheInputButNotTheOutput)
{
    ASSERT_EQ(keys("0 log"), "");
    prompter.script({Answer::Yes});
    calculator.menuWipe();
    EXPECT_TRUE(enabled(C::txtInput));
    EXPECT_FALSE(enabled(C::txtOutput_0));
    ASSERT_EQ(keys("2 5 sqr"), "");
    EXPECT_EQ(output(), "5");
}

TEST_F(ScientificTest, ModeButtonsAndTheModeNameMoveTogether)
{
    const char* names[] = {"Degree", "Radian", "Gradient"};
    const Control buttons[] = {C::cmdLevel_0, C::cmdLevel_1, C::cmdLevel_2};
    for (int mode : {1, 2, 0, 2}) {
        ASSERT_EQ(keys(names[mode]), "");
        EXPECT_EQ(calculator.fields().strAngleMode, names[mode]);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(enabled(buttons[i]), i != mode) << names[mode] << i;
    }
    EXPECT_EQ(keys("Gradient"), "Gradient") << "the chosen mode's button takes no click";
}

TEST_F(ScientificTest, TrigKeepsAPendingOperationAndItsLeftOperand)
{
    ASSERT_EQ(keys("2 + 3 0 sin ="), "");
    EXPECT_EQ(input(), "2.5");
    EXPECT_EQ(tape.text(), "2 + 30 = 0.5 Sin Degree # \n = 2.5#\n");
}

// Every whole degree and gradient over three turns either way against a long double
// reference: a wrong quadrant or sign shows at once, and the zeros are exact.
TEST(AngleReduction, AgreesWithTheReferenceOnEveryWholeAngle)
{
    for (const auto& [mode, halfTurn] : {std::pair{AngleMode::Degree, 180}, std::pair{AngleMode::Gradient, 200}}) {
        for (int a = -6 * halfTurn; a <= 6 * halfTurn; ++a) {
            const long double radians = a * (std::numbers::pi_v<long double> / halfTurn);
            const bool oddQuarter = (2 * a) % halfTurn == 0 && a % halfTurn != 0;
            const auto sine = trigonometric(TrigFunction::Sine, a, mode);
            const auto cosine = trigonometric(TrigFunction::Cosine, a, mode);
            const auto tangent = trigonometric(TrigFunction::Tangent, a, mode);
            ASSERT_TRUE(sine && cosine && tangent.has_value() != oddQuarter) << a;
            EXPECT_NEAR(*sine, static_cast<double>(std::sin(radians)), 1e-15) << a;
            EXPECT_NEAR(*cosine, static_cast<double>(std::cos(radians)), 1e-15) << a;
            EXPECT_EQ(*sine == 0.0, a % halfTurn == 0) << a;
            EXPECT_EQ(*cosine == 0.0, oddQuarter) << a;
            const double tan = static_cast<double>(std::tan(radians));
            if (tangent) {
                EXPECT_NEAR(*tangent, tan, 1e-14 * std::max(1.0, std::fabs(tan))) << a;
            }
        }
    }
}

}  // namespace
}  // namespace tallimo::testing
