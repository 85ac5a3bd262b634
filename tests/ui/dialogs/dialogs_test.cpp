// The real Qt dialogs and printer behind the tape's commands, answered while they
// are shown.

#include "tape/documents.h"
#include "ui/dialogs/qt_file_dialogs.h"
#include "ui/dialogs/qt_printer.h"
#include "ui/dialogs/qt_style_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPrintDialog>
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

QStringList captionsOf(const QComboBox& types)
{
    QStringList captions;
    for (int i = 0; i < types.count(); ++i) captions << types.itemText(i);
    return captions;
}

// The files the dialog lists in its folder, sorted.
QStringList listed(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QListView*>("listView");
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

// Chooses another file type as a user does, with the keyboard on the list of types.
void chooseType(QComboBox& types, Qt::Key key)
{
    types.setFocus();
    QTest::keyClick(&types, key);
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The captions show as they are written; "All Files (*.*)" lists a file without
    // an extension too, which "tmo Files" leaves out.
    void theOpenDialogListsEveryFileUnderAllFiles()
    {
        QTemporaryDir folder;
        for (const char* name : {"tape1", "old.tmo"}) QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));

        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            dialog.setDirectory(folder.path());
            auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
            QCOMPARE(captionsOf(*types), (QStringList{"All Files (*.*)", "tmo Files (*.tmo)"}));
            QCOMPARE(types->currentText(), QString("tmo Files (*.tmo)"));
            QTRY_COMPARE(listed(dialog), QStringList{"old.tmo"});
            chooseType(*types, Qt::Key_Up);
            QTRY_COMPARE(listed(dialog), (QStringList{"old.tmo", "tape1"}));
            dialog.selectFile(folder.filePath("tape1"));
            static_cast<QDialog&>(dialog).accept();  // as the dialog's own Open button does
        });
        QtFileDialogs dialogs;
        QCOMPARE(dialogs.chooseFileToOpen(documentDialogSettings()),
                 std::optional<std::string>(folder.filePath("tape1").toStdString()));
    }

    // Under "tmo Files" a name typed without an extension gets ".tmo"; a name with
    // its own extension, or one saved under "All Files", is kept as typed.
    void saveAddsTheTmoExtensionOnlyWhereTheNameHasNone_data()
    {
        QTest::addColumn<bool>("allFiles");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("tmo Files, no extension") << false << "tape1" << "tape1.tmo";
        QTest::newRow("tmo Files, own extension") << false << "notes.txt" << "notes.txt";
        QTest::newRow("All Files, own extension") << true << "notes.txt" << "notes.txt";
        QTest::newRow("All Files, no extension") << true << "tape2" << "tape2";
    }

    void saveAddsTheTmoExtensionOnlyWhereTheNameHasNone()
    {
        QFETCH(bool, allFiles);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTemporaryDir folder;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            dialog.setDirectory(folder.path());
            if (allFiles) chooseType(*dialog.findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Up);
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            name->clear();
            QTest::keyClicks(name, typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QtFileDialogs dialogs;
        QCOMPARE(dialogs.chooseFileToSave(documentDialogSettings()),
                 std::optional<std::string>(folder.filePath(saved).toStdString()));
    }

    void aCancelledColourOrPrintDialogChoosesNothing()
    {
        whenShown<QColorDialog>([](QColorDialog& shown) { shown.reject(); });
        QCOMPARE(QtColourDialog().chooseColour(kBlack), std::nullopt);
        whenShown<QPrintDialog>([](QPrintDialog& shown) { shown.reject(); });
        QCOMPARE(QtPrinter().chooseCopies(), std::nullopt);
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
