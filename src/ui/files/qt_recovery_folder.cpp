#include "ui/files/qt_recovery_folder.h"

#include "common/messages.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace tallimo {

std::vector<std::string> QtRecoveryFolder::names(const std::string& folder, const std::string& prefix,
                                                 const std::string& suffix)
{
    const QString pattern = QString::fromStdString(prefix) + "*" + QString::fromStdString(suffix);
    std::vector<std::string> out;
    for (const QString& name : QDir(QString::fromStdString(folder)).entryList({pattern}, QDir::Files))
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
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(lockPathOf(path)));
    // A lock is left behind only when its process is gone, never for its age: a
    // page may stay open for days.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        locks_[path] = std::move(lock);
        return {LockOutcome::Taken, ""};
    }
    switch (lock->error()) {
    case QLockFile::LockFailedError: return {LockOutcome::HeldByRunningProgram, ""};
    case QLockFile::PermissionError: return {LockOutcome::Failed, std::string(MsgFolderNotWritable())};
    default: return {LockOutcome::Failed, std::string(MsgLockFileNotMade())};
    }
}

void QtRecoveryFolder::unlock(const std::string& path) { locks_.erase(path); }

}  // namespace tallimo
