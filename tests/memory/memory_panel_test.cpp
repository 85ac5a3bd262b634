// The memory panel: MR, MC, sending a cell to the input and deleting cells.

#include "common/messages.h"
#include "memory_fixture.h"

namespace tallimo::testing {
namespace {

using C = Control;

// The 23 controls of the panel, all visible or all hidden.
bool panelVisible(const Calculator& calculator)
{
    const MainControls& c = calculator.controls();
    bool all = c.visible(C::cmdCancel) && c.visible(C::cmdDeleteMemory);
    bool none = !c.visible(C::cmdCancel) && !c.visible(C::cmdDeleteMemory);
    for (int i = 0; i < 7; ++i) {
        const bool shown[] = {c.visible(memoryCell(i + 1)), c.visible(sendButton(i)), c.visible(deleteBox(i))};
        for (bool s : shown) {
            all = all && s;
            none = none && !s;
        }
    }
    if (!all && !none) ADD_FAILURE() << "the panel is partly shown";
    return all;
}

class PanelTest : public MemoryTest {
protected:
    void openPanel()
    {
        memory.pressMemory(kMR);
        ASSERT_TRUE(panelVisible(calculator));
        prompter.asked.clear();
    }
    WindowHeight height() { return calculator.controls().height(); }
};

TEST_F(PanelTest, RecallOnAnEmptyMemorySaysSoAndOpensNothing)
{
    fillCells({"abc"});
    memory.pressMemory(kMR);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "The memory is empty");
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_FALSE(panelVisible(calculator));
    EXPECT_EQ(height(), WindowHeight::Short);
}

TEST_F(PanelTest, RecallOpensThePanelTallWithNothingSelected)
{
    fillCells({"3"});
    calculator.controls().check(sendButton(0));
    openPanel();
    EXPECT_EQ(height(), WindowHeight::Tall);
    EXPECT_FALSE(calculator.controls().checked(sendButton(0)));
    EXPECT_FALSE(enabled(C::cmdDeleteMemory));
    EXPECT_TRUE(enabled(sendButton(0)));
    EXPECT_FALSE(enabled(sendButton(1)));
}

TEST_F(PanelTest, SendingACellPutsItsValueIntoAnEmptyInput)
{
    fillCells({"1", "12.50"});
    openPanel();
    memory.sendCell(1);
    EXPECT_EQ(input(), "12.5");
    EXPECT_EQ(spool.text(), "12.5(mem) ");
    EXPECT_EQ(calculator.fields().strMemory[1], "12.5");
    EXPECT_FALSE(panelVisible(calculator));
    EXPECT_EQ(height(), WindowHeight::Short);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_TRUE(enabled(C::cmdOperator_0));
}

TEST_F(PanelTest, SendingIsRefusedWhileTheInputHoldsANumber)
{
    fillCells({"1", "12.50"});
    enter("12");
    openPanel();
    memory.sendCell(1);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{std::string(MsgUnclearedValue())});
    EXPECT_EQ(input(), "12");
    EXPECT_EQ(cell(2), "12.50");
    EXPECT_EQ(spool.text(), "");
    EXPECT_FALSE(calculator.controls().checked(sendButton(1)));
    EXPECT_TRUE(panelVisible(calculator));
}

TEST_F(PanelTest, AnOpenPageKeepsTheWindowTallWhenThePanelCloses)
{
    fillCells({"4"});
    calculator.controls().show(C::txtSpool);
    openPanel();
    memory.cancelPanel();
    EXPECT_FALSE(panelVisible(calculator));
    EXPECT_EQ(height(), WindowHeight::Tall);

    calculator.controls().hide(C::txtSpool);
    openPanel();
    memory.cancelPanel();
    EXPECT_EQ(height(), WindowHeight::Short);
}

TEST_F(PanelTest, DeleteAsksOncePerCheckedCell)
{
    fillCells({"1.0", "2", "3.50"});
    openPanel();
    memory.checkDelete(0, true);
    memory.checkDelete(1, true);
    memory.checkDelete(1, false);
    memory.checkDelete(2, true);
    EXPECT_TRUE(enabled(C::cmdDeleteMemory));
    prompter.script({Answer::Ok, Answer::Cancel});
    memory.deleteChecked();

    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"If you continue the value 1 will be erased permanently",
                                                           "If you continue the value 3.5 will be erased permanently",
                                                           std::string(MsgNoDeletion())}));
    EXPECT_EQ(cells(), (std::vector<std::string>{"", "2", "3.50", "", "", "", ""}));
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(calculator.controls().checked(deleteBox(i)));
    EXPECT_FALSE(panelVisible(calculator));
    EXPECT_EQ(height(), WindowHeight::Short);
}

TEST_F(PanelTest, DeleteWithNothingCheckedSaysSoOnceAndCloses)
{
    fillCells({"1"});
    openPanel();
    memory.deleteChecked();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{std::string(MsgNoDeletion())});
    EXPECT_EQ(cell(1), "1");
    EXPECT_FALSE(panelVisible(calculator));
}

TEST_F(PanelTest, ClearAllEmptiesEveryCellOnlyOnOk)
{
    fillCells(kSevenValues);
    openPanel();
    memory.pressMemory(kMC);
    const std::string question =
        " If you continue the all values in memory will be permanently erased.  Alternatively click MR to remove "
        "individual values.";
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{question});
    EXPECT_EQ(cells(), kSevenValues);
    EXPECT_TRUE(panelVisible(calculator));

    prompter.script({Answer::Ok});
    memory.pressMemory(kMC);
    EXPECT_EQ(cells(), std::vector<std::string>(7, ""));
    EXPECT_FALSE(panelVisible(calculator));
    EXPECT_EQ(height(), WindowHeight::Short);
    EXPECT_FALSE(enabled(C::cmdMemory_2));
    EXPECT_FALSE(enabled(C::cmdMemory_3));
}

}  // namespace
}  // namespace tallimo::testing
