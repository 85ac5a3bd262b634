// The angle modes and tan, sin and cos: boxes, tape, failures, and the angle
// reduction that keeps quarter turns exact.

#include "calculator/trigonometry.h"
#include "common/messages.h"
#include "support/scientific_fixture.h"

#include <cmath>
#include <numbers>

namespace tallimo::testing {
namespace {

using C = Control;

struct TrigCase {
    const char* keys;  // mode key (when not Degree), entry, function key
    const char* result;
    const char* line;  // appended to the tape by the function key
};

void PrintTo(const TrigCase& c, std::ostream* os) { *os << '"' << c.keys << '"'; }

class Trig : public ScientificTest, public ::testing::WithParamInterface<TrigCase> {};

TEST_P(Trig, ShowsResultAndNamesTheModeOnTheTape)
{
    const TrigCase& c = GetParam();
    ASSERT_EQ(keys(c.keys), "");
    EXPECT_EQ(output(), c.result);
    EXPECT_EQ(input(), c.result);
    EXPECT_TRUE(spool.text().ends_with(c.line)) << spool.text();
    EXPECT_TRUE(calculator.fields().blnClearInput);
    EXPECT_TRUE(prompter.asked.empty()) << prompter.asked.front().text;
}

INSTANTIATE_TEST_SUITE_P(Degree, Trig, ::testing::Values(
    TrigCase{"3 0 sin", "0.5", "30 = 0.5 Sin Degree # \n"},
    TrigCase{"6 0 cos", "0.5", " = 0.5 Cos Degree # \n"},
    TrigCase{"4 5 tan", "1", " = 1 Tan Degree # \n"},
    TrigCase{"9 0 sin", "1", " = 1 Sin Degree # \n"},
    TrigCase{"9 0 cos", "0", " = 0 Cos Degree # \n"},
    TrigCase{"1 8 0 sin", "0", " = 0 Sin Degree # \n"},
    TrigCase{"3 0 +/- sin", "-0.5", " = -0.5 Sin Degree # \n"},
    TrigCase{"3 9 0 sin", "0.5", " = 0.5 Sin Degree # \n"},
    TrigCase{"3 6 E+ 1 2 sin", "0", " = 0 Sin Degree # \n"},
    TrigCase{"1 atn", "0.785398163397448", " = 0.785398163397448 Atn # \n"}));

INSTANTIATE_TEST_SUITE_P(Gradient, Trig, ::testing::Values(
    TrigCase{"Gradient 1 0 0 sin", "1", " = 1 Sin Gradient # \n"},
    TrigCase{"Gradient 1 0 0 cos", "0", " = 0 Cos Gradient # \n"},
    TrigCase{"Gradient 5 0 tan", "1", " = 1 Tan Gradient # \n"},
    TrigCase{"Gradient 1 atn", "0.785398163397448", " = 0.785398163397448 Atn # \n"}));

INSTANTIATE_TEST_SUITE_P(Radian, Trig, ::testing::Values(
    TrigCase{"Radian 1 sin", "0.841470984807897", "1 = 0.841470984807897 Sin Radian # \n"},
    TrigCase{"Radian 1 cos", "0.54030230586814", " = 0.54030230586814 Cos Radian # \n"},
    TrigCase{"Radian 1 tan", "1.5574077246549", " = 1.5574077246549 Tan Radian # \n"},
    TrigCase{"Radian +/- sin", "0", "- = 0 Sin Radian # \n"},
    TrigCase{"Radian +/- cos", "1", " = 1 Cos Radian # \n"},
    TrigCase{"Radian +/- tan", "0", " = 0 Tan Radian # \n"},
    TrigCase{"Radian 1 atn", "0.785398163397448", " = 0.785398163397448 Atn # \n"}));

// Keys up to the failing trigonometric key, which comes last.
class TrigFailures : public ScientificTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(TrigFailures, TakeTheUnknownExceptionPathAndKeepTheBoxesEnabled)
{
    const std::string all = GetParam();
    const auto last = all.rfind(' ');
    ASSERT_EQ(keys(all.substr(0, last)), "");
    const std::string typed = input();
    const std::string tapeBefore = spool.text();
    ASSERT_EQ(keys(all.substr(last + 1)), "");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{std::string(MsgUnknownException())});
    EXPECT_TRUE(enabled(C::cmdReset));
    EXPECT_TRUE(enabled(C::txtInput));
    EXPECT_TRUE(enabled(C::txtOutput_0));
    EXPECT_EQ(output(), typed);
    EXPECT_EQ(spool.text(), tapeBefore);
    EXPECT_FALSE(calculator.fields().blnClearInput);
}

INSTANTIATE_TEST_SUITE_P(Keys, TrigFailures, ::testing::Values(
    "+/- sin", ". cos", "9 0 tan", "2 7 0 tan", "9 0 +/- tan", "Gradient +/- tan", "Gradient 1 0 0 tan",
    "Radian 1 E+ 9 9 9 sin"));

TEST_F(ScientificTest, ModeButtonsAndTheModeNameMoveTogether)
{
    const char* names[] = {"Degree", "Radian", "Gradient"};
    for (int mode : {1, 2, 0, 2, 1, 0}) {
        ASSERT_EQ(keys(names[mode]), "");
        EXPECT_EQ(calculator.fields().strAngleMode, names[mode]);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(enabled(member(C::cmdLevel_0, i)), i != mode) << names[mode] << ' ' << i;
            EXPECT_TRUE(visible(member(C::cmdLevel_0, i)));
        }
    }
    EXPECT_EQ(keys("Degree"), "Degree") << "the chosen mode's button takes no click";
    EXPECT_EQ(spool.text(), "");
}

TEST_F(ScientificTest, TrigKeepsAPendingOperationAndItsLeftOperand)
{
    ASSERT_EQ(keys("2 + 3 0 sin ="), "");
    EXPECT_EQ(input(), "2.5");
    EXPECT_EQ(spool.text(), "2 + 30 = 0.5 Sin Degree # \n = 2.5#\n");
    EXPECT_EQ(scientific.angleText(), "0.523598775598299");
}

// Every whole degree and gradient over three turns either way, against a reference
// worked out in long double: a wrong quadrant or sign shows at once.
TEST(AngleReduction, AgreesWithTheReferenceOnEveryWholeAngle)
{
    for (const auto& [mode, halfTurn] : {std::pair{AngleMode::Degree, 180}, std::pair{AngleMode::Gradient, 200}}) {
        for (int a = -6 * halfTurn; a <= 6 * halfTurn; ++a) {
            const long double radians = a * (std::numbers::pi_v<long double> / halfTurn);
            const auto sine = trigonometric(TrigFunction::Sine, a, mode);
            const auto cosine = trigonometric(TrigFunction::Cosine, a, mode);
            ASSERT_TRUE(sine && cosine) << a;
            EXPECT_NEAR(*sine, static_cast<double>(std::sin(radians)), 1e-15) << a;
            EXPECT_NEAR(*cosine, static_cast<double>(std::cos(radians)), 1e-15) << a;
            const auto tangent = trigonometric(TrigFunction::Tangent, a, mode);
            if (a % halfTurn == 0) {
                EXPECT_EQ(*sine, 0.0) << a;
            }
            if ((2 * a) % halfTurn == 0 && a % halfTurn != 0) {
                EXPECT_EQ(*cosine, 0.0) << a;
                EXPECT_EQ(std::fabs(*sine), 1.0) << a;
                EXPECT_FALSE(tangent) << a;
            } else {
                ASSERT_TRUE(tangent) << a;
                const double expected = static_cast<double>(std::tan(radians));
                EXPECT_NEAR(*tangent, expected, 1e-14 * std::max(1.0, std::fabs(expected))) << a;
            }
        }
    }
}

}  // namespace
}  // namespace tallimo::testing
