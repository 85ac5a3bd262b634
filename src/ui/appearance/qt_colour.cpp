#include "ui/appearance/qt_colour.h"

#include "ui/appearance/readable_text.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace tallimo::ui {

void paintBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void paintWhite(QWidget& optionButton)
{
    // A button fills with its button colour, unless told to take its window colour.
    optionButton.setBackgroundRole(QPalette::Window);
    paintBackground(optionButton, Qt::white);
    setTextColoursFor(optionButton, Qt::white);
}

void keepDesktopBackground(QWidget& widget)
{
    QPalette palette = widget.palette();
    // Setting the colour, even to the same one, pins it against the parent's.
    palette.setColor(QPalette::Window, QApplication::palette(&widget).color(QPalette::Window));
    widget.setPalette(palette);
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
