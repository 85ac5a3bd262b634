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
    // A line edit whose interface Qt made before the box was marked (its name was
    // set first), and a widget that is no line edit but has a text.
    void everyBoxAnswersEveryOffsetAndBoundary()
    {
        QWidget window;
        auto* edit = new QLineEdit(&window);
        edit->setAccessibleName("Output");
        edit->setReadOnly(true);
        readBoxWhole(*edit);
        auto* label = new QLabel(&window);
        readBoxWhole(*label);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (QWidget* box : {static_cast<QWidget*>(edit), static_cast<QWidget*>(label)}) {
            QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(reading->role(), QAccessible::EditableText);
            for (const QString& text : testing::kBoxTexts) {
                box->setProperty("text", text);
                QCOMPARE(reading->text(QAccessible::Value), text);
                const QString problem = testing::boxTextProblem(*reading);
                QVERIFY2(problem.isEmpty(), qPrintable(problem));
            }
        }
        // A number is one word however many signs and points it holds; words take
        // the blanks after them; a caret after the last character reads the last word.
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(edit)->textInterface();
        const auto word = [text](int offset) {
            int start = 0;
            int end = 0;
            return text->textAtOffset(offset, QAccessible::WordBoundary, &start, &end);
        };
        edit->setText("-1.23456789012345E+300");
        QCOMPARE(word(5), "-1.23456789012345E+300");
        edit->setText("12 + 3");
        QCOMPARE(QStringList({word(0), word(2), word(3), word(5), word(6)}), QStringList({"12 ", "12 ", "+ ", "3", "3"}));
        QVERIFY(QAccessible::queryAccessibleInterface(edit)->state().readOnly);
        QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), "Output");
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
