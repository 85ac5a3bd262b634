#include "ui/dialogs/qt_file_dialogs.h"

namespace tallimo::ui {

namespace {

QStringList patternsOf(const QString& nameFilter)
{
    const qsizetype open = nameFilter.lastIndexOf(u'(');
    if (open < 0 || !nameFilter.endsWith(u')')) return {};
    return nameFilter.mid(open + 1, nameFilter.size() - open - 2).split(u' ', Qt::SkipEmptyParts);
}

}  // namespace

QStringList nameFiltersOf(std::string_view filter)
{
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + QStringLiteral(")");
    }
    return filters;
}

QString extensionOf(const QString& nameFilter)
{
    const QStringList patterns = patternsOf(nameFilter);
    if (patterns.isEmpty() || !patterns.first().startsWith(QStringLiteral("*."))) return {};
    const QString extension = patterns.first().mid(2);
    const bool plain = !extension.isEmpty() && !extension.contains(u'*') && !extension.contains(u'?') &&
                       !extension.contains(u'[');
    return plain ? extension : QString();
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
    // The captions show exactly as given; the patterns Qt reads stay out of sight.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = nameFiltersOf(settings.filter);
    dialog.setNameFilters(filters);
    if (settings.filterIndex >= 1 && settings.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[settings.filterIndex - 1]);
    if (mode == QFileDialog::AcceptSave) {
        // A tape saved as "tape1" under "tmo Files" is found again under that filter.
        const auto takeExtension = [&dialog](const QString& filter) { dialog.setDefaultSuffix(extensionOf(filter)); };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeExtension);
        takeExtension(dialog.selectedNameFilter());
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.first().toStdString();
}

}  // namespace tallimo::ui
