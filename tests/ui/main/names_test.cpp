// Every control, menu and menu item of the main window, found by its name, of the
// agreed widget class, with its caption, tooltip and the state it shows once the
// window has started.

#include "test_registry.h"
#include "window_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>

namespace tallimo::testing {

namespace {

struct WidgetRow {
    QString name;
    const char* qtClass;
    QString caption;
    QString tooltip;
    bool enabled;
    bool shown;
};

const QString kMemoryTip = "Memories here can be reused and are saved when application closes";

std::vector<WidgetRow> widgetRows()
{
    std::vector<WidgetRow> rows;
    auto add = [&](QString name, const char* cls, QString caption, QString tip, bool enabled, bool shown) {
        rows.push_back({std::move(name), cls, std::move(caption), std::move(tip), enabled, shown});
    };
    auto group = [&](const char* name, int index, const char* cls, QString caption, QString tip, bool enabled,
                     bool shown) { add(QString("%1_%2").arg(name).arg(index), cls, caption, tip, enabled, shown); };
    const char* button = "QPushButton";

    add("txtInput", "QLineEdit", "", "Input values here", true, true);
    add("txtDate", "QLineEdit", "", "", true, true);
    add("txtTime", "QLineEdit", "", "", true, true);
    add("txtSpool", "QTextEdit", "", "", true, false);
    group("txtOutput", 0, "QLineEdit", "", "Output results and swap values", true, true);
    for (int k = 1; k <= 7; ++k) group("txtOutput", k, "QLineEdit", "", kMemoryTip, true, false);

    for (int d = 0; d <= 9; ++d) group("cmdDigit", d, button, QString::number(d), "", true, true);
    group("cmdIntrinsic", 0, button, "+/-", "prefixes input with a minus for negative number calculations", true,
          true);
    group("cmdIntrinsic", 1, button, ".", "insert decimal point", true, true);
    group("cmdIntrinsic", 2, button, "%", "percentage operations", false, true);
    group("cmdScientificNotation", 0, button, "E-", "inputs  negative scientific notation", false, true);
    group("cmdScientificNotation", 1, button, "E+", "inputs  posotive  scientific notation", false, true);
    add("cmdDelete", button, "C", "Removes last value input", false, true);

    const QString operators[][2] = {{"+", "adds two values"},
                                    {"-", "reduces one value from another"},
                                    {"*", "multiplies two values"},
                                    {"/", "divides two values"},
                                    {"Mod", "reveals the remainder of a division"},
                                    {"^", "exponates a value"}};
    for (int i = 0; i < 6; ++i) group("cmdOperator", i, button, operators[i][0], operators[i][1], false, true);
    for (int i = 0; i < 6; ++i) group("cmdEquals", i, button, "=", "", false, true);
    group("cmdSqrCubed", 0, button, "X2", "", false, true);
    group("cmdSqrCubed", 1, button, "X3", "", false, true);
    add("cmdPye", button, "Pye", "", true, true);
    add("cmdSwop", button, "swop",
        "Click to place the sum total,  from the lower box,  into the upper box for recalculation.", false, true);
    add("cmdWipe", button, "Wipe", "clears inputs and outputs but not memories or results", false, true);
    add("cmdReset", button, "ReSet", "Resets the calculator so that all buttons are enabled", false, true);

    const std::pair<int, QString> scientific[][2] = {
        {{0, "bin"}, {0, "reveals the binary equivelant"}},
        {{1, "hex"}, {0, "reveals the hexidecimal equivelant"}},
        {{2, "oct"}, {0, "reveals the oct equivelant"}},
        {{3, "sqr"}, {0, "calculates the square root"}},
        {{4, "int"}, {0, "reveals the integer value of a non whole number"}},
        {{8, "log"}, {0, "calculates the logarithm"}},
        {{9, "atn"}, {0, "calculates the atn"}}};
    for (const auto& s : scientific) group("cmdScientific", s[0].first, button, s[0].second, s[1].second, false, true);
    group("cmdScientificDegree", 0, button, "tan", " calculates the tangent ", false, true);
    group("cmdScientificDegree", 1, button, "sin", "calculates the sine", false, true);
    group("cmdScientificDegree", 2, button, "cos", "calculates the cosine", false, true);
    group("cmdLevel", 0, button, "Degree", "scientific values as degrees", false, true);
    group("cmdLevel", 1, button, "Radian", "scientific values as radians", true, true);
    group("cmdLevel", 2, button, "Gradient", "scientif values as gradient", true, true);

    const QString memory[][2] = {{"M+", "places the value into memory as a posotive value"},
                                 {"M-", "places value into memory as a negative value"},
                                 {"MR", "recalls the value in memory for calculation"},
                                 {"MC", "clears all  current values  from memory"},
                                 {"T+", "Increments the running total"},
                                 {"T-", "Decrements the running total"},
                                 {"TR", "Recalls the running total"},
                                 {"TC", "Resets the running total to zero"}};
    // MR and MC keep their designed state until a memory cell is written.
    const bool memoryEnabled[] = {false, false, true, true, false, false, true, true};
    for (int i = 0; i < 8; ++i) group("cmdMemory", i, button, memory[i][0], memory[i][1], memoryEnabled[i], i < 4);
    add("cmdShift", button, "Shift", "", true, true);
    add("cmdDeleteMemory", button, "delete", "Deletes checked memories", false, false);
    add("cmdCancel", button, "cancel", "Closes memory cells", true, false);
    add("cmdDestroy", button, "DESTROY", "Clicking here will close down this application.", true, true);

    for (int i = 0; i < 7; ++i) {
        group("optMemory", i, "QRadioButton", "Option1", "Click here to send adjacent value to calculator input", false,
              false);
        group("chkDelete", i, "QCheckBox", "", "Adjacent memory is deleted when selected.", false, false);
    }
    for (const char* frame : {"fraDigit", "fraOperator", "fraIntrinsic", "fraScientific", "fraScientificNotation"})
        add(frame, "QFrame", "", "", true, true);
    add("fraMemory", "QGroupBox", "Shift Total", "", true, true);
    add("fraTotal", "QFrame", "", "", true, false);
    add("pctShift", "QFrame", "", "", true, false);
    add("pctBackGround", "QWidget", "", "right click for pop up menu", true, true);
    return rows;
}

QString captionOf(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* t = qobject_cast<QTextEdit*>(w)) return t->toPlainText();
    return {};
}

struct ItemRow {
    const char* name;
    const char* menu;  // the menu that holds it
    QString caption;
    const char* shortcut;
    bool enabled;
    bool checked;
};

// clang-format off
const ItemRow kItems[] = {
    {"mnuNew", "mnuFile", "New", "Ctrl+N", true, false},
    {"mnuOpen", "mnuFile", "Open", "Ctrl+O", true, false},
    {"mnuClose", "mnuFile", "Close", "Ctrl+L", false, false},
    {"mnuSave", "mnuFile", "Save", "Ctrl+S", false, false},
    {"mnuPrint", "mnuFile", "Print", "Ctrl+P", false, false},
    {"mnuCopy", "mnuEdit", "Copy", "Ctrl+C", false, false},
    {"mnuCut", "mnuEdit", "Cut", "Ctrl+X", false, false},
    {"mnuPaste", "mnuEdit", "Paste", "Ctrl+V", false, false},
    {"mnuWipe", "mnuEdit", "Wipe", "Ctrl+W", false, false},
    {"mnuDestroy", "mnuEdit", "Destroy", "Ctrl+D", true, false},
    {"mnuStyle", "mnuFont", "Stlye", "Ctrl+Y", false, false},
    {"mnuColor", "mnuFont", "Colour", "Ctrl+U", false, false},
    {"mnuBold", "mnuFont", "Bold", "Ctrl+B", false, true},
    {"mnuItalic", "mnuFont", "Italic", "Ctrl+I", false, false},
    {"mnuUnderline", "mnuFont", "Underline", "Ctrl+F", false, false},
    {"mnuColour", "mnuConversion", "Colour", "Ctrl+R", true, false},
    {"mnuDistance", "mnuConversion", "Distance", "Ctrl+T", true, false},
    {"mnuVolume", "mnuConversion", "Volume", "Ctrl+Z", true, false},
    {"mnuWeight", "mnuConversion", "Weight", "Ctrl+G", true, false},
    {"mnuDate", "mnuOptions", "Date       Hide/Show", "Ctrl+A", true, false},
    {"mnuTime", "mnuOptions", "Time      Hide/Show", "Ctrl+M", true, false},
    {"mnuResults", "mnuOptions", "Results   Hide/Show", "Ctrl+E", false, false},
    {"mnuScheme1", "mnuColourSchemes", "Scheme1", "", true, false},
    {"mnuScheme2", "mnuColourSchemes", "Scheme2", "", true, false},
    {"mnuScheme3", "mnuColourSchemes", "Scheme3", "", true, true},
    {"mnuScheme4", "mnuColourSchemes", "Scheme4", "", true, false},
    {"mnuABOUT", "", "&ABOUT", "", true, false},
    {"PopUpNew", "PopUpFile", "New", "", true, false},
    {"PopUpOpen", "PopUpFile", "Open", "", true, false},
    {"PopUpClose", "PopUpFile", "Close", "", false, false},
    {"PopUpSave", "PopUpFile", "Save", "", false, false},
    {"PopUpprint", "PopUpFile", "Print", "", false, false},
    {"PopUpCut", "PopUpEdit", "Cut", "", false, false},
    {"PopUpCopy", "PopUpEdit", "Copy", "", false, false},
    {"PopUpPaste", "PopUpEdit", "Paste", "", false, false},
    {"PopUpWipe", "PopUpEdit", "Wipe", "", false, false},
    {"PopUpDestroy", "PopUpEdit", "Destroy", "", true, false},
    {"PopUpStyle", "PopUpFont", "Style", "", false, false},
    {"PopUpColor", "PopUpFont", "Colour", "", false, false},
    {"PopUpBold", "PopUpFont", "Bold", "", false, false},
    {"PopUpItalic", "PopUpFont", "Italic", "", false, false},
    {"PopUpUnderline", "PopUpFont", "Underline", "", false, false},
    {"PopUpColour", "PopUpConversions", "Colour", "", true, false},
    {"PopUpDistance", "PopUpConversions", "Distance", "", true, false},
    {"PopUpVolume", "PopUpConversions", "Volume", "", true, false},
    {"PopUpWeight", "PopUpConversions", "Weight", "", true, false},
    {"PopUpDate", "PopUpOptions", "Date       Hide/Show", "", true, false},
    {"PopUpTime", "PopUpOptions", "Time       Hide/Show", "", true, false},
    {"PopUpResults", "PopUpOptions", "Results   Hide/Show", "", false, false},
    {"PopUpScheme1", "PopUpSchemes", "Scheme1", "", true, false},
    {"PopUpScheme2", "PopUpSchemes", "Scheme2", "", true, false},
    {"PopUpScheme3", "PopUpSchemes", "Scheme3", "", true, true},
    {"PopUpScheme4", "PopUpSchemes", "Scheme4", "", true, false},
};

struct MenuRow {
    const char* name;
    const char* title;
    const char* parent;  // "" for the menu bar and for the popup itself
};

const MenuRow kMenus[] = {
    {"mnuFile", "&FILE", ""}, {"mnuEdit", "&EDIT", ""}, {"mnuFont", "FON&T", ""},
    {"mnuConversion", "&CONVERSIONS", ""}, {"mnuOptions", "&OPTIONS", ""},
    {"mnuColourSchemes", "Co&lourSchemes", "mnuOptions"},
    {"mnuPopUp", "PopupMenu", ""}, {"PopUpFile", "File", "mnuPopUp"}, {"PopUpEdit", "Edit", "mnuPopUp"},
    {"PopUpFont", "Font", "mnuPopUp"}, {"PopUpConversions", "Conversions", "mnuPopUp"},
    {"PopUpOptions", "Options", "mnuPopUp"}, {"PopUpSchemes", "Schemes", "PopUpOptions"},
};
// clang-format on

}  // namespace

class NamesTest : public WindowTest {
    Q_OBJECT
private slots:
    void windowIsNamedAndCaptioned()
    {
        QCOMPARE(window().objectName(), "frmTallimo");
        QCOMPARE(window().windowTitle(), "Tallimo");
        auto* timer = window().findChild<QTimer*>("Timer1");
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->interval(), 100);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("qtClass");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("shown");
        for (const WidgetRow& r : widgetRows())
            QTest::newRow(qPrintable(r.name)) << QString(r.qtClass) << r.caption << r.tooltip << r.enabled
                                              << r.shown;
    }
    void controls()
    {
        QFETCH(QString, qtClass);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        QFETCH(bool, enabled);
        QFETCH(bool, shown);
        const QString name = QTest::currentDataTag();
        const QList<QWidget*> found = window().findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        QWidget* w = found.front();
        QVERIFY2(w->inherits(qPrintable(qtClass)), w->metaObject()->className());
        QCOMPARE(captionOf(w), caption);
        QCOMPARE(w->toolTip(), tooltip);
        QCOMPARE(w->isEnabled(), enabled);
        QCOMPARE(!w->isHidden(), shown);
        QVERIFY(!w->accessibleName().isEmpty());
    }

    // Each row names a different control, so together they cover all of them.
    void everyControlIsInTheTables()
    {
        QCOMPARE(widgetRows().size() + std::size(kItems), kControlCount);
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        for (const ItemRow& r : kItems)
            QTest::newRow(r.name) << QString(r.menu) << r.caption << QString(r.shortcut) << r.enabled << r.checked;
    }
    void menuItems()
    {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        const QList<QAction*> found = window().findChildren<QAction*>(QTest::currentDataTag());
        QCOMPARE(found.size(), 1);
        QAction* item = found.front();
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut().toString(), shortcut);
        QCOMPARE(item->isEnabled(), enabled);
        QCOMPARE(item->isChecked(), checked);
        QVERIFY(item->isVisible());
        const QWidget* holder = menu.isEmpty() ? static_cast<QWidget*>(window().menuBar()) : find<QMenu>(qPrintable(menu));
        QVERIFY(holder != nullptr);
        QVERIFY(holder->actions().contains(item));
    }

    void menus_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("parent");
        for (const MenuRow& r : kMenus) QTest::newRow(r.name) << QString(r.title) << QString(r.parent);
    }
    void menus()
    {
        QFETCH(QString, title);
        QFETCH(QString, parent);
        auto* menu = find<QMenu>(QTest::currentDataTag());
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->title(), title);
        const QWidget* holder = parent.isEmpty() ? static_cast<QWidget*>(window().menuBar()) : find<QMenu>(qPrintable(parent));
        const bool inBar = holder->actions().contains(menu->menuAction());
        // The popup opens only from the background; it is not in the menu bar.
        QCOMPARE(inBar, QString(QTest::currentDataTag()) != "mnuPopUp");
    }
};

TALLIMO_WINDOW_TEST(NamesTest)

}  // namespace tallimo::testing

#include "names_test.moc"
