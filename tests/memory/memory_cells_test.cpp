// M+ and M-: the sign questions, where a value lands, and the full memory.

#include "memory_fixture.h"

namespace tallimo::testing {
namespace {

const std::string kNegativeQuestion = "You are attempting to place a negative value into memory Plus";
const std::string kPositiveQuestion = "You are attempting to place a posotive value into memory Minus";

struct StoreCase {
    const char* name;
    const char* input;
    int key;
    std::vector<Answer> answers;
    std::vector<std::string> asked;
    const char* stored;  // cell 1 afterwards; nullptr when the press was refused
};

void PrintTo(const StoreCase& c, std::ostream* out) { *out << c.name; }

class StoreTest : public MemoryTest, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(StoreTest, AsksAboutTheSignAndStoresTheValue)
{
    const StoreCase& c = GetParam();
    enter(c.input);
    for (Answer a : c.answers) prompter.script({a});
    memory.pressMemory(c.key);

    EXPECT_EQ(prompter.texts(), c.asked);
    if (c.stored) {
        EXPECT_EQ(cell(1), c.stored);
        EXPECT_EQ(input(), "");
        EXPECT_EQ(spool.text(), "#\n");
        EXPECT_TRUE(enabled(Control::optMemory_0));
    } else {
        EXPECT_EQ(cell(1), "");
        EXPECT_EQ(input(), c.input);
        EXPECT_EQ(spool.text(), "");
    }
    EXPECT_EQ(cell(2), "");
}

INSTANTIATE_TEST_SUITE_P(
    SignsAndExponents, StoreTest,
    ::testing::Values(StoreCase{"PlusOfNine", "9", kMPlus, {}, {}, "9"},
                      StoreCase{"PlusOfNegativeConfirmed", "-4", kMPlus, {Answer::Ok}, {kNegativeQuestion}, "4"},
                      StoreCase{"PlusOfNegativeRefused", "-4", kMPlus, {Answer::Cancel}, {kNegativeQuestion}, nullptr},
                      StoreCase{"MinusOfPositiveConfirmed", "4", kMMinus, {Answer::Ok}, {kPositiveQuestion}, "-4"},
                      StoreCase{"MinusOfPositiveRefused", "4", kMMinus, {Answer::Cancel}, {kPositiveQuestion}, nullptr},
                      StoreCase{"MinusOfNegative", "-4", kMMinus, {}, {}, "-4"},
                      // An exponent's "-" is not the value's sign.
                      StoreCase{"PlusOfSmallExponent", "1E-5", kMPlus, {}, {}, "1E-5"},
                      StoreCase{"MinusOfSmallExponentConfirmed", "1E-5", kMMinus, {Answer::Ok}, {kPositiveQuestion},
                                "-1E-5"},
                      StoreCase{"PlusOfNegativeSmallExponentConfirmed", "-1E-5", kMPlus, {Answer::Ok}, {kNegativeQuestion},
                                "1E-5"},
                      StoreCase{"MinusOfNegativeSmallExponent", "-1E-5", kMMinus, {}, {}, "-1E-5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MemoryTest, LongValuesAreStoredWhole)
{
    const std::string digits(1500, '7');
    enter("-" + digits);
    prompter.script({Answer::Ok});
    memory.pressMemory(kMPlus);
    EXPECT_EQ(cell(1), digits);
}

TEST_F(MemoryTest, EmptyAndNonNumericCellsAreFreeAndFilledLowestFirst)
{
    fillCells({"1", "2", "", "4", "abc", "6", "7"});
    enter("8");
    memory.pressMemory(kMPlus);
    enter("-9");
    memory.pressMemory(kMMinus);
    EXPECT_EQ(cells(), (std::vector<std::string>{"1", "2", "8", "4", "-9", "6", "7"}));
}

TEST_F(MemoryTest, ADeletedCellIsTheNextOneFilled)
{
    fillCells(kSevenValues);
    memory.pressMemory(kMR);
    memory.checkDelete(2, true);
    prompter.script({Answer::Ok});
    memory.deleteChecked();
    enter("9");
    memory.pressMemory(kMPlus);
    EXPECT_EQ(cells(), (std::vector<std::string>{"1", "2", "9", "4", "5", "6", "7"}));
}

TEST_F(MemoryTest, AFullMemoryShiftsTheCellsOnOk)
{
    fillCells({"1", "2", "3", "4", "5", "6", "7.50"});
    enter("9");
    prompter.script({Answer::Ok});
    memory.pressMemory(kMPlus);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{
                                    "Adding another value will remove the memory  7.5. Alternatively press cancel "
                                    "then MR to delete a different memory cell."}));
    EXPECT_EQ(cells(), (std::vector<std::string>{"9", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(input(), "");
    EXPECT_EQ(spool.text(), "#\n");

    enter("9");
    prompter.script({Answer::Ok, Answer::Ok});
    memory.pressMemory(kMMinus);
    EXPECT_EQ(cells(), (std::vector<std::string>{"-9", "9", "1", "2", "3", "4", "5"}));
}

TEST_F(MemoryTest, AFullMemoryRefusedStillEmptiesTheInputAndEndsTheLine)
{
    fillCells(kSevenValues);
    enter("9");
    prompter.script({Answer::Cancel});
    memory.pressMemory(kMPlus);
    EXPECT_EQ(cells(), kSevenValues);
    EXPECT_EQ(input(), "");
    EXPECT_EQ(spool.text(), "#\n");
}

TEST_F(MemoryTest, EveryMemoryKeyCopiesTheInputToTheOutputAndDisablesDelete)
{
    fillCells({"5"});
    memory.pressMemory(kMR);
    memory.checkDelete(0, true);
    ASSERT_TRUE(enabled(Control::cmdDeleteMemory));
    enter("12");
    memory.pressMemory(kTR);
    EXPECT_EQ(output(), "12");
    EXPECT_FALSE(enabled(Control::cmdDeleteMemory));
}

}  // namespace
}  // namespace tallimo::testing
