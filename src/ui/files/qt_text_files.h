#pragma once
// Whole text files on disk. Texts are UTF-8 inside the program and stored in the
// system's 8-bit code page; a write goes to a temporary file beside the target
// that replaces it only when every byte is on disk.

#include "common/text_files.h"

namespace tallimo {

class QtTextFiles : public TextFiles {
public:
    ReadResult read(const std::string& path) override;
    WriteResult write(const std::string& path, std::string_view text) override;
    std::optional<std::uintmax_t> size(const std::string& path) override;
};

}  // namespace tallimo
