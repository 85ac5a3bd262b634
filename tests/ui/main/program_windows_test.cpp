// The tape, the clock, the colour schemes and the other
// windows, through the real program: each menu entry reaches its window and the
// windows reach back into the calculator.

#include "test_registry.h"
#include "window_test.h"

#include "app/first_frame.h"
#include "app/identity.h"
#include "common/conversion_entries.h"
#include "ui/appearance/qt_colour.h"
#include "ui/colour/colour_mixer_window.h"
#include "ui/conversion/conversion_window.h"
#include "ui/running_total/running_total_window.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>

namespace tallimo::testing {

namespace {

QString text(QWidget* box) { return static_cast<QLineEdit*>(box)->text(); }

const QColor kRed{255, 0, 0};

}  // namespace

class ProgramWindowsTest : public WindowTest {
    Q_OBJECT

    QAction* item(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }
    QAction* item(Control control)
    {
        const std::string_view name = controlName(control);
        return window().findChild<QAction*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
    }
    ui::ConversionWindow& conversion(ConversionKind kind) { return *program().companions().conversion(kind); }

private slots:
    void aNewTapeShowsAndTheKeysWriteOnIt()
    {
        const int shortHeight = window().height();
        QVERIFY(trigger({"mnuNew"}));
        QVERIFY(find("txtSpool")->isVisible());
        QVERIFY(window().height() > shortHeight);
        QVERIFY(!item("mnuNew")->isEnabled());
        QVERIFY(!item("mnuSave")->isEnabled());
        QVERIFY(click({"cmdDigit_1", "cmdDigit_2"}));
        QCOMPARE(find<QTextEdit>("txtSpool")->toPlainText(), "12");
        QVERIFY(item("mnuSave")->isEnabled() && item("mnuBold")->isEnabled());

        QVERIFY(trigger({"mnuResults"}));
        QCOMPARE(window().height(), shortHeight);
    }

    void theClockKeepsWritingTheHiddenBoxes()
    {
        QTRY_VERIFY(!text(find("txtTime")).isEmpty());
        QVERIFY(!text(find("txtDate")).isEmpty());
        QVERIFY(trigger({"mnuTime"}));
        QVERIFY(!find("txtTime")->isVisible());
        // The next second arrives while the box is hidden.
        const QString hiddenAt = text(find("txtTime"));
        QTRY_VERIFY(text(find("txtTime")) != hiddenAt);
        QVERIFY(trigger({"PopUpTime"}));
        QVERIFY(find("txtTime")->isVisible());
    }

    void aSchemeColoursEveryWindowAndTheOnesOpenedLater()
    {
        QVERIFY(trigger({"mnuDistance"}));
        QVERIFY(trigger({"PopUpScheme2"}));
        QCOMPARE(window().background(), kRed);
        QCOMPARE(find("pctBackGround")->palette().color(QPalette::Window), kRed);
        QCOMPARE(conversion(ConversionKind::Distance).background(), kRed);
        QCOMPARE(ui::backgroundOf(*program().companions().colourMixer()), ui::fromQColor(kRed));
        // Never shown yet: the colour waits for the controls, built at the first showing.
        ui::RunningTotalWindow* total = program().companions().runningTotal();
        total->show();
        QCOMPARE(total->centralWidget()->palette().color(QPalette::Window), kRed);
        QVERIFY(item("mnuScheme2")->isChecked() && item("PopUpScheme2")->isChecked());
        QVERIFY(!item("mnuScheme3")->isChecked() && !item("PopUpScheme3")->isChecked());

        QVERIFY(trigger({"mnuWeight"}));
        QVERIFY(conversion(ConversionKind::Weight).isVisible());
        QCOMPARE(conversion(ConversionKind::Weight).background(), kRed);
    }

    void aWindowLoadedHiddenHasItsControlsOnceShown()
    {
        ui::ConversionWindow& distance = conversion(ConversionKind::Distance);
        QVERIFY(distance.findChild<QPushButton*>("Keypad_1") == nullptr);
        QVERIFY(trigger({"mnuDistance"}));
        QVERIFY(distance.findChild<QPushButton*>("Keypad_1") != nullptr);
        ui::RunningTotalWindow* total = program().companions().runningTotal();
        total->show();
        QVERIFY(total->findChild<QLineEdit*>("txtRunningTotal") != nullptr);
    }

    // One row for each conversion window in the menus: a window added to the table
    // is tested without a line here.
    void eachConversionWindowHasItsEntriesAndHoldsThemUntilItCloses_data()
    {
        QTest::addColumn<int>("kind");
        for (const ConversionEntry& entry : kConversionEntries)
            QTest::newRow(entry.caption) << static_cast<int>(indexOf(entry.kind));
    }

    void eachConversionWindowHasItsEntriesAndHoldsThemUntilItCloses()
    {
        QFETCH(int, kind);
        const ConversionEntry& entry = kConversionEntries[static_cast<std::size_t>(kind)];
        QAction* bar = item(entry.entries.bar);
        QAction* popup = item(entry.entries.popup);
        QVERIFY(bar != nullptr && popup != nullptr);
        QCOMPARE(bar->parent()->objectName(), "mnuConversion");
        QCOMPARE(popup->parent()->objectName(), "PopUpConversions");
        QCOMPARE(bar->text(), entry.caption);
        QCOMPARE(popup->text(), entry.caption);
        // Its shortcut chooses it and nothing else on the menu bar.
        QVERIFY(!bar->shortcut().isEmpty());
        for (QAction* other : window().menuBar()->findChildren<QAction*>()) {
            if (other != bar) QVERIFY2(other->shortcut() != bar->shortcut(), qPrintable(other->objectName()));
        }

        for (QAction* opener : {bar, popup}) {
            QVERIFY(opener->isEnabled());
            opener->trigger();
            ui::ConversionWindow& opened = conversion(entry.kind);
            QCOMPARE(window().companion(ui::companionOf(entry.kind)), &opened);
            QVERIFY(QTest::qWaitForWindowExposed(&opened));
            QCOMPARE(opened.objectName(), QStringLiteral("frm") + entry.caption);
            QVERIFY(!bar->isEnabled() && !popup->isEnabled());
            for (const ConversionEntry& other : kConversionEntries) {
                if (other.kind != entry.kind) QVERIFY2(item(other.entries.bar)->isEnabled(), other.caption);
            }
            opened.close();
            QVERIFY(!opened.isVisible());
            QVERIFY(bar->isEnabled() && popup->isEnabled());
        }
    }

    void theTotalKeysKeepARunningTotalAndTheWindowShowsIt()
    {
        const auto question = [](const char* text) {
            return [text](QMessageBox& box) {
                QCOMPARE(box.text(), QString::fromLatin1(text));
                QCOMPARE(box.standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
                QVERIFY(answer(box, QMessageBox::Ok));
            };
        };
        const auto notice = [](const char* text) {
            return [text](QMessageBox& box) {
                QCOMPARE(box.text(), QString::fromLatin1(text));
                QVERIFY(answer(box, QMessageBox::Ok));
            };
        };
        QVERIFY(click({"cmdShift"}));
        for (const char* shown : {"cmdMemory_4", "cmdMemory_5", "cmdMemory_6", "cmdMemory_7", "pctShift"})
            QVERIFY2(find(shown)->isVisible(), shown);
        QVERIFY(!find("cmdMemory_0")->isVisible());

        expectBox(question(" If you continue the Running Total 0 will be incremented by 5 creating the new value 5"));
        QVERIFY(click({"cmdDigit_5", "cmdMemory_4"}));
        expectBox(question(" If you continue the Running Total 5 will be decremented by 2 creating the new value 3"));
        QVERIFY(click({"cmdDelete", "cmdDigit_2", "cmdMemory_5"}));
        expectBox(notice(" The running total = 3"));
        QVERIFY(click({"cmdMemory_6"}));
        QWidget* total = window().companion(ui::Companion::RunningTotal);
        QVERIFY(total->isVisible());
        QCOMPARE(text(total->findChild<QLineEdit*>("txtRunningTotal")), "3");

        expectBox(question(" If you continue the value in Running Total will be permanently erased."));
        expectBox(notice(" The running total = 0"));
        QVERIFY(click({"cmdMemory_7"}));
        QCOMPARE(text(total->findChild<QLineEdit*>("txtRunningTotal")), "0");
        QVERIFY(!find("cmdMemory_6")->isEnabled() && !find("cmdMemory_7")->isEnabled());
        QVERIFY(!boxesStillExpected());

        QVERIFY(click({"cmdShift"}));
        QVERIFY(find("cmdMemory_0")->isVisible() && !find("cmdMemory_4")->isVisible());
    }

    void theColourMixerOpensInTheSchemeAndGivesItsEntriesBack()
    {
        QVERIFY(trigger({"mnuScheme4"}));
        QVERIFY(trigger({"mnuColour"}));
        ui::ColourMixerWindow* mixer = program().companions().colourMixer();
        QVERIFY(mixer->isVisible());
        QCOMPARE(ui::backgroundOf(*mixer), Colour::fromNumber(65535));
        QVERIFY(!item("mnuColour")->isEnabled() && !item("PopUpColour")->isEnabled());
        for (const char* value : {"lblRGB_0", "lblRGB_1", "lblRGB_2"})
            QCOMPARE(mixer->findChild<QLabel*>(value)->text(), "0");

        expectBox([](QMessageBox& box) {
            QCOMPARE(box.text(), "If you close the program all current values will be lost");
            QVERIFY(answer(box, QMessageBox::Yes));
        });
        mixer->close();
        QVERIFY(!mixer->isVisible());
        QVERIFY(item("mnuColour")->isEnabled() && item("PopUpColour")->isEnabled());
    }

    // A window's questions and notices belong to it and show over its middle, not
    // over the calculator's.
    void aWindowsMessageBoxesShowOverIt()
    {
        const auto overWindow = [](QWidget* asking, const char* text) {
            return [asking, text](QMessageBox& box) {
                QCOMPARE(box.text(), QString::fromLatin1(text));
                QCOMPARE(box.parentWidget(), asking);
                QVERIFY((box.frameGeometry().center() - asking->frameGeometry().center()).manhattanLength() <= 4);
                QVERIFY(answer(box, QMessageBox::Yes) || answer(box, QMessageBox::Ok));
            };
        };
        // Both in the bottom corners of the screen, away from the calculator.
        const QRect screen = window().screen()->availableGeometry();
        ui::ConversionWindow& distance = conversion(ConversionKind::Distance);
        QVERIFY(trigger({"mnuDistance"}));
        distance.findChild<QAction*>("mnuParsec")->trigger();
        const QSize size = distance.frameGeometry().size();
        distance.move(screen.bottomRight() - QPoint(size.width(), size.height()));
        // Some 1E+300 parsecs in metres are beyond the numbers a result can be.
        QTest::mouseClick(distance.findChild<QPushButton*>("Keypad_9"), Qt::LeftButton);
        for (int i = 0; i < 300; ++i) QTest::mouseClick(distance.findChild<QPushButton*>("Keypad_0"), Qt::LeftButton);
        auto* metres = distance.findChild<QRadioButton*>("optParsec_3");
        expectBox(overWindow(&distance, "Overflow exception"));
        QTest::mouseClick(metres, Qt::LeftButton, {}, QPoint(8, metres->height() / 2));
        distance.findChild<QAction*>("mnuM")->trigger();
        auto* kilometres = distance.findChild<QRadioButton*>("optM_0");
        QTest::mouseClick(kilometres, Qt::LeftButton, {}, QPoint(8, kilometres->height() / 2));
        expectBox(overWindow(&distance, "If you close the program all current values will be lost"));
        QVERIFY(distance.close());

        QVERIFY(trigger({"mnuColour"}));
        ui::ColourMixerWindow* mixer = program().companions().colourMixer();
        mixer->move(screen.bottomLeft() - QPoint(0, mixer->frameGeometry().height()));
        expectBox(overWindow(mixer, "If you close the program all current values will be lost"));
        QVERIFY(mixer->close());

        // The total's questions are the calculator's; its refusal to send over the 5
        // still in the input is the running-total window's.
        const auto overCalculator = [this](QMessageBox& box) {
            QCOMPARE(box.parentWidget(), &window());
            QVERIFY(answer(box, QMessageBox::Ok));
        };
        expectBox(overCalculator);
        expectBox(overCalculator);
        QVERIFY(click({"cmdShift", "cmdDigit_5", "cmdMemory_4", "cmdMemory_6"}));
        QWidget* total = window().companion(ui::Companion::RunningTotal);
        // Low on the right, with room for its wider box.
        total->move(screen.bottomRight() - QPoint(250, 100) - total->rect().center());
        expectBox(overWindow(total, "The calculator is currently holding an uncleared value.  Clear this then "
                                    "resend value!"));
        QTest::mouseClick(total->findChild<QRadioButton*>("optSendCalc"), Qt::LeftButton);
        QVERIFY(!boxesStillExpected());
    }

    void aboutOpensItsBoxModally()
    {
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr || box->objectName() != "frmAbout") return;
            shown = box->findChild<QLineEdit*>("Text1")->text();
            box->close();
        });
        closer.start(10);
        QVERIFY(trigger({"mnuABOUT"}));
        QCOMPARE(shown, "Tallimo Build C V1");
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void everyWindowCarriesTheProgramsNameAndIcon()
    {
        app::setApplicationIdentity();
        QCOMPARE(QApplication::applicationName(), "Tallimo");
        QVERIFY(!QApplication::applicationVersion().isEmpty());
        QCOMPARE(QGuiApplication::desktopFileName(), "org.tallimo.Tallimo");
        // A panel, a task switcher and a large view each get a picture of their size,
        // none larger than the largest drawn.
        const QIcon icon = QApplication::windowIcon();
        for (int side : {16, 64, 100}) QCOMPARE(icon.pixmap(QSize(side, side)).size(), QSize(side, side));
        QVERIFY(icon.pixmap(QSize(4096, 4096)).width() <= 256);
        for (QWidget* w : {static_cast<QWidget*>(&window()), window().companion(ui::Companion::Distance),
                           window().companion(ui::Companion::Colour)})
            QVERIFY2(!w->windowIcon().isNull(), qPrintable(w->objectName()));
    }

    void workAfterTheFirstFrameRunsOnceTheWindowIsDrawn()
    {
        QWidget shown;
        shown.show();
        int runs = 0;
        app::afterFirstFrame(shown, [&runs] { ++runs; });
        QCOMPARE(runs, 0);
        QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 500);  // drawn, well before the undrawn window's second
        shown.update();
        QTest::qWait(20);
        QCOMPARE(runs, 1);
    }
};

TALLIMO_WINDOW_TEST(ProgramWindowsTest)

}  // namespace tallimo::testing

#include "program_windows_test.moc"
