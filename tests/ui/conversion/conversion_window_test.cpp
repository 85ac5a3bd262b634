#include "ui/conversion/conversion_window.h"

#include "conversion/fake_calculator.h"
#include "support/scripted_prompter.h"
#include "support/whole_text.h"
#include "ui/twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace tallimo {

using testing::FakeCalculator;
using testing::ScriptedPrompter;

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const ConversionKind kAllKinds[] = {ConversionKind::Distance, ConversionKind::Volume, ConversionKind::Weight};

// A window opened from the main window, found by its names as a user would. The
// scheme's colour is given while it is still hidden, as the program does at start.
struct OpenWindow {
    explicit OpenWindow(ConversionKind kind, const QColor& scheme = Qt::black) : window(kind, calculator, prompter)
    {
        window.setBackColour(scheme);
        window.open();
        exposed = QTest::qWaitForWindowExposed(&window);
    }
    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        return window.findChild<T*>(name);
    }
    void trigger(const QString& action) const
    {
        QAction* a = find<QAction>(action);
        QVERIFY2(a != nullptr, qPrintable(action));
        a->trigger();
    }
    void press(const QString& keys) const
    {
        for (QChar c : keys)
            QTest::mouseClick(find<QPushButton>(c == '.' ? "Keypad_10" : QStringLiteral("Keypad_") + c),
                              Qt::LeftButton);
    }
    void click(const QString& option) const
    {
        QRadioButton* button = find<QRadioButton>(option);
        QVERIFY2(button != nullptr, qPrintable(option));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // The colour on screen at `at` inside `widget`.
    QColor shownAt(const QWidget* widget, const QPoint& at)
    {
        QCoreApplication::sendPostedEvents();  // the layout of the last change
        const QImage shot = window.grab().toImage();
        return shot.pixelColor(widget->mapTo(&window, at) * shot.devicePixelRatio());
    }
    QString input() const { return find<QLineEdit>("txtInput")->text(); }
    QString output() const { return find<QLineEdit>("txtOutput")->text(); }

    FakeCalculator calculator;
    ScriptedPrompter prompter;
    ConversionWindow window;
    bool exposed = false;
};

}  // namespace

class ConversionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyNameHasItsWidgetClass();
    void aUnitShowsOnlyItsButtonsInTheirRows();
    void aClickReachesTheModelAndTheScreenFollows();
    void theBoxesTakeNoTyping();
    void aRightClickOnTheFreeAreaOpensThePopup();
    void theCloseBoxAsksAndGivesBackTheEntries();
    void exitOnTheVolumeWindowOnlyHidesIt();
    void aClosedWindowOpensAfresh();
    void theSchemeShowsAroundWhiteOptionsAndLabels();
    void theBoxesShowTheirNumbersWhole();
    void returnPressesTheFocusedKey();
};

void ConversionWindowTest::everyNameHasItsWidgetClass()
{
    for (ConversionKind kind : kAllKinds) {
        OpenWindow w(kind);
        const WindowDesign& design = designOf(kind);
        QCOMPARE(w.window.objectName(), text(design.name));
        QCOMPARE(w.window.windowTitle(), text(design.caption));
        for (const char* name : {"txtInput", "txtOutput"}) QVERIFY(w.find<QLineEdit>(name));
        for (const char* name : {"lblInput", "lblConvert", "lblResult"}) QVERIFY(w.find<QLabel>(name));
        for (int i = 0; i <= 10; ++i) QVERIFY(w.find<QPushButton>(QStringLiteral("Keypad_%1").arg(i)));
        QCOMPARE(w.find<QPushButton>("Keypad_10")->text(), QStringLiteral("."));
        for (const char* name : {"optReset", "optSendCalc"}) QVERIFY(w.find<QRadioButton>(name));
        QVERIFY(w.find<QMenu>(text(design.unitMenuName)));
        QVERIFY(w.find<QMenu>("mnuPopUp"));
        QVERIFY(w.find<QMenu>(text(design.popupUnitMenuName)));
        QVERIFY(!w.window.menuBar()->actions().contains(w.find<QMenu>("mnuPopUp")->menuAction()));
        for (const char* name : {"mnuExit", "PopUpExit"}) QVERIFY(w.find<QAction>(name));
        for (const SourceUnit& unit : design.units) {
            QVERIFY2(w.find<QAction>(text(unit.menuItem)), unit.menuItem.data());
            QVERIFY2(w.find<QAction>(text(unit.popupItem)), unit.popupItem.data());
            for (const TargetButton& target : unit.targets) {
                const QString name = QStringLiteral("%1_%2").arg(text(unit.group)).arg(target.index);
                QRadioButton* button = w.find<QRadioButton>(name);
                QVERIFY2(button, qPrintable(name));
                QCOMPARE(button->text(), text(target.caption));
                QCOMPARE(button->toolTip(), text(target.tooltip));
            }
        }
    }
    OpenWindow distance(ConversionKind::Distance);
    QVERIFY(!distance.find("optFathom_0") && !distance.find("optFathom_1"));
    OpenWindow weight(ConversionKind::Weight);
    const QList<QAction*> popupUnits = weight.find<QMenu>("PopUpmeasurements")->actions();
    QCOMPARE(popupUnits.at(5)->objectName(), QStringLiteral("PopUpMicroG"));  // the popup lists it before MG
    QCOMPARE(popupUnits.at(6)->objectName(), QStringLiteral("PopUpMG"));
    OpenWindow volume(ConversionKind::Volume);
    QVERIFY(!volume.find("optCubicM_5") && !volume.find("optLitre_5"));
    QVERIFY(volume.find("optCentiL_6") && !volume.find("optCentiL_0"));
}

void ConversionWindowTest::aUnitShowsOnlyItsButtonsInTheirRows()
{
    for (ConversionKind kind : kAllKinds) {
        OpenWindow w(kind);
        QVERIFY(w.exposed);
        QVERIFY(!w.find<QLineEdit>("txtInput")->isVisible());  // collapsed: title and menu bar only
        const WindowDesign& design = designOf(kind);
        for (bool fromPopup : {false, true}) {
            for (const SourceUnit& chosen : design.units) {
                w.trigger(text(fromPopup ? chosen.popupItem : chosen.menuItem));
                QVERIFY(w.find<QLineEdit>("txtInput")->isVisible());
                for (const SourceUnit& unit : design.units)
                    for (const TargetButton& target : unit.targets) {
                        const auto* button =
                            w.find(QStringLiteral("%1_%2").arg(text(unit.group)).arg(target.index));
                        QCOMPARE(button->isVisible(), &unit == &chosen);
                        QCOMPARE(button->y(), ui::twipsToPixels(600 + 240 * (target.row - 1)));
                    }
            }
        }
    }
}

void ConversionWindowTest::aClickReachesTheModelAndTheScreenFollows()
{
    OpenWindow w(ConversionKind::Distance);
    w.trigger("mnuKm");
    QCOMPARE(w.find<QLabel>("lblInput")->text(), QStringLiteral("Amount of Kilo meter"));
    QVERIFY(!w.find("optKM_0")->isEnabled());
    w.press("1.5");
    QCOMPARE(w.input(), QStringLiteral("1.5"));
    QVERIFY(w.find("optKM_0")->isEnabled());
    w.click("optKM_0");
    QCOMPARE(w.output(), QStringLiteral("1500"));
    QVERIFY(w.find<QRadioButton>("optKM_0")->isChecked());

    w.click("optSendCalc");
    QCOMPARE(w.calculator.inputBox, std::string("1500"));
    QVERIFY(!w.find<QRadioButton>("optSendCalc")->isChecked());
    QVERIFY(!w.find<QRadioButton>("optKM_0")->isChecked());

    w.prompter.script({Answer::No});
    w.click("optReset");
    QCOMPARE(w.prompter.asked.size(), std::size_t{1});
    QVERIFY(w.find<QRadioButton>("optReset")->isChecked());
    w.click("optKM_1");
    QCOMPARE(w.output(), QStringLiteral("150000"));
    QVERIFY(!w.find<QRadioButton>("optReset")->isChecked());
}

void ConversionWindowTest::theBoxesTakeNoTyping()
{
    OpenWindow w(ConversionKind::Weight);
    w.trigger("mnuG");
    w.press("12");
    QLineEdit* input = w.find<QLineEdit>("txtInput");
    input->setFocus();
    QTest::keyClicks(input, "34");
    QTest::keyClick(input, Qt::Key_Backspace);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.input(), QStringLiteral("12"));
    QCOMPARE(input->contextMenuPolicy(), Qt::PreventContextMenu);
    QCOMPARE(w.find<QLineEdit>("txtOutput")->contextMenuPolicy(), Qt::PreventContextMenu);
}

void ConversionWindowTest::aRightClickOnTheFreeAreaOpensThePopup()
{
    OpenWindow w(ConversionKind::Volume);
    w.trigger("mnuLitre");
    auto* popup = w.find<QMenu>("mnuPopUp");
    QTest::mouseClick(w.find<QPushButton>("Keypad_5"), Qt::RightButton);
    QTest::mouseClick(w.find<QLabel>("lblInput"), Qt::RightButton);
    QVERIFY(!popup->isVisible());

    QWidget* freeArea = w.window.centralWidget();
    const QPoint free(10, freeArea->height() - 10);
    QCOMPARE(freeArea->childAt(free), nullptr);
    QTest::mouseClick(freeArea, Qt::LeftButton, {}, free);
    QVERIFY(!popup->isVisible());
    QTest::mouseClick(freeArea, Qt::RightButton, {}, free);
    QTRY_VERIFY(popup->isVisible());
    popup->close();

    w.trigger("PopUpCubicM");
    QVERIFY(w.find("optCubicM_6")->isVisible());
    QVERIFY(!w.find("optLitre_6")->isVisible());
}

void ConversionWindowTest::theCloseBoxAsksAndGivesBackTheEntries()
{
    OpenWindow w(ConversionKind::Distance);
    QSignalSpy closed(&w.window, &ConversionWindow::closed);
    w.trigger("mnuAU");
    w.press("1");
    w.click("optAU_0");
    QCOMPARE(w.output(), QStringLiteral("1.5823E-05"));

    w.prompter.script({Answer::No});
    QVERIFY(!w.window.close());
    QVERIFY(w.window.isVisible());
    QCOMPARE(w.calculator.entriesEnabled[ConversionKind::Distance], 1);

    w.prompter.script({Answer::Yes, Answer::Yes});
    w.trigger("mnuExit");
    QVERIFY(!w.window.isVisible());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(w.prompter.asked.size(), std::size_t{3});
    const Message& asked = w.prompter.asked.back();
    QCOMPARE(asked.text, std::string("If you close the program all current values will be lost"));
    QCOMPARE(asked.defaultButton, Answer::Yes);
}

void ConversionWindowTest::exitOnTheVolumeWindowOnlyHidesIt()
{
    OpenWindow w(ConversionKind::Volume);
    QSignalSpy closed(&w.window, &ConversionWindow::closed);
    w.trigger("mnuCubicCM");
    w.press("250");
    w.click("optCubicCM_3");
    w.prompter.script({Answer::Yes});
    w.trigger("PopUpExit");
    QVERIFY(!w.window.isVisible());
    QCOMPARE(closed.count(), 0);
    QCOMPARE(w.calculator.entriesEnabled[ConversionKind::Volume], 1);

    w.window.open();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QCOMPARE(w.input(), QStringLiteral("250"));
    QCOMPARE(w.output(), QStringLiteral("0.25"));
    QCOMPARE(w.find<QLabel>("lblInput")->text(), QStringLiteral("Amount of Cubic CM"));
    QVERIFY(w.find("optCubicCM_3")->isVisible());
}

void ConversionWindowTest::aClosedWindowOpensAfresh()
{
    OpenWindow w(ConversionKind::Weight);
    w.window.setBackColour(Qt::red);
    w.trigger("mnuTonne");
    w.press("3");
    QVERIFY(w.window.close());
    QVERIFY(w.prompter.asked.empty());

    w.window.open();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QCOMPARE(w.input(), QString());
    QVERIFY(!w.find("txtInput")->isVisible());
    w.trigger("mnuG");
    QWidget* freeArea = w.window.centralWidget();
    QCOMPARE(w.shownAt(freeArea, QPoint(10, freeArea->height() - 10)), QColor(Qt::red));
}

void ConversionWindowTest::theSchemeShowsAroundWhiteOptionsAndLabels()
{
    // Given before the window first showed, like the start scheme.
    OpenWindow w(ConversionKind::Distance, Qt::red);
    w.trigger("mnuKm");
    QWidget* freeArea = w.window.centralWidget();
    const QPoint free(10, freeArea->height() - 10);
    QCOMPARE(freeArea->childAt(free), nullptr);
    QCOMPARE(w.shownAt(freeArea, free), QColor(Qt::red));
    // Past the end of each caption, on the control's own background.
    for (const char* name : {"optReset", "optSendCalc", "optKM_0", "lblResult"}) {
        const QWidget* control = w.find(name);
        QCOMPARE(w.shownAt(control, QPoint(control->width() - 3, control->height() / 2)), QColor(Qt::white));
    }

    w.window.setBackColour(Qt::blue);
    QCOMPARE(w.shownAt(freeArea, free), QColor(Qt::blue));
    const QWidget* reset = w.find("optReset");
    QCOMPARE(w.shownAt(reset, QPoint(reset->width() - 3, reset->height() / 2)), QColor(Qt::white));
}

// Results that a box narrower than themselves showed without their first digits.
void ConversionWindowTest::theBoxesShowTheirNumbersWhole()
{
    const std::tuple<ConversionKind, const char*, const char*, const char*, const char*> conversions[] = {
        {ConversionKind::Distance, "mnuKm", "5", "optKM_5", "5.288624035E-13"},
        {ConversionKind::Distance, "mnuAU", "5", "optAU_4", "74798935345500"},
        {ConversionKind::Volume, "mnuCubicM", "9999999", "optCubicM_6", "999999900000"},
    };
    for (const auto& [kind, unit, amount, target, result] : conversions) {
        OpenWindow w(kind);
        w.trigger(unit);
        w.press(amount);
        w.click(target);
        QCOMPARE(w.output(), QString(result));
        QCOMPARE(testing::wholeTextProblem(*w.find<QLineEdit>("txtOutput")), QString());
    }
    for (ConversionKind kind : kAllKinds) {
        OpenWindow w(kind);
        w.trigger(text(designOf(kind).units[0].menuItem));
        for (const char* name : {"txtInput", "txtOutput"}) {
            for (const char* number : testing::kWidestNumbers) {
                auto* box = w.find<QLineEdit>(name);
                box->setText(number);
                QVERIFY2(testing::wholeTextProblem(*box).isEmpty(), qPrintable(testing::wholeTextProblem(*box)));
            }
        }
    }
}

void ConversionWindowTest::returnPressesTheFocusedKey()
{
    OpenWindow w(ConversionKind::Distance);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.trigger("mnuKm");
    const std::pair<const char*, Qt::Key> presses[] = {
        {"Keypad_1", Qt::Key_Return}, {"Keypad_10", Qt::Key_Return}, {"Keypad_5", Qt::Key_Enter}};
    for (const auto& [name, key] : presses) {
        w.find(name)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.find(name), key);
    }
    QCOMPARE(w.input(), QStringLiteral("1.5"));
    w.find("optKM_0")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.find("optKM_0"), Qt::Key_Return);
    QCOMPARE(w.output(), QStringLiteral("1500"));
}

}  // namespace tallimo

QTEST_MAIN(tallimo::ConversionWindowTest)
#include "conversion_window_test.moc"
