// The memory files across a start and a close, and the closing question.

#include "memory_fixture.h"

#include "common/messages.h"

#include <set>

namespace tallimo::testing {
namespace {

class MemoryFiles : public MemoryTest {
protected:
    void putFiles(const std::vector<std::string>& contents)
    {
        for (std::size_t k = 0; k < contents.size(); ++k) files.files[path(static_cast<int>(k) + 1)] = contents[k];
    }
};

TEST_F(MemoryFiles, AFirstRunStartsEmptyAndTheCloseWritesSevenFilesInTheStartFolder)
{
    memory.restore();
    EXPECT_EQ(cells(), "");
    calculator.setOutput(2, "12.50");
    EXPECT_TRUE(memory.closeCalculator());
    EXPECT_TRUE(prompter.asked.empty());
    std::map<std::string, std::string> expected;
    for (int k = 1; k <= 7; ++k) expected["/home/user/sums/memory" + std::to_string(k) + ".tmo"] = "\r\n";
    expected["/home/user/sums/memory2.tmo"] = "12.50\r\n";
    EXPECT_EQ(files.files, expected);
}

TEST_F(MemoryFiles, AMissingFileEmptiesOnlyItsOwnCellAndOneThatCannotBeTakenIsLeftAlone)
{
    putFiles({"1\r\n", "2\r\n", "3\r\n", "4\r\n", "5\r\n", "6\r\n", "7\r\n"});
    files.files.erase(path(3));
    files.unreadable.insert(path(6));
    files.files.erase(path(7));
    files.notPlain[path(7)] = "This is a link.";
    memory.restore();
    EXPECT_EQ(cells(), "1|2||4|5");
    EXPECT_TRUE(prompter.asked.empty());  // told once the window shows
    memory.tellPassedOver();
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{MsgMemoryFilesPassedOver(
                                    path(6) + ": The file cannot be read.\n" + path(7) + ": This is a link.")});

    files.unreadable.clear();
    calculator.setOutput(6, "60");
    EXPECT_TRUE(memory.closeCalculator());
    ASSERT_EQ(prompter.asked.size(), 2u);  // the value put into cell 6 is not kept, and that is said
    EXPECT_EQ(prompter.asked[1].text, MsgMemoryFileNotWritten(path(6), "The file cannot be read."));
    const std::vector<std::string> expected = {"1\r\n", "2\r\n", "\r\n", "4\r\n", "5\r\n", "6\r\n"};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(files.files[path(k)], expected[k - 1]) << "memory" << k;
    EXPECT_EQ(files.writes.count(path(6)) + files.writes.count(path(7)), 0u);
}

TEST_F(MemoryFiles, AStartAndCloseThatChangeNothingRewriteTheSameBytes)
{
    // Only the one line end that closes a file is taken off.
    const std::vector<std::string> contents = {"12.5\r\n", "\r\n", "-3E-05\r\n", "abc\r\n",
                                               "7\r\n\r\n", "  8 \r\n", "1E+15\r\n"};
    putFiles(contents);
    memory.restore();
    EXPECT_TRUE(memory.closeCalculator());
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(files.files[path(k)], contents[k - 1]) << "memory" << k;
}

TEST_F(MemoryFiles, CloseAsksAboutAnOpenTapeWithTextAndCancelWritesNothing)
{
    putFiles(std::vector<std::string>(7, "old\r\n"));
    memory.restore();
    calculator.setOutput(1, "9");
    calculator.controls().show(Control::txtSpool);
    tape.setText("1 + 2");
    prompter.script({Answer::Cancel, Answer::Ok});
    EXPECT_FALSE(memory.closeCalculator());
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"The existing page could contain values which will be lost "
                                                         "if you have unsaved changes! "});
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(files.files[path(k)], "old\r\n") << "memory" << k;

    EXPECT_TRUE(memory.closeCalculator());
    EXPECT_EQ(files.files[path(1)], "9\r\n");
}

TEST_F(MemoryFiles, AFailedWriteIsNamedAndTheCloseStillEnds)
{
    calculator.setOutput(5, "5");
    tape.setText("1 + 2");  // on a hidden tape: nothing to ask
    files.unwritable.insert(path(4));
    EXPECT_TRUE(memory.closeCalculator());
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"The memory file /home/user/sums/memory4.tmo could not be "
                                                         "written: Not all of the text could be written."});
    EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(files.files.count(path(4)), 0u);
    EXPECT_EQ(files.files[path(5)], "5\r\n");
}

TEST_F(MemoryFiles, TheSessionEndSavesWithoutAQuestion)
{
    calculator.controls().show(Control::txtSpool);
    tape.setText("1 + 2");
    calculator.setOutput(3, "3");
    files.unwritable.insert(path(6));
    const std::vector<FileFailure> failures = memory.saveOnSessionEnd();
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(files.files[path(3)], "3\r\n");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, path(6));
}

// Two programs in one folder, each started before the other closed: whichever
// closes first, the second keeps what the first stored, and where both stored a
// value in one cell the second's goes to a free cell.
TEST_F(MemoryFiles, TwoProgramsInOneFolderKeepEachOthersValuesWhicheverClosesFirst)
{
    for (const bool firstClosesFirst : {true, false}) {
        SCOPED_TRACE(firstClosesFirst ? "the first closes first" : "the second closes first");
        InMemoryFiles disk;
        disk.files[memory.files().pathOf(1)] = "5\r\n";
        ScriptedPrompter otherPrompter;
        InMemoryTape otherTape;
        Calculator first(prompter, tape), second(otherPrompter, otherTape);
        Memory a(first, disk, "/home/user/sums", prompter), b(second, disk, "/home/user/sums", otherPrompter);
        for (Calculator* c : {&first, &second}) c->start();
        a.restore();
        b.restore();
        first.setOutput(2, "42");   // M+ in the first
        second.setOutput(2, "7");   // M+ in the second, into the same free cell
        second.setOutput(1, "");    // and the second takes 5 away
        if (firstClosesFirst) {
            EXPECT_TRUE(a.closeCalculator());
            EXPECT_TRUE(b.closeCalculator());
        } else {
            EXPECT_TRUE(b.closeCalculator());
            EXPECT_TRUE(a.closeCalculator());
        }
        std::multiset<std::string> stored;
        for (int k = 1; k <= 7; ++k) stored.insert(disk.files.at(memory.files().pathOf(k)));
        EXPECT_EQ(stored.count("42\r\n"), 1u);
        EXPECT_EQ(stored.count("7\r\n"), 1u);
        EXPECT_EQ(stored.count("5\r\n"), 0u);
        EXPECT_EQ(stored.count("\r\n"), 5u);
    }
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(MemoryFiles, AValueWithNoFreeCellLeftIsNamedAndKeptForTheNextSave)
{
    putFiles({"1\r\n", "2\r\n", "3\r\n", "4\r\n", "5\r\n", "6\r\n", "7\r\n"});
    memory.restore();
    calculator.setOutput(3, "30");
    files.files[path(3)] = "33\r\n";  // another program, meanwhile
    std::vector<FileFailure> failures = memory.saveOnSessionEnd();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, path(3));
    EXPECT_EQ(failures[0].reason, MsgNoFreeCellForValue("30"));
    EXPECT_EQ(files.files[path(3)], "33\r\n");
    EXPECT_EQ(calculator.output(3), "30");

    files.files[path(5)] = "\r\n";  // the other program took 5 away
    EXPECT_TRUE(memory.saveOnSessionEnd().empty());
    EXPECT_EQ(cells(), "1|2|33|4|30|6|7");
    EXPECT_EQ(files.files[path(5)], "30\r\n");
}

}  // namespace
}  // namespace tallimo::testing
