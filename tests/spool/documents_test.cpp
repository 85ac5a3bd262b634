// The tape as a document: New, Open, Close, Save and Print from both menus.

#include "common/in_memory_files.h"
#include "common/messages.h"
#include "spool/document_ports.h"
#include "spool/documents.h"
#include "support/calculator_fixture.h"

#include <algorithm>
#include <vector>

namespace tallimo::testing {
namespace {

using C = Control;

const std::string kUnsavedLong = std::string(MsgUnsavedPage()) + "Click Cancel to save work or OK to continue.";

// Everything an open page allows, Style included.
const std::vector<Control> kPageItems = {
    C::mnuStyle, C::PopUpStyle, C::mnuSave, C::mnuPrint, C::mnuClose, C::PopUpSave, C::PopUpprint,
    C::PopUpClose, C::mnuCut, C::mnuCopy, C::mnuPaste, C::PopUpCut, C::PopUpCopy, C::PopUpPaste, C::mnuBold,
    C::mnuItalic, C::mnuColor, C::mnuUnderline, C::PopUpBold, C::PopUpItalic, C::PopUpUnderline, C::PopUpColor};

class DocumentsTest : public CalculatorTest {
protected:
    void openPage(std::string_view text, MenuOrigin origin = MenuOrigin::MenuBar)
    {
        documents.newPage(origin);
        spool.append(text);
    }
    bool pageOpen() { return visible(C::txtSpool); }
    WindowHeight height() { return calculator.controls().height(); }
    std::vector<Control> enabledPageItems()
    {
        std::vector<Control> out;
        std::copy_if(kPageItems.begin(), kPageItems.end(), std::back_inserter(out), [this](C c) { return enabled(c); });
        return out;
    }

    InMemoryFiles files;
    ScriptedFileDialogs dialogs;
    RecordingPrinter printer;
    Documents documents{calculator.controls(), spool, prompter, {files, dialogs, printer},
                        {calculator.fields().strFileName, calculator.fields().intFileNumber}};
};

TEST_F(DocumentsTest, SaveAddsOneLineEndAndOpenTakesItAwayAgain)
{
    openPage("A");
    dialogs.script({"tape.tmo"});
    documents.save(MenuOrigin::MenuBar);
    EXPECT_EQ(files.files["tape.tmo"], "A\r\n");

    spool.append("\r\nB");
    for (int round = 0; round < 2; ++round) {
        dialogs.script({"tape.tmo", "tape.tmo"});
        documents.save(MenuOrigin::Popup);
        prompter.script({Answer::Ok});
        documents.open();
        EXPECT_EQ(spool.text(), "A\r\nB") << "round " << round;
    }
    EXPECT_EQ(prompter.asked.size(), 2u);  // only the questions before replacing the page
    EXPECT_EQ(calculator.fields().strFileName, "tape.tmo");
    EXPECT_EQ(dialogs.lastSettings.filter, "All Files (*.*)|*.*|tmo Files (*.tmo)|*.tmo");
    EXPECT_EQ(dialogs.lastSettings.filterIndex, 2);
}

TEST_F(DocumentsTest, OpeningAnEmptyFileGivesAnEmptyTallPageWithEveryPageItem)
{
    files.files["empty.tmo"] = "";
    dialogs.script({"empty.tmo"});
    documents.open();
    EXPECT_TRUE(pageOpen());
    EXPECT_EQ(spool.text(), "");
    EXPECT_EQ(height(), WindowHeight::Tall);
    EXPECT_EQ(enabledPageItems(), kPageItems);
    EXPECT_TRUE(enabled(C::mnuResults) && enabled(C::PopUpResults));
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(DocumentsTest, OpenThatIsRefusedOrFailsLeavesThePageAsItWas)
{
    files.files["unreadable.tmo"] = "x";
    files.unreadable.insert("unreadable.tmo");
    files.files["huge.log"] = std::string(16 * 1024 * 1024 + 1, 'x');
    openPage("kept");
    documents.open();  // the question before replacing the page, answered Cancel
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kUnsavedLong});
    EXPECT_TRUE(dialogs.shown.empty());

    const std::string openFailed = "User cancelled file open operation";
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, openFailed},
        {"missing.tmo", openFailed},
        {"unreadable.tmo", openFailed},
        {"huge.log", "The file \"huge.log\" is too large to open as a page: a page holds at most 16 MiB."},
    };
    for (const auto& [choice, message] : cases) {
        prompter.asked.clear();
        calculator.controls().disable(C::mnuResults);
        prompter.script({Answer::Ok});
        dialogs.script({choice});
        documents.open();
        ASSERT_EQ(prompter.asked.size(), 2u) << message;
        EXPECT_EQ(prompter.asked[1].text, message);
        EXPECT_EQ(prompter.asked[1].icon, Icon::Exclamation);
        EXPECT_EQ(spool.text(), "kept");
        EXPECT_TRUE(enabled(C::mnuResults));
    }
}

TEST_F(DocumentsTest, OpenKeepsEverythingAfterBytesThatAreNotText)
{
    files.files["odd.bin"] = std::string("one\0two\xFFthree\r\n", 15);
    dialogs.script({"odd.bin"});
    documents.open();
    EXPECT_EQ(spool.text(), "one\xEF\xBF\xBDtwo\xEF\xBF\xBDthree");
}

TEST_F(DocumentsTest, CloseAsksOnlyWhenThePageHoldsText)
{
    struct Case {
        const char* text;
        std::optional<Answer> answer;  // nothing: no question
        bool closes;
    };
    for (const Case& c : {Case{"", std::nullopt, true}, Case{"12", Answer::Ok, true}, Case{"12", Answer::Cancel, false}}) {
        openPage(c.text);
        prompter.asked.clear();
        if (c.answer) prompter.script({*c.answer});
        documents.close();
        const std::string what = std::string("text '") + c.text + "'";
        EXPECT_EQ(prompter.texts(), c.answer ? std::vector<std::string>{kUnsavedLong} : std::vector<std::string>{})
            << what;
        EXPECT_EQ(pageOpen(), !c.closes) << what;
        EXPECT_EQ(spool.text(), c.closes ? "" : c.text) << what;
        EXPECT_EQ(height(), c.closes ? WindowHeight::Short : WindowHeight::Tall) << what;
        EXPECT_FALSE(enabled(C::mnuResults) || enabled(C::PopUpResults)) << what;
        EXPECT_EQ(enabledPageItems().empty(), c.closes) << what;
        EXPECT_EQ(enabled(C::mnuNew) && enabled(C::PopUpNew), c.closes) << what;
        if (!c.closes) {
            prompter.script({Answer::Ok});
            documents.close();
        }
    }
}

TEST_F(DocumentsTest, NewFromEachMenuLeavesItsOwnSetOfItems)
{
    const std::vector<Control> freshFromPopup = {
        C::mnuStyle, C::PopUpStyle, C::mnuClose, C::PopUpClose, C::mnuCut, C::mnuCopy, C::mnuPaste, C::PopUpCut,
        C::PopUpCopy, C::PopUpPaste, C::mnuBold, C::mnuItalic, C::mnuColor, C::mnuUnderline, C::PopUpBold,
        C::PopUpItalic, C::PopUpUnderline, C::PopUpColor};
    const std::vector<Control> replaced = {
        C::mnuSave, C::mnuPrint, C::mnuClose, C::PopUpSave, C::PopUpprint, C::PopUpClose, C::mnuCut, C::mnuCopy,
        C::mnuPaste, C::PopUpCut, C::PopUpCopy, C::PopUpPaste, C::mnuBold, C::mnuItalic, C::mnuColor,
        C::mnuUnderline, C::PopUpBold, C::PopUpItalic, C::PopUpUnderline, C::PopUpColor};
    const std::vector<Control> closeOnly = {C::mnuClose, C::PopUpClose};
    struct Case {
        MenuOrigin origin;
        bool pageWasOpen;
        const std::vector<Control>& enabledAfter;
        bool newEnabledAfter;
    };
    for (const Case& c : {Case{MenuOrigin::MenuBar, false, closeOnly, false},
                          Case{MenuOrigin::Popup, false, freshFromPopup, true},
                          Case{MenuOrigin::MenuBar, true, replaced, false},
                          Case{MenuOrigin::Popup, true, replaced, true}}) {
        ScriptedPrompter answers;
        InMemorySpool tape;
        Calculator main{answers, tape};
        main.start();
        Documents page{main.controls(), tape, answers, {files, dialogs, printer},
                       {main.fields().strFileName, main.fields().intFileNumber}};
        if (c.pageWasOpen) {
            page.newPage(c.origin);
            answers.script({Answer::Ok});
        }
        tape.append("7");  // on a hidden page, what calculations wrote goes unasked
        page.newPage(c.origin);

        const std::string what = std::string(c.origin == MenuOrigin::Popup ? "popup" : "menu bar") +
                                 (c.pageWasOpen ? ", open page" : ", hidden page");
        EXPECT_EQ(answers.texts().size(), c.pageWasOpen ? 1u : 0u) << what;
        EXPECT_EQ(tape.text(), "") << what;
        EXPECT_EQ(main.controls().height(), WindowHeight::Tall) << what;
        EXPECT_TRUE(main.controls().enabled(C::mnuResults)) << what;
        for (C item : kPageItems) {
            const bool on = std::find(c.enabledAfter.begin(), c.enabledAfter.end(), item) != c.enabledAfter.end();
            EXPECT_EQ(main.controls().enabled(item), on) << what << ": " << controlName(item);
        }
        EXPECT_EQ(main.controls().enabled(C::mnuNew), c.newEnabledAfter) << what;
        EXPECT_EQ(main.controls().enabled(C::PopUpNew), c.newEnabledAfter) << what;
    }
}

TEST_F(DocumentsTest, SaveReportsNothingToSaveAndACancelOnlyFromThePopup)
{
    documents.save(MenuOrigin::MenuBar);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "There is no file to save");
    EXPECT_EQ(prompter.asked[0].icon, Icon::None);

    openPage("1");
    prompter.asked.clear();
    documents.save(MenuOrigin::MenuBar);
    EXPECT_TRUE(prompter.asked.empty());
    documents.save(MenuOrigin::Popup);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Unknown exception.  Click reset to continue"});
    EXPECT_TRUE(files.files.empty());
}

TEST_F(DocumentsTest, AFailedWriteIsReportedFromBothMenusAndKeepsTheOldFile)
{
    files.files["full.tmo"] = "old\r\n";
    files.unwritable.insert("full.tmo");
    openPage("new");
    for (MenuOrigin origin : {MenuOrigin::MenuBar, MenuOrigin::Popup}) {
        prompter.asked.clear();
        dialogs.script({"full.tmo"});
        documents.save(origin);
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0].text, "The page could not be saved to \"full.tmo\". The disk is full.");
        EXPECT_EQ(prompter.asked[0].icon, Icon::Exclamation);
    }
    EXPECT_EQ(files.files["full.tmo"], "old\r\n");
}

TEST_F(DocumentsTest, PrintPrintsEachCopyChosenAndEndsSilentlyOnACancelOrAFailure)
{
    openPage("1 + 2 = 3#\n");
    printer.copies = 3;
    documents.print();
    EXPECT_EQ(printer.printed, std::vector<std::string>(3, "1 + 2 = 3#\n"));
    EXPECT_EQ(printer.jobsEnded, 1);

    printer.printed.clear();
    printer.copies = std::nullopt;
    documents.print();
    EXPECT_TRUE(printer.printed.empty());

    printer.copies = 5;
    printer.failAtCopy = 2;
    documents.print();
    EXPECT_EQ(printer.printed.size(), 2u);
    EXPECT_EQ(printer.jobsEnded, 2);
    EXPECT_TRUE(prompter.asked.empty());
}

}  // namespace
}  // namespace tallimo::testing
