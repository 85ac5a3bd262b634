#pragma once

#include "tape/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

#include <string_view>

namespace tallimo::ui {

// "Caption|pattern|Caption|pattern" as Qt's name filters, one per entry: the caption
// as it is shown, followed by the patterns as Qt reads them. The dialog shows the
// caption alone. Where a Windows pattern means something else to Qt, Qt is given
// what it means there: "*.*" is every file, with or without a dot in its name.
QStringList nameFiltersOf(std::string_view filter);

// The extension a name typed without one is saved with under `nameFilter`: the one
// that the filter's first pattern names, none for a filter of every file.
QString extensionOf(const QString& nameFilter);

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
