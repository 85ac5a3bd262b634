#include "ui/dialogs/qt_file_dialogs.h"

namespace tallimo::ui {

QStringList nameFiltersOf(std::string_view filter)
{
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& caption = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        const QString shown = QStringLiteral("(") + patterns + QStringLiteral(")");
        filters << (caption.contains(shown) ? caption : caption + QStringLiteral(" ") + shown);
    }
    return filters;
}

std::optional<std::string> QtFileDialogs::chooseFileToOpen(const FileDialogSettings& settings)
{
    return choose(settings, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtFileDialogs::chooseFileToSave(const FileDialogSettings& settings)
{
    return choose(settings, QFileDialog::AcceptSave);
}

std::optional<std::string> QtFileDialogs::choose(const FileDialogSettings& settings, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = nameFiltersOf(settings.filter);
    dialog.setNameFilters(filters);
    if (settings.filterIndex >= 1 && settings.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[settings.filterIndex - 1]);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.first().toStdString();
}

}  // namespace tallimo::ui
