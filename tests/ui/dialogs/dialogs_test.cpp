// The real Qt dialogs and printer behind the tape's commands, answered while they
// are shown.

#include "spool/documents.h"
#include "ui/dialogs/qt_file_dialogs.h"
#include "ui/dialogs/qt_printer.h"
#include "ui/dialogs/qt_style_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace tallimo::ui {

namespace {

// Runs `answer` on the modal dialog of type T as soon as it shows. A dialog left
// open (the wrong one, or a failed check returned early) is rejected, so that a
// failing test cannot hang.
template <typename T>
void whenShown(std::function<void(T&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* expected = qobject_cast<T*>(dialog)) answer(*expected);
        else QTest::qFail("the expected dialog is not shown", __FILE__, __LINE__);
        if (dialog && dialog->isVisible()) dialog->reject();
    });
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void theOpenDialogShowsTheTmoFilterAndReturnsTheChosenFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("tape.tmo");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));

        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.nameFilters(), (QStringList{"All Files (*.*)", "tmo Files (*.tmo)"}));
            QCOMPARE(dialog.selectedNameFilter(), QString("tmo Files (*.tmo)"));
            dialog.selectFile(path);
            static_cast<QDialog&>(dialog).accept();  // as the dialog's own Open button does
        });
        QtFileDialogs dialogs;
        QCOMPARE(dialogs.chooseFileToOpen(documentDialogSettings()), std::optional<std::string>(path.toStdString()));
    }

    void aCancelledColourDialogChoosesNothing()
    {
        whenShown<QColorDialog>([](QColorDialog& shown) { shown.reject(); });
        QCOMPARE(QtColourDialog().chooseColour(kBlack), std::nullopt);
    }

    void eachCopyIsPrintedOnPagesOfItsOwn()
    {
        QTemporaryDir folder;
        QtPrinter printer;
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName(folder.filePath("tape.pdf"));
        for (int copy = 0; copy < 3; ++copy) QVERIFY(printer.printCopy("12 + 3 = 15#\n"));
        printer.endJob();

        QFile pdf(folder.filePath("tape.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page\\b")), 3);
    }
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::DialogsTest)
#include "dialogs_test.moc"
