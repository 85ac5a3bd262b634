// Every control, menu and menu item of the main window, found by its name, of the
// agreed widget class, with its caption and tooltip (a shortcut for a menu item),
// showing the calculator's flags once the window has started.

#include "test_registry.h"
#include "window_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <map>

namespace tallimo::testing {

namespace {

struct Text {
    QString caption;
    QString tip;  // the shortcut of a menu item
};

const QString kMemoryTip = "Memories here can be reused and are saved when application closes";

// clang-format off
const std::map<QString, Text> kTexts = {
    {"txtInput", {"", "Input values here"}}, {"txtOutput_0", {"", "Output results and swap values"}},
    {"cmdIntrinsic_0", {"+/-", "prefixes input with a minus for negative number calculations"}},
    {"cmdIntrinsic_1", {".", "insert decimal point"}}, {"cmdIntrinsic_2", {"%", "percentage operations"}},
    {"cmdScientificNotation_0", {"E-", "inputs  negative scientific notation"}},
    {"cmdScientificNotation_1", {"E+", "inputs  posotive  scientific notation"}},
    {"cmdDelete", {"C", "Removes last value input"}}, {"cmdOperator_0", {"+", "adds two values"}},
    {"cmdOperator_1", {"-", "reduces one value from another"}}, {"cmdOperator_2", {"*", "multiplies two values"}},
    {"cmdOperator_3", {"/", "divides two values"}}, {"cmdOperator_4", {"Mod", "reveals the remainder of a division"}},
    {"cmdOperator_5", {"^", "exponates a value"}}, {"cmdSqrCubed_0", {"X2", ""}}, {"cmdSqrCubed_1", {"X3", ""}},
    {"cmdPye", {"Pye", ""}},
    {"cmdSwop", {"swop", "Click to place the sum total,  from the lower box,  into the upper box for recalculation."}},
    {"cmdWipe", {"Wipe", "clears inputs and outputs but not memories or results"}},
    {"cmdReset", {"ReSet", "Resets the calculator so that all buttons are enabled"}},
    {"cmdScientific_0", {"bin", "reveals the binary equivelant"}},
    {"cmdScientific_1", {"hex", "reveals the hexidecimal equivelant"}},
    {"cmdScientific_2", {"oct", "reveals the oct equivelant"}},
    {"cmdScientific_3", {"sqr", "calculates the square root"}},
    {"cmdScientific_4", {"int", "reveals the integer value of a non whole number"}},
    {"cmdScientific_8", {"log", "calculates the logarithm"}}, {"cmdScientific_9", {"atn", "calculates the atn"}},
    {"cmdScientificDegree_0", {"tan", " calculates the tangent "}},
    {"cmdScientificDegree_1", {"sin", "calculates the sine"}},
    {"cmdScientificDegree_2", {"cos", "calculates the cosine"}},
    {"cmdLevel_0", {"Degree", "scientific values as degrees"}},
    {"cmdLevel_1", {"Radian", "scientific values as radians"}},
    {"cmdLevel_2", {"Gradient", "scientif values as gradient"}},
    {"cmdMemory_0", {"M+", "places the value into memory as a posotive value"}},
    {"cmdMemory_1", {"M-", "places value into memory as a negative value"}},
    {"cmdMemory_2", {"MR", "recalls the value in memory for calculation"}},
    {"cmdMemory_3", {"MC", "clears all  current values  from memory"}},
    {"cmdMemory_4", {"T+", "Increments the running total"}}, {"cmdMemory_5", {"T-", "Decrements the running total"}},
    {"cmdMemory_6", {"TR", "Recalls the running total"}}, {"cmdMemory_7", {"TC", "Resets the running total to zero"}},
    {"cmdShift", {"Shift", ""}}, {"cmdDeleteMemory", {"delete", "Deletes checked memories"}},
    {"cmdCancel", {"cancel", "Closes memory cells"}},
    {"cmdDestroy", {"DESTROY", "Clicking here will close down this application."}}, {"fraMemory", {"Shift Total", ""}},
    {"pctBackGround", {"", "right click for pop up menu"}},
};

// Each menu ("" is the menu bar): what it holds, in order, with captions and shortcuts
// ("" where it has none).
const char* const kMenus[][4] = {
    {"", "mnuFile mnuEdit mnuFont mnuConversion mnuOptions mnuABOUT", "&FILE|&EDIT|FON&T|&CONVERSIONS|&OPTIONS|&ABOUT", ""},
    {"mnuFile", "mnuNew mnuOpen mnuClose mnuSave mnuPrint", "New|Open|Close|Save|Print",
     "Ctrl+N|Ctrl+O|Ctrl+L|Ctrl+S|Ctrl+P"},
    {"mnuEdit", "mnuCopy mnuCut mnuPaste mnuWipe mnuDestroy", "Copy|Cut|Paste|Wipe|Destroy",
     "Ctrl+C|Ctrl+X|Ctrl+V|Ctrl+W|Ctrl+D"},
    {"mnuFont", "mnuStyle mnuColor mnuBold mnuItalic mnuUnderline", "Stlye|Colour|Bold|Italic|Underline",
     "Ctrl+Y|Ctrl+U|Ctrl+B|Ctrl+I|Ctrl+F"},
    {"mnuConversion", "mnuColour mnuDistance mnuVolume mnuWeight", "Colour|Distance|Volume|Weight",
     "Ctrl+R|Ctrl+T|Ctrl+Z|Ctrl+G"},
    {"mnuOptions", "mnuDate mnuTime mnuResults mnuColourSchemes",
     "Date       Hide/Show|Time      Hide/Show|Results   Hide/Show|Co&lourSchemes", "Ctrl+A|Ctrl+M|Ctrl+E|"},
    {"mnuColourSchemes", "mnuScheme1 mnuScheme2 mnuScheme3 mnuScheme4", "Scheme1|Scheme2|Scheme3|Scheme4", ""},
    {"mnuPopUp", "PopUpFile PopUpEdit PopUpFont PopUpConversions PopUpOptions", "File|Edit|Font|Conversions|Options", ""},
    {"PopUpFile", "PopUpNew PopUpOpen PopUpClose PopUpSave PopUpprint", "New|Open|Close|Save|Print", ""},
    {"PopUpEdit", "PopUpCut PopUpCopy PopUpPaste PopUpWipe PopUpDestroy", "Cut|Copy|Paste|Wipe|Destroy", ""},
    {"PopUpFont", "PopUpStyle PopUpColor PopUpBold PopUpItalic PopUpUnderline", "Style|Colour|Bold|Italic|Underline",
     "||||"},
    {"PopUpConversions", "PopUpColour PopUpDistance PopUpVolume PopUpWeight", "Colour|Distance|Volume|Weight", ""},
    {"PopUpOptions", "PopUpDate PopUpTime PopUpResults PopUpSchemes",
     "Date       Hide/Show|Time       Hide/Show|Results   Hide/Show|Schemes", ""},
    {"PopUpSchemes", "PopUpScheme1 PopUpScheme2 PopUpScheme3 PopUpScheme4", "Scheme1|Scheme2|Scheme3|Scheme4", ""},
};
// clang-format on

// The widget class follows the name's prefix, but for four controls.
const char* classOf(const QString& name)
{
    const std::map<QString, const char*> own = {{"txtSpool", "QTextEdit"}, {"fraMemory", "QGroupBox"},
                                                 {"pctShift", "QFrame"}, {"pctBackGround", "QWidget"}};
    if (own.count(name)) return own.at(name);
    for (const auto& [prefix, cls] : {std::pair{"txt", "QLineEdit"}, {"cmd", "QPushButton"}, {"opt", "QRadioButton"},
                                      {"chk", "QCheckBox"}, {"fra", "QFrame"}})
        if (name.startsWith(prefix)) return cls;
    return "QAction";
}

Text textOf(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return {b->text(), w->toolTip()};
    if (auto* g = qobject_cast<QGroupBox*>(w)) return {g->title(), w->toolTip()};
    if (auto* e = qobject_cast<QLineEdit*>(w)) return {e->text(), w->toolTip()};
    return {"", w->toolTip()};
}

}  // namespace

class NamesTest : public WindowTest {
    Q_OBJECT
private slots:
    void everyControlIsNamedCaptionedAndShowsItsFlags()
    {
        QCOMPARE(window().objectName() + " " + window().windowTitle(), "frmTallimo Tallimo");
        QVERIFY(window().findChild<QTimer*>("Timer1")->isActive());
        const MainControls& flags = calculator().controls();
        for (std::size_t i = 0; i < kControlCount; ++i) {
            const auto c = Control(i);
            const QString name = QString::fromLatin1(controlName(c).data(), qsizetype(controlName(c).size()));
            const QList<QObject*> found = window().findChildren<QObject*>(name);
            QVERIFY2(found.size() == 1, qPrintable(name));
            QObject* o = found.front();
            QVERIFY2(o->inherits(classOf(name)), qPrintable(name + " is a " + o->metaObject()->className()));
            Text expected = kTexts.count(name) ? kTexts.at(name) : Text{};
            if (name.startsWith("txtOutput_") && name != "txtOutput_0") expected.tip = kMemoryTip;
            if (name.startsWith("cmdDigit_")) expected.caption = name.right(1);
            if (name.startsWith("cmdEquals_")) expected.caption = "=";
            if (name.startsWith("optMemory_")) expected = {"Option1", "Click here to send adjacent value to calculator input"};
            if (name.startsWith("chkDelete_")) expected.tip = "Adjacent memory is deleted when selected.";
            auto* a = qobject_cast<QAction*>(o);
            if (a) {  // its caption is checked with its menu
                QVERIFY2(a->isEnabled() == flags.enabled(c) && a->isVisible() == flags.visible(c), qPrintable(name));
                if (a->isCheckable()) QVERIFY2(a->isChecked() == flags.checked(c), qPrintable(name));
                continue;
            }
            auto* w = static_cast<QWidget*>(o);
            const Text shown = textOf(w);
            if (name == "txtTime" || name == "txtDate") expected.caption = shown.caption.isEmpty() ? "the clock's" : shown.caption;
            QVERIFY2(shown.caption == expected.caption, qPrintable(name + ": " + shown.caption));
            QVERIFY2(shown.tip == expected.tip, qPrintable(name + ": " + shown.tip));
            QVERIFY2(w->isEnabled() == flags.enabled(c) && w->isHidden() != flags.visible(c), qPrintable(name));
        }
    }

    void everyMenuHoldsItsItemsInOrder()
    {
        QCOMPARE(find<QMenu>("mnuPopUp")->title(), "PopupMenu");
        for (const auto& [name, items, captions, shortcuts] : kMenus) {
            const QWidget* menu = *name ? static_cast<QWidget*>(find<QMenu>(name)) : window().menuBar();
            QVERIFY2(menu != nullptr, name);
            QStringList held[3];
            for (QAction* a : menu->actions()) {
                if (a->isSeparator()) continue;
                held[0] << (a->menu() ? a->menu()->objectName() : a->objectName());
                held[1] << a->text();
                held[2] << a->shortcut().toString();
            }
            if (*shortcuts == '\0') {
                QVERIFY2(held[2].join("").isEmpty(), name);
                held[2].clear();
            }
            QCOMPARE(held[0].join(' ') + "\n" + held[1].join('|') + "\n" + held[2].join('|'),
                     QString(items) + "\n" + captions + "\n" + shortcuts);
        }
    }
};

TALLIMO_WINDOW_TEST(NamesTest)

}  // namespace tallimo::testing

#include "names_test.moc"
