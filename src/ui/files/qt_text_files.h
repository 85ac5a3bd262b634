#pragma once
// Whole text files on disk. Texts are UTF-8 inside the program and stored in the
// system's 8-bit code page. A read opens without waiting (a pipe or a device is
// refused, never read) and takes a plain file only; a write goes to a temporary file
// beside the target that replaces it only when every byte is on disk.

#include "common/text_files.h"

namespace tallimo::ui {

class QtTextFiles : public TextFiles {
public:
    ReadResult read(const std::string& path, FileOrigin origin) override;
    WriteResult write(const std::string& path, std::string_view text, FileOrigin origin) override;
    bool exists(const std::string& path) override;
};

}  // namespace tallimo::ui
