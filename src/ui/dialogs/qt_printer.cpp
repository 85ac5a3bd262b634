#include "ui/dialogs/qt_printer.h"

#include "ui/dialogs/text_pages.h"

#include <QPrintDialog>

namespace tallimo::ui {

QPrinter& QtPrinter::printer()
{
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

std::optional<int> QtPrinter::chooseCopies()
{
    QPrintDialog dialog(&printer(), parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    // The copies are printed here, one by one, not multiplied by the driver.
    const int copies = printer().copyCount();
    printer().setCopyCount(1);
    return copies;
}

bool QtPrinter::printCopy(std::string_view text)
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer())) {
            painter_.reset();
            return false;
        }
    } else if (!printer().newPage()) {
        return false;
    }
    const QSizeF page = printer().pageRect(QPrinter::DevicePixel).size();
    const QString copy = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return paintTextPages(*painter_, page, copy, [this] { return printer().newPage(); });
}

void QtPrinter::endJob()
{
    if (painter_) painter_->end();
    painter_.reset();
}

}  // namespace tallimo::ui
