#include "ui/conversion/conversion_window.h"

#include "conversion/fake_calculator.h"
#include "support/key_press.h"
#include "support/scripted_prompter.h"
#include "support/whole_text.h"
#include "ui/twips.h"
#include "ui/widgets/keyboard_keys.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <utility>
#include <vector>

namespace tallimo {

using testing::FakeCalculator;
using testing::ScriptedPrompter;

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One row a window, so that each can be run alone: "conversion_window_ui_test name:distance".
void addKindColumn()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("distance") << int(ConversionKind::Distance);
    QTest::newRow("volume") << int(ConversionKind::Volume);
    QTest::newRow("weight") << int(ConversionKind::Weight);
}

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
    void everyNameHasItsWidgetClass_data();
    void everyNameHasItsWidgetClass();
    void aUnitShowsOnlyItsButtonsInTheirRows_data() { addKindColumn(); }
    void aUnitShowsOnlyItsButtonsInTheirRows();
    void aClickReachesTheModelAndTheScreenFollows();
    void theBoxesTakeNoTyping();
    void aRightClickOnTheFreeAreaOpensThePopup();
    void theCloseBoxAsksAndGivesBackTheEntries();
    void exitOnTheVolumeWindowOnlyHidesIt();
    void aClosedWindowOpensAfresh();
    void theSchemeShowsAroundWhiteOptionsAndLabels();
    void theBoxesDrawEveryCharacterOfEveryResult_data() { addKindColumn(); }
    void theBoxesDrawEveryCharacterOfEveryResult();
    void returnEnterAndSpaceChangeNothingForAMouseUser_data();
    void returnEnterAndSpaceChangeNothingForAMouseUser();
    void tabReachesAKeyThatReturnEnterAndSpacePress_data();
    void tabReachesAKeyThatReturnEnterAndSpacePress();
    void theFocusGoesToTheKeypadWhenItShows();
    void theTargetsAreRadioButtonsInOneTabStop();
};

void ConversionWindowTest::everyNameHasItsWidgetClass_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("nameAndTitle");
    QTest::addColumn<QString>("menus");      // every menu's name, sorted
    QTest::addColumn<QString>("unitItems");  // the units' menu-bar and popup items
    QTest::newRow("distance") << int(ConversionKind::Distance) << "frmDistance TallimoDistance"
                              << "Popupmeasurement mnuMeasurements mnuPopUp"
                              << "mnuAU PopUpAU mnuCM PopUpCM mnuFathom PopUpFathom mnuKm PopUpKM mnuLightyear "
                                 "PopUpLightyear mnuM PopUpM mnuMM PopUpMM mnuMicron PopUpMicron mnuParsec PopUpParsec";
    QTest::newRow("volume") << int(ConversionKind::Volume) << "frmVolume TallimoVolume"
                            << "PopUpMeasurement mnuMeasurement mnuPopUp"
                            << "mnucentilitre PopUpCentilitre mnuCubicCM PopUpCubicCM mnuCubicM PopUpCubicM "
                               "mnuDecilitre PopUpDecilitre mnuDekalitre PopUpDekalitre mnuHectoloitre "
                               "PopUphectolitre mnuLitre PopUpLitre";
    QTest::newRow("weight") << int(ConversionKind::Weight) << "frmWeight TallimoWeight"
                            << "Measurements PopUpmeasurements mnuPopUp"
                            << "mnuCarat PopUpCarat mnuCentiG PopUpCentiG mnuDeciG PopUpDeciG mnuG PopUpGram mnuKG "
                               "PopUpKG mnuMG PopUpMG mnuMicroG PopUpMicroG mnuTonne PopUpTonne";
}

void ConversionWindowTest::everyNameHasItsWidgetClass()
{
    QFETCH(int, kind);
    QFETCH(QString, nameAndTitle);
    QFETCH(QString, menus);
    QFETCH(QString, unitItems);
    OpenWindow w{ConversionKind(kind)};
    QCOMPARE(w.window.objectName() + " " + w.window.windowTitle(), nameAndTitle);
    for (const char* name : {"txtInput", "txtOutput"}) QVERIFY(w.find<QLineEdit>(name));
    for (const char* name : {"lblInput", "lblConvert", "lblResult"}) QVERIFY(w.find<QLabel>(name));
    for (int i = 0; i <= 10; ++i) QVERIFY(w.find<QPushButton>(QStringLiteral("Keypad_%1").arg(i)));
    QCOMPARE(w.find<QPushButton>("Keypad_10")->text(), QStringLiteral("."));
    for (const char* name : {"optReset", "optSendCalc"}) QVERIFY(w.find<QRadioButton>(name));
    QStringList shownMenus;
    for (const QMenu* menu : w.window.findChildren<QMenu*>())
        if (!menu->objectName().isEmpty()) shownMenus << menu->objectName();
    shownMenus.sort();
    QCOMPARE(shownMenus.join(' '), menus);
    QVERIFY(!w.window.menuBar()->actions().contains(w.find<QMenu>("mnuPopUp")->menuAction()));
    QStringList items;
    for (const QAction* item : w.window.findChildren<QAction*>())
        if (!item->objectName().isEmpty()) items << item->objectName();
    items.sort();
    QStringList expected = unitItems.split(' ') << "mnuExit" << "PopUpExit";
    expected.sort();
    QCOMPARE(items, expected);
    if (ConversionKind(kind) == ConversionKind::Weight) {
        const QList<QAction*> popupUnits = w.find<QMenu>("PopUpmeasurements")->actions();
        QCOMPARE(popupUnits.at(5)->objectName(), QStringLiteral("PopUpMicroG"));  // the popup lists it before MG
        QCOMPARE(popupUnits.at(6)->objectName(), QStringLiteral("PopUpMG"));
    }
}

// Each unit's buttons, and no others, with their captions and tooltips, in their
// rows. Which buttons a unit has, and what each computes, the factor tests check
// apart from the program's tables.
void ConversionWindowTest::aUnitShowsOnlyItsButtonsInTheirRows()
{
    QFETCH(int, kind);
    OpenWindow w{ConversionKind(kind)};
    QVERIFY(w.exposed);
    QVERIFY(!w.find<QLineEdit>("txtInput")->isVisible());  // collapsed: title and menu bar only
    const WindowDesign& design = designOf(ConversionKind(kind));
    int targets = 0;
    for (const SourceUnit& unit : design.units) targets += int(unit.targets.size());
    int targetButtons = 0;
    for (const QRadioButton* b : w.window.findChildren<QRadioButton*>()) targetButtons += b->objectName().contains('_');
    QCOMPARE(targetButtons, targets);
    for (bool fromPopup : {false, true}) {
        for (const SourceUnit& chosen : design.units) {
            w.trigger(text(fromPopup ? chosen.popupItem : chosen.menuItem));
            QVERIFY(w.find<QLineEdit>("txtInput")->isVisible());
            for (const SourceUnit& unit : design.units)
                for (const TargetButton& target : unit.targets) {
                    const QString name = QStringLiteral("%1_%2").arg(text(unit.group)).arg(target.index);
                    const auto* button = w.find<QRadioButton>(name);
                    QVERIFY2(button != nullptr, qPrintable(name));
                    QCOMPARE(button->text() + "|" + button->toolTip(), text(target.caption) + "|" + text(target.tooltip));
                    QCOMPARE(button->isVisible(), &unit == &chosen);
                    QCOMPARE(button->y(), ui::twipsToPixels(600 + 240 * (target.row - 1)));
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

// Every result of every table, for an amount of 15 significant digits large enough
// to give each result a three-digit exponent, the widest a result gets: each of its
// characters is drawn. So is an amount that three lines hold; a longer one is elided
// with the whole of it in its tooltip.
void ConversionWindowTest::theBoxesDrawEveryCharacterOfEveryResult()
{
    const QString fitting = "0.000000987654321098765";
    const QString widest = "987654321098765" + QString(186, u'0');
    QFETCH(int, kind);
    OpenWindow w{ConversionKind(kind)};
    const WindowDesign& design = designOf(ConversionKind(kind));
    w.trigger(text(design.units[0].menuItem));
    auto* amount = w.find<ui::FittedTextBox>("txtInput");
    auto* result = w.find<ui::FittedTextBox>("txtOutput");
    w.press(fitting);
    QVERIFY(!amount->elided());
    QCOMPARE(testing::wholeTextProblem(*amount), QString());
    w.prompter.script({Answer::Yes});
    w.click("optReset");
    w.press(widest);
    QVERIFY(amount->elided());
    QCOMPARE(testing::wholeTextProblem(*amount), QString());

    for (const SourceUnit& unit : design.units) {
        w.trigger(text(unit.menuItem));
        for (const TargetButton& target : unit.targets) {
            w.click(QStringLiteral("%1_%2").arg(text(unit.group)).arg(target.index));
            const QString shown = result->text();
            QVERIFY2(QRegularExpression(R"(^\d\.\d+E\+\d{3}$)").match(shown).hasMatch(), qPrintable(shown));
            QVERIFY2(!result->elided(), qPrintable(shown));
            const QString problem = testing::wholeTextProblem(*result);
            QVERIFY2(problem.isEmpty(), qPrintable(shown + ": " + problem));
        }
    }
}

void ConversionWindowTest::returnEnterAndSpaceChangeNothingForAMouseUser_data()
{
    QTest::addColumn<bool>("clicked");
    QTest::addColumn<int>("key");
    for (const auto& [key, name] : testing::kPressingKeys) {
        QTest::addRow("%s once a unit is chosen", name) << false << int(key);
        QTest::addRow("%s after 1.5 and a target clicked", name) << true << int(key);
    }
}

void ConversionWindowTest::returnEnterAndSpaceChangeNothingForAMouseUser()
{
    QFETCH(bool, clicked);
    QFETCH(int, key);
    OpenWindow w(ConversionKind::Distance);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.trigger("mnuKm");
    if (clicked) {
        w.press("1.5");
        w.click("optKM_0");
    }
    const QString before = w.input() + "|" + w.output();
    QCOMPARE(QApplication::focusWidget(), w.find("Keypad_1"));
    testing::pressKey(Qt::Key(key));
    QCOMPARE(w.input() + "|" + w.output(), before);
}

void ConversionWindowTest::tabReachesAKeyThatReturnEnterAndSpacePress_data()
{
    QTest::addColumn<int>("key");
    for (const auto& [key, name] : testing::kPressingKeys) QTest::addRow("%s", name) << int(key);
}

// From the keypad's 1 to its 2, then back past the 1 to the top target.
void ConversionWindowTest::tabReachesAKeyThatReturnEnterAndSpacePress()
{
    QFETCH(int, key);
    OpenWindow w(ConversionKind::Distance);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.trigger("mnuLightyear");
    testing::pressKey(Qt::Key_Tab);
    testing::pressKey(Qt::Key(key));
    QCOMPARE(w.input(), QStringLiteral("2"));
    testing::pressKey(Qt::Key_Backtab);
    testing::pressKey(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w.find("optLYear_0"));
    testing::pressKey(Qt::Key(key));
    QCOMPARE(w.output(), QStringLiteral("126395.5818598"));
}

void ConversionWindowTest::theFocusGoesToTheKeypadWhenItShows()
{
    OpenWindow w(ConversionKind::Volume);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.trigger("mnuLitre");  // as a mouse user: the focus is in the keypad, not drawn
    QCOMPARE(QApplication::focusWidget(), w.find("Keypad_1"));
    QVERIFY(!ui::KeyboardKeys::focusShows(*w.find("Keypad_1")));

    w.find("Keypad_5")->setFocus();
    w.trigger("PopUpCubicM");
    QCOMPARE(QApplication::focusWidget(), w.find("Keypad_1"));

    // Shown again after Exit hid it, the window still shows its keypad.
    w.press("2");
    w.click("optCubicM_0");
    w.find("Keypad_5")->setFocus();
    w.prompter.script({Answer::Yes});
    w.trigger("mnuExit");
    QVERIFY(!w.window.isVisible());
    w.window.open();
    QCOMPARE(w.window.focusWidget(), w.find("Keypad_1"));  // the window's own, taken when active

    // Chosen with the keys, the unit leaves the focus drawn, where Return presses it.
    OpenWindow keys(ConversionKind::Distance);
    QVERIFY(QTest::qWaitForWindowActive(&keys.window));
    testing::pressKey(Qt::Key_M, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    testing::pressKey(Qt::Key_Return);
    QCOMPARE(keys.find<QLabel>("lblInput")->text(), QStringLiteral("Amount of AU"));
    QCOMPARE(QApplication::focusWidget(), keys.find("Keypad_1"));
    QVERIFY(ui::KeyboardKeys::focusShows(*keys.find("Keypad_1")));
    testing::pressKey(Qt::Key_Return);
    QCOMPARE(keys.input(), QStringLiteral("1"));
}

// A unit's targets are one Tab stop, the checked one or else the first, and the arrow
// keys move within them, choosing as they go once one is chosen.
void ConversionWindowTest::theTargetsAreRadioButtonsInOneTabStop()
{
    OpenWindow w(ConversionKind::Distance);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.trigger("mnuM");
    w.press("5");
    for (const char* name : {"optM_0", "optM_6"}) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(w.find(name));
        QCOMPARE(read->role(), QAccessible::RadioButton);
    }
    // From the top: AU, cm, Fathom.
    w.find("Keypad_1")->setFocus();
    testing::pressKey(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w.find("optM_4"));
    testing::pressKey(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), w.find("optM_1"));
    QCOMPARE(w.output(), QString());
    testing::pressKey(Qt::Key_Space);
    QCOMPARE(w.output(), QStringLiteral("500"));
    testing::pressKey(Qt::Key_Down);
    QCOMPARE(w.output(), QStringLiteral("2.73403325"));

    testing::pressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.find("Keypad_1"));
    testing::pressKey(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w.find("optM_3"));
    testing::pressKey(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w.find("optSendCalc"));
    testing::pressKey(Qt::Key_Up);  // Reset and Send are in no group with the targets
    QVERIFY(w.find<QRadioButton>("optM_3")->isChecked());
    QCOMPARE(w.calculator.inputBox, std::string());

    // Another unit's buttons have their own stop, while the last result stays chosen.
    w.trigger("mnuParsec");
    testing::pressKey(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w.find("optParsec_1"));
}

}  // namespace tallimo

QTEST_MAIN(tallimo::ConversionWindowTest)
#include "conversion_window_test.moc"
