// The message boxes as the user sees them: title, exact text, icon, buttons, the
// default button, which answer each way of closing gives, and the window behind
// already showing the moment the question is about.

#include "test_registry.h"
#include "window_test.h"

#include "common/messages.h"
#include "ui/adapters/qt_prompter.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

Q_DECLARE_METATYPE(tallimo::Buttons)
Q_DECLARE_METATYPE(tallimo::Icon)
Q_DECLARE_METATYPE(tallimo::Answer)

namespace tallimo::testing {

class MessageBoxTest : public WindowTest {
    Q_OBJECT
private slots:
    void aBoxCarriesItsMessage_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<Answer>("preferred");
        QTest::addColumn<int>("pressed");  // a standard button, or 0 for Escape
        QTest::addColumn<Answer>("expected");
        QTest::addColumn<int>("shownButtons");
        QTest::addColumn<int>("shownIcon");
        QTest::addColumn<int>("shownDefault");
        const int ok = QMessageBox::Ok, cancel = QMessageBox::Cancel, yes = QMessageBox::Yes, no = QMessageBox::No;
        QTest::newRow("notice") << Buttons::Ok << Icon::Exclamation << Answer::Ok << ok << Answer::Ok << ok
                                << int(QMessageBox::Warning) << ok;
        QTest::newRow("plain") << Buttons::Ok << Icon::None << Answer::Ok << ok << Answer::Ok << ok
                               << int(QMessageBox::NoIcon) << ok;
        QTest::newRow("OK of OK/Cancel") << Buttons::OkCancel << Icon::Exclamation << Answer::Ok << ok << Answer::Ok
                                         << (ok | cancel) << int(QMessageBox::Warning) << ok;
        QTest::newRow("Cancel of OK/Cancel") << Buttons::OkCancel << Icon::Exclamation << Answer::Ok << cancel
                                             << Answer::Cancel << (ok | cancel) << int(QMessageBox::Warning) << ok;
        QTest::newRow("closed OK/Cancel") << Buttons::OkCancel << Icon::Exclamation << Answer::Ok << 0
                                          << Answer::Cancel << (ok | cancel) << int(QMessageBox::Warning) << ok;
        QTest::newRow("Yes, No preferred") << Buttons::YesNo << Icon::Exclamation << Answer::No << yes << Answer::Yes
                                           << (yes | no) << int(QMessageBox::Warning) << no;
        QTest::newRow("No, Yes preferred") << Buttons::YesNo << Icon::Exclamation << Answer::Yes << no << Answer::No
                                           << (yes | no) << int(QMessageBox::Warning) << yes;
        QTest::newRow("closed Yes/No") << Buttons::YesNo << Icon::Exclamation << Answer::No << 0 << Answer::No
                                       << (yes | no) << int(QMessageBox::Warning) << no;
    }
    void aBoxCarriesItsMessage()
    {
        QFETCH(Buttons, buttons);
        QFETCH(Icon, icon);
        QFETCH(Answer, preferred);
        QFETCH(int, pressed);
        QFETCH(Answer, expected);
        QFETCH(int, shownButtons);
        QFETCH(int, shownIcon);
        QFETCH(int, shownDefault);

        int refreshes = 0;
        ui::QtPrompter prompter;
        prompter.attach(&window(), [&] { ++refreshes; });
        expectBox([&](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), "Tallimo");
            QCOMPARE(box.text(), QString::fromUtf8(MsgClipboardInvalid().data()));
            QCOMPARE(int(box.icon()), shownIcon);
            QCOMPARE(int(box.standardButtons()), shownButtons);
            QCOMPARE(int(box.standardButton(box.defaultButton())), shownDefault);
            QCOMPARE(refreshes, 1);
            if (pressed == 0) QTest::keyClick(&box, Qt::Key_Escape);
            else answer(box, QMessageBox::StandardButton(pressed));
        });
        const Answer given = prompter.ask({std::string(MsgClipboardInvalid()), buttons, icon, preferred});
        QCOMPARE(given, expected);
    }

    // The box of a failed "=" opens over a window that already shows "%" disabled,
    // the first step of "="; afterwards the input is emptied and no "=" is left.
    void theWindowBehindABoxShowsTheMomentOfTheQuestion()
    {
        click({"cmdDigit_5", "cmdOperator_3", "cmdDigit_0"});
        QVERIFY(find("cmdIntrinsic_2")->isEnabled());
        expectBox([this](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), "Tallimo");
            QCOMPARE(box.text(), "Overflow exception");
            QCOMPARE(box.icon(), QMessageBox::Warning);
            QCOMPARE(box.standardButtons(), QMessageBox::Ok);
            QVERIFY(!find("cmdIntrinsic_2")->isEnabled());
            QCOMPARE(find<QLineEdit>("txtInput")->text(), "0");
            answer(box, QMessageBox::Ok);
        });
        click({"cmdEquals_3"});
        QVERIFY(!boxesStillExpected());
        QCOMPARE(find<QLineEdit>("txtInput")->text(), "");
        for (int k = 0; k < 6; ++k) QVERIFY(!find(qPrintable(QString("cmdEquals_%1").arg(k)))->isEnabled());
        QCOMPARE(find<QTextEdit>("txtSpool")->toPlainText(), "5 / 0");
    }

    void wipeAsksFirst_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("tape");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << "" << "12 + 3#";
        QTest::newRow("No") << int(QMessageBox::No) << "3" << "12 + 3";
    }
    void wipeAsksFirst()
    {
        QFETCH(int, reply);
        QFETCH(QString, input);
        QFETCH(QString, tape);
        click({"cmdDigit_1", "cmdDigit_2", "cmdOperator_0", "cmdDigit_3"});
        expectBox([&](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), "Tallimo");
            QCOMPARE(box.text(), QString::fromUtf8(MsgResetWarning().data()));
            QCOMPARE(box.icon(), QMessageBox::Warning);
            QCOMPARE(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box.defaultButton(), box.button(QMessageBox::No));
            answer(box, QMessageBox::StandardButton(reply));
        });
        click({"cmdWipe"});
        QVERIFY(!boxesStillExpected());
        QCOMPARE(find<QLineEdit>("txtInput")->text(), input);
        QCOMPARE(find<QTextEdit>("txtSpool")->toPlainText(), tape);
    }
};

TALLIMO_WINDOW_TEST(MessageBoxTest)

}  // namespace tallimo::testing

#include "message_box_test.moc"
