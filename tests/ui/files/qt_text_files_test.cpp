// Text files on a real disk: the bytes given, and writes refused or failed that
// leave the old file as it was.

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
        QVERIFY(files_.write(at("a.tmo"), "a longer text than the next\r\n").written);
        QVERIFY(files_.write(at("a.tmo"), text).written);
        QCOMPARE(bytesOf(file("a.tmo")), QByteArray::fromStdString(text));
        QCOMPARE(files_.read(at("a.tmo")).text, std::optional<std::string>(text));
        QCOMPARE(files_.size(at("a.tmo")), std::optional<std::uintmax_t>(text.size()));
        QCOMPARE(files_.size(at(".")), std::nullopt);  // a folder or a device is never read
    }

    void aFailedWriteSaysWhyAndLeavesTheOldFileAndNoTemporary()
    {
        QVERIFY(files_.write(at("memory1.tmo"), "old\r\n").written);
        const auto write = [this] { return files_.write(at("memory1.tmo"), "new\r\n"); };
        const WriteResult refused = inReadOnlyFolder(folder_->path(), write);
        QVERIFY(!refused.written && !refused.reason.empty());
        QCOMPARE(bytesOf(file("memory1.tmo")), QByteArray("old\r\n"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"memory1.tmo"});
    }

    void aPipeBearingTheNameIsNotReplaced()
    {
        QVERIFY(::mkfifo(QFile::encodeName(file("memory2.tmo")).constData(), 0600) == 0);
        const WriteResult refused = files_.write(at("memory2.tmo"), "2\r\n");
        QVERIFY(!refused.written);
        QCOMPARE(QString::fromStdString(refused.reason), "This is not an ordinary file, so it is not replaced.");
        QVERIFY(!QFileInfo(file("memory2.tmo")).isFile());  // still the pipe
    }

private:
    QString file(const QString& name) const { return folder_->filePath(name); }
    std::string at(const char* name) const { return file(name).toStdString(); }

    std::optional<QTemporaryDir> folder_;
    QtTextFiles files_;
};

QTEST_GUILESS_MAIN(QtTextFilesTest)
#include "qt_text_files_test.moc"
