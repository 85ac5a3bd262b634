// What the program finds and leaves in the folder it started in, through the real
// windows on a real disk: memory files and copies of unsaved tapes that are links,
// pipes or folders.

#include "test_registry.h"
#include "window_test.h"


#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <sys/stat.h>
#include <unistd.h>

namespace tallimo::testing {

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Whether the box's text names each of the files, and each once.
bool namesEachOnce(const QString& text, const QStringList& paths)
{
    for (const QString& path : paths) {
        if (text.count(path + ":") != 1) {
            qWarning("\"%s\" is not named once in: %s", qPrintable(path), qPrintable(text));
            return false;
        }
    }
    return true;
}

}  // namespace

class StartFolderTest : public WindowTest {
    Q_OBJECT

    QString at(const QString& name) const { return folder() + "/" + name; }
    QString cell(int k) { return static_cast<QLineEdit*>(window().widget(memoryCell(k)))->text(); }

private slots:
    // A link to a file elsewhere, a link that leads nowhere, a pipe and a folder in
    // place of memory files, copies and a copy's lock: the start neither follows
    // nor waits on them, names each once, and the close leaves them all alone.
    void strangeFilesAreNamedOnceAndLeftAlone()
    {
        QTemporaryDir outside;
        const QString notes = outside.filePath("notes.txt");
        QVERIFY(put(notes, "my notes\n"));
        const auto makeStrange = [&](const QString& base, int first) {
            return QFile::link(notes, at(base.arg(first))) &&
                   QFile::link(outside.filePath(base.arg(first + 1)), at(base.arg(first + 1))) &&
                   ::mkfifo(QFile::encodeName(at(base.arg(first + 2))).constData(), 0600) == 0 &&
                   QDir(folder()).mkdir(base.arg(first + 3));
        };
        QVERIFY(makeStrange("memory%1.tmo", 1));
        QVERIFY(makeStrange("unsaved-tape-%1.tmo", 1));
        QVERIFY(put(at("memory5.tmo"), "55\r\n"));
        QVERIFY(put(at("unsaved-tape-5.tmo"), "5\r\n"));
        QVERIFY(::mkfifo(QFile::encodeName(at(".unsaved-tape-5.tmo.lock")).constData(), 0600) == 0);

        expectBox([&](QMessageBox& box) {
            QVERIFY(namesEachOnce(box.text(), {at("memory1.tmo"), at("memory2.tmo"), at("memory3.tmo"),
                                               at("memory4.tmo")}));
            QVERIFY(answer(box, QMessageBox::Ok));
        });
        expectBox([&](QMessageBox& box) {
            QVERIFY(namesEachOnce(box.text(), {at("unsaved-tape-1.tmo"), at("unsaved-tape-2.tmo"),
                                               at("unsaved-tape-3.tmo"), at("unsaved-tape-4.tmo"),
                                               at("unsaved-tape-5.tmo")}));
            QVERIFY(answer(box, QMessageBox::Ok));
        });
        ::alarm(20);  // a start that waits on a pipe would wait for ever
        QElapsedTimer started;
        started.start();
        QVERIFY(restart());
        ::alarm(0);
        qInfo("started in %lld ms", started.elapsed());
        QVERIFY(!boxesStillExpected());
        for (int k = 1; k <= 7; ++k) QCOMPARE(cell(k), k == 5 ? "55" : "");

        // M+ puts 4 into the first free cell, whose file is a link: it is not kept,
        // and the close says so.
        QVERIFY(click({"cmdDigit_4", "cmdMemory_0"}));
        QCOMPARE(cell(1), "4");
        expectBox([&](QMessageBox& box) {
            QVERIFY2(box.text().startsWith("The memory file " + at("memory1.tmo") + " could not be written"),
                     qPrintable(box.text()));
            QVERIFY(answer(box, QMessageBox::Ok));
        });
        QVERIFY(click({"cmdDestroy"}));
        QCOMPARE(timesEnded(), 1);

        QCOMPARE(contents(notes), "my notes\n");
        QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"notes.txt"});
        for (const QString& base : {QString("memory%1.tmo"), QString("unsaved-tape-%1.tmo")}) {
            QVERIFY(QFileInfo(at(base.arg(1))).isSymLink() && QFileInfo(at(base.arg(2))).isSymLink());
            QVERIFY(!QFileInfo(at(base.arg(3))).isFile() && QFileInfo(at(base.arg(4))).isDir());
        }
        QCOMPARE(contents(at("memory5.tmo")), "55\r\n");
        QCOMPARE(contents(at("memory7.tmo")), "\r\n");
        QCOMPARE(contents(at("unsaved-tape-5.tmo")), "5\r\n");
    }
};

TALLIMO_WINDOW_TEST(StartFolderTest)

}  // namespace tallimo::testing

#include "start_folder_test.moc"
