#pragma once
// A copy of the open tape's text, kept beside the memory files while the tape is not
// saved as it stands, so that a crash, a kill or the end of the desktop session costs
// at most the last two seconds of typing. It is written in the same form as Save
// writes a tape, whole or not at all, from a timer and never on a key's path. The
// next start offers back a copy whose program no longer runs.

#include "common/main_controls.h"
#include "common/one_shot_timer.h"
#include "common/prompter.h"
#include "common/text_files.h"
#include "tape/recovery_folder.h"
#include "tape/tape.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

class RecoveryCopy {
public:
    struct Ports {
        TextFiles& files;
        RecoveryFolder& folder;
        OneShotTimer& timer;
        Prompter& prompter;
    };

    // How far the copy may fall behind the tape.
    static constexpr int kDelayMilliseconds = 2000;
    // Copies are named "unsaved-tape-1.tmo", "unsaved-tape-2.tmo"..., one per program.
    static constexpr std::string_view kNamePrefix = "unsaved-tape-";
    static constexpr std::string_view kNameSuffix = ".tmo";

    // `folder` is the folder that was current when the program started.
    RecoveryCopy(MainControls& controls, Tape& tape, Ports ports, std::string folder);
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // At start, once the window shows: asks about each copy left by a program that
    // no longer runs, until one is restored as the tape. Copies that cannot be
    // offered (a copy or a lock that is not a plain file, a lock from another
    // computer, a folder that takes no lock) are named once in a notice.
    void offerLeftCopies();

    // The timer went off: the copy follows the tape. A failure is told once.
    void writeDue();

    // The tape now matches the file it was saved to or opened from.
    void tapeStored(const std::string& fileName);
    // Nothing is left to recover: the tape was emptied, closed or replaced with the
    // user's consent, or the user agreed to close the program.
    void discard();

    // The process is told to stop or the session ends: the copy is written now.
    // Returns why it could not be, empty when it is up to date.
    std::string bringUpToDate();

    // The copy this program writes, while it holds one.
    const std::optional<std::string>& path() const { return path_; }

private:
    void tapeChanged();
    std::string update();
    // A copy left behind, with its text; no text when it is too large to restore.
    struct LeftCopy {
        std::string path;
        std::optional<std::string> text;
    };

    std::optional<std::string> claimName(std::string& error);
    bool offer(LeftCopy& copy);
    void release(bool removeFile);
    void tellOnce(const std::string& text);
    std::string pathOf(std::string_view name) const;

    MainControls& controls_;
    Tape& tape_;
    Ports ports_;
    std::string folder_;
    std::size_t listener_;
    std::optional<std::string> path_;
    bool dirty_ = false;
    bool told_ = false;
};

}  // namespace tallimo
