// The boxes that show their whole text, and the keys the keyboard presses.

#include "support/key_press.h"
#include "support/whole_text.h"
#include "ui/widgets/fitted_text_box.h"
#include "ui/widgets/keyboard_keys.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <algorithm>

namespace tallimo::ui {

using testing::pressKey;

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    // A box as narrow as a conversion window's, in the 8 points its window was drawn
    // for: a short number keeps the font, a wider one is drawn narrower, one too
    // wide for any readable font is elided, and a short one again gets it all back.
    // The tooltip of an elided number of 300 digits is broken over lines that stay
    // on the screen.
    void aBoxShowsItsWholeTextAndGoesBackToItsFont()
    {
        QWidget window;
        auto* box = new FittedTextBox(&window);
        QFont eightPoints = box->font();
        eightPoints.setPointSize(8);
        box->setFont(eightPoints);
        box->setGeometry(10, 10, 81, 59);
        box->setToolTip("the result");
        box->setReadOnly(true);  // as every box of numbers is: no cursor
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const std::pair<QString, bool> texts[] = {
            {"5", false}, {"5.288624035E-13", false}, {"74798935345500", false},
            {QString(60, u'9'), true}, {"12", false}};
        for (const auto& [text, elided] : texts) {
            box->setText(text);
            QCOMPARE(testing::wholeTextProblem(*box), QString());
            QVERIFY2(box->elided() == elided, qPrintable(text));
            QCOMPARE(box->toolTip(), elided ? text + "\nthe result" : QString("the result"));
        }
        QCOMPARE(box->font(), eightPoints);

        const QString number = QString("1234567890").repeated(30);
        box->setText(number);
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &help);
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto tip = std::find_if(windows.begin(), windows.end(),
                                      [](QWidget* w) { return w->inherits("QTipLabel") && w->isVisible(); });
        QVERIFY(tip != windows.end());
        QVERIFY(box->screen()->availableGeometry().contains((*tip)->frameGeometry()));
        QCOMPARE(static_cast<QLabel*>(*tip)->text().remove('\n'), number + "the result");
        QToolTip::hideText();

        // A font given while the text is drawn narrower is the box's font from then on.
        box->setText("5.288624035E-13");
        QFont nine = eightPoints;
        nine.setPointSize(9);
        box->setFont(nine);
        box->setText("");
        QCOMPARE(box->font().pointSize(), 9);
    }

    // The frame is seen in the key's pixels, with and without the focus; Return,
    // Enter and Space must press the key exactly when it is drawn.
    void theKeyboardPressesAKeyOnlyWhileItsFocusFrameShows_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("focusedBy");
        QTest::addColumn<bool>("frameShows");
        for (const char* kind : {"push button", "option button", "check box"}) {
            QTest::addRow("%s, focused by the program", kind) << kind << "program" << false;
            QTest::addRow("%s, clicked", kind) << kind << "click" << false;
            QTest::addRow("%s, reached with Tab", kind) << kind << "Tab" << true;
            QTest::addRow("%s, reached with Tab, another clicked", kind) << kind << "Tab, click" << true;
        }
    }

    void theKeyboardPressesAKeyOnlyWhileItsFocusFrameShows()
    {
        QFETCH(QString, kind);
        QFETCH(QString, focusedBy);
        QFETCH(bool, frameShows);
        QWidget window;
        auto* before = new QPushButton("before", &window);
        QAbstractButton* key = kind == "push button"     ? new QPushButton("key", &window)
                               : kind == "option button" ? static_cast<QAbstractButton*>(new QRadioButton("key", &window))
                                                         : new QCheckBox("key", &window);
        auto* other = new QPushButton("other", &window);
        key->move(0, 40);
        other->move(0, 80);
        (new KeyboardKeys(window, [] { return nullptr; }))->adopt();
        window.resize(200, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        int clicks = 0;
        connect(key, &QAbstractButton::clicked, [&] { ++clicks; });

        before->setFocus();
        if (focusedBy == "program") key->setFocus();
        if (focusedBy.startsWith("Tab")) pressKey(Qt::Key_Tab);
        if (focusedBy.endsWith("click")) QTest::mouseClick(focusedBy == "click" ? key : other, Qt::LeftButton);
        QCOMPARE(key->hasFocus(), focusedBy != "click");
        clicks = 0;

        const QImage shown = key->grab().toImage();
        QWidget* focused = QApplication::focusWidget();
        other->setFocus();
        QCOMPARE(shown != key->grab().toImage(), frameShows);
        QCOMPARE(KeyboardKeys::focusShows(*key), false);
        focused->setFocus();
        QCOMPARE(KeyboardKeys::focusShows(*key), frameShows);

        pressKey(Qt::Key_Return);
        pressKey(Qt::Key_Enter);
        pressKey(Qt::Key_Space);
        pressKey(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicks, frameShows ? 3 : 0);
    }

    // As desktop programs do: the Menu key and Shift+F10 ask the focused control for
    // its context menu, and the window's popup opens there when it has none.
    void theMenuKeysOpenTheFocusedControlsMenuOrThePopupThere_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("opens");
        QTest::addRow("Menu on a key") << "key" << int(Qt::Key_Menu) << int(Qt::NoModifier) << "popup";
        QTest::addRow("Shift+F10 on a key") << "key" << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "popup";
        QTest::addRow("F10 on a key") << "key" << int(Qt::Key_F10) << int(Qt::NoModifier) << "";
        QTest::addRow("Menu on a box") << "box" << int(Qt::Key_Menu) << int(Qt::NoModifier) << "its own";
        QTest::addRow("Shift+F10 on a box") << "box" << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "its own";
    }

    void theMenuKeysOpenTheFocusedControlsMenuOrThePopupThere()
    {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, opens);
        QWidget window;
        auto* popup = new QMenu(&window);
        popup->addAction("an item");
        auto* button = new QPushButton("key", &window);
        auto* box = new QLineEdit("text", &window);
        button->move(20, 20);
        box->move(20, 60);
        (new KeyboardKeys(window, [popup] { return popup; }))->adopt();
        window.resize(200, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget* control = focused == "key" ? static_cast<QWidget*>(button) : box;
        control->setFocus();

        QTest::mouseClick(button, Qt::RightButton);  // a right click on a key opens nothing
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        pressKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QWidget* shown = QApplication::activePopupWidget();
        QCOMPARE(shown == nullptr ? "" : shown == popup ? "popup" : "its own", opens);
        if (shown == popup) QVERIFY(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()).contains(popup->pos()));
        if (shown != nullptr) shown->close();
    }
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::WidgetsTest)
#include "widgets_test.moc"
