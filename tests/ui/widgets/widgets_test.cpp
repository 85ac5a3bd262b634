// The boxes that show their whole text, and Return pressing the focused key.

#include "support/whole_text.h"
#include "ui/widgets/fitted_text_box.h"
#include "ui/widgets/return_presses_focused_button.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

namespace tallimo::ui {

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    // A box as narrow as a conversion window's, in the 8 points its window was drawn
    // for: a short number keeps the font, a wider one is drawn narrower, one too
    // wide for any readable font is elided, and a short one again gets it all back.
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
            QVERIFY2(box->elided() == elided, qPrintable(text + " " + QString::number(box->font().pointSizeF()) + " " + QString::number(box->font().stretch())));
            QCOMPARE(box->toolTip(), elided ? text + "\nthe result" : QString("the result"));
        }
        QCOMPARE(box->font(), eightPoints);

        // A font given while the text is drawn narrower is the box's font from then on.
        box->setText("5.288624035E-13");
        QFont nine = eightPoints;
        nine.setPointSize(9);
        box->setFont(nine);
        box->setText("");
        QCOMPARE(box->font().pointSize(), 9);
    }

    // A number of 300 digits, too long for the box, shows whole in a tooltip broken
    // over lines that stay on the screen.
    void aLongTooltipWrapsToStayOnTheScreen()
    {
        QWidget window;
        auto* box = new FittedTextBox(&window);
        box->setGeometry(10, 10, 81, 59);
        box->setToolTip("the result");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString number = QString("1234567890").repeated(30);
        box->setText(number);
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &help);
        QLabel* tip = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible()) tip = static_cast<QLabel*>(w);
        QVERIFY(tip != nullptr);
        QVERIFY(box->screen()->availableGeometry().contains(tip->frameGeometry()));
        QCOMPARE(tip->text().remove('\n'), number + "the result");
        QToolTip::hideText();
    }

    // A box keeps Return for itself.
    void returnAndEnterPressTheFocusedKeyAsAClickDoes()
    {
        QWidget window;
        auto* key = new QPushButton("1", &window);
        auto* option = new QRadioButton("Send", &window);
        auto* box = new QCheckBox(&window);
        auto* text = new FittedTextBox(&window);
        returnPressesFocusedButton(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        int clicks = 0;
        connect(key, &QPushButton::clicked, [&] { ++clicks; });
        int returns = 0;
        connect(text, &QLineEdit::returnPressed, [&] { ++returns; });

        for (QAbstractButton* checkable : {static_cast<QAbstractButton*>(option), static_cast<QAbstractButton*>(box)}) {
            checkable->setFocus();
            QTest::keyClick(checkable, Qt::Key_Return);
            QVERIFY(checkable->isChecked());
        }
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(returns, 1);

        key->setFocus();
        QTest::keyClick(key, Qt::Key_Return);
        QTest::keyClick(key, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(key, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicks, 2);
    }
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::WidgetsTest)
#include "widgets_test.moc"
