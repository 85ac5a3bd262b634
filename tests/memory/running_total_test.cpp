// T+, T-, TR, TC, the Shift key and the running-total window.

#include "common/messages.h"
#include "memory_fixture.h"

namespace tallimo::testing {
namespace {

using C = Control;

class RunningTotalTest : public MemoryTest {
protected:
    // Sets the total through T+ answered OK.
    void makeTotal(const std::string& value)
    {
        enter(value);
        prompter.script({Answer::Ok});
        memory.pressMemory(kTPlus);
        enter("");
        prompter.asked.clear();
    }
    bool recallAndResetEnabled()
    {
        const bool recall = enabled(C::cmdMemory_6);
        EXPECT_EQ(recall, enabled(C::cmdMemory_7));
        return recall;
    }
    RunningTotalWindow& window() { return memory.totalWindow(); }
};

TEST_F(RunningTotalTest, IncrementAsksWithTheNewTotal)
{
    enter("5");
    prompter.script({Answer::Ok});
    memory.pressMemory(kTPlus);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text,
              " If you continue the Running Total 0 will be incremented by 5 creating the new value 5");
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(memory.runningTotal(), "5");
    EXPECT_TRUE(recallAndResetEnabled());
    EXPECT_EQ(input(), "5");
    EXPECT_EQ(spool.text(), "");
    EXPECT_EQ(window().text(), "5");
    EXPECT_FALSE(window().visible());
}

TEST_F(RunningTotalTest, DecrementRefusedKeepsTheTotalButEnablesRecall)
{
    makeTotal("5");
    calculator.controls().disable(C::cmdMemory_6);
    enter("2");
    prompter.script({Answer::Cancel});
    memory.pressMemory(kTMinus);
    const std::string question =
        " If you continue the Running Total 5 will be decremented by 2 creating the new value 3";
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{question});
    EXPECT_EQ(memory.runningTotal(), "5");
    EXPECT_TRUE(recallAndResetEnabled());
}

TEST_F(RunningTotalTest, BackToZeroLeavesRecallEnabledUntilShiftOrRecall)
{
    makeTotal("3");
    enter("3");
    prompter.script({Answer::Ok});
    memory.pressMemory(kTMinus);
    EXPECT_EQ(memory.runningTotal(), "0");
    EXPECT_TRUE(recallAndResetEnabled());
    memory.pressShift();
    EXPECT_FALSE(recallAndResetEnabled());
}

TEST_F(RunningTotalTest, ASumBeyondTheDoubleRangeIsRefused)
{
    makeTotal("1.7E+308");
    enter("1E+308");
    memory.pressMemory(kTPlus);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "Overflow exception");
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.asked[0].title, "Tallimo");
    EXPECT_EQ(memory.runningTotal(), "1.7E+308");

    prompter.asked.clear();
    enter("1E999");  // reads as infinite
    memory.pressMemory(kTMinus);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Overflow exception"});
    EXPECT_EQ(memory.runningTotal(), "1.7E+308");
}

TEST_F(RunningTotalTest, RecallOfZeroTellsAndDisablesWithoutAWindow)
{
    memory.pressMemory(kTR);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, " The running total = 0");
    EXPECT_EQ(prompter.asked[0].icon, Icon::None);
    EXPECT_FALSE(recallAndResetEnabled());
    EXPECT_FALSE(window().visible());
}

TEST_F(RunningTotalTest, RecallShowsTheWindowWithTheTotal)
{
    makeTotal("7.25");
    memory.pressMemory(kTR);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{" The running total = 7.25"});
    EXPECT_TRUE(window().visible());
    EXPECT_EQ(window().text(), "7.25");
}

TEST_F(RunningTotalTest, ResetErasesTheTotalAndAnOpenWindowsText)
{
    makeTotal("7");
    memory.pressMemory(kTR);
    prompter.asked.clear();

    memory.pressMemory(kTC);  // refused
    EXPECT_EQ(memory.runningTotal(), "7");
    EXPECT_FALSE(recallAndResetEnabled());

    prompter.script({Answer::Ok});
    memory.pressMemory(kTC);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{" If you continue the value in Running Total will be permanently erased.",
                                        " If you continue the value in Running Total will be permanently erased.",
                                        " The running total = 0"}));
    EXPECT_EQ(memory.runningTotal(), "0");
    EXPECT_EQ(window().text(), "0");
    EXPECT_FALSE(recallAndResetEnabled());

    window().sendTotal();
    EXPECT_EQ(input(), "0");
}

TEST_F(RunningTotalTest, ShiftSwapsTheMemoryKeysForTheTotalKeys)
{
    const auto keysShown = [this](int first) {
        for (int i = first; i < first + 4; ++i)
            if (!visible(memoryKey(i))) return false;
        return true;
    };
    memory.pressShift();
    EXPECT_TRUE(keysShown(4));
    EXPECT_FALSE(visible(C::cmdMemory_0) || visible(C::fraMemory));
    EXPECT_TRUE(visible(C::fraTotal) && visible(C::pctShift));
    EXPECT_FALSE(recallAndResetEnabled());

    makeTotal("2");
    memory.pressShift();
    EXPECT_TRUE(keysShown(0));
    EXPECT_FALSE(visible(C::cmdMemory_4) || visible(C::fraTotal) || visible(C::pctShift));
    EXPECT_TRUE(visible(C::fraMemory));
    EXPECT_TRUE(recallAndResetEnabled());
}

TEST_F(RunningTotalTest, SendFillsAnEmptyInputAndClosesTheWindow)
{
    makeTotal("5");
    memory.pressMemory(kTR);
    spool.setText("");
    window().sendTotal();
    EXPECT_EQ(input(), "5");
    EXPECT_EQ(spool.text(), "5#\n");
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(window().text(), "");
}

TEST_F(RunningTotalTest, SendWhileTheInputHoldsANumberIsRefusedAndCloses)
{
    makeTotal("5");
    memory.pressMemory(kTR);
    enter("1");
    prompter.asked.clear();
    window().sendTotal();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{std::string(MsgUnclearedValue())});
    EXPECT_EQ(input(), "1");
    EXPECT_FALSE(window().visible());
}

}  // namespace
}  // namespace tallimo::testing
