#include "ui/adapters/qt_clipboard.h"

#include "ui/adapters/qt_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tallimo::ui {

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::setText(std::string_view text) { QGuiApplication::clipboard()->setText(toQString(text)); }

std::optional<std::string> QtClipboard::text() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) return std::nullopt;
    return toUtf8(data->text());
}

}  // namespace tallimo::ui
