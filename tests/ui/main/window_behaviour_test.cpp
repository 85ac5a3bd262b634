// Clicks reach the calculator and the screen follows; the boxes take no typing; the
// popup opens from the background alone; the two heights; the start colours; the
// message boxes; the tape keeps what the user styled; the ways of closing and what a
// run leaves in its memory files for the next one.

#include "test_registry.h"
#include "window_test.h"

#include "ui/adapters/qt_prompter.h"
#include "ui/adapters/text_edit_tape.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QWindow>

#include <csignal>

namespace tallimo::testing {

namespace {

QString text(QWidget* box) { return static_cast<QLineEdit*>(box)->text(); }

int twips(int t) { return t / 15; }

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

}  // namespace

class WindowBehaviourTest : public WindowTest {
    Q_OBJECT

    QString tape() { return find<QTextEdit>("txtSpool")->toPlainText(); }
    QString memoryFile(int cell) const { return folder() + QStringLiteral("/memory%1.tmo").arg(cell); }
    QString copyFile() const { return folder() + "/unsaved-tape-1.tmo"; }

private slots:
    void aCalculationShowsInBothBoxesAndOnTheTape()
    {
        QVERIFY(click({"cmdDigit_1", "cmdDigit_2", "cmdOperator_0", "cmdDigit_3", "cmdEquals_0"}));
        QCOMPARE(text(find("txtInput")) + "|" + text(find("txtOutput_0")) + "|" + tape(), "15|15|12 + 3 = 15#\n");
    }

    void anOperatorShowsItsOwnEqualsAlone_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("equals");
        const char* const equalsOf[] = {"0", "1", "2", "3", "5", "4"};  // Mod and ^ swap theirs
        for (int op = 0; op < 6; ++op) QTest::addRow("cmdOperator_%d", op) << QString::number(op) << equalsOf[op];
    }
    void anOperatorShowsItsOwnEqualsAlone()
    {
        QFETCH(QString, op);
        QFETCH(QString, equals);
        QVERIFY(click({"cmdDigit_5", qPrintable("cmdOperator_" + op), "cmdDigit_2"}));
        for (int k = 0; k < 6; ++k) {
            QWidget* e = find(qPrintable(QString("cmdEquals_%1").arg(k)));
            QCOMPARE(e->geometry(), find("cmdEquals_0")->geometry());
            QVERIFY2(e->isVisible() == (e->objectName() == "cmdEquals_" + equals), qPrintable(e->objectName()));
        }
        QVERIFY(click({qPrintable("cmdEquals_" + equals)}));
    }

    // A focused box would keep Ctrl+A (select all) or Ctrl+Z (undo) for itself.
    void theBoxesTakeNoTypingAndMenuShortcutsStillWork()
    {
        QVERIFY(click({"cmdDigit_2", "cmdOperator_0", "cmdDigit_3", "cmdEquals_0"}));
        QApplication::clipboard()->setText("42");
        for (const char* box : {"txtInput", "txtOutput_0"}) {
            auto* edit = find<QLineEdit>(box);
            edit->setFocus();
            edit->setCursorPosition(0);
            QTest::keyClicks(edit, "789");
            for (int key : {Qt::Key_Backspace, Qt::Key_Delete}) QTest::keyClick(edit, Qt::Key(key));
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(edit->text(), "5");
        }
        QCOMPARE(QString::fromStdString(calculator().input() + "|" + calculator().output(0)), "5|5");

        calculator().controls().show(Control::txtSpool);
        // Ctrl+A is the date box's Hide/Show, Ctrl+Z the volume window.
        const bool dateShown = calculator().controls().visible(Control::txtDate);
        find("txtOutput_0")->setFocus();
        QTest::keyClick(find("txtOutput_0"), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(calculator().controls().visible(Control::txtDate) != dateShown);
        find("txtSpool")->setFocus();
        QTest::keyClick(find("txtSpool"), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(window().companion(ui::Companion::Volume)->isVisible());
    }

    void thePopupOpensOnlyOnARightPressOnTheBackground_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right on the background") << "pctBackGround" << int(Qt::RightButton) << true;
        QTest::newRow("left on the background") << "pctBackGround" << int(Qt::LeftButton) << false;
        QTest::newRow("middle on the background") << "pctBackGround" << int(Qt::MiddleButton) << false;
        QTest::newRow("right on a key") << "cmdDigit_5" << int(Qt::RightButton) << false;
    }
    void thePopupOpensOnlyOnARightPressOnTheBackground()
    {
        QFETCH(QString, target);
        QFETCH(int, button);
        QFETCH(bool, opens);
        // A spot of the background that no control covers, left of the keys.
        const QPoint background(twips(400), twips(1700));
        QTest::mouseClick(find(qPrintable(target)), Qt::MouseButton(button), {},
                          target == "pctBackGround" ? background : QPoint(4, 4));
        QCOMPARE(window().popupMenu()->isVisible(), opens);
        window().popupMenu()->hide();
    }

    void theShortHeightShowsTheUpperBandAndTheTallOneBoth()
    {
        QWidget* client = window().centralWidget();
        const int width = window().width();
        QVERIFY(client->height() < twips(4560));  // the top of the lower band
        for (const char* upper : {"cmdDestroy", "cmdShift", "fraMemory", "fraScientificNotation"})
            QVERIFY2(find(upper)->geometry().bottom() < client->height(), upper);

        calculator().controls().setHeight(WindowHeight::Tall);
        for (const char* lower : {"txtSpool", "cmdCancel"})
            QVERIFY2(find(lower)->geometry().bottom() < client->height(), lower);
        QCOMPARE(window().width(), width);
        QCOMPARE(window().height(), window().menuBar()->height() + client->height());
    }

    void startColoursAndHiddenWindows()
    {
        QCOMPARE(window().background(), QColor(0, 0, 0));
        QCOMPARE(find("pctBackGround")->palette().color(QPalette::Window), QColor(0, 0, 0));
        QCOMPARE(find("txtInput")->palette().color(QPalette::Base), QColor(0, 255, 0));
        QCOMPARE(find("txtOutput_0")->palette().color(QPalette::Base), QColor(0, 255, 0));
        QCOMPARE(find("txtOutput_0")->palette().color(QPalette::Text), QColor(128, 0, 0));
        for (const char* box : {"txtInput", "txtOutput_0"}) QCOMPARE(find(box)->font().pointSize(), 12);
        const std::pair<ui::Companion, QString> windows[] = {
            {ui::Companion::Colour, "frmColour TallimoPalette"}, {ui::Companion::Weight, "frmWeight TallimoWeight"},
            {ui::Companion::Volume, "frmVolume TallimoVolume"}, {ui::Companion::Distance, "frmDistance TallimoDistance"},
            {ui::Companion::RunningTotal, "frmRunningTotal TallimoRunningTotal"}};
        for (const auto& [kind, name] : windows) {
            QWidget* w = window().companion(kind);
            QVERIFY2(w != nullptr && w->isWindow() && !w->isVisible(), qPrintable(name));
            QCOMPARE(w->objectName() + " " + w->windowTitle(), name);
        }
    }

    void everyWayOfClosingAsksTheClosingRoutine_data()
    {
        QTest::addColumn<QString>("way");
        for (const char* way : {"cmdDestroy", "mnuDestroy", "PopUpDestroy", "close box"}) QTest::newRow(way) << way;
    }
    void everyWayOfClosingAsksTheClosingRoutine()
    {
        QFETCH(QString, way);
        bool allow = false;
        int asked = 0;
        window().setClosingRoutine([&] { return ++asked, allow; });
        const auto close = [&] {
            const QByteArray name = way.toLatin1();
            if (way != "close box") return way.startsWith('c') ? click({name.data()}) : trigger({name.data()});
            window().close();  // refused or not, the routine decides
            return true;
        };
        QVERIFY(close());
        QVERIFY(window().isVisible());
        allow = true;
        QVERIFY(close());
        QVERIFY(!window().isVisible() && asked == 2);
    }

    // Escape and the box's close button (through the window system, as a window
    // manager closes it) give no answer, which is not a No.
    void aQuestionCarriesTitleIconButtonsAndItsDefault_data()
    {
        QTest::addColumn<bool>("yesPreferred");
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Yes preferred, Escape") << true << true;
        QTest::newRow("Yes preferred, close button") << true << false;
        QTest::newRow("No preferred, Escape") << false << true;
        QTest::newRow("No preferred, close button") << false << false;
    }
    void aQuestionCarriesTitleIconButtonsAndItsDefault()
    {
        QFETCH(bool, yesPreferred);
        QFETCH(bool, byEscape);
        ui::QtPrompter prompter;
        prompter.attach(&window(), [] {});
        expectBox([&](QMessageBox& box) {
            QCOMPARE(box.windowTitle() + " " + box.text(), "Tallimo Sure?");
            QCOMPARE(box.icon(), QMessageBox::Warning);
            QCOMPARE(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box.defaultButton(), box.button(yesPreferred ? QMessageBox::Yes : QMessageBox::No));
            if (byEscape) QTest::keyClick(&box, Qt::Key_Escape);
            else box.windowHandle()->close();
        });
        QCOMPARE(prompter.ask(yesNo("Sure?", yesPreferred ? Answer::Yes : Answer::No)), Answer::Dismissed);
        expectBox([](QMessageBox& box) { QVERIFY(answer(box, QMessageBox::No)); });
        QCOMPARE(prompter.ask(yesNo("Sure?", Answer::Yes)), Answer::No);
        expectBox([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QVERIFY(!consents(prompter.ask(okCancel("Go on?"))));
    }

    // The box of a failed "=" opens over a window that already shows "%" disabled,
    // the first step of "="; afterwards the input is emptied and no "=" is left.
    void theWindowBehindABoxShowsTheMomentOfTheQuestion()
    {
        QVERIFY(click({"cmdDigit_5", "cmdOperator_3", "cmdDigit_0"}));
        expectBox([this](QMessageBox& box) {
            QCOMPARE(box.windowTitle() + " " + box.text(), "Tallimo Overflow exception");
            QCOMPARE(box.icon(), QMessageBox::Warning);
            QCOMPARE(box.standardButtons(), QMessageBox::Ok);
            QVERIFY(!find("cmdIntrinsic_2")->isEnabled());
            QCOMPARE(text(find("txtInput")), "0");
            QVERIFY(answer(box, QMessageBox::Ok));
        });
        QVERIFY(click({"cmdEquals_3"}));
        QCOMPARE(text(find("txtInput")) + "|" + tape(), "|5 / 0");
        QVERIFY(!find("cmdEquals_3")->isEnabled());
    }

    void theTapeKeepsABoldRunBoldAfterAppends()
    {
        QTextEdit edit;
        ui::TextEditTape tape(edit);
        tape.append("12 + 3 = 15#\n");
        QTextCursor bold(edit.document());
        bold.setPosition(2, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        bold.mergeCharFormat(format);
        const std::string before = tape.text();
        tape.append("7");
        tape.append(" * 2 = 14#\n");
        QCOMPARE(QString::fromStdString(tape.text()), QString::fromStdString(before + "7 * 2 = 14#\n"));
        const auto weightAt = [&](int position) {
            QTextCursor c(edit.document());
            c.setPosition(position + 1);  // the format of the character before the cursor
            return c.charFormat().fontWeight();
        };
        QCOMPARE(weightAt(1), int(QFont::Bold));
        QCOMPARE(weightAt(2), int(QFont::Normal));
    }

    // A word wider than the tape many times over (a line of digits) would take the
    // text box minutes to break at word boundaries: the tape breaks its lines
    // anywhere while it holds one, and the text stays as it is.
    void aVeryLongWordBreaksAnywhereAndStaysWhole()
    {
        QVERIFY(trigger({"mnuNew"}));
        auto& edit = *find<QTextEdit>("txtSpool");
        ui::TextEditTape tape(edit);
        const std::string digits(300'000, '7');
        tape.setText("1 + 2\n" + digits);
        QCOMPARE(edit.wordWrapMode(), QTextOption::WrapAnywhere);
        QApplication::processEvents();
        QCOMPARE(tape.text(), "1 + 2\n" + digits);
        tape.setText("12 + 3 = 15#\n");
        QCOMPARE(edit.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        tape.append(digits);
        QCOMPARE(edit.wordWrapMode(), QTextOption::WrapAnywhere);
    }

    void aCellIsWrittenToTheStartFolderAndRestoredByTheNextRun()
    {
        QVERIFY(click({"cmdDigit_1", "cmdDigit_2", "cmdMemory_0"}));
        QCOMPARE(text(find("txtOutput_1")), "12");

        // A file dialog may have moved the current folder since the start.
        QDir(folder()).mkdir("elsewhere");
        QVERIFY(QDir::setCurrent(folder() + "/elsewhere"));
        QVERIFY(click({"cmdDestroy"}));
        QVERIFY(timesEnded() == 1 && !window().isVisible());
        QCOMPARE(contents(memoryFile(1)), "12\r\n");
        QCOMPARE(contents(memoryFile(7)), "\r\n");
        QVERIFY(!QFile::exists(folder() + "/elsewhere/memory1.tmo"));

        QVERIFY(QDir::setCurrent(folder()));
        QVERIFY(restart());
        QCOMPARE(text(find("txtOutput_1")), "12");
        QVERIFY(find("cmdMemory_2")->isEnabled());
    }

    void theMemoryPanelAndThePopupAreBuiltWhenFirstNeeded()
    {
        for (int k = 1; k <= 7; ++k) {
            QFile file(memoryFile(k));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray::number(k * 11) + "\r\n") > 0);
        }
        // Drawn, but the work left for after the first frame not yet done.
        QVERIFY(restart(false));
        QVERIFY(find("txtOutput_1") == nullptr && find<QMenu>("mnuPopUp") == nullptr);
        QCOMPARE(calculator().output(4), "44");
        QVERIFY(click({"cmdMemory_2"}));  // MR opens the panel
        QCOMPARE(text(find("txtOutput_4")), "44");
        QVERIFY(find("optMemory_0")->isVisible() && find("cmdDeleteMemory")->isVisible());
        QVERIFY(find<QMenu>("mnuPopUp") != nullptr);

        // A right press before then opens the popup, whose items work at once; the
        // panel comes built with it, hidden, its cells showing their values.
        QVERIFY(restart(false));
        QTest::mouseClick(find("pctBackGround"), Qt::RightButton, {}, QPoint(twips(400), twips(1700)));
        QVERIFY(find<QMenu>("mnuPopUp") != nullptr && find<QMenu>("mnuPopUp")->isVisible());
        find<QMenu>("mnuPopUp")->hide();
        QVERIFY(trigger({"PopUpNew"}));
        QVERIFY(find("txtSpool")->isVisible());
        QCOMPARE(static_cast<QLineEdit*>(find("txtOutput_7"))->text(), "77");
        QVERIFY(!find("txtOutput_7")->isVisible() && find("cmdCancel")->isHidden());
        // Built late or not, the panel comes after the keys in the Tab order.
        QStringList chain;
        QWidget* first = find("cmdDigit_1");
        for (QWidget* w = first; chain.isEmpty() || w != first; w = w->nextInFocusChain()) chain << w->objectName();
        QVERIFY(chain.indexOf("cmdDestroy") < chain.indexOf("optMemory_0"));
        QVERIFY(chain.indexOf("optMemory_0") < chain.indexOf("cmdDeleteMemory"));
    }

    // The cells are written without a question too.
    void aStopRequestKeepsTheUnsavedTapeForTheNextStart()
    {
        QVERIFY(click({"cmdDigit_7", "cmdMemory_0"}));
        QVERIFY(trigger({"mnuNew"}));
        QVERIFY(click({"cmdDigit_1", "cmdDigit_2", "cmdOperator_0", "cmdDigit_3", "cmdEquals_0"}));
        std::raise(SIGTERM);
        QTRY_COMPARE(timesEnded(), 1);
        QCOMPARE(contents(memoryFile(1)), "7\r\n");
        QCOMPARE(contents(copyFile()), "12 + 3 = 15#\n\r\n");  // at once, not two seconds later

        expectBox([](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), "Tallimo");
            QCOMPARE(box.icon(), QMessageBox::Warning);
            QCOMPARE(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
            QVERIFY2(box.text().contains("1 line, last written ") && box.text().contains("\"12 + 3 = 15#\""),
                     qPrintable(box.text()));
            QVERIFY(answer(box, QMessageBox::Yes));
        });
        QVERIFY(restart());
        QCOMPARE(tape(), "12 + 3 = 15#\n");
        QVERIFY(find("txtSpool")->isVisible() && QFile::exists(copyFile()));
        QVERIFY(window().findChild<QAction*>("mnuSave")->isEnabled());
        QCOMPARE(calculator().controls().height(), WindowHeight::Tall);

        std::raise(SIGTERM);
        QTRY_COMPARE(timesEnded(), 1);
        expectBox([](QMessageBox& box) { QVERIFY(answer(box, QMessageBox::No)); });
        QVERIFY(restart());
        QVERIFY(!find("txtSpool")->isVisible());
        QCOMPARE(tape(), "");
        QVERIFY(!QFile::exists(copyFile()));
    }

    void aCloseConfirmedWithOkLeavesNothingToOffer()
    {
        QVERIFY(trigger({"mnuNew"}));
        QVERIFY(click({"cmdDigit_4"}));
        QVERIFY(!QFile::exists(copyFile()));  // never written on a key's path
        program().recoveryCopy().writeDue();   // as the copy's timer does when it goes off
        QVERIFY(QFile::exists(copyFile()));
        expectBox([](QMessageBox& box) { QVERIFY(answer(box, QMessageBox::Ok)); });
        QVERIFY(click({"cmdDestroy"}));
        QCOMPARE(timesEnded(), 1);
        QVERIFY(!QFile::exists(copyFile()));
        QVERIFY(restart());  // a box now would fail the test
        QVERIFY(!find("txtSpool")->isVisible());
    }
};

TALLIMO_WINDOW_TEST(WindowBehaviourTest)

}  // namespace tallimo::testing

#include "window_behaviour_test.moc"
