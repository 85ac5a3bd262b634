// The memory files across a start and a close, and the closing question.

#include "common/messages.h"
#include "memory_fixture.h"

namespace tallimo::testing {
namespace {

using C = Control;

class MemoryFilesTest : public MemoryTest {
protected:
    void putFiles(const std::vector<std::string>& contents)
    {
        for (std::size_t k = 0; k < contents.size(); ++k) files.files[path(static_cast<int>(k) + 1)] = contents[k];
    }
    void openPageWithText()
    {
        calculator.controls().show(C::txtSpool);
        spool.setText("1 + 2 = 3#\n");
    }
};

TEST_F(MemoryFilesTest, TheFilesLiveInTheStartFolder)
{
    EXPECT_EQ(path(1), "/home/user/sums/memory1.tmo");
    EXPECT_EQ(path(7), "/home/user/sums/memory7.tmo");
    EXPECT_EQ(Memory(calculator, files, "").files().pathOf(3), "memory3.tmo");
}

TEST_F(MemoryFilesTest, AFirstRunStartsEmptyAndWritesSevenFilesAtClose)
{
    memory.restore();
    EXPECT_EQ(cells(), std::vector<std::string>(7, ""));
    EXPECT_TRUE(prompter.asked.empty());

    calculator.setOutput(2, "12.50");
    calculator.setOutput(5, "abc");
    EXPECT_TRUE(memory.closeCalculator());
    EXPECT_TRUE(prompter.asked.empty());
    const std::string expected[] = {"\r\n", "12.50\r\n", "\r\n", "\r\n", "abc\r\n", "\r\n", "\r\n"};
    ASSERT_EQ(files.files.size(), 7u);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(files.files[path(k)], expected[k - 1]) << "memory" << k;
}

TEST_F(MemoryFilesTest, RestoreStopsAtTheFirstMissingFile)
{
    putFiles({"1\r\n", "2\r\n", "", "4\r\n", "5\r\n", "6\r\n", "7\r\n"});
    files.files.erase(path(3));
    memory.restore();
    EXPECT_EQ(cells(), (std::vector<std::string>{"1", "2", "", "", "", "", ""}));
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_TRUE(enabled(C::cmdMemory_2));
    EXPECT_TRUE(enabled(C::optMemory_1));
}

TEST_F(MemoryFilesTest, AStartAndCloseThatChangeNothingRewriteTheSameBytes)
{
    // Only the one line end that closes the file is taken off.
    const std::vector<std::string> contents = {"12.5\r\n", "\r\n", "-3E-05\r\n", "abc\r\n",
                                               "7\r\n\r\n", "  8 \r\n", "1E+15\r\n"};
    putFiles(contents);
    memory.restore();
    EXPECT_EQ(cells(), (std::vector<std::string>{"12.5", "", "-3E-05", "abc", "7\r\n", "  8 ", "1E+15"}));
    EXPECT_TRUE(memory.closeCalculator());
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(files.files[path(k)], contents[k - 1]) << "memory" << k;
}

struct CloseCase {
    const char* name;
    bool pageOpen;
    const char* tape;
    std::vector<Answer> answers;
    bool asks;
    bool ends;
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

class CloseTest : public MemoryFilesTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, AsksOnlyAboutAnOpenPageWithText)
{
    const CloseCase& c = GetParam();
    putFiles(std::vector<std::string>(7, "old\r\n"));
    calculator.setOutput(1, "9");
    calculator.controls().show(C::txtSpool, c.pageOpen);
    spool.setText(c.tape);
    for (Answer a : c.answers) prompter.script({a});

    EXPECT_EQ(memory.closeCalculator(), c.ends);
    if (c.asks) {
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0].text, MsgUnsavedPage());
        EXPECT_EQ(prompter.asked[0].buttons, Buttons::OkCancel);
        EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    } else {
        EXPECT_TRUE(prompter.asked.empty());
    }
    EXPECT_EQ(files.files[path(1)], c.ends ? "9\r\n" : "old\r\n");
    EXPECT_EQ(files.files[path(2)], c.ends ? "\r\n" : "old\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CloseTest,
    ::testing::Values(CloseCase{"EmptyOpenPage", true, "", {}, false, true},
                      CloseCase{"TextOnAHiddenTape", false, "1 + 2", {}, false, true},
                      CloseCase{"TextOnAnOpenPageAnsweredOk", true, "1 + 2", {Answer::Ok}, true, true},
                      CloseCase{"TextOnAnOpenPageCancelled", true, "1 + 2", {Answer::Cancel}, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MemoryFilesTest, AFailedWriteIsNamedAndTheOthersAreStillWritten)
{
    calculator.setOutput(4, "4");
    calculator.setOutput(5, "5");
    files.unwritable.insert(path(4));
    EXPECT_TRUE(memory.closeCalculator());
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text,
              "The memory file /home/user/sums/memory4.tmo could not be written: The disk is full.");
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.asked[0].title, "Tallimo");
    EXPECT_EQ(files.files.count(path(4)), 0u);
    EXPECT_EQ(files.files[path(5)], "5\r\n");
    EXPECT_EQ(files.files[path(7)], "\r\n");
}

TEST_F(MemoryFilesTest, TheSessionEndWritesWithoutAQuestion)
{
    openPageWithText();
    calculator.setOutput(3, "3");
    files.unwritable.insert(path(6));
    const std::vector<FileFailure> failures = memory.saveOnSessionEnd();
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(files.files[path(3)], "3\r\n");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, path(6));
}

}  // namespace
}  // namespace tallimo::testing
