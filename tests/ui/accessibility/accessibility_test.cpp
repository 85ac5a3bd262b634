// How a screen reader reads the boxes and hears the results.

#include "support/box_text_check.h"
#include "ui/accessibility/reading.h"
#include "ui/accessibility/result_announcer.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace tallimo::ui {

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // A box that is no line edit is read by its text property; the window tests try
    // every line edit of the program.
    void aBoxAnswersEveryOffsetAndBoundary()
    {
        QLabel box;
        readBoxWhole(box);
        QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(&box);
        QCOMPARE(reading->role(), QAccessible::EditableText);
        for (const QString& text : testing::kBoxTexts) {
            box.setText(text);
            QCOMPARE(reading->text(QAccessible::Value), text);
            const QString problem = testing::boxTextProblem(*reading);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
    }

    // A number is one word however many signs and points it holds; words take the
    // blanks after them; a caret after the last character reads the last word.
    void aNumberIsOneWord()
    {
        QLineEdit box;
        box.setAccessibleName("Output");
        box.setReadOnly(true);
        // As a screen reader's first look at the box would, before it is marked.
        QAccessible::queryAccessibleInterface(&box);
        readBoxWhole(box);
        QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(&box);
        const auto word = [reading](int offset) {
            int start = 0;
            int end = 0;
            return reading->textInterface()->textAtOffset(offset, QAccessible::WordBoundary, &start, &end);
        };
        box.setText("-1.23456789012345E+300");
        QCOMPARE(word(5), "-1.23456789012345E+300");
        box.setText("12 + 3");
        QCOMPARE(QStringList({word(0), word(2), word(3), word(5), word(6)}), QStringList({"12 ", "12 ", "+ ", "3", "3"}));
        QVERIFY(reading->state().readOnly);
        QCOMPARE(reading->text(QAccessible::Name), "Output");
    }

    // Offscreen, Qt sends no accessibility events (it has no bridge to send them to):
    // the AT-SPI check hears them. Here, what a screen reader finds when it does.
    void eachResultNamesTheOneNotificationInAStatusBar()
    {
        QWidget window;
        ResultAnnouncer announcer(window);
        QVERIFY(window.children().isEmpty());
        for (const char* result : {"15", "-1.23456789012345E+300"}) {
            announcer.resultShown(result);
            QCOMPARE(window.children().size(), 1);
            QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window.children().front());
            QCOMPARE(bar->role(), QAccessible::StatusBar);
            QCOMPARE(bar->parent()->object(), &window);
            QCOMPARE(bar->childCount(), 1);
            QAccessibleInterface* notification = bar->child(0);
            QCOMPARE(notification->role(), QAccessible::Notification);
            QCOMPARE(notification->text(QAccessible::Name), result);
            QCOMPARE(notification->parent()->object(), bar->object());
            QCOMPARE(bar->indexOfChild(notification), 0);
        }
    }
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::AccessibilityTest)
#include "accessibility_test.moc"
