// The about box: modal, showing the product line in a box that takes no typing.

#include "ui/about/about_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace tallimo::ui {

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheProductLineModally()
    {
        AboutBox box;
        QCOMPARE(box.objectName(), QString("frmAbout"));
        QCOMPARE(box.windowTitle(), QString());
        auto* line = box.findChild<QLineEdit*>("Text1");
        QVERIFY(line);
        QCOMPARE(line->text(), QString("Tallimo Build C V1"));
        QCOMPARE(line->geometry(), QRect(8, 8, 193, 33));

        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            wasModal = QApplication::activeModalWidget() == &box;
            box.close();
        });
        box.exec();
        QVERIFY(wasModal);
    }

    void typingChangesNothing()
    {
        AboutBox box;
        box.show();
        auto* line = box.findChild<QLineEdit*>("Text1");
        line->setFocus();
        QTest::keyClicks(line, "abc");
        QTest::keyClick(line, Qt::Key_Backspace);
        QTest::keyClick(line, Qt::Key_Home);
        QTest::keyClick(line, Qt::Key_Delete);
        QApplication::clipboard()->setText("pasted");
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(line->text(), QString("Tallimo Build C V1"));
    }
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::AboutBoxTest)
#include "about_box_test.moc"
