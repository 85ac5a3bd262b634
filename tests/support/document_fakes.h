#pragma once
// Stand-ins for the document commands' dialogs and printer.

#include "tape/file_dialogs.h"
#include "tape/printer.h"

#include <optional>
#include <string>
#include <vector>

namespace tallimo::testing {

// Answers the open and save dialogs with the names queued; nothing is a cancel.
class QueuedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> chooseFileToOpen(const FileDialogSettings&) override { return next(); }
    std::optional<std::string> chooseFileToSave(const FileDialogSettings&) override { return next(); }
    std::optional<std::string> next()
    {
        if (names.empty()) return std::nullopt;
        const auto name = names.front();
        return names.erase(names.begin()), name;
    }
    std::vector<std::optional<std::string>> names;
};

class RecordingPrinter : public Printer {
public:
    std::optional<int> chooseCopies() override { return copies; }
    bool printCopy(std::string_view text) override { return printed.emplace_back(text), true; }
    void endJob() override { ++jobsEnded; }
    int copies = 1, jobsEnded = 0;
    std::vector<std::string> printed;
};

}  // namespace tallimo::testing
