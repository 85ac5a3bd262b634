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

class TextFiles {
public:
    virtual ~TextFiles() = default;
    virtual ReadResult read(const std::string& path) = 0;
    // Empty on success, else why the file could not be written.
    virtual std::string write(const std::string& path, std::string_view text) = 0;
    // Size in bytes, nothing when the file does not exist or cannot be examined.
    virtual std::optional<std::uintmax_t> size(const std::string& path) = 0;
};

}  // namespace tallimo
