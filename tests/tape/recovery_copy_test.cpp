// The recovery copy of an unsaved tape: when it is written, brought up to date and
// removed, for every document command and every kind of close, and what the next
// start offers back.

#include "common/messages.h"
#include "memory/closing.h"
#include "support/calculator_fixture.h"
#include "support/document_fakes.h"
#include "support/recovery_fakes.h"
#include "tape/document_file.h"
#include "tape/documents.h"
#include "tape/recovery_copy.h"

#include <functional>

namespace tallimo::testing {
namespace {

using C = Control;

const std::string kFolder = "/home/user/sums";
std::string copyPath(int n) { return kFolder + "/unsaved-tape-" + std::to_string(n) + ".tmo"; }
const std::string kCopy = copyPath(1);

// One program started in the folder: its calculator, tape, documents, closing and copy.
struct Program {
    Program(InMemoryFiles& sharedFiles, LockTable& locks, int id) : files(sharedFiles), folder(files, locks, id)
    {
        calculator.start();
    }
    void openTape(const std::string& keys)
    {
        documents.newTape(MenuOrigin::MenuBar);
        press(calculator, keys);
    }
    bool tapeOpen() const { return calculator.controls().visible(C::txtSpool); }

    InMemoryFiles& files;
    InMemoryRecoveryFolder folder;
    ScriptedPrompter prompter;
    InMemoryTape tape;
    Calculator calculator{prompter, tape};
    ManualTimer timer;
    RecoveryCopy copy{calculator.controls(), tape, {files, folder, timer, prompter}, kFolder};
    QueuedFileDialogs dialogs;
    RecordingPrinter printer;
    Documents documents{calculator.controls(), tape, prompter, {files, dialogs, printer},
                        {calculator.fields().strFileName, calculator.fields().intFileNumber}, &copy};
    MemoryFiles memoryFiles{calculator, files, kFolder};
    Closing closing{calculator, memoryFiles, &copy};
};

class RecoveryCopyTest : public ::testing::Test {
protected:
    // The copy's content, or "(none)".
    std::string onDisk(const std::string& path = kCopy)
    {
        const auto it = files.files.find(path);
        return it == files.files.end() ? "(none)" : it->second;
    }
    // A tape holding "12 + 3 = 15#\n" whose copy is written.
    void tapeWithCopy()
    {
        run.openTape("1 2 + 3 =");
        run.timer.goOff();
        ASSERT_EQ(onDisk(), "12 + 3 = 15#\n\r\n");
    }

    InMemoryFiles files;
    LockTable locks;
    Program run{files, locks, 1};
};

TEST_F(RecoveryCopyTest, KeysOnAnOpenTapeStartOneTwoSecondWaitAndTheCopyFollowsWhenItEnds)
{
    run.documents.newTape(MenuOrigin::MenuBar);
    EXPECT_FALSE(run.timer.waiting);
    const int startsBefore = run.timer.starts;
    press(run.calculator, "1 2 + 3");
    EXPECT_EQ(onDisk(), "(none)");  // nothing is written on a key's path
    EXPECT_TRUE(run.timer.waiting);
    EXPECT_EQ(run.timer.starts, startsBefore + 1);  // steady typing does not put the write off
    run.timer.goOff();
    EXPECT_EQ(onDisk(), "12 + 3\r\n");  // as Save writes the tape

    EXPECT_FALSE(run.timer.waiting);  // nothing changed: nothing wakes the program
    press(run.calculator, "=");
    run.timer.goOff();
    EXPECT_EQ(onDisk(), "12 + 3 = 15#\n\r\n");
    EXPECT_TRUE(run.prompter.asked.empty());
}

TEST_F(RecoveryCopyTest, TextOnAHiddenTapeGetsNoCopy)
{
    press(run.calculator, "1 2 + 3 =");
    EXPECT_FALSE(run.timer.waiting);
    EXPECT_EQ(onDisk(), "(none)");
}

struct Command {
    const char* name;
    std::function<void(Program&)> act;
    bool copyStays;
};

TEST_F(RecoveryCopyTest, TheCopyGoesWhenNothingIsLeftToRecoverAndStaysOtherwise)
{
    const auto answer = [](Program& r, Answer a) { r.prompter.script({a}); };
    const Command commands[] = {
        {"Save", [](Program& r) { r.dialogs.names = {"/tmp/day.tmo"}; r.documents.save(MenuOrigin::MenuBar); }, false},
        {"Save from the popup", [](Program& r) { r.dialogs.names = {"/tmp/day.tmo"}; r.documents.save(MenuOrigin::Popup); }, false},
        {"Save cancelled", [](Program& r) { r.documents.save(MenuOrigin::MenuBar); }, true},
        {"Save failing",
         [](Program& r) {
             r.files.unwritable.insert("/tmp/day.tmo");
             r.dialogs.names = {"/tmp/day.tmo"};
             r.documents.save(MenuOrigin::MenuBar);
         },
         true},
        {"Open",
         [&](Program& r) {
             r.files.files["/tmp/old.tmo"] = "7\r\n";
             r.dialogs.names = {"/tmp/old.tmo"};
             answer(r, Answer::Ok);
             r.documents.open();
         },
         false},
        {"Open answered Cancel", [&](Program& r) { answer(r, Answer::Cancel); r.documents.open(); }, true},
        {"Open with its dialog cancelled", [&](Program& r) { answer(r, Answer::Ok); r.documents.open(); }, true},
        {"New", [&](Program& r) { answer(r, Answer::Ok); r.documents.newTape(MenuOrigin::MenuBar); }, false},
        {"New from the popup", [&](Program& r) { answer(r, Answer::Ok); r.documents.newTape(MenuOrigin::Popup); }, false},
        {"New answered Cancel", [&](Program& r) { answer(r, Answer::Cancel); r.documents.newTape(MenuOrigin::MenuBar); }, true},
        {"Close", [&](Program& r) { answer(r, Answer::Ok); r.documents.close(); }, false},
        {"Close answered Cancel", [&](Program& r) { answer(r, Answer::Cancel); r.documents.close(); }, true},
        {"Print", [](Program& r) { r.documents.print(); }, true},
        {"closing answered OK", [&](Program& r) { answer(r, Answer::Ok); EXPECT_TRUE(r.closing.closeCalculator()); }, false},
        {"closing answered Cancel", [&](Program& r) { answer(r, Answer::Cancel); EXPECT_FALSE(r.closing.closeCalculator()); }, true},
        {"emptying the page",
         [](Program& r) {
             r.tape.select(0, r.tape.text().size());
             r.tape.replaceSelection("");
             r.timer.goOff();
         },
         false},
    };
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        InMemoryFiles files;
        LockTable locks;
        Program r(files, locks, 1);
        r.openTape("1 2 + 3 =");
        r.timer.goOff();
        ASSERT_EQ(files.files.count(kCopy), 1u);
        command.act(r);
        EXPECT_EQ(files.files.count(kCopy), command.copyStays ? 1u : 0u);
        EXPECT_EQ(r.timer.waiting && !command.copyStays, false) << "a wait left for a copy that is gone";
        if (!command.copyStays && r.tapeOpen()) {  // a tape that changes again gets a copy again
            press(r.calculator, "4");
            r.timer.goOff();
            EXPECT_EQ(files.files.count(kCopy), 1u);
        }
    }
}

TEST_F(RecoveryCopyTest, ACloseWithNoTapeOpenLeavesNoCopy)
{
    tapeWithCopy();
    run.prompter.script({Answer::Ok});
    run.documents.close();
    press(run.calculator, "5");  // on the hidden tape
    EXPECT_TRUE(run.closing.closeCalculator());
    EXPECT_EQ(onDisk(), "(none)");
    EXPECT_FALSE(run.timer.waiting);
}

TEST_F(RecoveryCopyTest, AStopRequestBringsTheCopyUpToDateAtOnceWithoutAQuestion)
{
    tapeWithCopy();
    press(run.calculator, "7");
    EXPECT_EQ(run.copy.bringUpToDate(), "");
    EXPECT_EQ(onDisk(), "12 + 3 = 15#\n7\r\n");
    EXPECT_FALSE(run.timer.waiting);
    EXPECT_EQ(run.memoryFiles.save().size(), 0u);  // the session's end writes the cells as before
    EXPECT_EQ(onDisk(), "12 + 3 = 15#\n7\r\n");
    EXPECT_TRUE(run.prompter.asked.empty());
}

TEST_F(RecoveryCopyTest, SavingUnderTheCopysOwnNameKeepsThatFileAsTheUsersDocument)
{
    tapeWithCopy();
    run.dialogs.names = {kCopy};
    run.documents.save(MenuOrigin::MenuBar);
    EXPECT_EQ(onDisk(), "12 + 3 = 15#\n\r\n");
    press(run.calculator, "4");
    run.timer.goOff();
    EXPECT_EQ(onDisk(copyPath(2)), "12 + 3 = 15#\n4\r\n");
    EXPECT_EQ(onDisk(), "12 + 3 = 15#\n\r\n");
}

TEST_F(RecoveryCopyTest, TheNextStartOffersACopyLeftByAProgramThatEndedAndYesRestoresIt)
{
    tapeWithCopy();
    run.folder.crash();

    Program next(files, locks, 2);
    next.prompter.script({Answer::Yes});
    next.copy.offerLeftCopies();
    ASSERT_EQ(next.prompter.asked.size(), 1u);
    const Message& question = next.prompter.asked[0];
    EXPECT_EQ(question.text, MsgRestoreUnsavedTape(1, "06/12/2026 14:52", "12 + 3 = 15#"));
    EXPECT_NE(question.text.find("1 line, last written 06/12/2026 14:52, ending with \"12 + 3 = 15#\""),
              std::string::npos);
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.icon, Icon::Exclamation);
    EXPECT_EQ(question.title, "Tallimo");

    // As an Open: the tape in view on the tall window with every tape item.
    EXPECT_EQ(next.tape.text(), "12 + 3 = 15#\n");
    EXPECT_TRUE(next.tapeOpen());
    EXPECT_EQ(next.calculator.controls().height(), WindowHeight::Tall);
    for (C item : {C::mnuSave, C::PopUpSave, C::mnuClose, C::mnuStyle, C::PopUpColor, C::mnuResults})
        EXPECT_TRUE(next.calculator.controls().enabled(item)) << controlName(item);

    // The copy stays, now this program's own, until the tape is saved.
    press(next.calculator, "4");
    next.timer.goOff();
    EXPECT_EQ(onDisk(), "12 + 3 = 15#\n4\r\n");
    EXPECT_EQ(files.files.count(copyPath(2)), 0u);
    next.dialogs.names = {"/tmp/day.tmo"};
    next.documents.save(MenuOrigin::MenuBar);
    EXPECT_EQ(onDisk(), "(none)");
}

TEST_F(RecoveryCopyTest, OnlyAnExplicitNoDeletesTheCopy)
{
    tapeWithCopy();
    run.folder.crash();
    Program next(files, locks, 2);
    next.copy.offerLeftCopies();  // the box closed without an answer
    EXPECT_EQ(next.prompter.asked.size(), 1u);
    EXPECT_EQ(onDisk(), "12 + 3 = 15#\n\r\n");
    EXPECT_FALSE(next.tapeOpen());
    next.folder.crash();

    Program third(files, locks, 3);
    third.prompter.script({Answer::No});
    third.copy.offerLeftCopies();
    EXPECT_EQ(third.prompter.asked.size(), 1u);
    EXPECT_EQ(onDisk(), "(none)");
    EXPECT_FALSE(third.tapeOpen());
    EXPECT_EQ(third.tape.text(), "");

    Program fourth(files, locks, 4);
    fourth.copy.offerLeftCopies();
    EXPECT_TRUE(fourth.prompter.asked.empty());
}

TEST_F(RecoveryCopyTest, TwoProgramsInOneFolderKeepTheirOwnCopiesAndOnlyAnEndedOnesIsOffered)
{
    Program other(files, locks, 2);
    run.openTape("1");
    other.openTape("2");
    run.timer.goOff();
    other.timer.goOff();
    EXPECT_EQ(onDisk(copyPath(1)), "1\r\n");
    EXPECT_EQ(onDisk(copyPath(2)), "2\r\n");
    press(run.calculator, "1");
    run.timer.goOff();
    EXPECT_EQ(onDisk(copyPath(2)), "2\r\n");

    Program third(files, locks, 3);
    third.copy.offerLeftCopies();
    EXPECT_TRUE(third.prompter.asked.empty());  // both programs still run

    other.folder.crash();
    Program fourth(files, locks, 4);
    fourth.prompter.script({Answer::Yes});
    fourth.copy.offerLeftCopies();
    EXPECT_EQ(fourth.prompter.asked.size(), 1u);
    EXPECT_EQ(fourth.tape.text(), "2");
    EXPECT_EQ(onDisk(copyPath(1)), "11\r\n");
}

TEST_F(RecoveryCopyTest, SeveralLeftCopiesAreOfferedOneAtATimeUntilOneIsRestored)
{
    files.files[copyPath(3)] = "3\r\n";
    files.files[copyPath(12)] = "12\r\n";
    files.files[copyPath(7)] = "7\r\n";
    files.files[kFolder + "/unsaved-tape-x.tmo"] = "not a copy\r\n";
    run.prompter.script({Answer::No, Answer::Yes});
    run.copy.offerLeftCopies();
    EXPECT_EQ(run.prompter.asked.size(), 2u);
    EXPECT_EQ(run.tape.text(), "7");
    EXPECT_EQ(onDisk(copyPath(3)), "(none)");
    EXPECT_EQ(onDisk(copyPath(12)), "12\r\n");  // for a later start
    EXPECT_EQ(onDisk(kFolder + "/unsaved-tape-x.tmo"), "not a copy\r\n");
}

TEST_F(RecoveryCopyTest, BadCopiesAreHandledAsOpenHandlesSuchFiles)
{
    files.files[copyPath(1)] = std::string(kLargestDocumentBytes + 1, '1');
    files.files[copyPath(2)] = "unreadable";
    files.unreadable.insert(copyPath(2));
    files.files[copyPath(3)] = "\r\n";  // nothing to recover
    files.files[copyPath(4)] = std::string(kLongestLineBytes + 1, '4') + "\r\n";
    files.files[copyPath(5)] = std::string("1 + 2\0\xFF", 7) + "\r\n";
    run.prompter.script({Answer::Ok, Answer::No, Answer::No, Answer::Yes});
    run.copy.offerLeftCopies();
    ASSERT_EQ(run.prompter.asked.size(), 4u);
    EXPECT_EQ(run.prompter.asked[0].text,
              MsgUnsavedTapesNotOffered(copyPath(2) + ": The file cannot be read."));  // before any question
    EXPECT_EQ(run.prompter.asked[1].text, MsgUnsavedTapeTooLarge(copyPath(1), "4 MiB"));
    EXPECT_EQ(run.prompter.asked[1].defaultButton, Answer::No);
    EXPECT_EQ(run.prompter.asked[2].text, MsgUnsavedTapeLineTooLong(copyPath(4), "1 MiB"));
    EXPECT_EQ(run.tape.text(), "1 + 2\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(files.files.count(copyPath(1)), 1u);  // kept on No
    EXPECT_EQ(files.files.count(copyPath(2)), 1u);
    EXPECT_EQ(files.files.count(copyPath(3)), 0u);
    EXPECT_EQ(files.files.count(copyPath(4)), 1u);

    Program next(files, locks, 2);
    next.prompter.script({Answer::Ok, Answer::Yes});
    next.copy.offerLeftCopies();
    EXPECT_EQ(files.files.count(copyPath(1)), 0u);  // deleted on Yes
}

// What the start folder holds may not be what the program left there: copies and
// locks that are links, folders or pipes, a lock from another computer, a folder
// that takes no lock. Such copies are named once, before any question, and left as
// they are; the program's own copy goes under a name that nothing bears.
TEST_F(RecoveryCopyTest, CopiesThatCannotBeOfferedAreNamedOnceAndLeftAlone)
{
    for (int n = 1; n <= 5; ++n) files.files[copyPath(n)] = std::to_string(n) + "\r\n";
    files.files.erase(copyPath(1));
    files.notPlain[copyPath(1)] = "This is a link.";
    Program holder(files, locks, 9);  // a program that runs and holds copy 4
    ASSERT_EQ(holder.folder.lock(copyPath(4)).outcome, LockOutcome::Taken);
    run.folder.refusals[copyPath(2)] = {LockOutcome::Unusable, "its lock is a folder."};
    run.folder.refusals[copyPath(3)] = {LockOutcome::HeldElsewhere, "its lock was taken elsewhere."};
    run.prompter.script({Answer::Ok, Answer::Dismissed});
    run.copy.offerLeftCopies();
    ASSERT_EQ(run.prompter.texts(),
              (std::vector<std::string>{MsgUnsavedTapesNotOffered(copyPath(1) + ": This is a link.\n" + copyPath(2) +
                                                                  ": its lock is a folder.\n" + copyPath(3) +
                                                                  ": its lock was taken elsewhere."),
                                        MsgRestoreUnsavedTape(1, "06/12/2026 14:52", "5")}));
    for (int n = 2; n <= 5; ++n) EXPECT_EQ(onDisk(copyPath(n)), std::to_string(n) + "\r\n");

    run.openTape("7");
    run.timer.goOff();
    EXPECT_EQ(onDisk(copyPath(6)), "7\r\n");
    EXPECT_EQ(files.writes.size(), 1u);  // nothing else was written

    Program readOnly(files, locks, 3);
    readOnly.folder.lockFails = true;
    readOnly.copy.offerLeftCopies();
    ASSERT_EQ(readOnly.prompter.asked.size(), 1u);
    EXPECT_NE(readOnly.prompter.asked[0].text.find(copyPath(5) + ": The folder cannot be written to."),
              std::string::npos);
}

TEST_F(RecoveryCopyTest, ACopyThatCannotBeWrittenIsToldOnceAndTheCalculatorWorksOn)
{
    files.unwritable.insert(kCopy);
    run.openTape("1 2");
    run.timer.goOff();
    for (const char* key : {"+", "3", "="}) {
        press(run.calculator, key);
        run.timer.goOff();
    }
    ASSERT_EQ(run.prompter.asked.size(), 1u);
    EXPECT_EQ(run.prompter.asked[0].text, MsgRecoveryCopyNotWritten(kCopy, "Not all of the text could be written."));
    EXPECT_EQ(run.prompter.asked[0].icon, Icon::Exclamation);
    EXPECT_EQ(run.calculator.output(0), "15");
    EXPECT_NE(run.copy.bringUpToDate(), "");

    files.unwritable.clear();
    press(run.calculator, "4");
    run.timer.goOff();
    EXPECT_EQ(onDisk(), "12 + 3 = 15#\n4\r\n");
}

TEST_F(RecoveryCopyTest, AFolderThatTakesNoLockIsToldOnce)
{
    run.folder.lockFails = true;
    run.openTape("1");
    run.timer.goOff();
    press(run.calculator, "2");
    run.timer.goOff();
    ASSERT_EQ(run.prompter.asked.size(), 1u);
    EXPECT_EQ(run.prompter.asked[0].text, MsgRecoveryCopyNotWritten(kFolder, "The folder cannot be written to."));
    EXPECT_TRUE(files.files.empty());
}

}  // namespace
}  // namespace tallimo::testing
