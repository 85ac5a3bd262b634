// The memory cells, the running total and the ways the program ends, through the
// real program: what a run leaves in its memory files and the next run finds.

#include "test_registry.h"
#include "window_test.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <csignal>

namespace tallimo::testing {

namespace {

QString text(QWidget* box) { return static_cast<QLineEdit*>(box)->text(); }

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

}  // namespace

class ProgramMemoryTest : public WindowTest {
    Q_OBJECT

    QString memoryFile(int cell) const { return folder() + QStringLiteral("/memory%1.tmo").arg(cell); }

private slots:
    void aCellIsWrittenToTheStartFolderAndRestoredByTheNextRun()
    {
        click({"cmdDigit_1", "cmdDigit_2", "cmdMemory_0"});
        QCOMPARE(text(find("txtOutput_1")), "12");

        // A file dialog may have moved the current folder since the start.
        QDir(folder()).mkdir("elsewhere");
        QVERIFY(QDir::setCurrent(folder() + "/elsewhere"));
        click({"cmdDestroy"});
        QCOMPARE(timesEnded(), 1);
        QVERIFY(!window().isVisible());
        QCOMPARE(contents(memoryFile(1)), "12\r\n");
        QCOMPARE(contents(memoryFile(7)), "\r\n");
        QVERIFY(!QFile::exists(folder() + "/elsewhere/memory1.tmo"));

        QVERIFY(QDir::setCurrent(folder()));
        restart();
        QCOMPARE(text(find("txtOutput_1")), "12");
        QVERIFY(find("cmdMemory_2")->isEnabled());
    }

    void thePanelSendsACellAndDeletesTheCheckedOnes()
    {
        click({"cmdDigit_4", "cmdMemory_0", "cmdDigit_9", "cmdMemory_0"});
        click({"cmdMemory_2"});  // MR opens the panel
        QVERIFY(find("txtOutput_2")->isVisible());
        click({"optMemory_1"});
        QCOMPARE(text(find("txtInput")), "9");
        QVERIFY(!find("txtOutput_2")->isVisible());

        click({"cmdMemory_2", "chkDelete_0"});
        QVERIFY(find<QAbstractButton>("chkDelete_0")->isChecked());
        QVERIFY(find("cmdDeleteMemory")->isEnabled());
        expectBox([](QMessageBox& box) {
            QCOMPARE(box.text(), "If you continue the value 4 will be erased permanently");
            answer(box, QMessageBox::Ok);
        });
        click({"cmdDeleteMemory"});
        QCOMPARE(text(find("txtOutput_1")), "");
        QCOMPARE(text(find("txtOutput_2")), "9");
    }

    void theRunningTotalWindowSendsItsTotalIntoTheMainWindow()
    {
        click({"cmdDigit_5", "cmdShift"});
        QVERIFY(find("cmdMemory_4")->isVisible());
        QVERIFY(!find("cmdMemory_0")->isVisible());
        expectBox([](QMessageBox& box) { answer(box, QMessageBox::Ok); });  // the new total 5?
        click({"cmdMemory_4", "cmdDelete"});
        expectBox([](QMessageBox& box) {
            QCOMPARE(box.text(), " The running total = 5");
            answer(box, QMessageBox::Ok);
        });
        click({"cmdMemory_6"});

        QWidget* total = window().companion(ui::Companion::RunningTotal);
        QVERIFY(total != nullptr && total->isVisible());
        QCOMPARE(total->findChild<QLineEdit*>("txtRunningTotal")->text(), "5");
        auto* send = total->findChild<QRadioButton*>("optSendCalc");
        QTest::mouseClick(send, Qt::LeftButton, {}, QPoint(8, send->height() / 2));
        QCOMPARE(text(find("txtInput")), "5");
        QVERIFY(!total->isVisible());
        QVERIFY(find("cmdOperator_0")->isEnabled());
    }

    void theCloseBoxAsksAboutAnOpenPageWithText()
    {
        trigger({"mnuNew"});
        click({"cmdDigit_3"});
        expectBox([](QMessageBox& box) {
            QCOMPARE(box.text(), "The existing page could contain values which will be lost if you have unsaved "
                                 "changes! ");
            answer(box, QMessageBox::Cancel);
        });
        window().close();
        QVERIFY(window().isVisible());
        QCOMPARE(timesEnded(), 0);
        QVERIFY(!QFile::exists(memoryFile(1)));

        expectBox([](QMessageBox& box) { answer(box, QMessageBox::Ok); });
        window().close();
        QVERIFY(!window().isVisible());
        QCOMPARE(timesEnded(), 1);
        QVERIFY(QFile::exists(memoryFile(1)));
    }

    void aRequestToStopWritesTheCellsWithoutAQuestion()
    {
        trigger({"mnuNew"});
        click({"cmdDigit_7", "cmdMemory_0"});
        std::raise(SIGTERM);
        QTRY_COMPARE(timesEnded(), 1);
        QCOMPARE(contents(memoryFile(1)), "7\r\n");
    }
};

TALLIMO_WINDOW_TEST(ProgramMemoryTest)

}  // namespace tallimo::testing

#include "program_memory_test.moc"
