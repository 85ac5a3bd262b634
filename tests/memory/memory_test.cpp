// M+ and M-, the memory panel (MR, MC, send and delete) and the running total.

#include "memory_fixture.h"

namespace tallimo::testing {
namespace {

using C = Control;

const std::string kNegative = "You are attempting to place a negative value into memory Plus";
const std::string kPositive = "You are attempting to place a posotive value into memory Minus";
const std::string kFull = "Adding another value will remove the memory  7.5. Alternatively press cancel then MR to "
                          "delete a different memory cell.";

struct StoreCase {
    const char* before;  // the cells, as fill() takes them
    const char* input;
    MemoryKey key;
    std::vector<Answer> answers;
    std::vector<std::string> asked;
    const char* after;  // nullptr when a sign question was refused and nothing changed
};

void PrintTo(const StoreCase& c, std::ostream* os) { *os << c.input << (c.key == kMPlus ? " M+" : " M-"); }

class Store : public MemoryTest, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(Store, AsksAboutTheSignAndAFullMemoryThenStores)
{
    const StoreCase& c = GetParam();
    fill(c.before);
    enter(c.input);
    for (Answer a : c.answers) prompter.script({a});
    memory.pressMemory(c.key);
    EXPECT_EQ(prompter.texts(), c.asked);
    EXPECT_EQ(cells(), c.after ? c.after : c.before);
    EXPECT_EQ(input(), c.after ? "" : c.input);
    EXPECT_EQ(tape.text(), c.after ? "#\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Keys, Store, ::testing::Values(
    StoreCase{"", "-4", kMPlus, {Answer::Ok}, {kNegative}, "4"},
    StoreCase{"", "-4", kMPlus, {Answer::Cancel}, {kNegative}, nullptr},
    StoreCase{"", "4", kMMinus, {Answer::Ok}, {kPositive}, "-4"},
    // An exponent's "-" is not the value's sign.
    StoreCase{"", "1E-5", kMPlus, {}, {}, "1E-5"},
    StoreCase{"", "1E-5", kMMinus, {Answer::Ok}, {kPositive}, "-1E-5"},
    StoreCase{"", "-1E-5", kMPlus, {Answer::Ok}, {kNegative}, "1E-5"},
    StoreCase{"1|2|3|4|abc|6|7", "8", kMPlus, {}, {}, "1|2|3|4|8|6|7"},  // not a number: free
    StoreCase{"1|2|3|4|5|6|7.50", "9", kMPlus, {Answer::Ok}, {kFull}, "9|1|2|3|4|5|6"},
    StoreCase{"1|2|3|4|5|6|7.50", "9", kMPlus, {Answer::Cancel}, {kFull}, "1|2|3|4|5|6|7.50"}));

bool panelOpen(const MainControls& c) { return c.visible(memoryCell(1)) && c.visible(C::cmdCancel); }

TEST_F(MemoryTest, SendingACellFillsOnlyAnEmptyInput)
{
    fill("1|12.50");
    enter("12");
    memory.pressMemory(kMR);
    ASSERT_TRUE(panelOpen(calculator.controls()));
    memory.sendCell(1);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"The calculator is currently holding an uncleared value.  "
                                                         "Clear this then resend value!"});
    EXPECT_EQ(input(), "12");

    enter("");
    memory.pressMemory(kMR);
    memory.sendCell(1);
    EXPECT_EQ(input(), "12.5");
    EXPECT_EQ(results.told, std::vector<std::string>{"12.5"}) << "the refused send told nothing";
    EXPECT_EQ(tape.text(), "12.5(mem) ");
    EXPECT_FALSE(panelOpen(calculator.controls()));
}

TEST_F(MemoryTest, DeleteAsksOncePerCheckedCellAndAFreedCellIsFilledNext)
{
    fill("1|2|3.50|4|5.0|6|7");
    memory.pressMemory(kMR);
    memory.checkDelete(2, true);
    memory.checkDelete(0, true);
    memory.checkDelete(0, false);
    memory.checkDelete(4, true);
    prompter.script({Answer::Ok, Answer::Cancel});
    memory.deleteChecked();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"If you continue the value 3.5 will be erased permanently",
                                                           "If you continue the value 5 will be erased permanently",
                                                           "No value selected for deletion"}));
    enter("9");
    memory.pressMemory(kMPlus);
    EXPECT_EQ(cells(), "1|2|9|4|5.0|6|7");
}

TEST_F(MemoryTest, ClearAllAsksFirstThenRecallFindsTheMemoryEmpty)
{
    fill("1|2");
    memory.pressMemory(kMC);  // refused
    EXPECT_EQ(cells(), "1|2");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{" If you continue the all values in memory will be permanently "
                                                         "erased.  Alternatively click MR to remove individual values."});
    prompter.script({Answer::Ok});
    memory.pressMemory(kMC);
    EXPECT_EQ(cells(), "");
    fill("abc");  // not a number: the memory still counts as empty
    prompter.asked.clear();
    memory.pressMemory(kMR);
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"The memory is empty"});
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_FALSE(panelOpen(calculator.controls()));
}

// ---- the running total ----

class RunningTotal : public MemoryTest {
protected:
    void addToTotal(const std::string& value)
    {
        enter(value);
        prompter.script({Answer::Ok});
        memory.pressMemory(kTPlus);
    }
    bool recallAndResetEnabled() { return enabled(C::cmdMemory_6) || enabled(C::cmdMemory_7); }
    RunningTotalWindowModel& window() { return memory.totalWindow(); }
};

TEST_F(RunningTotal, IncrementAsksWithTheNewTotalAndTheWindowSendsItBack)
{
    addToTotal("5");
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{" If you continue the Running Total 0 will be incremented "
                                                         "by 5 creating the new value 5"});
    EXPECT_EQ(memory.runningTotal(), "5");

    enter("");
    memory.pressMemory(kTR);
    EXPECT_EQ(prompter.asked.back().text, " The running total = 5");
    ASSERT_TRUE(window().visible());
    window().sendTotal();
    EXPECT_EQ(input(), "5");
    EXPECT_EQ(results.told, std::vector<std::string>{"5"});
    EXPECT_EQ(tape.text(), "5#\n");
    EXPECT_FALSE(window().visible());
}

TEST_F(RunningTotal, RecallOfZeroTellsAndDisablesRecallAndReset)
{
    memory.pressMemory(kTR);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{" The running total = 0"});
    EXPECT_FALSE(recallAndResetEnabled());
    EXPECT_FALSE(window().visible());
}

TEST_F(RunningTotal, ResetZeroesTheTotalAndAnOpenWindowsText)
{
    addToTotal("7");
    memory.pressMemory(kTR);
    prompter.asked.clear();
    prompter.script({Answer::Ok});
    memory.pressMemory(kTC);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{" If you continue the value in Running Total will be permanently erased.",
                                        " The running total = 0"}));
    EXPECT_EQ(memory.runningTotal(), "0");
    EXPECT_EQ(window().text(), "0");
    EXPECT_FALSE(recallAndResetEnabled());
}

TEST_F(RunningTotal, ASumBeyondTheDoubleRangeIsRefused)
{
    addToTotal("1.7E+308");
    prompter.asked.clear();
    enter("1E+308");
    memory.pressMemory(kTPlus);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Overflow exception"});
    EXPECT_EQ(memory.runningTotal(), "1.7E+308");
}

}  // namespace
}  // namespace tallimo::testing
