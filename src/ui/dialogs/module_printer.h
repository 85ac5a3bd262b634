#pragma once
// The printer dialog and the printer, from the printing module, which is loaded the
// first time the tape is printed. A module that cannot be loaded is told once per
// Print command, which then ends as if cancelled.

#include "common/prompter.h"
#include "spool/printer.h"

#include <QLibrary>
#include <QStringList>

#include <memory>

class QWidget;

namespace tallimo::ui {

// Where the program looks for the module, in this order: beside itself (the build
// tree), then where it is installed.
QStringList printingModulePlaces();

class ModulePrinter : public Printer {
public:
    ModulePrinter(Prompter& prompter, QWidget* parent, QStringList places = printingModulePlaces());
    ~ModulePrinter() override;

    std::optional<int> chooseCopies() override;
    bool printCopy(std::string_view text) override;
    void endJob() override;

private:
    // The module's printer, loading the module if need be; nothing when it cannot.
    Printer* loaded();

    Prompter& prompter_;
    QWidget* parent_;
    QStringList places_;
    // Never unloaded: the printer's code lives in it.
    QLibrary module_;
    std::unique_ptr<Printer> printer_;
};

}  // namespace tallimo::ui
