// bin, hex, oct, sqr, int, log and atn: boxes, tape, the lock and the failure path.

#include "common/messages.h"
#include "support/scientific_fixture.h"

namespace tallimo::testing {
namespace {

using C = Control;

struct FunctionCase {
    const char* entry;     // keys that build the operand
    const char* function;  // the scientific key
    const char* result;    // in both boxes
    const char* line;      // appended to the tape by the function key
};

void PrintTo(const FunctionCase& c, std::ostream* os) { *os << '"' << c.entry << ' ' << c.function << '"'; }

bool locks(std::string_view function) { return function == "bin" || function == "hex" || function == "oct"; }

class Functions : public ScientificTest, public ::testing::WithParamInterface<FunctionCase> {};

TEST_P(Functions, ShowResultInBothBoxesAndOneTapeLine)
{
    const FunctionCase& c = GetParam();
    ASSERT_EQ(keys(c.entry), "");
    const std::string tapeBefore = spool.text();
    ASSERT_EQ(keys(c.function), "");
    EXPECT_EQ(output(), c.result);
    EXPECT_EQ(input(), c.result);
    EXPECT_EQ(spool.text(), tapeBefore + c.line);
    EXPECT_TRUE(calculator.fields().blnClearInput);
    if (locks(c.function)) {
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{std::string(MsgClickReset())});
    } else {
        EXPECT_TRUE(prompter.asked.empty()) << prompter.asked.front().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, Functions, ::testing::Values(
    FunctionCase{"1 0", "bin", "1010", " = 1010 Bin # \n"},
    FunctionCase{"0", "bin", "0", " = 0 Bin # \n"},
    FunctionCase{"2 . 5", "bin", "10", " = 10 Bin # \n"},
    FunctionCase{"3 . 5", "bin", "100", " = 100 Bin # \n"},
    FunctionCase{"0 . 4", "bin", "0", " = 0 Bin # \n"},
    FunctionCase{"2 1 4 7 4 8 3 6 4 7", "bin", "1111111111111111111111111111111",
                 " = 1111111111111111111111111111111 Bin # \n"},
    FunctionCase{"1 +/-", "bin", "11111111111111111111111111111111", " = 11111111111111111111111111111111 Bin # \n"},
    FunctionCase{"5 +/-", "bin", "11111111111111111111111111111011", " = 11111111111111111111111111111011 Bin # \n"},
    FunctionCase{"2 5 5", "hex", "FF", " = FF Hex # \n"},
    FunctionCase{"2 . 5", "hex", "2", " = 2 Hex # \n"},
    FunctionCase{"5 E+ 3", "hex", "1388", " = 1388 Hex # \n"},
    FunctionCase{"1 +/-", "hex", "FFFFFFFF", " = FFFFFFFF Hex # \n"},
    FunctionCase{"+/-", "hex", "0", " = 0 Hex # \n"},
    FunctionCase{"8", "oct", "10", " = 10 Oct # \n"},
    FunctionCase{"1 +/-", "oct", "37777777777", " = 37777777777 Oct # \n"},
    FunctionCase{"2", "sqr", "1.4142135623731", " = 1.4142135623731 SqrRoot # \n"},
    FunctionCase{"2 5", "sqr", "5", " = 5 SqrRoot # \n"},
    FunctionCase{"2 . 7", "int", "2", " = 2 Int#\n"},
    FunctionCase{"2 . 5 +/-", "int", "-3", " = -3 Int#\n"},
    FunctionCase{"1 0 0", "log", "2", " = 2 Log # \n"},
    FunctionCase{"1 0 0 0", "log", "3", " = 3 Log # \n"},
    FunctionCase{"2", "log", "0.301029995663981", " = 0.301029995663981 Log # \n"},
    FunctionCase{"1 E- 5", "log", "-5", " = -5 Log # \n"},
    FunctionCase{"1", "atn", "0.785398163397448", " = 0.785398163397448 Atn # \n"}));

struct FailingCase {
    const char* entry;
    const char* function;
};

void PrintTo(const FailingCase& c, std::ostream* os) { *os << '"' << c.entry << ' ' << c.function << '"'; }

class FunctionFailures : public ScientificTest, public ::testing::WithParamInterface<FailingCase> {};

TEST_P(FunctionFailures, TakeTheUnknownExceptionPathAndDisableBothBoxes)
{
    const FailingCase& c = GetParam();
    ASSERT_EQ(keys(c.entry), "");
    const std::string typed = input();
    const std::string tapeBefore = spool.text();
    ASSERT_EQ(keys(c.function), "");
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, MsgUnknownException());
    EXPECT_EQ(prompter.asked[0].icon, Icon::None);
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::Ok);
    EXPECT_TRUE(enabled(C::cmdReset));
    EXPECT_FALSE(enabled(C::txtInput));
    EXPECT_FALSE(enabled(C::txtOutput_0));
    EXPECT_EQ(output(), typed);
    EXPECT_EQ(input(), typed);
    EXPECT_EQ(spool.text(), tapeBefore);
    EXPECT_FALSE(calculator.fields().blnClearInput);
}

INSTANTIATE_TEST_SUITE_P(Keys, FunctionFailures, ::testing::Values(
    FailingCase{"+/-", "bin"},
    FailingCase{".", "bin"},
    FailingCase{"2 1 4 7 4 8 3 6 4 8", "bin"},
    FailingCase{"1 E+ 2 0", "hex"},
    FailingCase{"2 1 4 7 4 8 3 6 4 9 +/-", "oct"},
    FailingCase{"4 +/-", "sqr"},
    FailingCase{"0", "log"},
    FailingCase{"+/-", "log"},
    FailingCase{"1 +/-", "log"},
    FailingCase{"1 E+ 9 9 9", "int"},
    FailingCase{"1 E+ 9 9 9", "atn"}));

TEST_F(ScientificTest, BaseConversionsLockTheKeysUntilReset)
{
    const Control locked[] = {C::cmdDigit_0, C::cmdDigit_9, C::cmdScientific_3, C::cmdScientific_9,
                              C::cmdScientificDegree_1, C::cmdOperator_0, C::cmdOperator_5,
                              C::cmdScientificNotation_1, C::cmdMemory_0, C::cmdMemory_3, C::cmdShift,
                              C::cmdIntrinsic_0, C::cmdIntrinsic_2, C::cmdSqrCubed_0, C::cmdMemory_6,
                              C::cmdPye, C::cmdWipe, C::cmdSwop};
    for (const char* function : {"bin", "hex", "oct"}) {
        SCOPED_TRACE(function);
        ASSERT_EQ(keys(std::string("1 2 + 4 2 ") + function), "");
        for (C c : locked) EXPECT_FALSE(enabled(c)) << controlName(c);
        EXPECT_TRUE(enabled(C::cmdReset));
        // The pending "=", the angle modes and the delete key are left alone.
        EXPECT_TRUE(enabled(C::cmdEquals_0));
        EXPECT_TRUE(enabled(C::cmdLevel_1));
        EXPECT_TRUE(enabled(C::cmdDelete));
        ASSERT_FALSE(prompter.asked.empty());
        EXPECT_EQ(prompter.asked.back().text, " Click Reset to continue ");
        EXPECT_EQ(prompter.asked.back().icon, Icon::Exclamation);
        ASSERT_EQ(keys("ReSet 7"), "");
        EXPECT_EQ(input(), "7");
    }
}

TEST_F(ScientificTest, ResultStartsANewNumberAndServesAsTheRightOperand)
{
    ASSERT_EQ(keys("2 + 9 sqr ="), "");
    EXPECT_EQ(input(), "5");
    EXPECT_EQ(spool.text(), "2 + 9 = 3 SqrRoot # \n = 5#\n");
    ASSERT_EQ(keys("1 6 sqr 4"), "");
    EXPECT_EQ(input(), "4");
}

TEST_F(ScientificTest, WipeFromTheMenuEnablesTheInputAfterAFailureButNotTheOutput)
{
    ASSERT_EQ(keys("0 log"), "");
    prompter.script({Answer::Yes});
    calculator.menuWipe();
    EXPECT_TRUE(enabled(C::txtInput));
    EXPECT_FALSE(enabled(C::txtOutput_0));
    ASSERT_EQ(keys("2 5 sqr"), "");
    EXPECT_EQ(output(), "5");
}

}  // namespace
}  // namespace tallimo::testing
