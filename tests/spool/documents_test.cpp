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
const std::string kOpenFailed = "User cancelled file open operation";

// Everything an open page allows, Style included.
const std::vector<Control> kPageItems = {
    C::mnuStyle, C::PopUpStyle, C::mnuSave, C::mnuPrint, C::mnuClose, C::PopUpSave, C::PopUpprint,
    C::PopUpClose, C::mnuCut, C::mnuCopy, C::mnuPaste, C::PopUpCut, C::PopUpCopy, C::PopUpPaste, C::mnuBold,
    C::mnuItalic, C::mnuColor, C::mnuUnderline, C::PopUpBold, C::PopUpItalic, C::PopUpUnderline, C::PopUpColor};

class DocumentsTest : public CalculatorTest {
protected:
    // A page opened from the menu bar, holding `text`.
    void openPage(std::string_view text = "")
    {
        documents.newPage(MenuOrigin::MenuBar);
        spool.append(text);
    }
    bool pageOpen() { return visible(C::txtSpool); }
    WindowHeight height() { return calculator.controls().height(); }
    std::vector<std::string> disabledAmong(const std::vector<Control>& items)
    {
        std::vector<std::string> out;
        for (C c : items)
            if (!enabled(c)) out.emplace_back(controlName(c));
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
    EXPECT_EQ(calculator.fields().strFileName, "tape.tmo");

    spool.append("\r\nB");
    for (int round = 0; round < 3; ++round) {
        dialogs.script({"tape.tmo"});
        documents.save(MenuOrigin::MenuBar);
        prompter.script({Answer::Ok});
        dialogs.script({"tape.tmo"});
        documents.open();
        EXPECT_EQ(spool.text(), "A\r\nB") << "round " << round;
    }
    EXPECT_EQ(files.files["tape.tmo"], "A\r\nB\r\n");
}

TEST_F(DocumentsTest, OpenShowsTheFileOnATallPageWithEveryPageItemEnabled)
{
    files.files["empty.tmo"] = "";
    dialogs.script({"empty.tmo"});
    documents.open();
    EXPECT_TRUE(pageOpen());
    EXPECT_EQ(spool.text(), "");
    EXPECT_EQ(height(), WindowHeight::Tall);
    EXPECT_EQ(disabledAmong(kPageItems), std::vector<std::string>{});
    EXPECT_TRUE(enabled(C::mnuResults));
    EXPECT_TRUE(enabled(C::mnuNew)) << "Open leaves New as it was";
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(dialogs.lastSettings.filter, "All Files (*.*)|*.*|tmo Files (*.tmo)|*.tmo");
    EXPECT_EQ(dialogs.lastSettings.filterIndex, 2);
}

TEST_F(DocumentsTest, OpenAsksBeforeReplacingAPageWithText)
{
    files.files["other.tmo"] = "other";
    openPage("mine");
    documents.open();  // answered Cancel
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kUnsavedLong});
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(spool.text(), "mine");

    prompter.script({Answer::Ok});
    dialogs.script({"other.tmo"});
    documents.open();
    EXPECT_EQ(spool.text(), "other");
}

TEST_F(DocumentsTest, OpenThatFailsReportsItAndLeavesThePageAlone)
{
    files.files["unreadable.tmo"] = "x";
    files.unreadable.insert("unreadable.tmo");
    files.files["earlier.tmo"] = "earlier";
    dialogs.script({"earlier.tmo"});
    documents.open();

    for (const std::optional<std::string>& choice :
         {std::optional<std::string>{}, std::optional<std::string>{"missing.tmo"},
          std::optional<std::string>{"unreadable.tmo"}}) {
        prompter.asked.clear();
        calculator.controls().disable(C::mnuResults);
        prompter.script({Answer::Ok});  // the page holds text: replace it
        dialogs.script({choice});
        documents.open();
        ASSERT_EQ(prompter.asked.size(), 2u) << choice.value_or("cancel");
        EXPECT_EQ(prompter.asked[1].text, kOpenFailed);
        EXPECT_EQ(prompter.asked[1].icon, Icon::Exclamation);
        EXPECT_EQ(spool.text(), "earlier");
        EXPECT_TRUE(enabled(C::mnuResults));
    }
    EXPECT_EQ(calculator.fields().strFileName, "unreadable.tmo");
}

TEST_F(DocumentsTest, OpenRefusesAFileTooLargeForAPage)
{
    files.files["huge.log"] = std::string(16 * 1024 * 1024 + 1, 'x');
    dialogs.script({"huge.log"});
    documents.open();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text,
              "The file \"huge.log\" is too large to open as a page: a page holds at most 16 MiB.");
    EXPECT_FALSE(pageOpen());

    files.files["big.tmo"] = std::string(16 * 1024 * 1024, 'x');
    dialogs.script({"big.tmo"});
    documents.open();
    EXPECT_EQ(spool.text().size(), 16u * 1024 * 1024);
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
        Answer answer;
        bool asked;
        bool closed;
    };
    for (const Case& c : {Case{"", Answer::Cancel, false, true}, Case{"12", Answer::Ok, true, true},
                          Case{"12", Answer::Cancel, true, false}}) {
        openPage(c.text);
        prompter.asked.clear();
        if (c.asked) prompter.script({c.answer});
        documents.close();
        const std::string what = std::string("text '") + c.text + "'";
        EXPECT_EQ(!prompter.asked.empty(), c.asked) << what;
        if (c.asked) {
            EXPECT_EQ(prompter.asked[0].text, kUnsavedLong);
        }
        EXPECT_EQ(pageOpen(), !c.closed) << what;
        EXPECT_FALSE(enabled(C::mnuResults)) << what;
        EXPECT_FALSE(enabled(C::PopUpResults)) << what;
        if (c.closed) {
            EXPECT_EQ(spool.text(), "") << what;
            EXPECT_EQ(height(), WindowHeight::Short) << what;
            EXPECT_EQ(disabledAmong(kPageItems).size(), kPageItems.size()) << what;
            EXPECT_TRUE(enabled(C::mnuNew) && enabled(C::PopUpNew)) << what;
        } else {
            EXPECT_EQ(spool.text(), c.text) << what;
            EXPECT_EQ(height(), WindowHeight::Tall) << what;
            prompter.script({Answer::Ok});
            documents.close();
        }
    }
}

TEST_F(DocumentsTest, NewOnAHiddenPageDiscardsWhatCalculationsWroteWithoutAsking)
{
    keys("1 2 + 3 =");
    ASSERT_FALSE(spool.isEmpty());
    documents.newPage(MenuOrigin::MenuBar);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_TRUE(pageOpen());
    EXPECT_EQ(spool.text(), "");
    EXPECT_EQ(height(), WindowHeight::Tall);
    EXPECT_TRUE(enabled(C::mnuResults));
}

TEST_F(DocumentsTest, NewFromEachMenuLeavesItsOwnSetOfItems)
{
    const std::vector<Control> freshPage = {
        C::mnuStyle, C::PopUpStyle, C::mnuClose, C::PopUpClose, C::mnuCut, C::mnuCopy, C::mnuPaste, C::PopUpCut,
        C::PopUpCopy, C::PopUpPaste, C::mnuBold, C::mnuItalic, C::mnuUnderline, C::mnuColor, C::PopUpBold,
        C::PopUpItalic, C::PopUpUnderline, C::PopUpColor};
    const std::vector<Control> replacedPage = {
        C::mnuSave, C::mnuPrint, C::mnuClose, C::PopUpSave, C::PopUpprint, C::PopUpClose, C::mnuCut, C::mnuCopy,
        C::mnuPaste, C::PopUpCut, C::PopUpCopy, C::PopUpPaste, C::mnuBold, C::mnuItalic, C::mnuUnderline,
        C::mnuColor, C::PopUpBold, C::PopUpItalic, C::PopUpUnderline, C::PopUpColor};
    struct Case {
        MenuOrigin origin;
        bool pageWasOpen;
        const std::vector<Control>& enabledAfter;
        bool newEnabledAfter;
    };
    const std::vector<Control> closeOnly = {C::mnuClose, C::PopUpClose};
    for (const Case& c : {Case{MenuOrigin::MenuBar, false, closeOnly, false},
                          Case{MenuOrigin::Popup, false, freshPage, true},
                          Case{MenuOrigin::MenuBar, true, replacedPage, false},
                          Case{MenuOrigin::Popup, true, replacedPage, true}}) {
        ScriptedPrompter prompter2;
        InMemorySpool spool2;
        Calculator calculator2{prompter2, spool2};
        calculator2.start();
        Documents documents2{calculator2.controls(), spool2, prompter2, {files, dialogs, printer},
                             {calculator2.fields().strFileName, calculator2.fields().intFileNumber}};
        if (c.pageWasOpen) {
            documents2.newPage(c.origin);
            spool2.append("7");
            prompter2.script({Answer::Ok});
        }
        documents2.newPage(c.origin);

        const std::string what = std::string(c.origin == MenuOrigin::Popup ? "popup" : "menu bar") +
                                 (c.pageWasOpen ? ", open page" : ", hidden page");
        EXPECT_EQ(prompter2.asked.size(), c.pageWasOpen ? 1u : 0u) << what;
        EXPECT_EQ(spool2.text(), "") << what;
        for (C item : kPageItems) {
            const bool expected = std::find(c.enabledAfter.begin(), c.enabledAfter.end(), item) != c.enabledAfter.end();
            EXPECT_EQ(calculator2.controls().enabled(item), expected) << what << ": " << controlName(item);
        }
        EXPECT_EQ(calculator2.controls().enabled(C::mnuNew), c.newEnabledAfter) << what;
        EXPECT_EQ(calculator2.controls().enabled(C::PopUpNew), c.newEnabledAfter) << what;
    }
}

TEST_F(DocumentsTest, NewOnAnOpenPageAnsweredCancelKeepsIt)
{
    openPage("5");
    documents.newPage(MenuOrigin::Popup);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{std::string(MsgUnsavedPage())});
    EXPECT_EQ(spool.text(), "5");
}

TEST_F(DocumentsTest, SaveOnAHiddenPageSaysThereIsNothingToSave)
{
    documents.save(MenuOrigin::MenuBar);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "There is no file to save");
    EXPECT_EQ(prompter.asked[0].icon, Icon::None);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DocumentsTest, CancellingTheSaveDialogIsSilentOnlyFromTheMenuBar)
{
    openPage("1");
    documents.save(MenuOrigin::MenuBar);
    EXPECT_TRUE(prompter.asked.empty());
    documents.save(MenuOrigin::Popup);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "Unknown exception.  Click reset to continue");
    EXPECT_EQ(prompter.asked[0].icon, Icon::None);
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
        EXPECT_EQ(prompter.asked[0].title, "Tallimo");
    }
    EXPECT_EQ(files.files["full.tmo"], "old\r\n");
}

TEST_F(DocumentsTest, PrintPrintsOneFinishedCopyForEachCopyChosen)
{
    openPage("1 + 2 = 3#\n");
    printer.copies = 3;
    documents.print();
    EXPECT_EQ(printer.printed, std::vector<std::string>(3, "1 + 2 = 3#\n"));
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(DocumentsTest, PrintEndsSilentlyOnACancelOrAFailure)
{
    openPage("x");
    printer.copies = std::nullopt;
    documents.print();
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(printer.jobsEnded, 0);

    printer.copies = 5;
    printer.failAtCopy = 2;
    documents.print();
    EXPECT_EQ(printer.printed.size(), 2u);
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_TRUE(prompter.asked.empty());
}

}  // namespace
}  // namespace tallimo::testing
