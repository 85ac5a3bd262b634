#pragma once
// The recovery folder over in-memory files, and a timer that goes off when told.
// Several programs' folders share one table of locks, as programs share a folder.

#include "common/in_memory_files.h"
#include "common/one_shot_timer.h"
#include "tape/recovery_folder.h"

#include <map>
#include <set>
#include <stdexcept>

namespace tallimo::testing {

struct LockTable {
    std::map<std::string, int> holders;  // lock path -> program
    std::set<int> running;
};

class InMemoryRecoveryFolder : public RecoveryFolder {
public:
    InMemoryRecoveryFolder(InMemoryFiles& files, LockTable& locks, int program)
        : files_(files), locks_(locks), program_(program)
    {
        locks_.running.insert(program);
    }

    std::vector<std::string> names(const std::string& folder, const std::string& prefix,
                                   const std::string& suffix) override
    {
        std::vector<std::string> out;
        std::vector<std::string> paths;
        for (const auto& [path, text] : files_.files) paths.push_back(path);
        for (const auto& [path, what] : files_.notPlain) paths.push_back(path);
        for (const std::string& path : paths) {
            if (!path.starts_with(folder + "/")) continue;
            const std::string name = path.substr(folder.size() + 1);
            if (name.find('/') == std::string::npos && name.starts_with(prefix) && name.ends_with(suffix))
                out.push_back(name);
        }
        return out;
    }
    bool remove(const std::string& path) override { return files_.files.erase(path) > 0; }
    std::string lastWritten(const std::string& path) override
    {
        return files_.files.count(path) ? "06/12/2026 14:52" : "";
    }
    CopyLock lock(const std::string& path) override
    {
        if (lockFails) return {LockOutcome::Failed, "The folder cannot be written to."};
        if (const auto refused = refusals.find(path); refused != refusals.end()) return refused->second;
        const auto it = locks_.holders.find(path);
        if (it != locks_.holders.end() && it->second != program_ && locks_.running.count(it->second))
            return {LockOutcome::HeldByRunningProgram, ""};
        locks_.holders[path] = program_;
        return {LockOutcome::Taken, ""};
    }
    void unlock(const std::string& path) override
    {
        if (const auto it = locks_.holders.find(path); it != locks_.holders.end() && it->second == program_)
            locks_.holders.erase(it);
    }

    // The program ends without releasing its locks: a crash or a kill.
    void crash() { locks_.running.erase(program_); }

    bool lockFails = false;
    // Locks that are not taken however often asked for: one held on another
    // computer, one whose name something else bears.
    std::map<std::string, CopyLock> refusals;

private:
    InMemoryFiles& files_;
    LockTable& locks_;
    int program_;
};

class ManualTimer : public OneShotTimer {
public:
    void start(int milliseconds, std::function<void()> due) override
    {
        waiting = true;
        interval = milliseconds;
        due_ = std::move(due);
        ++starts;
    }
    bool isWaiting() const override { return waiting; }
    void stop() override { waiting = false; }

    // The wait is over.
    void goOff()
    {
        if (!waiting) throw std::logic_error("the timer does not wait");
        waiting = false;
        due_();
    }

    bool waiting = false;
    int interval = 0;
    int starts = 0;

private:
    std::function<void()> due_;
};

}  // namespace tallimo::testing
