#pragma once
// How the core reads and writes whole text files. Texts are UTF-8 here; the adapter
// stores them in the system's 8-bit code page and writes each file whole or not at
// all (a temporary file renamed over the target), so a failed write leaves the old
// file as it was.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

// The largest file read as text. A tape is a few kilobytes, a memory file a few
// bytes; a tape of 4 MiB (some 300,000 sums) shows within a second, while Qt's
// text box takes minutes to lay out one four times as long.
inline constexpr std::uintmax_t kLargestTextFileBytes = 4 * 1024 * 1024;

// Whose file it is decides how far its name is trusted. A file the user chose in a
// dialog is taken wherever its name leads, links included. A file the program keeps
// by itself in its start folder (a memory file, a copy of an unsaved tape, a copy's
// lock) is read and written only when it is a plain file under that very name: the
// folder may be one the user downloaded or unpacked, where a link may lead to any
// file and a pipe or a device never ends.
enum class FileOrigin { ChosenByUser, KeptByProgram };

// Why a file was not read.
enum class Unread { Missing, TooLarge, NotReadable };

struct ReadResult {
    std::optional<std::string> text;  // nothing when the file could not be read
    Unread why = Unread::NotReadable;  // when there is no text
    std::string error;                 // why, in words for the user

    static ReadResult failure(Unread why, std::string_view error) { return {std::nullopt, why, std::string(error)}; }
};

// What became of a write: the file was written whole, or it was not and the old
// file stands as it was.
struct [[nodiscard]] WriteResult {
    bool written = true;
    std::string reason;  // why it was not written, in words for the user

    static WriteResult success() { return {}; }
    static WriteResult failure(std::string_view why) { return {false, std::string(why)}; }
};

class TextFiles {
public:
    virtual ~TextFiles() = default;
    // A plain file of at most kLargestTextFileBytes; anything else (a folder, a
    // pipe, a device) is refused without waiting on it.
    virtual ReadResult read(const std::string& path, FileOrigin origin) = 0;
    // Refuses to replace anything but a plain file.
    virtual WriteResult write(const std::string& path, std::string_view text, FileOrigin origin) = 0;
    // Whether anything bears the name: a file, a folder, a pipe or a link, even one
    // that leads nowhere.
    virtual bool exists(const std::string& path) = 0;
};

}  // namespace tallimo
