// Text files on a real disk: the bytes given; writes refused or failed, a full disk
// included, that leave the old file as it was; and names borne by a link, a pipe or
// a folder, which the program's own files never read or write through.

#include "support/file_size_limit.h"
#include "ui/files/qt_text_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tallimo;

namespace {

constexpr FileOrigin kOwn = FileOrigin::KeptByProgram;
constexpr FileOrigin kChosen = FileOrigin::ChosenByUser;

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

// Runs `write` with the folder read-only. Root ignores permissions, so as root the
// write runs as nobody meanwhile.
WriteResult inReadOnlyFolder(const QString& folder, const std::function<WriteResult()>& write)
{
    const QByteArray path = QFile::encodeName(folder);
    ::chmod(path.constData(), 0555);
    const bool asNobody = ::geteuid() == 0 && ::seteuid(65534) == 0;
    const WriteResult result = write();
    if (asNobody) [[maybe_unused]] const int ignored = ::seteuid(0);
    ::chmod(path.constData(), 0700);
    return result;
}

}  // namespace

class QtTextFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder_.emplace();
        ::chmod(QFile::encodeName(folder_->path()).constData(), 0755);  // for nobody, as above
    }

    void writesExactlyTheBytesGivenAndReadsThemBack()
    {
        const std::string text = "12.50\r\nZ\xC3\xBCrich \xE2\x82\xAC\r\n";
        for (FileOrigin origin : {kOwn, kChosen}) {
            QVERIFY(files_.write(at("a.tmo"), "a longer text than the next\r\n", origin).written);
            QVERIFY(files_.write(at("a.tmo"), text, origin).written);
            QCOMPARE(bytesOf(file("a.tmo")), QByteArray::fromStdString(text));
            QCOMPARE(files_.read(at("a.tmo"), origin).text, std::optional<std::string>(text));
        }
        QVERIFY(files_.exists(at("a.tmo")) && !files_.exists(at("b.tmo")));
        const ReadResult missing = files_.read(at("b.tmo"), kOwn);
        QVERIFY(!missing.text && missing.why == Unread::Missing);
    }

    // Qt's own buffer holds a short text until the file is closed, so a full disk
    // shows only at that last flush; a long one is refused at its first byte.
    void aFullDiskFailsTheWriteAndLeavesTheOldFileAndNoTemporary_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("room");
        for (const int length : {5, 256 * 1024}) {
            QTest::addRow("%d bytes, no room", length) << length << 0;
            QTest::addRow("%d bytes, room for half", length) << length << length / 2;
        }
    }

    void aFullDiskFailsTheWriteAndLeavesTheOldFileAndNoTemporary()
    {
        QFETCH(int, length);
        QFETCH(int, room);
        QVERIFY(files_.write(at("full.tmo"), "old\r\n", kChosen).written);
        WriteResult result;
        {
            testing::FileSizeLimit full{rlim_t(room)};
            QVERIFY(full.active());
            result = files_.write(at("full.tmo"), std::string(std::size_t(length), '7') + "\r\n", kChosen);
        }
        QVERIFY(!result.written && !result.reason.empty());
        QCOMPARE(bytesOf(file("full.tmo")), QByteArray("old\r\n"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"full.tmo"});
    }

    void aFailedWriteSaysWhyAndLeavesTheOldFileAndNoTemporary()
    {
        QVERIFY(files_.write(at("memory1.tmo"), "old\r\n", kOwn).written);
        const auto write = [this] { return files_.write(at("memory1.tmo"), "new\r\n", kOwn); };
        const WriteResult refused = inReadOnlyFolder(folder_->path(), write);
        QVERIFY(!refused.written && !refused.reason.empty());
        QCOMPARE(bytesOf(file("memory1.tmo")), QByteArray("old\r\n"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"memory1.tmo"});
    }

    // The program's own files are taken only as plain files under their own name;
    // a file the user chose is followed where its link leads, as it always was.
    void namesBorneByALinkAPipeOrAFolderAreNeitherReadNorReplaced()
    {
        QTemporaryDir elsewhere;
        const QString notes = elsewhere.filePath("notes.txt");
        const QString nowhere = elsewhere.filePath("new.txt");
        QVERIFY(files_.write(notes.toStdString(), "my notes\n", kChosen).written);
        QVERIFY(QFile::link(notes, file("link.tmo")));
        QVERIFY(QFile::link(nowhere, file("dangling.tmo")));
        QVERIFY(::mkfifo(QFile::encodeName(file("pipe.tmo")).constData(), 0600) == 0);
        QVERIFY(QDir(folder_->path()).mkdir("folder.tmo"));

        for (const char* name : {"link.tmo", "dangling.tmo", "pipe.tmo", "folder.tmo"}) {
            QVERIFY2(files_.exists(at(name)), name);
            const ReadResult read = files_.read(at(name), kOwn);  // a pipe must not block here
            QVERIFY2(!read.text && read.why == Unread::NotReadable && !read.error.empty(), name);
            const WriteResult write = files_.write(at(name), "42\r\n", kOwn);
            QVERIFY2(!write.written && !write.reason.empty(), name);
        }
        QCOMPARE(bytesOf(notes), QByteArray("my notes\n"));
        QVERIFY(!QFile::exists(nowhere));
        QVERIFY(QFileInfo(file("link.tmo")).isSymLink() && QFileInfo(file("folder.tmo")).isDir());
        QCOMPARE(QString::fromStdString(files_.write(at("pipe.tmo"), "2\r\n", kChosen).reason),
                 "This is not an ordinary file, so it is not replaced.");
        QVERIFY(!files_.read(at("pipe.tmo"), kChosen).text);

        QCOMPARE(files_.read(at("link.tmo"), kChosen).text, std::optional<std::string>("my notes\n"));
        QVERIFY(files_.write(at("link.tmo"), "saved\r\n", kChosen).written);
        QCOMPARE(bytesOf(notes), QByteArray("saved\r\n"));
    }

    void aFileLargerThanTheLimitIsNotRead()
    {
        QFile huge(file("huge.tmo"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(kLargestTextFileBytes) + 1));
        huge.close();
        const ReadResult read = files_.read(at("huge.tmo"), kChosen);
        QVERIFY(!read.text && read.why == Unread::TooLarge);
    }

private:
    QString file(const QString& name) const { return folder_->filePath(name); }
    std::string at(const char* name) const { return file(name).toStdString(); }

    std::optional<QTemporaryDir> folder_;
    QtTextFiles files_;
};

QTEST_GUILESS_MAIN(QtTextFilesTest)
#include "qt_text_files_test.moc"
