#pragma once

#include "spool/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

#include <string_view>

namespace tallimo::ui {

// "Caption|pattern|Caption|pattern" as Qt's name filters, one per entry. A caption
// that shows its patterns in brackets is kept as it is; any other gets them added,
// so that Qt can find them.
QStringList nameFiltersOf(std::string_view filter);

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<std::string> chooseFileToOpen(const FileDialogSettings& settings) override;
    std::optional<std::string> chooseFileToSave(const FileDialogSettings& settings) override;

private:
    std::optional<std::string> choose(const FileDialogSettings& settings, QFileDialog::AcceptMode mode);

    QWidget* parent_;
};

}  // namespace tallimo::ui
