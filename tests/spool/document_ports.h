#pragma once
// Stand-ins for the open and save dialogs and the printer.

#include "spool/file_dialogs.h"
#include "spool/printer.h"

#include <deque>
#include <string>
#include <vector>

namespace tallimo::testing {

class ScriptedFileDialogs : public FileDialogs {
public:
    // The names the next dialogs return, in order; nothing is a cancel. When the
    // script runs out a dialog is cancelled.
    void script(std::initializer_list<std::optional<std::string>> choices)
    {
        choices_.insert(choices_.end(), choices);
    }

    std::optional<std::string> chooseFileToOpen(const FileDialogSettings& settings) override
    {
        return next("open", settings);
    }
    std::optional<std::string> chooseFileToSave(const FileDialogSettings& settings) override
    {
        return next("save", settings);
    }

    std::vector<std::string> shown;  // "open" or "save" for every dialog shown
    FileDialogSettings lastSettings;

private:
    std::optional<std::string> next(const char* kind, const FileDialogSettings& settings)
    {
        shown.emplace_back(kind);
        lastSettings = settings;
        if (choices_.empty()) return std::nullopt;
        auto choice = choices_.front();
        choices_.pop_front();
        return choice;
    }

    std::deque<std::optional<std::string>> choices_;
};

class RecordingPrinter : public Printer {
public:
    std::optional<int> chooseCopies() override { return copies; }
    bool printCopy(std::string_view text) override
    {
        if (printed.size() == failAtCopy) return false;
        printed.emplace_back(text);
        return true;
    }
    void endJob() override { ++jobsEnded; }

    std::optional<int> copies = 1;       // what the dialog returns; nothing is a cancel
    std::size_t failAtCopy = SIZE_MAX;  // the copy (from 0) whose printing fails
    std::vector<std::string> printed;
    int jobsEnded = 0;
};

}  // namespace tallimo::testing
