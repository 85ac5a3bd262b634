// The tape as a document: New, Open, Close, Save and Print from both menus.

#include "common/in_memory_files.h"
#include "support/calculator_fixture.h"
#include "support/document_fakes.h"
#include "tape/document_file.h"
#include "tape/documents.h"

namespace tallimo::testing {
namespace {

using C = Control;

const std::string kUnsaved = "The existing page could contain values which will be lost if you have unsaved changes! "
                             "Click Cancel to save work or OK to continue.";

const Control kTapeItems[] = {
    C::mnuStyle, C::PopUpStyle, C::mnuSave, C::mnuPrint, C::mnuClose, C::PopUpSave, C::PopUpprint,
    C::PopUpClose, C::mnuCut, C::mnuCopy, C::mnuPaste, C::PopUpCut, C::PopUpCopy, C::PopUpPaste, C::mnuBold,
    C::mnuItalic, C::mnuColor, C::mnuUnderline, C::PopUpBold, C::PopUpItalic, C::PopUpUnderline, C::PopUpColor};

class DocumentsTest : public CalculatorTest {
protected:
    void openTape(std::string_view text)
    {
        documents.newTape(MenuOrigin::MenuBar);
        tape.append(text);
    }
    bool tapeOpen() { return visible(C::txtSpool); }

    InMemoryFiles files;
    QueuedFileDialogs dialogs;
    RecordingPrinter printer;
    Documents documents{calculator.controls(), tape, prompter, {files, dialogs, printer},
                        {calculator.fields().strFileName, calculator.fields().intFileNumber}};
};

TEST_F(DocumentsTest, SaveAddsOneLineEndThatOpenTakesAwayAgain)
{
    openTape("A");
    for (int round = 0; round < 2; ++round) {
        dialogs.names = {"tape.tmo", "tape.tmo"};
        documents.save(MenuOrigin::MenuBar);
        EXPECT_EQ(files.files["tape.tmo"], "A\r\n") << "round " << round;
        prompter.script({Answer::Ok});
        documents.open();
        EXPECT_EQ(tape.text(), "A") << "round " << round;
    }
    EXPECT_EQ(prompter.asked.size(), 2u);  // the questions before replacing the tape alone
}

TEST_F(DocumentsTest, AnEmptyFileOpensAnEmptyTapeWithEveryTapeItem)
{
    files.files["empty.tmo"] = "";
    dialogs.names = {"empty.tmo"};
    documents.open();
    EXPECT_TRUE(tapeOpen());
    EXPECT_EQ(tape.text(), "");
    EXPECT_EQ(calculator.controls().height(), WindowHeight::Tall);
    for (C item : kTapeItems) EXPECT_TRUE(enabled(item)) << controlName(item);
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(DocumentsTest, AnOpenThatFailsSaysWhyAndKeepsTheTape)
{
    files.files["huge.log"] = std::string(kLargestDocumentBytes + 1, 'x');
    files.files["one-line.log"] = std::string(kLongestLineBytes + 1, '1') + "\n2";
    openTape("kept");
    documents.open();  // the question before replacing the tape, answered Cancel
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kUnsaved});  // and no dialog

    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, "User cancelled file open operation"},
        {"huge.log", "The file \"huge.log\" is too large to open as a page: a page holds at most 4 MiB."},
        {"one-line.log", "The file \"one-line.log\" holds a line too long to show on a page: a line holds at most 1 MiB."},
    };
    for (const auto& [choice, message] : cases) {
        prompter.asked.clear();
        prompter.script({Answer::Ok});
        dialogs.names = {choice};
        documents.open();
        EXPECT_EQ(prompter.texts(), (std::vector<std::string>{kUnsaved, message}));
        EXPECT_EQ(prompter.asked.back().icon, Icon::Exclamation);
        EXPECT_EQ(tape.text(), "kept");
    }
}

TEST_F(DocumentsTest, BytesThatAreNotTextBecomeReplacementCharacters)
{
    files.files["odd.bin"] = std::string("one\0two\xFFthree\r\n", 15);
    dialogs.names = {"odd.bin"};
    documents.open();
    EXPECT_EQ(tape.text(), "one\xEF\xBF\xBDtwo\xEF\xBF\xBDthree");
    EXPECT_EQ(tapeTextOf("A\r\n\r\n"), "A\r\n");  // only the line end a save adds goes

    const std::string r = "\xEF\xBF\xBD";
    const std::string text = "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \t\x1B" + r;
    const std::pair<std::string, std::string> cases[] = {
        {"\xC3\x28", r + "("},                 // a lead byte without its continuation
        {"\xC0\xAF", r + r},                   // overlong "/"
        {"\xED\xA0\x80", r + r + r},           // a surrogate
        {"\xF4\x90\x80\x80", r + r + r + r},  // beyond U+10FFFF
        {"ab\xE2\x82", "ab" + r + r},          // cut off at the end
        {"\xEF\xBF\xBF\xEF\xB7\x90", r + r},   // U+FFFF and U+FDD0
        {text, text},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(withTextOnly(in), out) << in;
}

TEST_F(DocumentsTest, CloseAsksOnlyWhenTheTapeHoldsText)
{
    openTape("12");
    documents.close();  // answered Cancel
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kUnsaved});
    EXPECT_TRUE(tapeOpen());
    EXPECT_EQ(tape.text(), "12");
    EXPECT_FALSE(enabled(C::mnuResults) || enabled(C::PopUpResults));

    tape.setText("");
    documents.close();
    EXPECT_EQ(prompter.asked.size(), 1u);  // no second question
    EXPECT_FALSE(tapeOpen());
    EXPECT_TRUE(enabled(C::mnuNew) && enabled(C::PopUpNew));
}

TEST_F(DocumentsTest, NewOnAHiddenTapeDiscardsUnaskedAndOnlyTheMenuBarsDisablesNew)
{
    tape.append("7");
    documents.newTape(MenuOrigin::MenuBar);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(tape.text(), "");
    EXPECT_TRUE(tapeOpen());
    EXPECT_FALSE(enabled(C::mnuNew) || enabled(C::PopUpNew));

    documents.close();
    documents.newTape(MenuOrigin::Popup);  // on a hidden tape
    prompter.script({Answer::Ok});
    documents.newTape(MenuOrigin::Popup);  // on an open one
    EXPECT_TRUE(enabled(C::mnuNew) && enabled(C::PopUpNew));
}

TEST_F(DocumentsTest, SaveWithoutATapeSaysSoAndACancelIsReportedOnlyFromThePopup)
{
    documents.save(MenuOrigin::MenuBar);
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"There is no file to save"});
    prompter.asked.clear();
    openTape("1");
    documents.save(MenuOrigin::MenuBar);
    EXPECT_TRUE(prompter.asked.empty());
    documents.save(MenuOrigin::Popup);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Unknown exception.  Click reset to continue"});
}

TEST_F(DocumentsTest, AFailedWriteIsReportedFromBothMenusAndKeepsTheOldFile)
{
    files.files["full.tmo"] = "old\r\n";
    files.unwritable.insert("full.tmo");
    openTape("new");
    for (MenuOrigin origin : {MenuOrigin::MenuBar, MenuOrigin::Popup}) {
        dialogs.names = {"full.tmo"};
        documents.save(origin);
    }
    const std::string failed = "The page could not be saved to \"full.tmo\". Not all of the text could be written.";
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{failed, failed}));
    EXPECT_EQ(files.files["full.tmo"], "old\r\n");
}

TEST_F(DocumentsTest, ATapeTooLargeToOpenAgainIsSavedWholeWithAWarning)
{
    const std::string tooLarge(kLargestDocumentBytes, '1');
    const std::string longLine = std::string(kLongestLineBytes + 1, '2') + "\n3";
    openTape("");
    for (const std::string& text : {tooLarge, longLine}) {
        prompter.asked.clear();
        tape.setText(text);
        dialogs.names = {"big.tmo"};
        documents.save(MenuOrigin::MenuBar);
        EXPECT_EQ(files.files["big.tmo"], documentFileText(text));
        EXPECT_EQ(prompter.texts(),
                  std::vector<std::string>{"The page was saved to \"big.tmo\", but it is too large to open as a page "
                                           "again: a page holds at most 4 MiB and a line at most 1 MiB. Any text editor "
                                           "can open it."});
    }
}

TEST_F(DocumentsTest, PrintPrintsEachCopyInOneJob)
{
    openTape("1 + 2 = 3#\n");
    printer.copies = 3;
    documents.print();
    EXPECT_EQ(printer.printed, std::vector<std::string>(3, "1 + 2 = 3#\n"));
    EXPECT_EQ(printer.jobsEnded, 1);
}

}  // namespace
}  // namespace tallimo::testing
