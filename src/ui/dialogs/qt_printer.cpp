#include "ui/dialogs/qt_printer.h"

#include "ui/dialogs/text_pages.h"

#include <QPrintDialog>

namespace tallimo::ui {

std::optional<int> QtPrinter::chooseCopies()
{
    QPrintDialog dialog(&printer_, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int copies = printer_.copyCount();
    printer_.setCopyCount(1);
    return copies;
}

bool QtPrinter::printCopy(std::string_view text)
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer_)) {
            painter_.reset();
            return false;
        }
    } else if (!printer_.newPage()) {
        return false;
    }
    const QSizeF page = printer_.pageRect(QPrinter::DevicePixel).size();
    const QString copy = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return paintTextPages(*painter_, page, copy, [this] { return printer_.newPage(); });
}

void QtPrinter::endJob()
{
    if (painter_) painter_->end();
    painter_.reset();
}

}  // namespace tallimo::ui
