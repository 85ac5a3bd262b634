#pragma once

#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

namespace tallimo::ui {

// Lays plain text out in the painter's font on pages of the given size, from the
// top of the current page, and paints it; `newPage` moves on to the next page and
// says whether it could. False when a page could not be started.
bool paintTextPages(QPainter& painter, QSizeF pageSize, const QString& text, const std::function<bool()>& newPage);

}  // namespace tallimo::ui
