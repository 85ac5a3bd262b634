#include "ui/appearance/qt_colour.h"

#include <QPalette>
#include <QWidget>

namespace tallimo::ui {

void paintBackground(QWidget& widget, Colour colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void paintLabel(QWidget& label, Colour background, Colour text)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, toQColor(background));
    palette.setColor(QPalette::WindowText, toQColor(text));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

Colour backgroundOf(const QWidget& widget) { return fromQColor(widget.palette().color(QPalette::Window)); }

}  // namespace tallimo::ui
