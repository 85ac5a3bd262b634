// The running-total window: its names, and that it follows the total and forwards
// its clicks.

#include "calculator/calculator.h"
#include "memory/running_total_window.h"
#include "spool/in_memory_spool.h"
#include "support/scripted_prompter.h"
#include "ui/running_total/running_total_window_view.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

using namespace tallimo;

class RunningTotalWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        calculator_.emplace(prompter_, spool_);
        calculator_->start();
        model_.emplace(*calculator_, prompter_);
        view_.emplace(*model_);
        view_->ensureBuilt();  // the window builds its controls when first shown
        text_ = view_->findChild<QLineEdit*>("txtRunningTotal");
        send_ = view_->findChild<QRadioButton*>("optSendCalc");
        QVERIFY(text_ && send_);
    }
    void cleanup()
    {
        view_.reset();
        model_.reset();
        // Emptied while the calculator that follows the tape's changes is still there.
        spool_.setText("");
        calculator_.reset();
        prompter_.asked.clear();
    }

    void everyNamedPartIsThere()
    {
        QCOMPARE(view_->objectName(), QString("frmRunningTotal"));
        QCOMPARE(view_->windowTitle(), QString("TallimoRunningTotal"));
        QCOMPARE(send_->text(), QString("Send To Calculator"));
        QCOMPARE(send_->grab().toImage().pixelColor(send_->width() - 2, 2), QColor(Qt::white));
        QCOMPARE(text_->geometry(), QRect(16, 24, 249, 25));
        // Wide enough for its caption, its right edge under the text box's.
        QCOMPARE(send_->geometry().right(), text_->geometry().right());
        QCOMPARE(send_->y(), 64);
        QVERIFY(send_->width() >= std::max(89, send_->sizeHint().width()));

        auto* exit = view_->findChild<QAction*>("mnuExit");
        QVERIFY(exit && view_->menuBar()->actions().contains(exit));
        QCOMPARE(exit->text(), QString("&Exit"));
        auto* popup = view_->findChild<QMenu*>("mnuPopUp");
        auto* popupExit = view_->findChild<QAction*>("PopupExit");
        QVERIFY(popup && popupExit && popup->actions().contains(popupExit));
        QCOMPARE(popupExit->text(), QString("Exit"));
        QVERIFY(!view_->menuBar()->actions().contains(popup->menuAction()));
    }

    void theWindowFollowsTheTotal()
    {
        QVERIFY(!view_->isVisible());
        model_->setText("5");
        QCOMPARE(text_->text(), QString("5"));
        QVERIFY(!view_->isVisible());
        model_->show();
        QVERIFY(view_->isVisible());
        model_->setText("8");
        QCOMPARE(text_->text(), QString("8"));
    }

    void typingIsDiscarded()
    {
        model_->setText("5");
        model_->show();
        text_->setFocus();
        QTest::keyClicks(text_, "123");
        QTest::keyClick(text_, Qt::Key_Backspace);
        QCOMPARE(text_->text(), QString("5"));
    }

    void sendPutsTheTotalIntoTheCalculatorAndCloses()
    {
        model_->setText("5");
        model_->show();
        QTest::mouseClick(send_, Qt::LeftButton);
        QCOMPARE(calculator_->inputText(), std::string("5"));
        QCOMPARE(spool_.text(), std::string("5#\n"));
        QVERIFY(!send_->isChecked());
        QVERIFY(!view_->isVisible());
        QVERIFY(!model_->visible());
    }

    void exitAndTheCloseBoxCloseTheWindow()
    {
        for (const char* way : {"mnuExit", "PopupExit", "close box"}) {
            model_->setText("5");
            model_->show();
            if (auto* action = view_->findChild<QAction*>(way)) {
                action->trigger();
            } else {
                view_->close();
            }
            QVERIFY2(!view_->isVisible(), way);
            QVERIFY2(!model_->visible(), way);
            QCOMPARE(text_->text(), QString());
        }
    }

    void aRightClickOnTheBackgroundOpensThePopup()
    {
        model_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.operator->()));
        auto* popup = view_->findChild<QMenu*>("mnuPopUp");
        QTest::mousePress(send_, Qt::RightButton);
        QVERIFY(!popup->isVisible());
        QTest::mousePress(view_->centralWidget(), Qt::LeftButton, {}, QPoint(5, 90));
        QVERIFY(!popup->isVisible());
        QTest::mousePress(view_->centralWidget(), Qt::RightButton, {}, QPoint(5, 90));
        QVERIFY(popup->isVisible());
        popup->close();
    }

private:
    testing::ScriptedPrompter prompter_;
    InMemorySpool spool_;
    std::optional<Calculator> calculator_;
    std::optional<RunningTotalWindow> model_;
    std::optional<RunningTotalWindowView> view_;
    QLineEdit* text_ = nullptr;
    QRadioButton* send_ = nullptr;
};

QTEST_MAIN(RunningTotalWindowViewTest)
#include "running_total_window_view_test.moc"
