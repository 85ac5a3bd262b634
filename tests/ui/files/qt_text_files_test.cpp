// Text files on a real disk, and the memory files through them.

#include "calculator/calculator.h"
#include "memory/memory.h"
#include "spool/in_memory_spool.h"
#include "support/scripted_prompter.h"
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
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Takes write permission from a folder for the life of the guard. Root ignores
// permissions, so a root test runs its writes as nobody meanwhile.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder) : path_(QFile::encodeName(folder))
    {
        ::chmod(path_.constData(), 0555);
        if (::geteuid() == 0) asRoot_ = ::seteuid(65534) == 0;
    }
    ~ReadOnlyFolder()
    {
        if (asRoot_) [[maybe_unused]] const int ignored = ::seteuid(0);
        ::chmod(path_.constData(), 0700);
    }

private:
    QByteArray path_;
    bool asRoot_ = false;
};

}  // namespace

class QtTextFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder_.emplace();
        QVERIFY(folder_->isValid());
        ::chmod(QFile::encodeName(folder_->path()).constData(), 0755);
    }
    void cleanup() { folder_.reset(); }

    void writesTheBytesGivenAndReadsThemBack()
    {
        const std::string text = "12.50\r\nZ\xC3\xBCrich \xE2\x82\xAC\r\n";
        QCOMPARE(files_.write(at("a.tmo"), text), std::string());
        QCOMPARE(bytesOf(file("a.tmo")), QByteArray::fromStdString(text));
        const ReadResult read = files_.read(at("a.tmo"));
        QVERIFY(read.text.has_value());
        QCOMPARE(*read.text, text);
        QCOMPARE(files_.size(at("a.tmo")), std::optional<std::uintmax_t>(text.size()));
    }

    void aShorterTextReplacesTheWholeFile()
    {
        QCOMPARE(files_.write(at("a.tmo"), "123456789\r\n"), std::string());
        QCOMPARE(files_.write(at("a.tmo"), "1\r\n"), std::string());
        QCOMPARE(bytesOf(file("a.tmo")), QByteArray("1\r\n"));
    }

    void aMissingFileOrAFolderCannotBeRead()
    {
        for (const char* name : {"missing.tmo", "."}) {
            const ReadResult read = files_.read(at(name));
            QVERIFY(!read.text.has_value());
            QVERIFY2(!read.error.empty(), name);
        }
        QCOMPARE(files_.size(at("missing.tmo")), std::nullopt);
        QCOMPARE(files_.size(at(".")), std::nullopt);
    }

    void aFailedWriteSaysWhyAndLeavesTheOldFileWhole()
    {
        put(file("memory1.tmo"), "old\r\n");
        std::string error;
        {
            ReadOnlyFolder readOnly(folder_->path());
            error = files_.write(at("memory1.tmo"), "new\r\n");
        }
        QVERIFY(!error.empty());
        QCOMPARE(bytesOf(file("memory1.tmo")), QByteArray("old\r\n"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"memory1.tmo"});

        QVERIFY(!files_.write(at("no such folder/memory1.tmo"), "1\r\n").empty());
    }

    void onlyOrdinaryFilesAreReplaced()
    {
        QVERIFY(QDir(folder_->path()).mkdir("memory1.tmo"));
        QVERIFY(::mkfifo(QFile::encodeName(file("memory2.tmo")).constData(), 0600) == 0);
        QVERIFY(!files_.write(at("memory1.tmo"), "1\r\n").empty());
        QVERIFY(!files_.write(at("memory2.tmo"), "2\r\n").empty());
        QVERIFY(QFileInfo(file("memory1.tmo")).isDir());
        QVERIFY(!QFileInfo(file("memory2.tmo")).isFile());
    }

    void aCloseInAReadOnlyFolderNamesTheFilesAndStillEnds()
    {
        put(file("memory2.tmo"), "2\r\n");
        testing::ScriptedPrompter prompter;
        InMemorySpool spool;
        Calculator calculator(prompter, spool);
        calculator.start();
        Memory memory(calculator, files_, folder_->path().toStdString());
        calculator.setOutput(2, "5");
        bool ends = false;
        {
            ReadOnlyFolder readOnly(folder_->path());
            ends = memory.closeCalculator();
        }
        QVERIFY(ends);
        QCOMPARE(prompter.asked.size(), std::size_t(1));
        const std::string& text = prompter.asked[0].text;
        QVERIFY2(text.find(memory.files().pathOf(2) + " could not be written: ") != std::string::npos, text.c_str());
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 6);
        QCOMPARE(bytesOf(file("memory2.tmo")), QByteArray("2\r\n"));
    }

private:
    QString file(const QString& name) const { return folder_->filePath(name); }
    std::string at(const char* name) const { return file(name).toStdString(); }

    std::optional<QTemporaryDir> folder_;
    QtTextFiles files_;
};

QTEST_GUILESS_MAIN(QtTextFilesTest)
#include "qt_text_files_test.moc"
