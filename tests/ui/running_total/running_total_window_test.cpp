// The running-total window: its names, that it takes no typing, that Send and Exit
// reach the running total and the window follows, and the keyboard's Send.

#include "calculator/calculator.h"
#include "memory/running_total_window_model.h"
#include "support/key_press.h"
#include "support/scripted_prompter.h"
#include "support/whole_text.h"
#include "tape/in_memory_tape.h"
#include "ui/running_total/running_total_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

using namespace tallimo;
using namespace tallimo::ui;

namespace {

// A started calculator with the window open on a total of 5.
struct Rig {
    Rig()
    {
        calculator.start();
        model.setText("5");
        model.show();
    }
    QLineEdit* text() { return view.findChild<QLineEdit*>("txtRunningTotal"); }

    testing::ScriptedPrompter prompter;
    InMemoryTape tape;
    Calculator calculator{prompter, tape};
    RunningTotalWindowModel model{calculator, prompter};
    RunningTotalWindow view{model};
};

}  // namespace

class RunningTotalWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheTotalUnderItsNamesAndTakesNoTyping()
    {
        Rig rig;
        QCOMPARE(rig.view.objectName() + " " + rig.view.windowTitle(), QString("frmRunningTotal TallimoRunningTotal"));
        auto* send = rig.view.findChild<QRadioButton*>("optSendCalc");
        QCOMPARE(send->text(), QString("Send To Calculator"));
        QVERIFY(send->width() >= send->sizeHint().width());  // the whole caption shows
        QCOMPARE(rig.view.findChild<QAction*>("mnuExit")->text(), QString("&Exit"));
        QVERIFY(rig.view.findChild<QMenu*>("mnuPopUp")->actions().contains(rig.view.findChild<QAction*>("PopupExit")));

        QVERIFY(rig.view.isVisible());
        QCOMPARE(rig.text()->text(), QString("5"));
        QTest::keyClicks(rig.text(), "123");
        QTest::keyClick(rig.text(), Qt::Key_Backspace);
        QCOMPARE(rig.text()->text(), QString("5"));
        for (const char* total : testing::kWidestNumbers) {
            rig.model.setText(total);
            QCOMPARE(testing::wholeTextProblem(*rig.text()), QString());
        }
    }

    void sendExitAndTheCloseBoxCloseTheWindowAndOnlySendPassesTheTotalOn_data()
    {
        QTest::addColumn<QString>("way");
        for (const char* way : {"optSendCalc", "mnuExit", "PopupExit", "close box"}) QTest::newRow(way) << way;
    }

    void sendExitAndTheCloseBoxCloseTheWindowAndOnlySendPassesTheTotalOn()
    {
        QFETCH(QString, way);
        Rig rig;
        if (auto* send = rig.view.findChild<QRadioButton*>(way)) QTest::mouseClick(send, Qt::LeftButton);
        else if (auto* action = rig.view.findChild<QAction*>(way)) action->trigger();
        else rig.view.close();
        QVERIFY(!rig.view.isVisible() && !rig.model.visible());
        QCOMPARE(rig.text()->text(), QString());
        QCOMPARE(rig.tape.text(), way == "optSendCalc" ? std::string("5#\n") : std::string());
    }

    // Send is pressed by the keyboard only once Tab has drawn its focus.
    void returnEnterAndSpaceSendOnlyOnceTabReachesSend_data()
    {
        QTest::addColumn<bool>("tabbed");
        QTest::addColumn<int>("key");
        for (const auto& [key, name] : testing::kPressingKeys) {
            QTest::addRow("%s at start", name) << false << int(key);
            QTest::addRow("%s after Tab", name) << true << int(key);
        }
    }

    void returnEnterAndSpaceSendOnlyOnceTabReachesSend()
    {
        QFETCH(bool, tabbed);
        QFETCH(int, key);
        Rig rig;
        QVERIFY(QTest::qWaitForWindowActive(&rig.view));
        QCOMPARE(QApplication::focusWidget(), rig.text());
        if (tabbed) testing::pressKey(Qt::Key_Tab);
        testing::pressKey(Qt::Key(key));
        QCOMPARE(rig.tape.text(), tabbed ? std::string("5#\n") : std::string());
        QCOMPARE(rig.view.isVisible(), !tabbed);
    }
};

QTEST_MAIN(RunningTotalWindowTest)
#include "running_total_window_test.moc"
