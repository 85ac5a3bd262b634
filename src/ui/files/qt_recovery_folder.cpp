#include "ui/files/qt_recovery_folder.h"

#include "common/messages.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>

namespace tallimo::ui {

namespace {

// A lock holds a process id, a program name and a computer's name: a few dozen
// bytes. Anything much larger is not a lock.
constexpr qint64 kLargestLockBytes = 4096;

// Why the lock's name may not be used, or nothing when it may (nothing there, or a
// plain file of a lock's size).
std::optional<std::string> unusableLock(const QString& lockPath)
{
    const QFileInfo lock(lockPath);
    if (!lock.exists() && !lock.isSymLink()) return std::nullopt;
    if (lock.isSymLink()) return MsgLockNotAPlainFile(lockPath.toStdString(), MsgFileIsALink());
    if (lock.isDir()) return MsgLockNotAPlainFile(lockPath.toStdString(), MsgFileIsAFolder());
    if (!lock.isFile()) return MsgLockNotAPlainFile(lockPath.toStdString(), MsgNotAnOrdinaryFileToRead());
    if (lock.size() > kLargestLockBytes) return MsgLockNotAPlainFile(lockPath.toStdString(), MsgFileTooLarge());
    return std::nullopt;
}

}  // namespace

std::vector<std::string> QtRecoveryFolder::names(const std::string& folder, const std::string& prefix,
                                                 const std::string& suffix)
{
    const QString pattern = QString::fromStdString(prefix) + "*" + QString::fromStdString(suffix);
    // Links that lead nowhere, pipes and devices count as "system" entries.
    const QDir::Filters everything = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    std::vector<std::string> out;
    for (const QString& name : QDir(QString::fromStdString(folder)).entryList({pattern}, everything))
        out.push_back(name.toStdString());
    return out;
}

bool QtRecoveryFolder::remove(const std::string& path) { return QFile::remove(QString::fromStdString(path)); }

std::string QtRecoveryFolder::lastWritten(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists()) return "";
    return QLocale::system().toString(info.lastModified(), QLocale::ShortFormat).toStdString();
}

std::string QtRecoveryFolder::lockPathOf(const std::string& path)
{
    const QFileInfo copy(QString::fromStdString(path));
    return copy.dir().filePath("." + copy.fileName() + ".lock").toStdString();
}

CopyLock QtRecoveryFolder::lock(const std::string& path)
{
    if (locks_.count(path)) return {LockOutcome::Taken, ""};
    const QString lockPath = QString::fromStdString(lockPathOf(path));
    // QLockFile reads a lock it finds: a pipe there would hold the program for ever.
    if (auto unusable = unusableLock(lockPath)) return {LockOutcome::Unusable, std::move(*unusable)};
    auto lock = std::make_unique<QLockFile>(lockPath);
    // A lock is left behind only when its process is gone, never for its age: a
    // tape may stay open for days.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        locks_[path] = std::move(lock);
        return {LockOutcome::Taken, ""};
    }
    switch (lock->error()) {
    case QLockFile::LockFailedError: {
        qint64 pid = 0;
        QString computer, program;
        if (lock->getLockInfo(&pid, &computer, &program) && !computer.isEmpty() &&
            computer != QSysInfo::machineHostName())
            return {LockOutcome::HeldElsewhere, MsgLockHeldElsewhere(lockPath.toStdString(), computer.toStdString())};
        return {LockOutcome::HeldByRunningProgram, ""};
    }
    case QLockFile::PermissionError: return {LockOutcome::Failed, std::string(MsgFolderNotWritable())};
    default: return {LockOutcome::Failed, std::string(MsgLockFileNotMade())};
    }
}

void QtRecoveryFolder::unlock(const std::string& path) { locks_.erase(path); }

}  // namespace tallimo::ui
