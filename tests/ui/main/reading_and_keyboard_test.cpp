// What the user reads and how the keyboard reaches the keys: whole numbers in every
// box, a memory panel that hides the tape behind it, the focus on a key, and Return
// pressing it.

#include "test_registry.h"
#include "window_test.h"

#include "support/whole_text.h"

#include <csignal>

#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <QPushButton>
#include <QTextEdit>

namespace tallimo::testing {

class ReadingAndKeyboardTest : public WindowTest {
    Q_OBJECT

    QString input() { return find<QLineEdit>("txtInput")->text(); }

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
    void theWidestNumbersShowWholeInEveryBox()
    {
        for (const char* number : kWidestNumbers) {
            calculator().setInput(number);
            for (int k = 0; k <= 7; ++k) calculator().setOutput(k, number);
            window().render();
            QVERIFY(click({"cmdMemory_2"}));  // MR shows the cells
            for (const char* name : {"txtInput", "txtOutput_0", "txtOutput_1", "txtOutput_6", "txtOutput_7"}) {
                const QString problem = wholeTextProblem(*find<QLineEdit>(name));
                QVERIFY2(problem.isEmpty(), qPrintable(QString("%1 %2: %3").arg(name, number, problem)));
            }
            QVERIFY(click({"cmdCancel"}));
        }
    }

    // The page keeps its newest line in sight, as a terminal does, until the user
    // scrolls up to read; a restored page shows its top.
    void thePageFollowsItsNewestLineUntilTheUserScrollsUp()
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

    void theFocusStartsOnAKeyThatReturnAndEnterPress()
    {
        QCOMPARE(window().focusWidget(), find("cmdDigit_1"));
        QTest::keyClick(&window(), Qt::Key_Return);
        QTest::keyClick(&window(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(input() + "|" + find<QTextEdit>("txtSpool")->toPlainText(), "11|11");

        QStringList tabStops;
        for (QWidget* w = window().nextInFocusChain(); w != &window(); w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) tabStops << w->objectName();
        }
        QVERIFY(tabStops.contains("cmdDigit_1") && tabStops.contains("txtInput"));
        for (const char* clockBox : {"txtTime", "txtDate"}) {
            QVERIFY2(!tabStops.contains(clockBox), clockBox);
            QCOMPARE(find(clockBox)->focusPolicy(), Qt::ClickFocus);
        }
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
        QTest::mouseClick(find("optMemory_0"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(input(), "5");
        QCOMPARE(window().focusWidget(), find("cmdDigit_1"));

        QVERIFY(click({"cmdMemory_2", "cmdCancel"}));
        QCOMPARE(window().focusWidget(), find("cmdDigit_1"));
    }
};

TALLIMO_WINDOW_TEST(ReadingAndKeyboardTest)

}  // namespace tallimo::testing

#include "reading_and_keyboard_test.moc"
