#pragma once
// The folder that holds the recovery copies of unsaved tapes, as the core sees it:
// which copies lie there, when each was written, and a lock per copy that the
// program writing it holds while it runs. A lock left behind by a program that no
// longer runs (a crash, a kill) can be taken over; one held by a running program
// cannot, so two programs in one folder never touch each other's copy.

#include <string>
#include <vector>

namespace tallimo {

enum class LockOutcome {
    Taken,
    HeldByRunningProgram,
    // Held by a program on another computer that shares the folder: whether that
    // program still runs cannot be told from here.
    HeldElsewhere,
    // Something other than a plain file bears the lock's name (a link, a folder, a
    // pipe): it is left alone, and so is its copy.
    Unusable,
    Failed,
};

struct CopyLock {
    LockOutcome outcome;
    std::string error;  // why it was not taken, in words for the user
};

class RecoveryFolder {
public:
    virtual ~RecoveryFolder() = default;
    // The names of everything in `folder` that starts with `prefix` and ends with
    // `suffix`, plain files or not, in no particular order; nothing is opened.
    virtual std::vector<std::string> names(const std::string& folder, const std::string& prefix,
                                           const std::string& suffix) = 0;
    virtual bool remove(const std::string& path) = 0;
    // When the file was last written, as the system writes a date and a time; empty
    // when that cannot be learnt.
    virtual std::string lastWritten(const std::string& path) = 0;
    // Takes the lock that goes with the copy at `path`; taking one's own again succeeds.
    virtual CopyLock lock(const std::string& path) = 0;
    virtual void unlock(const std::string& path) = 0;
};

}  // namespace tallimo
