#pragma once
// The printer dialog and the printer. The copies chosen are printed one after the
// other in one job, each starting on a fresh page, rather than left to the
// printer's driver: every copy is a finished copy of its own.

#include "tape/printer.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

class QWidget;

namespace tallimo::ui {

class QtPrinter : public Printer {
public:
    explicit QtPrinter(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<int> chooseCopies() override;
    bool printCopy(std::string_view text) override;
    void endJob() override;

    // The printer the dialog sets up, made on first use: making one asks the print
    // system for its printers. Tests point it at a PDF file.
    QPrinter& printer();

private:
    QWidget* parent_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
};

}  // namespace tallimo::ui
