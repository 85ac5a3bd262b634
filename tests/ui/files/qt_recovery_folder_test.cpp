// The recovery copies' folder on a real disk: the lock of a copy is held against
// every other program while its holder runs, and taken over once it is gone.

#include "ui/files/qt_recovery_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallimo;

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

    void namesAreThePlainFilesThatLookLikeCopies()
    {
        for (const char* name : {"unsaved-tape-1.tmo", "unsaved-tape-2.tmo", "memory1.tmo", "unsaved-tape-3.txt"}) {
            QFile file(QString::fromStdString(at(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(folder_.path()).mkdir("unsaved-tape-4.tmo"));
        QtRecoveryFolder folder;
        std::vector<std::string> names = folder.names(folder_.path().toStdString(), "unsaved-tape-", ".tmo");
        std::sort(names.begin(), names.end());
        QCOMPARE(names, (std::vector<std::string>{"unsaved-tape-1.tmo", "unsaved-tape-2.tmo"}));
        QVERIFY(!folder.lastWritten(at("unsaved-tape-1.tmo")).empty());
        QVERIFY(folder.remove(at("unsaved-tape-1.tmo")));
        QVERIFY(folder.lastWritten(at("unsaved-tape-1.tmo")).empty());
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
