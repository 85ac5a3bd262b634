#pragma once
// The open and save dialogs as the core sees them.

#include <optional>
#include <string>

namespace tallimo {

struct FileDialogSettings {
    // Entries "caption|pattern", each pair separated by "|".
    std::string filter;
    // The entry shown first, counted from 1.
    int filterIndex = 1;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's name, nothing when the user cancels.
    virtual std::optional<std::string> chooseFileToOpen(const FileDialogSettings& settings) = 0;
    virtual std::optional<std::string> chooseFileToSave(const FileDialogSettings& settings) = 0;
};

}  // namespace tallimo
