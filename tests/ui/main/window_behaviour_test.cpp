// Clicks reach the calculator and the screen follows; the boxes take no typing; the
// popup opens from the background alone; the two heights; closing.

#include "test_registry.h"
#include "window_test.h"

#include "ui/colour/colour_mixer_window.h"
#include "ui/conversion/conversion_window.h"
#include "ui/running_total/running_total_window_view.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>

namespace tallimo::testing {

namespace {

QString text(QWidget* box) { return static_cast<QLineEdit*>(box)->text(); }

QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

}  // namespace

class WindowBehaviourTest : public WindowTest {
    Q_OBJECT
private slots:
    void aCalculationShowsInBothBoxesAndOnTheTape()
    {
        click({"cmdDigit_1", "cmdDigit_2", "cmdOperator_0", "cmdDigit_3", "cmdEquals_0"});
        QCOMPARE(text(find("txtInput")), "15");
        QCOMPARE(text(find("txtOutput_0")), "15");
        QCOMPARE(find<QTextEdit>("txtSpool")->toPlainText(), "12 + 3 = 15#\n");
        QVERIFY(find("cmdOperator_0")->isEnabled());
        QVERIFY(find("cmdSwop")->isEnabled());
    }

    void anOperatorShowsItsOwnEquals_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("equals");
        QTest::newRow("+") << "cmdOperator_0" << "cmdEquals_0";
        QTest::newRow("-") << "cmdOperator_1" << "cmdEquals_1";
        QTest::newRow("*") << "cmdOperator_2" << "cmdEquals_2";
        QTest::newRow("/") << "cmdOperator_3" << "cmdEquals_3";
        QTest::newRow("Mod") << "cmdOperator_4" << "cmdEquals_5";
        QTest::newRow("^") << "cmdOperator_5" << "cmdEquals_4";
    }
    void anOperatorShowsItsOwnEquals()
    {
        QFETCH(QString, key);
        QFETCH(QString, equals);
        click({"cmdDigit_5"});
        click({qPrintable(key)});
        const QRect spot = find("cmdEquals_0")->geometry();
        for (int k = 0; k < 6; ++k) {
            QWidget* e = find(qPrintable(QString("cmdEquals_%1").arg(k)));
            QCOMPARE(e->geometry(), spot);
            QVERIFY(e->isEnabled());
            QCOMPARE(e->isVisible(), e->objectName() == equals);
        }
    }

    void theBoxesTakeNoTyping_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("input") << "txtInput";
        QTest::newRow("output") << "txtOutput_0";
    }
    void theBoxesTakeNoTyping()
    {
        QFETCH(QString, box);
        click({"cmdDigit_2", "cmdOperator_0", "cmdDigit_3", "cmdEquals_0"});
        QApplication::clipboard()->setText("42");
        auto* edit = find<QLineEdit>(qPrintable(box));
        edit->setFocus();
        edit->setCursorPosition(0);
        QTest::keyClicks(edit, "789");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(edit->text(), "5");
        QCOMPARE(QString::fromStdString(calculator().input()), "5");
        QCOMPARE(QString::fromStdString(calculator().output(0)), "5");
    }

    // A focused box would keep Ctrl+A (select all) or Ctrl+Z (undo) for itself.
    void aMenuShortcutWinsOverTheFocusedBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("item");
        QTest::newRow("input, Ctrl+A") << "txtInput" << int(Qt::Key_A) << int(Control::mnuDate);
        QTest::newRow("output, Ctrl+A") << "txtOutput_0" << int(Qt::Key_A) << int(Control::mnuDate);
        QTest::newRow("tape, Ctrl+Z") << "txtSpool" << int(Qt::Key_Z) << int(Control::mnuVolume);
        QTest::newRow("tape, Ctrl+W") << "txtSpool" << int(Qt::Key_W) << int(Control::mnuWipe);
    }
    void aMenuShortcutWinsOverTheFocusedBox()
    {
        QFETCH(QString, box);
        QFETCH(int, key);
        QFETCH(int, item);
        click({"cmdDigit_5"});
        calculator().controls().show(Control::txtSpool);
        window().render();
        int runs = 0;
        window().onClick(Control(item), [&] { ++runs; });
        QWidget* focused = find(qPrintable(box));
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(runs, 1);
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
        QTest::newRow("right on a disabled key") << "cmdOperator_0" << int(Qt::RightButton) << false;
        QTest::newRow("right on a frame") << "fraDigit" << int(Qt::RightButton) << false;
    }
    void thePopupOpensOnlyOnARightPressOnTheBackground()
    {
        QFETCH(QString, target);
        QFETCH(int, button);
        QFETCH(bool, opens);
        QWidget* w = find(qPrintable(target));
        // A spot of the background that no control covers, left of the keys.
        const QPoint spot = target == "pctBackGround" ? twips(400, 1700, 0, 0).topLeft() : QPoint(4, 4);
        QTest::mouseClick(w, Qt::MouseButton(button), {}, spot);
        QMenu* popup = window().popupMenu();
        QCOMPARE(popup->isVisible(), opens);
        popup->hide();
    }

    void theShortHeightShowsTheUpperBandAndTheTallOneBoth()
    {
        QWidget* client = window().centralWidget();
        const int lowerBandTop = twips(0, 4560, 0, 0).top();
        QVERIFY(client->height() < lowerBandTop);
        for (const char* upper : {"cmdDestroy", "cmdShift", "fraMemory", "fraScientificNotation"})
            QVERIFY2(find(upper)->geometry().bottom() < client->height(), upper);
        const int width = window().width();

        calculator().controls().setHeight(WindowHeight::Tall);
        window().render();
        QVERIFY(find("txtSpool")->geometry().bottom() < client->height());
        QVERIFY(find("cmdCancel")->geometry().bottom() < client->height());
        QCOMPARE(window().width(), width);
        QCOMPARE(window().height(), window().menuBar()->height() + client->height());

        calculator().controls().setHeight(WindowHeight::Short);
        window().render();
        QVERIFY(client->height() < lowerBandTop);
    }

    void startUpColoursAndHiddenWindows()
    {
        QCOMPARE(find("pctBackGround")->palette().color(QPalette::Window), QColor(0, 0, 0));
        QCOMPARE(window().background(), QColor(0, 0, 0));
        QCOMPARE(find("txtInput")->palette().color(QPalette::Base), QColor(0, 255, 0));
        QCOMPARE(find("txtOutput_0")->palette().color(QPalette::Base), QColor(0, 255, 0));
        QCOMPARE(find("txtOutput_0")->palette().color(QPalette::Text), QColor(128, 0, 0));
        QCOMPARE(find("txtOutput_0")->font().pointSize(), 12);

        const std::pair<ui::Companion, QString> windows[][1] = {{{ui::Companion::Colour, "frmColour TallimoPalette"}},
                                                                {{ui::Companion::Weight, "frmWeight TallimoWeight"}},
                                                                {{ui::Companion::Volume, "frmVolume TallimoVolume"}},
                                                                {{ui::Companion::Distance, "frmDistance TallimoDistance"}},
                                                                {{ui::Companion::RunningTotal,
                                                                  "frmRunningTotal TallimoRunningTotal"}}};
        for (const auto& [row] : windows) {
            QWidget* w = window().companion(row.first);
            QVERIFY(w != nullptr);
            QVERIFY(w->isWindow());
            QVERIFY(!w->isVisible());
            QCOMPARE(w->objectName() + " " + w->windowTitle(), row.second);
            // Each builds its menus and controls when first shown; built now to be looked at.
            if (auto* mixer = qobject_cast<ui::ColourMixerWindow*>(w)) mixer->ensureBuilt();
            if (auto* total = qobject_cast<RunningTotalWindowView*>(w)) total->ensureBuilt();
            // The background goes under the controls; the menu bar keeps the desktop's colours.
            if (auto* conversion = qobject_cast<ConversionWindow*>(w)) {
                conversion->ensureBuilt();
                QCOMPARE(conversion->backColour(), QColor(0, 0, 0));  // painted by its free area
            } else {
                auto* main = qobject_cast<QMainWindow*>(w);
                QCOMPARE((main ? main->centralWidget() : w)->palette().color(QPalette::Window), QColor(0, 0, 0));
            }
            auto* bar = w->findChild<QMenuBar*>();
            QVERIFY(bar != nullptr);
            QCOMPARE(bar->palette().color(QPalette::Window), QApplication::palette(bar).color(QPalette::Window));
        }
    }

    void aRegisteredClickRunsAndTheScreenFollows()
    {
        int clicks = 0;
        window().onClick(Control::cmdShift, [&] {
            ++clicks;
            calculator().controls().hide(Control::cmdMemory_0);
        });
        click({"cmdShift"});
        QCOMPARE(clicks, 1);
        QVERIFY(find("cmdMemory_0")->isHidden());
    }

    void aCheckMarkShowsTheCalculatorsFlag()
    {
        calculator().controls().show(Control::chkDelete_0);
        calculator().controls().enable(Control::chkDelete_0);
        window().render();
        auto* box = find<QAbstractButton>("chkDelete_0");
        window().onClick(Control::chkDelete_0, [] {});
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY2(!box->isChecked(), "no handler recorded the mark");

        window().onClick(Control::chkDelete_0, [&] {
            MainControls& c = calculator().controls();
            c.check(Control::chkDelete_0, !c.checked(Control::chkDelete_0));
        });
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
    }

    void everyWayOfClosingAsksTheClosingRoutine_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("DESTROY") << "cmdDestroy";
        QTest::newRow("Edit Destroy") << "mnuDestroy";
        QTest::newRow("popup Destroy") << "PopUpDestroy";
        QTest::newRow("close box") << "";
    }
    void everyWayOfClosingAsksTheClosingRoutine()
    {
        QFETCH(QString, way);
        bool allow = false;
        int asked = 0;
        window().setClosingRoutine([&] {
            ++asked;
            return allow;
        });
        auto close = [&] {
            if (way.isEmpty()) window().close();
            else if (auto* item = window().findChild<QAction*>(way)) item->trigger();
            else click({qPrintable(way)});
        };
        close();
        QVERIFY(window().isVisible());
        allow = true;
        close();
        QVERIFY(!window().isVisible());
        QCOMPARE(asked, 2);
    }
};

TALLIMO_WINDOW_TEST(WindowBehaviourTest)

}  // namespace tallimo::testing

#include "window_behaviour_test.moc"
