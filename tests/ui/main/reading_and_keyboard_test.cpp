// What the user reads and how the keyboard reaches the keys: whole numbers in every
// box, a memory panel that hides the tape behind it, the focus on a key, and Return,
// Enter and Space pressing it only where its frame shows.

#include "test_registry.h"
#include "window_test.h"

#include "support/key_press.h"
#include "support/whole_text.h"
#include "ui/widgets/keyboard_keys.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QWheelEvent>

#include <csignal>

namespace tallimo::testing {

class ReadingAndKeyboardTest : public WindowTest {
    Q_OBJECT

    QString input() { return find<QLineEdit>("txtInput")->text(); }
    QString tape() { return find<QTextEdit>("txtSpool")->toPlainText(); }

    // Whether a pixel of the tape's red text shows anywhere in the lower band.
    bool tapeShows()
    {
        QCoreApplication::sendPostedEvents();
        const QImage shot = window().grab().toImage();
        const QRect band(find("txtSpool")->mapTo(&window(), QPoint(0, 0)), find("txtSpool")->size());
        for (int y = band.top(); y <= band.bottom(); ++y) {
            for (int x = band.left(); x <= band.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
            }
        }
        return false;
    }

private slots:
    void theWidestNumbersShowWholeInEveryBox_data()
    {
        QTest::addColumn<QString>("number");
        for (const char* number : kWidestNumbers) QTest::newRow(number) << number;
    }

    void theWidestNumbersShowWholeInEveryBox()
    {
        QFETCH(QString, number);
        calculator().setInput(number.toStdString());
        for (int k = 0; k <= 7; ++k) calculator().setOutput(k, number.toStdString());
        QVERIFY(click({"cmdMemory_2"}));  // MR shows the cells
        for (const char* name : {"txtInput", "txtOutput_0", "txtOutput_1", "txtOutput_6", "txtOutput_7"}) {
            const QString problem = wholeTextProblem(*find<QLineEdit>(name));
            QVERIFY2(problem.isEmpty(), qPrintable(QString("%1: %2").arg(name, problem)));
        }
    }

    // The tape keeps its newest line in sight, as a terminal does, until the user
    // scrolls up to read; a restored tape shows its top.
    void theTapeFollowsItsNewestLineUntilTheUserScrollsUp()
    {
        auto* tape = find<QTextEdit>("txtSpool");
        QScrollBar* view = tape->verticalScrollBar();
        const auto sums = [this](int count) {
            for (int i = 0; i < count; ++i)
                if (!click({"cmdDigit_1", "cmdOperator_0", "cmdDigit_2", "cmdEquals_0"})) return false;
            QCoreApplication::processEvents();
            return true;
        };
        // The last line with text, which the line feed of its "=" ends.
        const auto newestLineShows = [tape] {
            QTextCursor newest(tape->document());
            newest.movePosition(QTextCursor::End);
            newest.movePosition(QTextCursor::PreviousCharacter);
            return tape->viewport()->rect().contains(tape->cursorRect(newest));
        };
        QVERIFY(trigger({"mnuNew"}));
        QVERIFY(sums(40));
        QVERIFY(view->maximum() > 0);
        QVERIFY(newestLineShows());

        QWheelEvent up(QPointF(20, 20), tape->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, 360),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(tape->viewport(), &up);
        const int readingAt = view->value();
        QVERIFY(readingAt < view->maximum());
        QVERIFY(sums(5));
        QCOMPARE(view->value(), readingAt);
        QVERIFY(!newestLineShows());

        view->triggerAction(QAbstractSlider::SliderToMaximum);
        QVERIFY(sums(1));
        QVERIFY(newestLineShows());

        std::raise(SIGTERM);
        QTRY_COMPARE(timesEnded(), 1);
        expectBox([](QMessageBox& box) { QVERIFY(answer(box, QMessageBox::Yes)); });
        QVERIFY(restart());
        tape = find<QTextEdit>("txtSpool");
        QCOMPARE(tape->toPlainText().count('\n'), 46);
        QVERIFY(sums(1));
        QCOMPARE(tape->verticalScrollBar()->value(), 0);
    }

    void theMemoryPanelHidesTheTapeBehindIt()
    {
        QVERIFY(trigger({"mnuNew"}));
        auto* tape = find<QTextEdit>("txtSpool");
        QPalette red = tape->palette();
        red.setColor(QPalette::Text, Qt::red);
        tape->setPalette(red);
        tape->setPlainText(QString("8888888888888888888888888888888888888888888888888888888888888\n").repeated(30));
        QVERIFY(click({"cmdDigit_5", "cmdMemory_0"}));
        QVERIFY(tapeShows());

        QVERIFY(click({"cmdMemory_2"}));
        QVERIFY(!tapeShows());
        QVERIFY(click({"cmdCancel"}));
        QVERIFY(tapeShows());
    }

    // Clicks leave the focus where it was: on the 1 at start, with no frame drawn.
    void returnEnterAndSpaceChangeNothingForAMouseUser_data()
    {
        QTest::addColumn<QStringList>("clicked");
        QTest::addColumn<int>("key");
        for (const auto& [key, name] : kPressingKeys) {
            QTest::addRow("%s at start", name) << QStringList{} << int(key);
            QTest::addRow("%s after 12 + 3", name)
                << QStringList{"cmdDigit_1", "cmdDigit_2", "cmdOperator_0", "cmdDigit_3"} << int(key);
        }
    }

    void returnEnterAndSpaceChangeNothingForAMouseUser()
    {
        QFETCH(QStringList, clicked);
        QFETCH(int, key);
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QVERIFY(trigger({"mnuNew"}));
        for (const QString& name : clicked) QVERIFY(click({qPrintable(name)}));
        const QString before = input() + "|" + tape();
        QCOMPARE(QApplication::focusWidget(), find("cmdDigit_1"));
        QVERIFY(!ui::KeyboardKeys::focusShows(*find("cmdDigit_1")));

        pressKey(Qt::Key(key));
        QCOMPARE(input() + "|" + tape(), before);
    }

    void tabReachesAKeyThatReturnEnterAndSpacePress_data()
    {
        QTest::addColumn<int>("key");
        for (const auto& [key, name] : kPressingKeys) QTest::addRow("%s", name) << int(key);
    }

    void tabReachesAKeyThatReturnEnterAndSpacePress()
    {
        QFETCH(int, key);
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QVERIFY(click({"cmdDigit_1", "cmdDigit_2", "cmdOperator_0"}));
        pressKey(Qt::Key_Tab);  // from the 1 to the 2
        pressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find("cmdDigit_3"));
        QVERIFY(ui::KeyboardKeys::focusShows(*find("cmdDigit_3")));
        pressKey(Qt::Key(key));
        QCOMPARE(input(), "3");
    }

    // Left to Qt, the focus would move on from "+" to "Pye".
    void aKeyThatDisablesItselfPassesTheFocusToTheOne_data() { tabReachesAKeyThatReturnEnterAndSpacePress_data(); }

    void aKeyThatDisablesItselfPassesTheFocusToTheOne()
    {
        QFETCH(int, key);
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QVERIFY(click({"cmdDigit_1", "cmdDigit_2"}));
        find("cmdOperator_1")->setFocus();
        pressKey(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), find("cmdOperator_0"));
        pressKey(Qt::Key(key));
        QVERIFY(!find("cmdOperator_0")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), find("cmdDigit_1"));
        QVERIFY(ui::KeyboardKeys::focusShows(*find("cmdDigit_1")));
    }

    void theKeysTakeTheFocusFromTabOnlyAndTheClockNever()
    {
        for (QAbstractButton* key : window().findChildren<QAbstractButton*>())
            QVERIFY2(key->focusPolicy() == Qt::TabFocus, qPrintable(key->objectName()));
        QStringList tabStops;
        for (QWidget* w = window().nextInFocusChain(); w != &window(); w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) tabStops << w->objectName();
        }
        QVERIFY(tabStops.contains("cmdDigit_1") && tabStops.contains("txtInput") && tabStops.contains("txtSpool"));
        for (const char* clockBox : {"txtTime", "txtDate"}) {
            QVERIFY2(!tabStops.contains(clockBox), clockBox);
            QCOMPARE(find(clockBox)->focusPolicy(), Qt::ClickFocus);
        }
    }

    // Typing, styling and pasting on the tape stay as they were.
    void tabAndShiftTabLeaveTheTape()
    {
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QVERIFY(trigger({"mnuNew"}));
        auto* page = find<QTextEdit>("txtSpool");
        QTest::mouseClick(page->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), page);
        QTest::keyClicks(nullptr, "ab");
        pressKey(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != page);
        pressKey(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), page);
        pressKey(Qt::Key_Backtab);
        QVERIFY(QApplication::focusWidget() != page);
        QApplication::clipboard()->setText("\t1\t");
        QVERIFY(trigger({"mnuPaste"}));
        QCOMPARE(tape(), "ab\t1\t");
    }

    void theMenuKeyOpensThePopupAtTheFocusedKey()
    {
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        pressKey(Qt::Key_Menu);
        QMenu* popup = window().popupMenu();
        QVERIFY(popup->isVisible());
        const QWidget* one = find("cmdDigit_1");
        QVERIFY(QRect(one->mapToGlobal(QPoint(0, 0)), one->size()).contains(popup->pos()));
        popup->close();
    }

    // The style's own focus line is lost on the green.
    void aFocusedGreenBoxShowsAFrame()
    {
        auto* box = find<QLineEdit>("txtOutput_0");
        const QColor highlight = box->palette().color(QPalette::Highlight);
        QVERIFY(box->grab().toImage().pixelColor(1, box->height() / 2) != highlight);
        box->setFocus();
        QCOMPARE(box->grab().toImage().pixelColor(1, box->height() / 2), highlight);
    }

    void theFocusGoesBackToAKeyWhenThePanelCloses()
    {
        QVERIFY(click({"cmdDigit_5", "cmdMemory_0", "cmdMemory_2"}));
        QTest::mouseClick(find("txtOutput_1"), Qt::LeftButton);
        QCOMPARE(window().focusWidget(), find("txtOutput_1"));
        QTest::mouseClick(find("optMemory_0"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(input(), "5");
        QCOMPARE(window().focusWidget(), find("cmdDigit_1"));

        QVERIFY(click({"cmdMemory_2"}));
        QTest::mouseClick(find("txtOutput_1"), Qt::LeftButton);
        QVERIFY(click({"cmdCancel"}));
        QCOMPARE(window().focusWidget(), find("cmdDigit_1"));
    }
};

TALLIMO_WINDOW_TEST(ReadingAndKeyboardTest)

}  // namespace tallimo::testing

#include "reading_and_keyboard_test.moc"
