// The about box: the product line in a box that takes no typing. The main window's
// tests open it modally.

#include "ui/about/about_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace tallimo::ui {

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheProductLineAndTakesNoTyping()
    {
        AboutBox box;
        box.show();
        QCOMPARE(box.objectName(), QString("frmAbout"));
        auto* line = box.findChild<QLineEdit*>("Text1");
        QVERIFY(line);
        line->setFocus();
        QTest::keyClicks(line, "abc");
        QTest::keyClick(line, Qt::Key_Backspace);
        QApplication::clipboard()->setText("pasted");
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(line->text(), QString("Tallimo Build C V1"));
    }
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::AboutBoxTest)
#include "about_box_test.moc"
