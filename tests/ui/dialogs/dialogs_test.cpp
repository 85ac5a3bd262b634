// The open and save dialogs, the font and colour dialogs and printing, driven as a
// person would: the real Qt dialogs, answered while they are shown.

#include "spool/documents.h"
#include "ui/dialogs/qt_file_dialogs.h"
#include "ui/dialogs/qt_printer.h"
#include "ui/dialogs/qt_style_dialogs.h"
#include "ui/dialogs/text_pages.h"

#include <QApplication>
#include <QColorDialog>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace tallimo::ui {

namespace {

// Runs `answer` on the modal dialog of type T as soon as it shows. A dialog that
// the answer leaves open (a failed check returns early) is rejected, so that a
// failing test cannot hang.
template <typename T>
void whenShown(std::function<void(T&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
            QFAIL("the expected dialog is not shown");
        }
        answer(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

// A paint device that keeps the text painted on it, page by page.
class TextRecorder : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine_; }
    int metric(PaintDeviceMetric metric) const override
    {
        if (metric == PdmWidth) return 400;
        if (metric == PdmHeight) return 300;
        if (metric == PdmDevicePixelRatioScaled) return static_cast<int>(devicePixelRatioFScale());
        return metric == PdmDepth ? 32 : metric == PdmDevicePixelRatio ? 1 : 96;
    }
    void newPage() { engine_.pages.append(QString()); }
    QStringList pages() const { return engine_.pages; }

private:
    class Engine : public QPaintEngine {
    public:
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { pages.last() += item.text(); }
        Type type() const override { return User; }
        QStringList pages{QString()};
    };
    mutable Engine engine_;
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void nameFiltersShowTheirPatterns_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("documents") << QString::fromStdString(documentDialogSettings().filter)
                                   << QStringList{"All Files (*.*)", "tmo Files (*.tmo)"};
        QTest::newRow("caption without its patterns") << "Tapes|*.tmo;*.txt" << QStringList{"Tapes (*.tmo *.txt)"};
    }
    void nameFiltersShowTheirPatterns()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(nameFiltersOf(filter.toStdString()), expected);
    }

    void fileDialogsShowTheTmoFilterAndReturnTheChosenFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("tape.tmo");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
            QCOMPARE(dialog.nameFilters(), (QStringList{"All Files (*.*)", "tmo Files (*.tmo)"}));
            QCOMPARE(dialog.selectedNameFilter(), QString("tmo Files (*.tmo)"));
            dialog.selectFile(path);
            static_cast<QDialog&>(dialog).accept();  // as the dialog's own Open or Save button does
        });
        QtFileDialogs dialogs;
        QCOMPARE(dialogs.chooseFileToOpen(documentDialogSettings()), std::optional<std::string>(path.toStdString()));

        whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(dialogs.chooseFileToOpen(documentDialogSettings()), std::nullopt);

        const QString fresh = folder.filePath("new.tmo");
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog.selectedNameFilter(), QString("tmo Files (*.tmo)"));
            dialog.selectFile(fresh);
            static_cast<QDialog&>(dialog).accept();
        });
        QCOMPARE(dialogs.chooseFileToSave(documentDialogSettings()), std::optional<std::string>(fresh.toStdString()));
    }

    void colourDialogReturnsTheChosenColourAndNothingOnCancel()
    {
        QtColourDialog dialog;
        whenShown<QColorDialog>([](QColorDialog& shown) {
            QCOMPARE(shown.currentColor(), QColor(0, 0, 255));
            shown.setCurrentColor(QColor(255, 128, 0));
            shown.accept();
        });
        QCOMPARE(dialog.chooseColour(Colour{0, 0, 255}), std::optional<Colour>(Colour{255, 128, 0}));
        whenShown<QColorDialog>([](QColorDialog& shown) { shown.reject(); });
        QCOMPARE(dialog.chooseColour(kBlack), std::nullopt);
    }

    void eachCopyIsPrintedOnPagesOfItsOwn()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("tape.pdf");
        QtPrinter printer;
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName(path);
        for (int copy = 0; copy < 3; ++copy) QVERIFY(printer.printCopy("12 + 3 = 15#\n"));
        printer.endJob();

        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QString content = QString::fromLatin1(pdf.readAll());
        QCOMPARE(content.count(QRegularExpression("/Type\\s*/Page\\b")), 3);
    }

    void pagesCarryEveryLineOnceAndInOrder()
    {
        QStringList lines;
        for (int i = 1; i <= 60; ++i) lines << QString("line %1").arg(i);
        TextRecorder device;
        QPainter painter(&device);
        QVERIFY(paintTextPages(painter, QSizeF(400, 300), lines.join("\r\n"), [&device] {
            device.newPage();
            return true;
        }));
        painter.end();

        QVERIFY(device.pages().size() > 1);
        const QString printed = device.pages().join(QString());
        qsizetype at = 0;
        for (const QString& line : lines) {
            const qsizetype found = printed.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable(line));
            at = found + line.size();
        }
        QCOMPARE(printed.count("line 7"), 1);
        QVERIFY(!printed.contains(u'\r'));
    }
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::DialogsTest)
#include "dialogs_test.moc"
