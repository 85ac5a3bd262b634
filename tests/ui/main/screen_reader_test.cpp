// What a screen reader finds in the windows: every box answers every boundary query
// at once, each result (a conversion sent back among them) reaches the one port
// that tells it, and the groups of keys
// are groups, the angle keys' group saying the unit in force.

#include "test_registry.h"
#include "window_test.h"

#include "common/conversion_entries.h"
#include "support/box_text_check.h"
#include "ui/accessibility/box_text_accessible.h"
#include "ui/conversion/conversion_window.h"
#include "ui/running_total/running_total_window.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <set>
#include <string>
#include <vector>

namespace tallimo::testing {

class ScreenReaderTest : public WindowTest {
    Q_OBJECT

    struct Told : ResultListener {
        void resultShown(std::string_view text) override { results.emplace_back(text); }
        std::vector<std::string> results;
    };

    ui::ConversionWindow& distance() { return *program().companions().conversion(ConversionKind::Distance); }

private slots:
    void everyBoxOfEveryWindowAnswersEveryOffsetAndBoundary()
    {
        for (ConversionKind kind : kConversionKinds) program().companions().showConversion(kind);
        program().companions().runningTotal()->show();
        std::multiset<QString> boxes;
        for (QWidget* widget : QApplication::allWidgets()) {
            auto* box = qobject_cast<QLineEdit*>(widget);
            if (box == nullptr || box->window()->objectName() == "QFileDialog") continue;
            // Qt's own interface would hang this test at the first word query.
            auto* reading = dynamic_cast<ui::BoxTextAccessible*>(QAccessible::queryAccessibleInterface(box));
            QVERIFY2(reading != nullptr, qPrintable(box->objectName() + " is read by Qt's own interface"));
            for (const QString& text : kBoxTexts) {
                box->setText(text);
                const QString problem = boxTextProblem(*reading);
                QVERIFY2(problem.isEmpty(), qPrintable(box->objectName() + ": " + problem));
            }
            boxes.insert(box->objectName());
        }
        for (const char* name : {"txtInput", "txtOutput_0", "txtOutput_7", "txtTime", "txtDate", "txtRunningTotal"})
            QVERIFY2(boxes.count(name) > 0, name);
        QCOMPARE(boxes.count("txtOutput"), 3U);  // one in each conversion window
    }

    // The ticks of the clock, entering numbers and sending a stored value tell only
    // what they put in the input.
    void eachResultIsToldOnceThroughTheWindows()
    {
        Told told;
        calculator().tellResultsTo(told);
        QVERIFY(click({"cmdDigit_1", "cmdDigit_2", "cmdOperator_0", "cmdDigit_3", "cmdEquals_0"}));
        program().dateAndTime().start();
        QTest::qWait(20);
        QVERIFY(click({"cmdScientific_3", "cmdMemory_0", "cmdMemory_2", "optMemory_0"}));
        expectBox([](QMessageBox& box) { QVERIFY(answer(box, QMessageBox::Yes)); });
        QVERIFY(click({"cmdWipe"}));

        QVERIFY(trigger({"mnuDistance"}));
        distance().findChild<QAction*>("mnuKm")->trigger();
        for (const char* key : {"Keypad_1", "Keypad_10", "Keypad_5"})
            QTest::mouseClick(distance().findChild<QPushButton*>(key), Qt::LeftButton);
        for (const char* option : {"optKM_0", "optSendCalc"}) {
            auto* button = distance().findChild<QRadioButton*>(option);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        }
        QCOMPARE(told.results, (std::vector<std::string>{"15", "3.87298334620742", "3.87298334620742", "1500", "1500"}));
        QCOMPARE(find<QLineEdit>("txtInput")->text(), "1500");  // sent into the input, ready for an operator
        QVERIFY(find("cmdOperator_0")->isEnabled());
    }

    // The option buttons whose state the program sets, not their group: Qt's own
    // interface reads them as check boxes whose action ticks them and sends nothing.
    void theProgramsOptionButtonsAreRadioButtonsPressedAsClicked()
    {
        for (ConversionKind kind : kConversionKinds) program().companions().showConversion(kind);
        program().companions().runningTotal()->show();
        int options = 0;
        for (QWidget* widget : QApplication::allWidgets()) {
            auto* option = qobject_cast<QRadioButton*>(widget);
            if (option == nullptr || option->autoExclusive()) continue;
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(option);
            QVERIFY2(read->role() == QAccessible::RadioButton && read->state().checkable,
                     qPrintable(option->objectName()));
            ++options;
        }
        QCOMPARE(options, 7 + 3 * 2 + 1);  // the memory cells', Reset and Send in each conversion, the total's Send

        const auto press = [](QWidget* option) {
            QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(option)->actionInterface();
            QCOMPARE(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());
            actions->doAction(QAccessibleActionInterface::pressAction());
        };
        QVERIFY(trigger({"mnuDistance"}));
        distance().findChild<QAction*>("mnuKm")->trigger();
        for (const char* key : {"Keypad_1", "Keypad_5"})
            QTest::mouseClick(distance().findChild<QPushButton*>(key), Qt::LeftButton);
        auto* metres = distance().findChild<QRadioButton*>("optKM_0");
        QTest::mouseClick(metres, Qt::LeftButton, {}, QPoint(8, metres->height() / 2));
        press(distance().findChild<QRadioButton*>("optSendCalc"));
        QTRY_COMPARE(find<QLineEdit>("txtInput")->text(), "15000");
        expectBox([](QMessageBox& box) { QVERIFY(answer(box, QMessageBox::Yes)); });
        press(distance().findChild<QRadioButton*>("optReset"));
        QTRY_VERIFY(distance().findChild<QLineEdit*>("txtInput")->text().isEmpty());
        QVERIFY(!boxesStillExpected());

        QVERIFY(click({"cmdMemory_0", "cmdMemory_2"}));  // M+ takes the 15000 and empties the input
        press(find("optMemory_0"));
        QTRY_COMPARE(find<QLineEdit>("txtInput")->text(), "15000");
        QVERIFY(!find("optMemory_0")->isVisible());  // the panel closed, as after a click
    }

    void groupsOfKeysAreGroupsAndTheAngleKeysSayTheUnit()
    {
        for (const char* frame : {"fraDigit", "fraOperator", "fraIntrinsic", "fraScientific", "fraScientificNotation",
                                  "fraMemory", "fraTotal"})
            QVERIFY2(QAccessible::queryAccessibleInterface(find(frame))->role() == QAccessible::Grouping, frame);

        QWidget* angleKeys = find("cmdLevel_0")->parentWidget();
        QAccessibleInterface* group = QAccessible::queryAccessibleInterface(angleKeys);
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->childCount(), 3);
        QCOMPARE(group->text(QAccessible::Description), "Angles in degrees");
        QVERIFY(click({"cmdLevel_2"}));
        QCOMPARE(group->text(QAccessible::Description), "Angles in gradients");
        QCOMPARE(group->text(QAccessible::Name), "Angle unit, gradients");

        // The group covers the gaps between its keys only for a screen reader: a right
        // click there still reaches the background's popup.
        QWidget* client = find("pctBackGround")->parentWidget();
        const QPoint gap((find("cmdLevel_0")->geometry().right() + find("cmdLevel_1")->geometry().left()) / 2 +
                             angleKeys->x(),
                         angleKeys->y() + angleKeys->height() / 2);
        QCOMPARE(client->childAt(gap), find("pctBackGround"));
    }
};

TALLIMO_WINDOW_TEST(ScreenReaderTest)

}  // namespace tallimo::testing

#include "screen_reader_test.moc"
