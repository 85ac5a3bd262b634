// The printing module's one entry: the program looks it up by name when the tape is
// first printed.

#include "ui/printing/qt_printer.h"

extern "C" Q_DECL_EXPORT tallimo::Printer* tallimo_make_printer(QWidget* parent)
{
    return new tallimo::ui::QtPrinter(parent);
}
