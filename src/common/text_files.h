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

struct ReadResult {
    std::optional<std::string> text;  // nothing when the file could not be read
    std::string error;                // why, in words for the user
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
    virtual ReadResult read(const std::string& path) = 0;
    virtual WriteResult write(const std::string& path, std::string_view text) = 0;
    // Size in bytes, nothing when the file does not exist or cannot be examined.
    virtual std::optional<std::uintmax_t> size(const std::string& path) = 0;
};

}  // namespace tallimo
