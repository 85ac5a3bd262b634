// The recovery copies' folder on a real disk: the lock of a copy is held against
// every other program while its holder runs, and taken over once it is gone.

#include "ui/files/qt_recovery_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallimo;
using namespace tallimo::ui;

class QtRecoveryFolderTest : public QObject {
    Q_OBJECT

    std::string at(const char* name) const { return QDir(folder_.path()).filePath(name).toStdString(); }

private slots:
    void aLockIsHeldWhileItsHolderRunsAndTakenOverAfterItDies()
    {
        const std::string copy = at("unsaved-tape-1.tmo");
        {
            QtRecoveryFolder mine, other;
            QCOMPARE(mine.lock(copy).outcome, LockOutcome::Taken);
            QCOMPARE(mine.lock(copy).outcome, LockOutcome::Taken);
            QCOMPARE(other.lock(copy).outcome, LockOutcome::HeldByRunningProgram);
            mine.unlock(copy);
            QCOMPARE(other.lock(copy).outcome, LockOutcome::Taken);
        }
        QVERIFY(!QFile::exists(QString::fromStdString(QtRecoveryFolder::lockPathOf(copy))));

        // A program killed while it held the lock leaves the lock file behind.
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            QtRecoveryFolder dying;
            ::_exit(dying.lock(copy).outcome == LockOutcome::Taken ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(QString::fromStdString(QtRecoveryFolder::lockPathOf(copy))));
        QtRecoveryFolder next;
        QCOMPARE(next.lock(copy).outcome, LockOutcome::Taken);
    }

    // Everything that bears a copy's name is listed, so that what is not a plain
    // file can be named to the user; a lock's name borne by anything but a small
    // plain file is never opened (a pipe would hold the program for ever).
    void namesAreEverythingThatLooksLikeACopyAndStrangeLocksAreNotTaken()
    {
        for (const char* name : {"unsaved-tape-1.tmo", "unsaved-tape-2.tmo", "memory1.tmo", "unsaved-tape-3.txt"}) {
            QFile file(QString::fromStdString(at(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(folder_.path()).mkdir("unsaved-tape-4.tmo"));
        QVERIFY(QFile::link("/nowhere", QString::fromStdString(at("unsaved-tape-5.tmo"))));
        QVERIFY(::mkfifo(at("unsaved-tape-6.tmo").c_str(), 0600) == 0);
        QtRecoveryFolder folder;
        std::vector<std::string> names = folder.names(folder_.path().toStdString(), "unsaved-tape-", ".tmo");
        std::sort(names.begin(), names.end());
        QCOMPARE(names, (std::vector<std::string>{"unsaved-tape-1.tmo", "unsaved-tape-2.tmo", "unsaved-tape-4.tmo",
                                                  "unsaved-tape-5.tmo", "unsaved-tape-6.tmo"}));
        QVERIFY(!folder.lastWritten(at("unsaved-tape-1.tmo")).empty());
        QVERIFY(folder.remove(at("unsaved-tape-1.tmo")));
        QVERIFY(folder.lastWritten(at("unsaved-tape-1.tmo")).empty());

        QVERIFY(::mkfifo(QtRecoveryFolder::lockPathOf(at("unsaved-tape-7.tmo")).c_str(), 0600) == 0);
        QVERIFY(QDir(folder_.path()).mkdir(QString::fromStdString(QtRecoveryFolder::lockPathOf(at("unsaved-tape-8.tmo")))));
        QVERIFY(QFile::link("/nowhere", QString::fromStdString(QtRecoveryFolder::lockPathOf(at("unsaved-tape-9.tmo")))));
        for (const char* copy : {"unsaved-tape-7.tmo", "unsaved-tape-8.tmo", "unsaved-tape-9.tmo"}) {
            const CopyLock lock = folder.lock(at(copy));
            QVERIFY2(lock.outcome == LockOutcome::Unusable && !lock.error.empty(), copy);
        }
        QVERIFY(QFileInfo(QString::fromStdString(QtRecoveryFolder::lockPathOf(at("unsaved-tape-8.tmo")))).isDir());
    }

    void aLockTakenOnAnotherComputerIsToldApart()
    {
        QFile lock(QString::fromStdString(QtRecoveryFolder::lockPathOf(at("unsaved-tape-10.tmo"))));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("4242\ntallimo\nanother-computer\n");
        lock.close();
        const CopyLock taken = QtRecoveryFolder().lock(at("unsaved-tape-10.tmo"));
        QCOMPARE(taken.outcome, LockOutcome::HeldElsewhere);
        QVERIFY2(taken.error.find("another-computer") != std::string::npos, taken.error.c_str());
    }

    void aFolderThatTakesNoFileRefusesTheLock()
    {
        // Root ignores permissions, so as root the lock is tried as nobody.
        ::chmod(QFile::encodeName(folder_.path()).constData(), 0555);
        const bool asNobody = ::geteuid() == 0 && ::seteuid(65534) == 0;
        QtRecoveryFolder folder;
        const CopyLock lock = folder.lock(at("unsaved-tape-1.tmo"));
        if (asNobody) [[maybe_unused]] const int ignored = ::seteuid(0);
        ::chmod(QFile::encodeName(folder_.path()).constData(), 0700);
        QCOMPARE(lock.outcome, LockOutcome::Failed);
        QVERIFY(!lock.error.empty());
    }

private:
    QTemporaryDir folder_;
};

QTEST_GUILESS_MAIN(QtRecoveryFolderTest)
#include "qt_recovery_folder_test.moc"
