#pragma once
// The recovery copies' folder on disk. Each copy's lock is a QLockFile beside it,
// hidden (".unsaved-tape-1.tmo.lock"), holding the process id and the computer of
// the program that writes the copy; the lock counts as left behind when that
// process no longer runs on this computer or is another program, and the operating
// system's file lock keeps it from being taken while its holder lives. A lock's
// name borne by anything but a plain file is never opened.

#include "tape/recovery_folder.h"

#include <QLockFile>

#include <map>
#include <memory>

namespace tallimo::ui {

class QtRecoveryFolder : public RecoveryFolder {
public:
    std::vector<std::string> names(const std::string& folder, const std::string& prefix,
                                   const std::string& suffix) override;
    bool remove(const std::string& path) override;
    std::string lastWritten(const std::string& path) override;
    CopyLock lock(const std::string& path) override;
    void unlock(const std::string& path) override;

    // Where the lock of the copy at `path` lies.
    static std::string lockPathOf(const std::string& path);

private:
    std::map<std::string, std::unique_ptr<QLockFile>> locks_;
};

}  // namespace tallimo::ui
