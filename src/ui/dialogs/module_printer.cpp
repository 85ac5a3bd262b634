#include "ui/dialogs/module_printer.h"

#include "common/messages.h"
#include "ui/adapters/qt_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace tallimo::ui {

namespace {

using MakePrinter = Printer* (*)(QWidget*);

}  // namespace

QStringList printingModulePlaces()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral(TALLIMO_PRINTING_MODULE)),
            QDir::cleanPath(program.filePath(QStringLiteral(TALLIMO_PRINTING_MODULE_DIR "/" TALLIMO_PRINTING_MODULE)))};
}

ModulePrinter::ModulePrinter(Prompter& prompter, QWidget* parent, QStringList places)
    : prompter_(prompter), parent_(parent), places_(std::move(places))
{
}

ModulePrinter::~ModulePrinter() = default;

Printer* ModulePrinter::loaded()
{
    if (printer_) return printer_.get();
    QString reason;
    for (const QString& place : places_) {
        if (!QFile::exists(place)) continue;
        module_.setFileName(place);
        if (auto make = reinterpret_cast<MakePrinter>(module_.resolve("tallimo_make_printer"))) {
            printer_.reset(make(parent_));
            return printer_.get();
        }
        reason = module_.errorString();
        break;
    }
    if (reason.isEmpty()) reason = QStringLiteral("it is in none of ") + places_.join(QStringLiteral(", ")) + u'.';
    prompter_.ask(notice(MsgPrintingModuleNotLoaded(toUtf8(reason))));
    return nullptr;
}

std::optional<int> ModulePrinter::chooseCopies()
{
    Printer* printer = loaded();
    return printer ? printer->chooseCopies() : std::nullopt;
}

bool ModulePrinter::printCopy(std::string_view text)
{
    Printer* printer = loaded();
    return printer && printer->printCopy(text);
}

void ModulePrinter::endJob()
{
    if (printer_) printer_->endJob();
}

}  // namespace tallimo::ui
